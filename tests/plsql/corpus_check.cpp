// Parses every PL/SQL unit of the scripts under the folders given on the command line (a
// real project's sources, kept outside the repository) and prints each unit that does not
// parse, with its rows; the last line counts units and failures. Exit status 1 when any
// unit fails.
#include "ocilite/plsql/compiler.h"
#include "ocilite/plsql/syntax.h"

#include <map>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;
using namespace ocilite::plsql;
#include <optional>

namespace {

struct Counts {
    int units = 0;
    int failed = 0;
};

// With --compile: every package specification of the corpus, by name. Names that are not
// one of them stand for objects the corpus creates otherwise (types, tables), so only the
// checks that need no dictionary can report (components of packages and records, bodies
// against specifications, forward declarations).
std::map<std::string, std::string> g_specs;
bool g_compile = false;

class CorpusSchema : public SchemaLookup {
public:
    std::optional<SchemaObject> object(const std::string &owner,
                                       const std::string &name) const override {
        return SchemaObject{owner, name, g_specs.count(name) ? "PACKAGE" : "TYPE", false};
    }
    std::optional<std::string> source(const std::string &, const std::string &name,
                                      const std::string &type) const override {
        const auto it = g_specs.find(name);
        if (type != "PACKAGE" || it == g_specs.end())
            return std::nullopt;
        return it->second;
    }
    std::optional<std::vector<std::string>> columns(const std::string &,
                                                    const std::string &) const override {
        return std::nullopt;
    }
    bool userExists(const std::string &) const override { return false; }
};

std::string unitType(const std::string &text) {
    std::string head;
    for (char c : text.substr(0, 40))
        head += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char *t :
         {"PACKAGE BODY", "PACKAGE", "PROCEDURE", "FUNCTION", "TYPE BODY", "TYPE", "TRIGGER"})
        if (head.rfind(t, 0) == 0)
            return t;
    return "";
}

const std::regex kCreate(
    R"(^\s*create\s+(or\s+replace\s+)?((editionable|noneditionable)\s+)?(package|procedure|function|type|trigger)\b)",
    std::regex::icase);

void checkUnit(const std::string &path, int line, const std::string &text, Counts &counts) {
    ++counts.units;
    auto unit = parseUnit(text);
    std::vector<Diagnostic> rows = unit->diags.take();
    const std::string type = unitType(text);
    if (!g_compile && type == "PACKAGE" && unit->root)
        g_specs[nodeName(*unit, unit->root)] = text;
    if (g_compile && rows.empty())
        rows = compileUnit("CORPUS", type, text, CorpusSchema()).errors;
    if (rows.empty())
        return;
    ++counts.failed;
    for (const Diagnostic &d : rows)
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
    const bool compile = argc > 1 && std::string(argv[1]) == "--compile";
    if (compile) {
        --argc;
        ++argv;
    }
    for (int pass = compile ? 0 : 1; pass < 2; ++pass) {
        g_compile = pass == 1 && compile;
        counts = Counts();
        for (int i = 1; i < argc; ++i)
            for (const auto &e : fs::recursive_directory_iterator(argv[i])) {
                const std::string ext = e.path().extension().string();
                if (e.is_regular_file() && (ext == ".sql" || ext == ".pks" || ext == ".pkb" ||
                                            ext == ".tps" || ext == ".tpb" || ext == ".trg" ||
                                            ext == ".pkg" || ext == ".prc" || ext == ".fnc"))
                    checkFile(e.path(), counts);
            }
    }
    std::cout << counts.units << " units, " << counts.failed << " with errors\n";
    return counts.failed ? 1 : 0;
}
