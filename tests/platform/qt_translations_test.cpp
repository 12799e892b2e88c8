// Qt's standard texts follow the locale: Japanese buttons beside the Japanese windows, Qt's
// own English where no translation exists, and nothing left installed once removed.

#include "platform/qt_translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace {

TEST(QtTranslations, StandardDialogTextsSpeakTheLocalesLanguage) {
    // Qt's own texts from here on; the user's locale's translation comes back at the end.
    const QList<QTranslator *> installed = qApp->findChildren<QTranslator *>();
    for (QTranslator *translator : installed)
        QCoreApplication::removeTranslator(translator);
    const struct {
        const char *locale;
        bool installed;
        const char *cancel, *yes;
    } cases[] = {
        {"ja_JP", true, "キャンセル", "はい(&Y)"},
        {"de_DE", true, "Abbrechen", "&Ja"},
        {"C", false, "Cancel", "&Yes"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locale);
        QTranslator *translator = velmora::platform::installQtTranslations(QLocale(c.locale));
        EXPECT_EQ(translator != nullptr, c.installed);
        // The texts Qt's message box buttons take.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QString::fromUtf8(c.cancel));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8(c.yes));
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    }
    for (QTranslator *translator : installed)
        QCoreApplication::installTranslator(translator);
}

} // namespace
