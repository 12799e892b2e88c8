#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora::platform {

QTranslator *installQtTranslations(const QLocale &locale) {
    QCoreApplication *app = QCoreApplication::instance();
    if (app == nullptr)
        return nullptr;
    auto *translator = new QTranslator(app);
    // "qtbase" holds the widgets' dialogs; the locale's UI languages are tried in order.
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace velmora::platform
