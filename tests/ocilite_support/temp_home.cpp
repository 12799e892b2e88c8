#include "temp_home.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace ocilite::test {

TempHome::TempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ocilite-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_dir = pattern;
    std::filesystem::create_directories(m_dir / "data");
    std::filesystem::create_directories(m_dir / "config");
    ::setenv("HOME", m_dir.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (m_dir / "data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (m_dir / "config").c_str(), 1);
}

TempHome::~TempHome() {
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

std::string TempHome::write(const std::string &name, const std::string &text) const {
    const std::filesystem::path file = m_dir / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    return file.string();
}

} // namespace ocilite::test
