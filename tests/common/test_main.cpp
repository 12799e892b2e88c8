// The one main of the program's test executables: a private test home for the settings and the
// databases, the offscreen platform unless another is asked for, and the application set up as
// the program sets it up (its name, the Japanese faces mapped onto installed ones, Qt's texts in
// the user's language).

#include "platform/japanese_fonts.h"
#include "platform/qt_translations.h"
#include "tests/common/test_home.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const testsupport::TestHome home;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) // also when ctest lists the tests
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Velmora");
    velmora::platform::installJapaneseFaceSubstitutions();
    velmora::platform::installQtTranslations(QLocale::system());
    return RUN_ALL_TESTS();
}
