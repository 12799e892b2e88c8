// The check tests run on private data and settings folders, so the embedded default database
// is created afresh with the demo schema, and with no password in the environment unless a
// test puts one there for the program it starts.

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("VELMORA_TEST_HOME", home.path().toLocal8Bit());
    unsetenv("VELMORA_PASSWORD");
    return RUN_ALL_TESTS();
}
