// The settings tests convert to and from Qt fonts and palettes, which need a GUI application;
// ctest runs them on the offscreen platform.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) // also when listed for discovery
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
