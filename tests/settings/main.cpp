// The settings tests convert to and from Qt fonts and palettes, which need a GUI application;
// ctest runs them on the offscreen platform.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
