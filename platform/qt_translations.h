#pragma once
// Qt's own texts (the buttons of message boxes, the font and colour dialogs) in the user's
// language: the windows are Japanese, and the standard dialogs beside them should be too.

class QLocale;
class QTranslator;

namespace velmora::platform {

// Installs Qt's translation for the locale from the folder Qt's translations are installed in
// (Debian: qt6-translations-l10n). Returns the installed translator, owned by the application,
// or null when there is none for that language (Qt's English texts stay).
QTranslator *installQtTranslations(const QLocale &locale);

} // namespace velmora::platform
