#include "ocilite/admin/lint_database.h"

#include "ocilite/engine/database.h"
#include "ocilite/engine/statement.h"
#include "ocilite/scripts/script_runner.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>

namespace ocilite::lint {

namespace fs = std::filesystem;

namespace {

constexpr const char *kSchema = "LINT";
constexpr int kTextBuffer = 4001; // the longest VARCHAR2 the dictionary holds, and its end
constexpr int kMaxRecompilePasses = 10;

const char *const kUnitQuery =
    "SELECT OBJECT_TYPE, OBJECT_NAME, STATUS FROM USER_OBJECTS WHERE OBJECT_TYPE IN "
    "('PACKAGE', 'PACKAGE BODY', 'PROCEDURE', 'FUNCTION', 'TRIGGER', 'TYPE', 'TYPE BODY')";
const char *const kErrorQuery =
    "SELECT TYPE, NAME, LINE, POSITION, TEXT FROM USER_ERRORS ORDER BY NAME, TYPE, SEQUENCE";

std::string randomName() {
    std::random_device device;
    std::ostringstream name;
    name << std::hex << device() << device();
    return name.str();
}

using Rows = std::vector<std::vector<std::string>>;

// A query through the engine's statements, every value as text (NULL as "").
Rows rowsOf(Database &db, const std::string &sql) {
    Statement statement(db, sql);
    const std::size_t columns = statement.columnCount();
    std::vector<std::vector<unsigned char>> buffers(columns,
                                                    std::vector<unsigned char>(kTextBuffer));
    std::vector<short> indicators(columns);
    for (std::size_t i = 0; i < columns; ++i) {
        DefineSpec spec;
        spec.buffer = buffers[i].data();
        spec.length = kTextBuffer;
        spec.indicator = &indicators[i];
        statement.define(static_cast<int>(i + 1), spec);
    }
    statement.execute();
    Rows rows;
    while (statement.fetch() != kFetchNoData) {
        std::vector<std::string> row;
        for (std::size_t i = 0; i < columns; ++i)
            row.emplace_back(indicators[i] < 0 ? "" : reinterpret_cast<char *>(buffers[i].data()));
        rows.push_back(std::move(row));
    }
    return rows;
}

// The name as a statement spells it: bare when Oracle would fold it to itself, else quoted.
std::string spelledName(const std::string &name) {
    const bool bare =
        !name.empty() && std::isupper(static_cast<unsigned char>(name[0])) &&
        std::all_of(name.begin(), name.end(), [](unsigned char c) {
            return std::isupper(c) || std::isdigit(c) || c == '_' || c == '$' || c == '#';
        });
    if (bare)
        return name;
    std::string quoted = "\"";
    for (const char c : name)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

// ALTER PACKAGE X COMPILE BODY, ALTER PROCEDURE P COMPILE, ...
std::string recompileStatement(const std::string &type, const std::string &name) {
    const bool body = type.size() > 5 && type.compare(type.size() - 5, 5, " BODY") == 0;
    const std::string kind = body ? type.substr(0, type.size() - 5) : type;
    return "ALTER " + kind + ' ' + spelledName(name) + (body ? " COMPILE BODY" : " COMPILE");
}

} // namespace

LintDatabase::~LintDatabase() {
    m_db.reset();
    if (!m_folder.empty()) {
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }
}

bool LintDatabase::create(std::string &error) {
    std::error_code ec;
    const fs::path folder = fs::temp_directory_path(ec) / ("ocilite-lint-" + randomName());
    if (ec || !fs::create_directory(folder, ec)) {
        error = "cannot make a temporary folder: " + ec.message();
        return false;
    }
    m_folder = folder.string();
    m_db = Database::open((folder / "lint.db").string(), true, error);
    return m_db && m_db->addUser(kSchema, randomName(), error);
}

void LintDatabase::run(const std::vector<std::string> &scripts, UnitPlaces &places,
                       std::vector<ScriptProblem> &problems) {
    FileScriptSource source;
    std::ostringstream ignored;
    int order = 0;
    ScriptRunner::Observer observer;
    observer.unitCreated = [&](const std::string &path, const ScriptItem &item) {
        UnitHeader header;
        if (parseUnitHeader(item.text, header))
            places[{header.type, foldName(header.name)}] = placeOf(path, item, order);
    };
    observer.failed = [&](const std::string &path, int line, const std::string &message) {
        problems.push_back({path, line, message});
    };
    // Each script runs as SQL*Plus would run it on its own: an EXIT or WHENEVER in one
    // does not reach the next.
    for (const std::string &script : scripts) {
        ScriptRunner runner(*m_db, kSchema, source, ignored, ignored);
        runner.setObserver(observer);
        runner.runFile(script);
        ++order;
    }
}

void LintDatabase::recompileInvalid() {
    std::size_t before = SIZE_MAX;
    for (int pass = 0; pass < kMaxRecompilePasses; ++pass) {
        std::vector<StoredUnit> stored;
        std::string error;
        if (!units(stored, error))
            return;
        std::size_t invalid = 0;
        for (const StoredUnit &unit : stored) {
            if (unit.valid)
                continue;
            ++invalid;
            m_db->execute(kSchema, recompileStatement(unit.type, unit.name), error);
        }
        if (invalid == 0 || invalid >= before)
            return;
        before = invalid;
    }
}

bool LintDatabase::units(std::vector<StoredUnit> &units, std::string &error) {
    units.clear();
    try {
        m_db->setSchema(kSchema);
        std::map<std::pair<std::string, std::string>, std::size_t> index;
        for (const auto &row : rowsOf(*m_db, kUnitQuery)) {
            index[{row[0], row[1]}] = units.size();
            units.push_back({row[0], row[1], row[2] != "INVALID", {}});
        }
        for (const auto &row : rowsOf(*m_db, kErrorQuery)) {
            const auto unit = index.find({row[0], row[1]});
            if (unit != index.end() && !units[unit->second].valid)
                units[unit->second].errors.push_back(
                    {std::stoi(row[2]), std::stoi(row[3]), row[4]});
        }
        return true;
    } catch (const std::exception &e) {
        error = e.what();
        return false;
    }
}

} // namespace ocilite::lint
