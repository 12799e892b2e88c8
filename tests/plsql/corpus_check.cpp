// Parses every PL/SQL unit of the scripts under the folders given on the command line (a
// real project's sources, kept outside the repository) and prints each unit that does not
// parse, with its rows; the last line counts units and failures. Exit status 1 when any
// unit fails.
#include "ocilite/plsql/syntax.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;
using namespace ocilite::plsql;

namespace {

struct Counts {
    int units = 0;
    int failed = 0;
};

const std::regex kCreate(
    R"(^\s*create\s+(or\s+replace\s+)?((editionable|noneditionable)\s+)?(package|procedure|function|type|trigger)\b)",
    std::regex::icase);

void checkUnit(const std::string &path, int line, const std::string &text, Counts &counts) {
    ++counts.units;
    auto unit = parseUnit(text);
    if (unit->diags.empty())
        return;
    ++counts.failed;
    for (const Diagnostic &d : unit->diags.rows())
        std::cout << path << ":" << (line + d.line - 1) << ":" << d.position << ": " << d.text
                  << "\n";
}

void checkFile(const fs::path &path, Counts &counts) {
    std::ifstream in(path);
    std::string line, unit;
    int n = 0, start = 0;
    bool inUnit = false;
    std::smatch m;
    while (std::getline(in, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!inUnit && std::regex_search(line, m, kCreate)) {
            inUnit = true;
            start = n;
            unit = line.substr(static_cast<size_t>(m.position(4))) + "\n";
            continue;
        }
        if (!inUnit)
            continue;
        if (line.find_first_not_of(" \t") != std::string::npos &&
            line.substr(line.find_first_not_of(" \t"), 1) == "/" &&
            line.find_last_not_of(" \t") == line.find_first_not_of(" \t")) {
            while (!unit.empty() && (unit.back() == '\n' || unit.back() == ' '))
                unit.pop_back();
            checkUnit(path.string(), start, unit, counts);
            inUnit = false;
            continue;
        }
        unit += line + "\n";
    }
    if (inUnit)
        checkUnit(path.string(), start, unit, counts);
}

} // namespace

int main(int argc, char **argv) {
    Counts counts;
    for (int i = 1; i < argc; ++i)
        for (const auto &e : fs::recursive_directory_iterator(argv[i])) {
            const std::string ext = e.path().extension().string();
            if (e.is_regular_file() &&
                (ext == ".sql" || ext == ".pks" || ext == ".pkb" || ext == ".tps" ||
                 ext == ".tpb" || ext == ".trg" || ext == ".pkg" || ext == ".prc" || ext == ".fnc"))
                checkFile(e.path(), counts);
        }
    std::cout << counts.units << " units, " << counts.failed << " with errors\n";
    return counts.failed ? 1 : 0;
}
