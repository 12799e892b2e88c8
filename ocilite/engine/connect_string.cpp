#include "ocilite/engine/connect_string.h"

#include "ocilite/engine/database.h"
#include "ocilite/engine/default_database.h"
#include "ocilite/engine/errors.h"

#include "base/xdg_folders.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace ocilite {
namespace {

bool isFile(const std::string &path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// "~" stands for the home folder; without one known, the path stays as written.
std::string expandHome(const std::string &path) {
    const std::string home = velmora::base::homeFolder();
    if (!home.empty() && (path == "~" || path.rfind("~/", 0) == 0))
        return home + path.substr(1);
    return path;
}

// Looks the name up in the alias file: "NAME = /path/to/db" per line, '#' comments.
std::string aliasTarget(const std::string &name) {
    std::ifstream in(aliasFilePath());
    std::string line;
    const std::string wanted = foldName(name);
    while (std::getline(in, line)) {
        const auto hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        if (foldName(trimBlanks(line.substr(0, eq))) == wanted)
            return expandHome(trimBlanks(line.substr(eq + 1)));
    }
    return std::string();
}

} // namespace

std::string trimBlanks(const std::string &s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

std::string defaultDatabasePath() {
    const std::string data = velmora::base::dataHome();
    return data.empty() ? std::string() : data + "/velmora/demo.db";
}

std::string aliasFilePath() {
    const std::string config = velmora::base::configHome();
    return config.empty() ? std::string() : config + "/velmora/ocilite.aliases";
}

bool resolveConnectString(const std::string &connect, std::string &path, std::string &error) {
    // A zero byte names no file: the system would read the name only up to it.
    if (connect.find('\0') != std::string::npos) {
        error = oraText(kOraServiceNotResolved);
        return false;
    }
    const std::string name = trimBlanks(connect);
    if (name.empty()) {
        path = defaultDatabasePath();
        if (!path.empty())
            return true;
        error = oraText(kOraNotAvailable, "no home folder for the default database (HOME unset)");
        return false;
    }
    const std::string alias = aliasTarget(name);
    if (!alias.empty()) {
        path = alias;
        return true;
    }
    const std::string direct = expandHome(name);
    if (isFile(direct)) {
        path = direct;
        return true;
    }
    error = oraText(kOraServiceNotResolved);
    return false;
}

std::unique_ptr<Database> openConnectString(const std::string &connect, const SeedDatabase &seed,
                                            std::string &error) {
    std::string path;
    if (!resolveConnectString(connect, path, error))
        return nullptr;
    if (trimBlanks(connect).empty()) {
        if (!isFile(path))
            return createDefaultDatabase(path, seed, error);
        removeCreationLeftovers(path);
    }
    if (!isFile(path)) {
        error = oraText(kOraServiceNotResolved);
        return nullptr;
    }
    return Database::open(path, false, error);
}

} // namespace ocilite
