// The large-schema generator: counts of units, invalid units, errors and lines as the units'
// compiles leave them, and errors that point at the broken code.
#include "oci_client.h"
#include "ocilite/demo/schema_generator.h"
#include "ocilite/engine/database.h"
#include "temp_home.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

namespace ocilite {
namespace {

using test::Rows;

class GeneratorTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        m_db = Database::open(m_env.path("gen.db"), true, error);
        ASSERT_TRUE(m_db) << error;
        ASSERT_TRUE(m_db->addUser("BENCH", "pw", error)) << error;
    }
    Rows query(const std::string &sql) {
        test::Oci oci;
        std::string error;
        EXPECT_TRUE(oci.logon("BENCH", "pw", m_env.path("gen.db"), error)) << error;
        return oci.rows(sql);
    }

    test::TempHome m_env;
    std::unique_ptr<Database> m_db;
};

TEST_F(GeneratorTest, CountsAreWhatTheCompilesLeft) {
    GeneratorOptions options;
    options.objects = 10;
    options.lines = 20;
    options.errors = 3;
    options.invalidShare = 0.5;
    GeneratorResult result;
    std::string error;
    ASSERT_TRUE(generateSchema(*m_db, "bench", options, result, error)) << error;
    // Every second unit gets the errors: the three specifications and two functions; the
    // three bodies of those specifications are invalid with them and get errors too.
    EXPECT_EQ(result.objects, 10);
    EXPECT_EQ(result.invalid, 8);
    EXPECT_EQ(result.errors, 8 * 3);
    EXPECT_EQ(result.lines, 200);

    const Rows units = query("SELECT OBJECT_NAME, OBJECT_TYPE, STATUS FROM USER_OBJECTS");
    ASSERT_EQ(units.size(), 10u);
    std::map<std::string, int> byType, invalidByType;
    for (const auto &u : units) {
        ++byType[u[1]];
        invalidByType[u[1]] += u[2] == "INVALID";
    }
    EXPECT_EQ(byType, (std::map<std::string, int>{
                          {"FUNCTION", 2}, {"PACKAGE", 3}, {"PACKAGE BODY", 3}, {"PROCEDURE", 2}}));
    EXPECT_EQ(invalidByType,
              (std::map<std::string, int>{
                  {"FUNCTION", 2}, {"PACKAGE", 3}, {"PACKAGE BODY", 3}, {"PROCEDURE", 0}}));
    EXPECT_EQ(query("SELECT LINE FROM USER_SOURCE").size(), 200u);
    for (const auto &n : query("SELECT NAME, TYPE, COUNT(*) FROM USER_ERRORS GROUP BY NAME, TYPE"))
        EXPECT_EQ(n[2], "3") << n[0] << ' ' << n[1];
}

// Each kind of unit gets exactly the rows asked for, odd or even, and compiling it again gives
// the same rows: they are the compiler's, not written beside it. (A body whose specification
// got errors afterwards is left out: compiled again it gets Oracle's PLS-00905 instead; the
// body checked is a lone one, whose short specification compiles.)
TEST_F(GeneratorTest, EachUnitGetsTheRowsAskedForFromItsCompile) {
    const char *const recompile[] = {"ALTER PACKAGE A%ld_PKG_000001 COMPILE SPECIFICATION",
                                     "ALTER PROCEDURE A%ld_PRC_000001 COMPILE",
                                     "ALTER FUNCTION A%ld_FNC_000001 COMPILE",
                                     "ALTER PACKAGE B%ld_PKG_000001 COMPILE BODY"};
    const std::string rowsSql =
        "SELECT NAME, TYPE, SEQUENCE, LINE, POSITION, TEXT FROM USER_ERRORS "
        "WHERE NOT (NAME LIKE 'A%' AND TYPE = 'PACKAGE BODY') ORDER BY 1, 2, 3";
    for (const long errors : {1L, 2L, 7L, 34L}) {
        SCOPED_TRACE(errors);
        for (const long objects : {4L, 1L}) {
            GeneratorOptions options;
            options.objects = objects;
            options.lines = 20;
            options.errors = errors;
            options.prefix = (objects == 4 ? "A" : "B") + std::to_string(errors);
            GeneratorResult result;
            std::string error;
            ASSERT_TRUE(generateSchema(*m_db, "BENCH", options, result, error)) << error;
            EXPECT_EQ(result.invalid, objects);
            EXPECT_EQ(result.errors, objects * errors);
        }
        const Rows before = query(rowsSql);
        ASSERT_EQ(before.size(), static_cast<size_t>(4 * errors)); // three units and the lone body
        for (const char *statement : recompile) {
            char sql[128];
            std::snprintf(sql, sizeof sql, statement, errors);
            std::string error;
            ASSERT_TRUE(m_db->execute("BENCH", sql, error)) << error;
        }
        EXPECT_EQ(query(rowsSql), before);
        std::string error;
        for (const char *drop : {"PACKAGE A%ld_PKG_000001", "PROCEDURE A%ld_PRC_000001",
                                 "FUNCTION A%ld_FNC_000001", "PACKAGE B%ld_PKG_000001"}) {
            char sql[128];
            std::snprintf(sql, sizeof sql, drop, errors);
            ASSERT_TRUE(m_db->execute("BENCH", std::string("DROP ") + sql, error)) << error;
        }
    }
}

