// The demo schema as the program sees it through the client library: tables, program
// units of all four types, and compile errors that point at real tokens of the source.
#include "oci_client.h"
#include "ocilite/demo/demo_schema.h"
#include "ocilite/engine/database.h"
#include "temp_home.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace ocilite {
namespace {

using test::Oci;
using test::Rows;

class DemoSchemaTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_env = new test::TempHome;
        s_path = s_env->path("demo.db");
        std::string error;
        std::unique_ptr<Database> db = Database::open(s_path, true, error);
        ASSERT_TRUE(db) << error;
        ASSERT_TRUE(installDemoSchema(*db, error)) << error;
    }
    static void TearDownTestSuite() {
        delete s_env;
        s_env = nullptr;
    }
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(m_oci.logon("SCOTT", "TIGER", s_path, error)) << error;
    }

    static test::TempHome *s_env;
    static std::string s_path;
    Oci m_oci;
};

test::TempHome *DemoSchemaTest::s_env = nullptr;
std::string DemoSchemaTest::s_path;

const char *const kUnitTypes[] = {"PACKAGE", "PACKAGE BODY", "PROCEDURE", "FUNCTION"};

std::string unitFilter() {
    return "OBJECT_TYPE IN('PACKAGE', 'PACKAGE BODY', 'PROCEDURE', 'FUNCTION')";
}

// The n-th character (1-based) of a UTF-8 line and what follows it.
std::string fromColumn(const std::string &line, int column) {
    size_t i = 0;
    for (int c = 1; c < column && i < line.size(); ++c) {
        ++i;
        while (i < line.size() && (static_cast<unsigned char>(line[i]) & 0xC0) == 0x80)
            ++i;
    }
    return line.substr(std::min(i, line.size()));
}

