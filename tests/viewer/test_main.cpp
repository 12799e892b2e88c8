// The view's tests run in a QApplication named as the program is, on the offscreen platform,
// with the Japanese faces mapped onto installed ones as the program maps them.
#include "platform/japanese_fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Velmora");
    velmora::platform::installJapaneseFaceSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
