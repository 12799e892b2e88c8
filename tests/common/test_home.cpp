#include "tests/common/test_home.h"

#include <QFile>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <unistd.h>

namespace testsupport {
namespace {

std::filesystem::path g_root;
std::atomic<int> g_folders{0};

std::filesystem::path makeTemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder in " + pattern);
    return pattern;
}

} // namespace

TestHome::TestHome() {
    g_root = makeTemporaryFolder();
    setenv("XDG_CONFIG_HOME", (g_root / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (g_root / "data").c_str(), 1);
}

TestHome::~TestHome() {
    std::error_code ignored;
    std::filesystem::remove_all(g_root, ignored);
}

const std::filesystem::path &TestHome::root() {
    if (g_root.empty())
        throw std::logic_error("no test home: link the shared test main");
    return g_root;
}

TestFolder::TestFolder() : m_root(TestHome::root() / ("folder-" + std::to_string(++g_folders))) {
    std::filesystem::remove_all(m_root);
    std::filesystem::create_directories(m_root);
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

QString TestFolder::filePath(const QString &name) const {
    return QDir(QString::fromStdString(m_root.string())).filePath(name);
}

SettingsHome::SettingsHome() {
    if (const char *old = std::getenv("XDG_CONFIG_HOME"))
        m_previous = old;
    setenv("XDG_CONFIG_HOME", root().c_str(), 1);
}

SettingsHome::~SettingsHome() {
    if (m_previous)
        setenv("XDG_CONFIG_HOME", m_previous->c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

std::string SettingsHome::hiveText() const {
    std::ifstream in(hiveFile(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void SettingsHome::writeHive(const std::string &text) const {
    std::filesystem::create_directories(folder());
    std::ofstream(hiveFile(), std::ios::binary | std::ios::trunc) << text;
}

QDir settingsFolder() {
    return QDir(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/velmora");
}

void clearSettingsHive() {
    settingsFolder().removeRecursively();
}

QByteArray settingsHiveText() {
    QByteArray all;
    const QDir folder = settingsFolder();
    for (const QString &name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            all += file.readAll();
    }
    return all;
}

void clearDataHome() {
    QDir(QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + "/velmora").removeRecursively();
}

} // namespace testsupport
