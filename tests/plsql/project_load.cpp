// Loads a real PL/SQL project's sources (folders given on the command line, kept outside
// the repository) into a new embedded database, compiles every unit again until nothing
// changes (as a schema recompilation does), and prints the counts of VALID and INVALID
// units, then each invalid unit with its rows. Exit status 1 when a unit is INVALID.
#include "ocilite/engine/database.h"
#include "ocilite/scripts/script_runner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sqlite3.h>
#include <sstream>

namespace fs = std::filesystem;
using ocilite::Database;

namespace {

// Units first by kind, so that most references exist before their users are compiled.
int rank(const fs::path &p) {
    static const std::map<std::string, int> kOrder = {
        {".sql", 0}, {".tps", 1}, {".pks", 2}, {".syn", 3}, {".prc", 4},
        {".fnc", 4}, {".pkb", 5}, {".tpb", 6}, {".trg", 7}, {".pkg", 5}};
    const auto it = kOrder.find(p.extension().string());
    return it == kOrder.end() ? -1 : it->second;
}

// Installer scripts (includes, substitution variables) are not sources.
bool isSource(const std::string &text) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const size_t at = line.find_first_not_of(" \t");
        const size_t amp = line.find('&');
        if (at != std::string::npos && (line[at] == '@' || line.find("&&") != std::string::npos ||
                                        (amp != std::string::npos && amp + 1 < line.size() &&
                                         std::isdigit(static_cast<unsigned char>(line[amp + 1])))))
            return false;
    }
    return true;
}

std::vector<std::vector<std::string>> rows(Database &db, const std::string &sql) {
    std::vector<std::vector<std::string>> out;
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &st, nullptr);
    while (st && sqlite3_step(st) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            const auto *t = sqlite3_column_text(st, c);
            row.emplace_back(t ? reinterpret_cast<const char *>(t) : "");
        }
        out.push_back(std::move(row));
    }
    sqlite3_finalize(st);
    return out;
}

// ALTER ... COMPILE for every INVALID unit until the number of them stops falling.
void recompile(Database &db, const std::string &schema) {
    size_t before = SIZE_MAX;
    for (int pass = 0; pass < 10; ++pass) {
        const auto invalid = rows(db, "SELECT OBJECT_NAME, OBJECT_TYPE FROM OCILITE_OBJECTS "
                                      "WHERE STATUS = 'INVALID' AND OWNER = '" +
                                          schema + "'");
        if (invalid.size() >= before)
            return;
        before = invalid.size();
        for (const auto &u : invalid) {
            std::string type = u[1], option;
            if (type.size() > 5 && type.substr(type.size() - 5) == " BODY") {
                type = type.substr(0, type.size() - 5);
                option = " BODY";
            } else if (type == "PACKAGE" || type == "TYPE") {
                option = " SPECIFICATION";
            }
            std::string error;
            db.execute(schema, "ALTER " + type + " \"" + u[0] + "\" COMPILE" + option, error);
        }
    }
}

} // namespace

int main(int argc, char **argv) {
    const fs::path dir = fs::temp_directory_path() / ("plsql_load_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string error;
    auto db = Database::open((dir / "load.db").string(), true, error);
    const std::string schema = "LOADER";
    if (!db || !db->addUser(schema, "loader", error)) {
        std::cerr << error << "\n";
        return 2;
    }
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i)
        for (const auto &e : fs::recursive_directory_iterator(argv[i]))
            if (e.is_regular_file() && rank(e.path()) >= 0)
                files.push_back(e.path());
    std::stable_sort(files.begin(), files.end(),
                     [](const fs::path &a, const fs::path &b) { return rank(a) < rank(b); });
    // Scripts may SPOOL: their files go to the scratch folder, never the caller's.
    for (fs::path &f : files)
        f = fs::absolute(f);
    fs::current_path(dir);
    ocilite::FileScriptSource source;
    std::ostringstream out, err;
    std::vector<std::string> failures;
    for (const fs::path &f : files) {
        std::ifstream in(f, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        if (!isSource(text.str()))
            continue;
        // One runner per file: an EXIT in one script must not end the others. Sources are
        // loaded as their installers do, with substitution off (an '&' in a comment or a
        // string is text).
        ocilite::ScriptRunner runner(*db, schema, source, out, err);
        runner.setObserver({nullptr, [&](const std::string &path, int line, const std::string &m) {
                                failures.push_back(path + ":" + std::to_string(line) + ": " +
                                                   m.substr(0, m.find('\n')));
                            }});
        runner.runText(f.string(), "SET DEFINE OFF\n" + text.str());
    }
    recompile(*db, schema);
    const auto counts = rows(*db, "SELECT STATUS, COUNT(*) FROM OCILITE_OBJECTS WHERE OWNER = "
                                  "'LOADER' AND OBJECT_TYPE <> 'TABLE' GROUP BY STATUS");
    int invalid = 0;
    for (const auto &c : counts) {
        std::cout << c[0] << " " << c[1] << "\n";
        invalid += c[0] == "INVALID" ? std::stoi(c[1]) : 0;
    }
    for (const auto &e : rows(*db, "SELECT NAME, TYPE, LINE, POSITION, TEXT FROM OCILITE_ERRORS "
                                   "WHERE OWNER = 'LOADER' ORDER BY NAME, TYPE, SEQUENCE"))
        std::cout << "  " << e[1] << " " << e[0] << " " << e[2] << "/" << e[3] << " "
                  << e[4].substr(0, e[4].find('\n')) << "\n";
    std::cout << "statements that failed: " << failures.size() << "\n";
    for (const std::string &f : failures)
        std::cout << "  " << f << "\n";
    fs::remove_all(dir);
    return invalid ? 1 : 0;
}
