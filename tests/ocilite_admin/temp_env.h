// A temporary folder for one test, with XDG_DATA_HOME and XDG_CONFIG_HOME pointed into it
// so no test touches the user's real default database or alias file.
#pragma once

#include <filesystem>
#include <string>

namespace ocilite::test {

class TempEnv {
public:
    TempEnv();
    ~TempEnv();
    TempEnv(const TempEnv &) = delete;
    TempEnv &operator=(const TempEnv &) = delete;

    const std::filesystem::path &dir() const { return m_dir; }
    std::string path(const std::string &name) const { return (m_dir / name).string(); }
    // Writes a file below the folder (creating sub-folders) and returns its path.
    std::string write(const std::string &name, const std::string &text) const;

private:
    std::filesystem::path m_dir;
};

} // namespace ocilite::test