std::string upper(std::string s) {
    for (char &c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The token an error message names: 'X' in PLS-00201/00302/00304, "X" in PLS-00103, the
// object's name after its schema in PLS-00905.
std::string namedToken(const std::string &message) {
    if (message.rfind("PLS-00905", 0) == 0) {
        const size_t end = message.rfind(" is invalid");
        const size_t dot = message.rfind('.', end);
        return end == std::string::npos || dot == std::string::npos
                   ? ""
                   : message.substr(dot + 1, end - dot - 1);
    }
    const char quote = message.rfind("PLS-00103", 0) == 0 ? '"' : '\'';
    const size_t open = message.find(quote);
    const size_t close = message.find(quote, open + 1);
    return open == std::string::npos || close == std::string::npos
               ? ""
               : message.substr(open + 1, close - open - 1);
}

TEST_F(DemoSchemaTest, TablesHoldTheClassicRows) {
    EXPECT_EQ(m_oci.rows("SELECT DEPTNO, DNAME, LOC FROM DEPT").size(), 4u);
    EXPECT_EQ(m_oci.rows("select empno from emp").size(), 14u);
    const Rows smith =
        m_oci.rows("SELECT ENAME, JOB, HIREDATE, SAL, COMM FROM EMP WHERE EMPNO = 7369");
    ASSERT_EQ(smith.size(), 1u);
    EXPECT_EQ(smith[0], (std::vector<std::string>{"SMITH", "CLERK", "17-DEC-80", "800", ""}));
    const Rows king = m_oci.rows("SELECT MGR, DEPTNO FROM EMP WHERE ENAME = 'KING'");
    ASSERT_EQ(king.size(), 1u);
    EXPECT_EQ(king[0], (std::vector<std::string>{"", "10"}));
}

TEST_F(DemoSchemaTest, UnitsOfAllFourTypesValidAndInvalid) {
    const Rows units = m_oci.rows(
        "SELECT OBJECT_NAME, OBJECT_TYPE, STATUS FROM USER_OBJECTS WHERE " + unitFilter());
    EXPECT_GE(units.size(), 12u);
    std::map<std::string, std::set<std::string>> statusesByType;
    for (const auto &row : units)
        statusesByType[row[1]].insert(row[2]);
    for (const char *type : kUnitTypes) {
        SCOPED_TRACE(type);
        EXPECT_EQ(statusesByType[type], (std::set<std::string>{"INVALID", "VALID"}));
    }
}

TEST_F(DemoSchemaTest, InvalidUnitsAndOnlyThoseHaveErrors) {
    const Rows units = m_oci.rows(
        "SELECT OBJECT_NAME, OBJECT_TYPE, STATUS FROM USER_OBJECTS WHERE " + unitFilter());
    for (const auto &unit : units) {
        SCOPED_TRACE(unit[1] + " " + unit[0]);
        const Rows errors = m_oci.rows("SELECT LINE FROM USER_ERRORS WHERE NAME = '" + unit[0] +
                                       "' AND TYPE = '" + unit[1] + "'");
        EXPECT_EQ(errors.empty(), unit[2] == "VALID");
    }
}

TEST_F(DemoSchemaTest, EveryErrorPointsAtItsTokenInTheSource) {
    const Rows errors =
        m_oci.rows("SELECT E.NAME, E.TYPE, E.LINE, E.POSITION, E.TEXT, S.TEXT FROM USER_ERRORS E, "
                   "USER_SOURCE S WHERE E.NAME = S.NAME AND E.TYPE = S.TYPE AND E.LINE = S.LINE");
    const Rows all = m_oci.rows("SELECT NAME FROM USER_ERRORS WHERE LINE > 0");
    ASSERT_EQ(errors.size(), all.size()) << "an error names a line the source does not have";
    // Only where analysis stopped is a row at 0/0, as Oracle writes it.
    for (const auto &r : m_oci.rows("SELECT POSITION, TEXT FROM USER_ERRORS WHERE LINE <= 0"))
        EXPECT_EQ(r,
                  (std::vector<std::string>{"0", "PL/SQL: Compilation unit analysis terminated"}));
    ASSERT_GE(errors.size(), 10u);
    std::set<std::string> kinds;
    for (const auto &e : errors) {
        SCOPED_TRACE(e[1] + " " + e[0] + " " + e[2] + ":" + e[3] + " " + e[4]);
        const std::string at = fromColumn(e[5], std::stoi(e[3]));
        const std::string message = e[4];
        const std::string kind = message.substr(0, message.find(':'));
        kinds.insert(kind == "PL/SQL" ? message.substr(0, 17) : kind);
        if (message.find("ignored") != std::string::npos) {
            // The companion rows point at the start of the statement or declaration.
            const size_t firstCode = e[5].find_first_not_of(" \t");
            EXPECT_EQ(at, e[5].substr(firstCode));
        } else if (message.rfind("PL/SQL: ORA-00942", 0) == 0) {
            EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(at[0]))) << at;
        } else {
            const std::string token = namedToken(message);
            ASSERT_FALSE(token.empty());
            EXPECT_EQ(upper(at.substr(0, token.size())), token);
        }
    }
    for (const char *expected : {"PLS-00201", "PLS-00302", "PLS-00103", "PLS-00304", "PLS-00905",
                                 "PL/SQL: Statement", "PL/SQL: SQL State", "PL/SQL: ORA-00942"})
        EXPECT_TRUE(kinds.count(expected)) << expected;
}

// The rows are the compiler's own: compiling each invalid unit again gives the same ones.
TEST_F(DemoSchemaTest, InvalidUnitsKeepTheirRowsWhenCompiledAgain) {
    const std::string rowsSql =
        "SELECT NAME, TYPE, SEQUENCE, LINE, POSITION, TEXT FROM USER_ERRORS "
        "ORDER BY NAME, TYPE, SEQUENCE";
    const Rows before = m_oci.rows(rowsSql);
    const Rows invalid = m_oci.rows("SELECT OBJECT_NAME, OBJECT_TYPE FROM USER_OBJECTS WHERE "
                                    "STATUS = 'INVALID' AND " +
                                    unitFilter());
    ASSERT_GE(invalid.size(), 6u);
    std::string error;
    std::unique_ptr<Database> db = Database::open(s_path, false, error);
    ASSERT_TRUE(db) << error;
    for (const auto &unit : invalid) {
        const bool body = unit[1] == "PACKAGE BODY";
        const std::string sql = "ALTER " + (body ? std::string("PACKAGE") : unit[1]) + ' ' +
                                unit[0] + (body ? " COMPILE BODY" : " COMPILE");
        ASSERT_TRUE(db->execute("SCOTT", sql, error)) << sql << ": " << error;
    }
    EXPECT_EQ(m_oci.rows(rowsSql), before);
}