TEST_F(GeneratorTest, WithoutErrorsEveryUnitIsValidEvenALoneBody) {
    GeneratorOptions options;
    options.objects = 1;
    options.lines = 30;
    GeneratorResult result;
    std::string error;
    ASSERT_TRUE(generateSchema(*m_db, "BENCH", options, result, error)) << error;
    EXPECT_EQ(result.objects, 2); // the body and the short specification it needs
    EXPECT_EQ(result.invalid, 0);
    EXPECT_EQ(query("SELECT OBJECT_TYPE FROM USER_OBJECTS WHERE STATUS = 'VALID' ORDER BY 1"),
              (Rows{{"PACKAGE"}, {"PACKAGE BODY"}}));
    EXPECT_TRUE(query("SELECT LINE FROM USER_ERRORS").empty());
}

// Each row points where Oracle puts it: an undeclared name at the name, "Statement ignored"
// at the statement, "Item ignored" after the item's name, a VARCHAR2 without length at it.
TEST_F(GeneratorTest, ErrorsPointAtTheBrokenCode) {
    GeneratorOptions options;
    options.objects = 3;
    options.lines = 50;
    options.errors = 7;
    options.prefix = "big";
    GeneratorResult result;
    std::string error;
    ASSERT_TRUE(generateSchema(*m_db, "BENCH", options, result, error)) << error;
    const Rows rows = query(
        "SELECT E.SEQUENCE, E.LINE, E.POSITION, E.TEXT, S.TEXT FROM USER_ERRORS E, USER_SOURCE S "
        "WHERE E.TYPE IN ('PACKAGE BODY', 'PROCEDURE') AND S.NAME = E.NAME AND S.TYPE = E.TYPE "
        "AND S.LINE = E.LINE ORDER BY E.TYPE, E.SEQUENCE");
    ASSERT_EQ(rows.size(), 14u);
    const std::pair<const char *, const char *> pointsAt[] = {
        {"PLS-00201: identifier 'V_BONUS'", "v_bonus"},
        {"PL/SQL: Statement ignored", "v_total :="},
        {"PL/SQL: Item ignored", "CONSTANT"},
        {"PLS-00215", "VARCHAR2"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r[1] + ":" + r[2] + " " + r[3]);
        const std::string at = r[4].substr(static_cast<size_t>(std::stoi(r[2]) - 1));
        bool known = false;
        for (const auto &[message, word] : pointsAt) {
            if (r[3].rfind(message, 0) != 0)
                continue;
            known = true;
            EXPECT_EQ(at.rfind(word, 0), 0u) << at;
        }
        EXPECT_TRUE(known);
    }
}

TEST_F(GeneratorTest, RefusesNonsenseAndLeavesNothing) {
    struct Case {
        long objects, lines, errors;
        double share;
        const char *prefix;
        const char *complaint;
    };
    const Case cases[] = {
        {0, 10, 0, 1, "GEN", "--objects"},          {10, 3, 0, 1, "GEN", "--lines"},
        {10, 10, 15, 1, "GEN", "--errors"},         {10, 10, -1, 1, "GEN", "--errors"},
        {10, 10, 1, 1.5, "GEN", "--invalid-share"}, {10, 10, 1, 1, "9X", "--prefix"},
        {10, 10, 1, 1, "A'B", "--prefix"},
    };
    for (const Case &c : cases) {
        GeneratorOptions options{c.objects, c.lines, c.errors, c.share, c.prefix};
        GeneratorResult result;
        std::string error;
        EXPECT_FALSE(generateSchema(*m_db, "BENCH", options, result, error));
        EXPECT_NE(error.find(c.complaint), std::string::npos) << error;
    }
    GeneratorResult result;
    std::string error;
    EXPECT_FALSE(generateSchema(*m_db, "NOBODY", GeneratorOptions(), result, error));
    EXPECT_NE(error.find("ORA-01918"), std::string::npos) << error;
    EXPECT_TRUE(query("SELECT OBJECT_NAME FROM USER_OBJECTS").empty());
}

} // namespace
} // namespace ocilite
