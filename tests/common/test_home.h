#pragma once
// Temporary folders of the program's tests, made one way. The shared test main makes the test
// home before anything else runs and points XDG_CONFIG_HOME and XDG_DATA_HOME below it, so no
// test touches the user's settings or databases and test processes that run side by side never
// share a folder. A test that needs a folder of its own takes a TestFolder below the home; one
// that needs its own settings file points the settings there with SettingsHome.

#include <QByteArray>
#include <QDir>

#include <filesystem>
#include <optional>
#include <string>

namespace testsupport {

// The test process's temporary home (made by the shared test main); removed when it ends.
class TestHome {
public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome &) = delete;
    TestHome &operator=(const TestHome &) = delete;

    static const std::filesystem::path &root();
};

// A fresh empty folder below the test home for as long as it lives.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder &) = delete;
    TestFolder &operator=(const TestFolder &) = delete;

    const std::filesystem::path &root() const { return m_root; }
    QString filePath(const QString &name) const;

private:
    std::filesystem::path m_root;
};

// The settings go to a fresh folder of their own for as long as it lives (XDG_CONFIG_HOME
// points there; the previous value comes back afterwards).
class SettingsHome : public TestFolder {
public:
    SettingsHome();
    ~SettingsHome();

    std::filesystem::path folder() const { return root() / "velmora"; }
    std::filesystem::path hiveFile() const { return folder() / "registry.reg"; }
    std::string hiveText() const;
    void writeHive(const std::string &text) const;

private:
    std::optional<std::string> m_previous;
};

// The settings folder of the program, where XDG_CONFIG_HOME points now.
QDir settingsFolder();
// Starts the settings from nothing.
void clearSettingsHive();
// Everything the settings folder holds, as one text.
QByteArray settingsHiveText();
// Starts the embedded client library's data (the default database) from nothing.
void clearDataHome();

} // namespace testsupport
