#pragma once
// Points XDG_CONFIG_HOME at a fresh temporary folder for as long as it lives, so that tests of
// the file-backed registry never touch the user's own settings; removes the folder afterwards.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace velmora::testing {

class TempConfigHome {
public:
    TempConfigHome() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX");
        if (const char *made = mkdtemp(pattern.data()))
            m_root = made;
        if (const char *old = std::getenv("XDG_CONFIG_HOME"))
            m_previous = old;
        setenv("XDG_CONFIG_HOME", m_root.c_str(), 1);
    }
    ~TempConfigHome() {
        if (m_previous)
            setenv("XDG_CONFIG_HOME", m_previous->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }
    TempConfigHome(const TempConfigHome &) = delete;
    TempConfigHome &operator=(const TempConfigHome &) = delete;

    std::filesystem::path root() const { return m_root; }
    std::filesystem::path folder() const { return m_root / "velmora"; }
    std::filesystem::path hiveFile() const { return folder() / "registry.reg"; }

    std::string hiveText() const {
        std::ifstream in(hiveFile(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void writeHive(const std::string &text) const {
        std::filesystem::create_directories(folder());
        std::ofstream(hiveFile(), std::ios::binary | std::ios::trunc) << text;
    }

private:
    std::filesystem::path m_root;
    std::optional<std::string> m_previous;
};

} // namespace velmora::testing