TEST_F(DemoSchemaTest, SyntaxErrorTextRunsOverSeveralLines) {
    const Rows rows = m_oci.rows("SELECT TEXT FROM USER_ERRORS WHERE TEXT LIKE 'PLS-00103%'");
    ASSERT_FALSE(rows.empty());
    const std::string &text = rows[0][0];
    EXPECT_NE(text.find("when expecting one of the following:\n"), std::string::npos);
    EXPECT_GE(std::count(text.begin(), text.end(), '\n'), 3);
}

TEST_F(DemoSchemaTest, ALineWithTwoErrorsAndTabs) {
    const Rows rows = m_oci.rows(
        "select USER_SOURCE.LINE, USER_SOURCE.TEXT SOURCE_TEXT,USER_ERRORS.SEQUENCE, "
        "USER_ERRORS.POSITION, USER_ERRORS.TEXT ERROR_MESSAGE from USER_SOURCE, USER_ERRORS "
        "where USER_SOURCE.NAME = USER_ERRORS.NAME(+) AND USER_SOURCE.TYPE = "
        "USER_ERRORS.TYPE(+) AND USER_SOURCE.LINE = USER_ERRORS.LINE(+) AND USER_SOURCE.NAME = "
        "'SHOW_EMP_BONUS' AND USER_SOURCE.TYPE = 'PROCEDURE' order by LINE");
    std::map<std::string, std::vector<std::string>> sequencesByLine;
    bool tabLineWithErrors = false;
    for (const auto &row : rows) {
        if (!row[2].empty())
            sequencesByLine[row[0]].push_back(row[2]);
        if (!row[2].empty() && row[1].find('\t') != std::string::npos)
            tabLineWithErrors = true;
    }
    EXPECT_TRUE(tabLineWithErrors);
    ASSERT_EQ(sequencesByLine.size(), 1u);
    EXPECT_EQ(sequencesByLine.begin()->second.size(), 2u);
}

TEST_F(DemoSchemaTest, LongValidPackageBody) {
    const Rows lines = m_oci.rows(
        "SELECT LINE, TEXT FROM USER_SOURCE WHERE NAME = 'LEDGER_PKG' AND TYPE = 'PACKAGE BODY' "
        "ORDER BY LINE");
    ASSERT_GE(lines.size(), 1500u);
    for (size_t i = 0; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i][0], std::to_string(i + 1));
        ASSERT_FALSE(lines[i][1].empty());
        ASSERT_EQ(lines[i][1].back(), '\n') << "line " << i + 1;
    }
    const Rows status = m_oci.rows(
        "SELECT STATUS FROM USER_OBJECTS WHERE OBJECT_NAME = 'LEDGER_PKG' AND OBJECT_TYPE = "
        "'PACKAGE BODY'");
    ASSERT_EQ(status.size(), 1u);
    EXPECT_EQ(status[0][0], "VALID");
}

TEST_F(DemoSchemaTest, JapaneseCommentsKeptAsUtf8) {
    const Rows rows = m_oci.rows(
        "SELECT LINE FROM USER_SOURCE WHERE NAME = 'SHOW_EMP_BONUS' AND TEXT LIKE '%ボーナス額%'");
    EXPECT_EQ(rows.size(), 1u);
}

TEST(DemoDefaultDatabase, EmptyConnectStringReachesTheDemoOnFirstUse) {
    test::TempHome env;
    Oci oci;
    std::string error;
    ASSERT_TRUE(oci.logon("scott", "TIGER", "", error)) << error;
    const Rows invalid =
        oci.rows("SELECT DISTINCT OBJECT_TYPE FROM USER_OBJECTS WHERE OBJECT_TYPE IN('PACKAGE', "
                 "'PACKAGE BODY', 'PROCEDURE', 'FUNCTION') AND STATUS = 'INVALID'");
    EXPECT_EQ(invalid.size(), 4u);
    Oci wrong;
    EXPECT_FALSE(wrong.logon("SCOTT", "LION", "", error));
    EXPECT_NE(error.find("ORA-01017"), std::string::npos) << error;
}

} // namespace
} // namespace ocilite
