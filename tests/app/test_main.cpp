// The main window's tests need a QApplication named as the program is.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Velmora");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
