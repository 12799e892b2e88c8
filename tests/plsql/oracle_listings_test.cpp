// Real error listings Oracle printed for real code (tests/plsql/oracle_listings, one case a
// file), replayed through the embedded database: each case's script runs as SCOTT after its
// setup script, and the rows each unit gets in USER_ERRORS are compared with Oracle's (line,
// column, text, message number). A case marked "status: known-difference" only has to run
// without a crash; how it differs is printed, and a note says when it has come to match.
// The test's output is the fidelity report's source; see writeOurRows for the rows in full.
#include "oracle_listing_case.h"

#include "ocilite/engine/database.h"
#include "ocilite/scripts/script_runner.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using listings::Case;
using listings::Row;

namespace {

const fs::path kFolder = OCILITE_ORACLE_LISTINGS_DIR;

// What an anonymous block of a case is compiled as: a trigger's lines and columns count from
// its PL/SQL block, so its rows read as the block's own.
const std::string kBlockAsTrigger =
    "CREATE OR REPLACE TRIGGER anonymous_block BEFORE INSERT ON anonymous_block_target\n";

std::string readFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(kFolder))
        if (entry.path().extension() == ".case")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The rows a unit got, in the order SQL*Plus lists them or in SEQUENCE order.
std::vector<Row> storedRows(ocilite::Database &db, const listings::UnitRows &unit, bool bySeq) {
    const std::string sql =
        "SELECT LINE, POSITION, TEXT, MESSAGE_NUMBER FROM OCILITE_ERRORS WHERE OWNER = 'SCOTT' "
        "AND TYPE = ?1 AND NAME = ?2 ORDER BY " +
        std::string(bySeq ? "SEQUENCE" : "LINE, POSITION, ATTRIBUTE, MESSAGE_NUMBER, SEQUENCE");
    std::vector<Row> rows;
    sqlite3_stmt *st = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &st, nullptr), SQLITE_OK);
    sqlite3_bind_text(st, 1, unit.type.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(st, 2, unit.name.c_str(), -1, SQLITE_TRANSIENT);
    while (st && sqlite3_step(st) == SQLITE_ROW) {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(st, 2));
        rows.push_back(Row{sqlite3_column_int(st, 0), sqlite3_column_int(st, 1),
                           listings::squeeze(text ? text : ""), sqlite3_column_int(st, 3)});
    }
    sqlite3_finalize(st);
    return rows;
}

// The unit's STATUS, or "" when the script did not create it.
std::string storedStatus(ocilite::Database &db, const listings::UnitRows &unit) {
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db.handle(),
                       "SELECT STATUS FROM OCILITE_OBJECTS WHERE OWNER = 'SCOTT' AND "
                       "OBJECT_TYPE = ?1 AND OBJECT_NAME = ?2",
                       -1, &st, nullptr);
    sqlite3_bind_text(st, 1, unit.type.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(st, 2, unit.name.c_str(), -1, SQLITE_TRANSIENT);
    std::string status;
    if (st && sqlite3_step(st) == SQLITE_ROW)
        status = reinterpret_cast<const char *>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    return status;
}

// How a unit's rows differ from Oracle's; a unit the script could not create is one
// difference, with what the script reported.
std::vector<std::string> unitDifferences(ocilite::Database &db, const listings::UnitRows &unit,
                                         bool bySequence, const std::string &scriptErrors) {
    if (storedStatus(db, unit).empty())
        return {"unit not created (" + listings::squeeze(scriptErrors) + ")"};
    return listings::differences(unit.rows, storedRows(db, unit, bySequence));
}

// With VELMORA_LISTINGS_OURS set to a folder, each case's own rows are written there
// (CASE.ours: "TYPE NAME<tab>LINE/COL<tab>TEXT" a row) for reports that compare them in full.
void writeOurRows(const Case &c, ocilite::Database &db) {
    const char *folder = std::getenv("VELMORA_LISTINGS_OURS");
    if (!folder || !*folder)
        return;
    std::ofstream out(fs::path(folder) / (c.name + ".ours"));
    for (const auto &unit : c.units)
        for (const Row &r : storedRows(db, unit, c.bySequence))
            out << unit.type << " " << unit.name << "\t" << r.line << "/" << r.position << "\t"
                << r.text << "\n";
}

class OracleListing : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("oracle_listing_" + std::to_string(::getpid()) + "_" + GetParam());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        std::string error;
        m_db = ocilite::Database::open((m_dir / "t.db").string(), true, error);
        ASSERT_TRUE(m_db) << error;
        ASSERT_TRUE(m_db->addUser("SCOTT", "tiger", error)) << error;
    }
    void TearDown() override {
        m_db.reset();
        fs::remove_all(m_dir);
    }
    // Runs a script; what it reported as failed goes to m_errors.
    void run(const std::string &name, const std::string &text) {
        ocilite::FileScriptSource source;
        std::ostringstream out, err;
        ocilite::ScriptRunner runner(*m_db, "SCOTT", source, out, err);
        runner.runText(name, text);
        m_errors += err.str();
    }

    fs::path m_dir;
    std::unique_ptr<ocilite::Database> m_db;
    std::string m_errors;
};

TEST_P(OracleListing, RowsAsOracleListedThem) {
    Case c;
    std::string error;
    ASSERT_TRUE(
        listings::parseCase(GetParam(), readFile(kFolder / (GetParam() + ".case")), c, error))
        << GetParam() << ": " << error;
    for (const std::string &setup : c.setups)
        run(setup + ".sql", readFile(kFolder / "setup" / (setup + ".sql")));
    if (c.anonymousBlock)
        run("anonymous_block.sql", "CREATE TABLE anonymous_block_target (x NUMBER);\n");
    run(c.name + ".sql", (c.anonymousBlock ? kBlockAsTrigger : "") + c.script);
    writeOurRows(c, *m_db);
    std::vector<std::string> found;
    for (const auto &unit : c.units)
        for (const std::string &d : unitDifferences(*m_db, unit, c.bySequence, m_errors))
            found.push_back(unit.type + " " + unit.name + ": " + d);
    std::ostringstream report;
    for (const auto &d : found)
        report << "  " << d << "\n";
    if (!c.knownDifference) {
        EXPECT_TRUE(found.empty())
            << c.name << " (" << c.kind << ", " << c.source << ") no longer matches Oracle:\n"
            << report.str();
    } else if (found.empty()) {
        std::cout << "[listing] " << c.name << " now matches Oracle: set its status to match\n";
    } else {
        std::cout << "[listing] " << c.name << " (" << c.kind << ") known difference:\n"
                  << report.str();
    }
}

std::string testName(const ::testing::TestParamInfo<std::string> &info) {
    std::string name = info.param;
    for (char &ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, OracleListing, ::testing::ValuesIn(caseNames()), testName);

} // namespace
