// The one temporary folder helper of the ocilite tests: a fresh folder used as HOME with
// XDG_DATA_HOME and XDG_CONFIG_HOME below it, so no test touches the user's default
// database or alias file; removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <string>

namespace ocilite::test {

class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome &) = delete;
    TempHome &operator=(const TempHome &) = delete;

    const std::filesystem::path &dir() const { return m_dir; }
    std::string path() const { return m_dir.string(); }
    // A path below the folder.
    std::string path(const std::string &name) const { return (m_dir / name).string(); }
    // Writes a file below the folder (creating sub-folders) and returns its path.
    std::string write(const std::string &name, const std::string &text) const;

private:
    std::filesystem::path m_dir;
};

} // namespace ocilite::test
