// The compiler inside the embedded database: CREATE and ALTER ... COMPILE store Oracle's
// rows and status, USER_DEPENDENCIES is filled, replacing or dropping an object makes its
// dependents INVALID without rows, and the admin tool's scripts print SQL*Plus's feedback.
#include "ocilite/engine/database.h"
#include "ocilite/scripts/script_runner.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;
using ocilite::Database;

namespace {

using Rows = std::vector<std::vector<std::string>>;

class EngineCompile : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("plsql_engine_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        std::string error;
        m_db = Database::open((m_dir / "t.db").string(), true, error);
        ASSERT_TRUE(m_db) << error;
        ASSERT_TRUE(m_db->addUser("SCOTT", "tiger", error)) << error;
        run("CREATE TABLE emp (empno NUMBER(4) PRIMARY KEY, ename VARCHAR2(10), sal NUMBER)");
    }
    void TearDown() override {
        m_db.reset();
        fs::remove_all(m_dir);
    }
    void run(const std::string &sql) {
        std::string error;
        ASSERT_TRUE(m_db->execute("SCOTT", sql, error)) << error << "\n" << sql;
    }
    Rows query(const std::string &sql) {
        Rows out;
        sqlite3_stmt *st = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(m_db->handle(), sql.c_str(), -1, &st, nullptr), SQLITE_OK)
            << sqlite3_errmsg(m_db->handle());
        while (st && sqlite3_step(st) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                const unsigned char *t = sqlite3_column_text(st, c);
                row.emplace_back(t ? reinterpret_cast<const char *>(t) : "");
            }
            out.push_back(row);
        }
        sqlite3_finalize(st);
        return out;
    }
    std::string status(const std::string &name, const std::string &type) {
        const Rows r = query("SELECT STATUS FROM OCILITE_OBJECTS WHERE OBJECT_NAME = '" + name +
                             "' AND OBJECT_TYPE = '" + type + "'");
        return r.empty() ? "" : r[0][0];
    }
    size_t errorRows(const std::string &name) {
        return query("SELECT 1 FROM OCILITE_ERRORS WHERE NAME = '" + name + "'").size();
    }

    fs::path m_dir;
    std::unique_ptr<Database> m_db;
};

const char *const kSpec =
    "CREATE OR REPLACE PACKAGE pay AS\n  FUNCTION net(p NUMBER) RETURN NUMBER;\nEND;";
const char *const kBody = "CREATE OR REPLACE PACKAGE BODY pay AS\n  FUNCTION net(p NUMBER) RETURN "
                          "NUMBER IS\n  BEGIN\n    RETURN p * 0.8;\n  END;\nEND;";
const char *const kCaller = "CREATE OR REPLACE PROCEDURE payday IS\n  v NUMBER;\nBEGIN\n  v := "
                            "pay.net(100);\nEND;";

TEST_F(EngineCompile, CreateStoresOracleRowsInSequence) {
    run("CREATE OR REPLACE FUNCTION bonus(p_empno NUMBER) RETURN NUMBER IS\n  v NUMBER;\nBEGIN\n"
        "  SELECT sal INTO v FROM employees WHERE empno = p_empno;\n  RETURN v * rate;\nEND;");
    EXPECT_EQ(status("BONUS", "FUNCTION"), "INVALID");
    const Rows expected = {
        {"1", "4", "26", "PL/SQL: ORA-00942: table or view does not exist", "ERROR", "942"},
        {"2", "4", "3", "PL/SQL: SQL Statement ignored", "ERROR", "0"},
        {"3", "5", "14", "PLS-00201: identifier 'RATE' must be declared", "ERROR", "201"},
        {"4", "5", "3", "PL/SQL: Statement ignored", "ERROR", "0"}};
    EXPECT_EQ(query("SELECT SEQUENCE, LINE, POSITION, TEXT, ATTRIBUTE, MESSAGE_NUMBER FROM "
                    "OCILITE_ERRORS WHERE NAME = 'BONUS' ORDER BY SEQUENCE"),
              expected);
    // The unit mended: VALID and no rows left.
    run("CREATE OR REPLACE FUNCTION bonus(p_empno NUMBER) RETURN NUMBER IS\n  v NUMBER;\nBEGIN\n"
        "  SELECT sal INTO v FROM emp WHERE empno = p_empno;\n  RETURN v;\nEND;");
    EXPECT_EQ(status("BONUS", "FUNCTION"), "VALID");
    EXPECT_EQ(errorRows("BONUS"), 0u);
}

TEST_F(EngineCompile, ReplacingASpecInvalidatesItsDependentsUntilRecompiled) {
    run(kSpec);
    run(kBody);
    run(kCaller);
    ASSERT_EQ(status("PAY", "PACKAGE BODY"), "VALID");
    ASSERT_EQ(status("PAYDAY", "PROCEDURE"), "VALID");
    const Rows deps =
        query("SELECT NAME, TYPE, REFERENCED_OWNER, REFERENCED_NAME, REFERENCED_TYPE, "
              "DEPENDENCY_TYPE FROM OCILITE_DEPENDENCIES WHERE NAME = 'PAYDAY' "
              "ORDER BY REFERENCED_NAME");
    const Rows expectedDeps = {{"PAYDAY", "PROCEDURE", "SCOTT", "PAY", "PACKAGE", "HARD"},
                               {"PAYDAY", "PROCEDURE", "SYS", "STANDARD", "PACKAGE", "HARD"}};
    EXPECT_EQ(deps, expectedDeps);

    run(kSpec);
    EXPECT_EQ(status("PAY", "PACKAGE"), "VALID");
    EXPECT_EQ(status("PAY", "PACKAGE BODY"), "INVALID");
    EXPECT_EQ(status("PAYDAY", "PROCEDURE"), "INVALID");
    EXPECT_EQ(errorRows("PAY"), 0u);
    EXPECT_EQ(errorRows("PAYDAY"), 0u);

    run("ALTER PACKAGE pay COMPILE BODY");
    EXPECT_EQ(status("PAY", "PACKAGE BODY"), "VALID");
    run("ALTER PROCEDURE payday COMPILE");
    EXPECT_EQ(status("PAYDAY", "PROCEDURE"), "VALID");
}

TEST_F(EngineCompile, DroppingWhatAUnitUsesInvalidatesItAndCompilingReportsIt) {
    run("CREATE OR REPLACE PROCEDURE raise_all IS\nBEGIN\n  UPDATE emp SET sal = sal * 1.1;\nEND;");
    ASSERT_EQ(status("RAISE_ALL", "PROCEDURE"), "VALID");
    run("DROP TABLE emp");
    EXPECT_EQ(status("RAISE_ALL", "PROCEDURE"), "INVALID");
    EXPECT_EQ(errorRows("RAISE_ALL"), 0u);
    run("ALTER PROCEDURE raise_all COMPILE");
    const Rows expected = {{"3", "10", "PL/SQL: ORA-00942: table or view does not exist"},
                           {"3", "3", "PL/SQL: SQL Statement ignored"}};
    EXPECT_EQ(query("SELECT LINE, POSITION, TEXT FROM OCILITE_ERRORS WHERE NAME = 'RAISE_ALL' "
                    "ORDER BY SEQUENCE"),
              expected);
    std::string error;
    EXPECT_FALSE(m_db->execute("SCOTT", "ALTER PROCEDURE nothing_here COMPILE", error));
    EXPECT_EQ(error.substr(0, 9), "ORA-04043");
}

// An installer that creates a specification before one it uses: compiling the body (or any
// user) compiles the INVALID specification again first, and both end VALID, as on Oracle. A
// specification whose errors remain still makes its users fail.
TEST_F(EngineCompile, UsingAnInvalidUnitCompilesItAgainFirst) {
    run("CREATE OR REPLACE PACKAGE builder AS\n  FUNCTION f RETURN strings.t_text;\nEND;");
    ASSERT_EQ(status("BUILDER", "PACKAGE"), "INVALID");
    run("CREATE OR REPLACE PACKAGE strings AS\n  SUBTYPE t_text IS VARCHAR2(32767);\nEND;");
    EXPECT_EQ(status("BUILDER", "PACKAGE"), "INVALID"); // nothing compiled it yet
    run("CREATE OR REPLACE PACKAGE BODY builder AS\n  FUNCTION f RETURN strings.t_text IS\n"
        "  BEGIN\n    RETURN 'x';\n  END;\nEND;");
    EXPECT_EQ(status("BUILDER", "PACKAGE BODY"), "VALID");
    EXPECT_EQ(status("BUILDER", "PACKAGE"), "VALID");
    EXPECT_EQ(errorRows("BUILDER"), 0u);

    run("CREATE OR REPLACE PACKAGE broken AS\n  x missing_type;\nEND;");
    run("CREATE OR REPLACE PROCEDURE uses_broken IS\nBEGIN\n  broken.x := 1;\nEND;");
    EXPECT_EQ(status("BROKEN", "PACKAGE"), "INVALID");
    EXPECT_EQ(status("USES_BROKEN", "PROCEDURE"), "INVALID");
    EXPECT_EQ(query("SELECT TEXT FROM OCILITE_ERRORS WHERE NAME = 'USES_BROKEN' ORDER BY "
                    "SEQUENCE")[0][0],
              "PLS-00905: object SCOTT.BROKEN is invalid");
}

// A synonym is checked as the table it names, and dropping it invalidates its users.
TEST_F(EngineCompile, SynonymsStandForWhatTheyName) {
    run("CREATE SYNONYM staff FOR emp");
    run("CREATE OR REPLACE PROCEDURE payroll IS\n  v staff.sal%TYPE;\nBEGIN\n"
        "  SELECT sal INTO v FROM staff WHERE empno = 1;\nEND;");
    EXPECT_EQ(status("PAYROLL", "PROCEDURE"), "VALID");
    run("CREATE OR REPLACE PROCEDURE bad_payroll IS\n  v NUMBER;\nBEGIN\n"
        "  SELECT salary INTO v FROM staff;\nEND;");
    EXPECT_EQ(query("SELECT LINE, POSITION, TEXT FROM OCILITE_ERRORS WHERE NAME = "
                    "'BAD_PAYROLL' ORDER BY SEQUENCE"),
              (Rows{{"4", "10", "PL/SQL: ORA-00904: \"SALARY\": invalid identifier"},
                    {"4", "3", "PL/SQL: SQL Statement ignored"}}));
    run("DROP SYNONYM staff");
    EXPECT_EQ(status("PAYROLL", "PROCEDURE"), "INVALID");
}

TEST_F(EngineCompile, ScriptsPrintSqlPlusFeedback) {
    ocilite::FileScriptSource source;
    std::ostringstream out, err;
    ocilite::ScriptRunner runner(*m_db, "SCOTT", source, out, err);
    runner.runText("t.sql",
                   "CREATE OR REPLACE PACKAGE BODY nospec AS\nEND;\n/\nSHOW ERRORS\n"
                   "CREATE OR REPLACE PROCEDURE fine IS BEGIN NULL; END;\n/\nSHOW ERRORS\n");
    EXPECT_EQ(out.str(),
              "Warning: Package Body created with compilation errors.\n"
              "Errors for PACKAGE BODY NOSPEC:\n\n"
              "LINE/COL ERROR\n"
              "-------- -----------------------------------------------------------------\n"
              "0/0      PL/SQL: Compilation unit analysis terminated\n"
              "1/14     PLS-00201: identifier 'NOSPEC' must be declared\n"
              "1/14     PLS-00304: cannot compile body of 'NOSPEC' without its\n"
              "         specification\n"
              "Procedure created.\n"
              "No errors.\n");
}

} // namespace

namespace {

// PLSQL_WARNINGS of the session decides what a compile reports: nothing by default, WARNING
// rows that leave the unit VALID when enabled, ERROR rows that make it INVALID under ERROR:.
TEST_F(EngineCompile, SessionWarningSettingsDecideTheRows) {
    const std::string unit =
        "CREATE OR REPLACE PROCEDURE p IS\nBEGIN\n  IF 1 = 2 THEN NULL; END IF;\nEND;";
    struct Case {
        const char *alterSession; // nullptr: the session's default
        const char *status;
        Rows rows;
    };
    const Case cases[] = {
        {nullptr, "VALID", {}},
        {"ENABLE:INFORMATIONAL",
         "VALID",
         {{"3", "17", "WARNING", "6002", "PLW-06002: Unreachable code"}}},
        {"DISABLE:ALL", "VALID", {}},
        {"ERROR:06002", "INVALID", {{"3", "17", "ERROR", "6002", "PLW-06002: Unreachable code"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.alterSession ? c.alterSession : "default");
        if (c.alterSession)
            run(std::string("ALTER SESSION SET PLSQL_WARNINGS = '") + c.alterSession + "'");
        run(unit);
        EXPECT_EQ(status("P", "PROCEDURE"), c.status);
        EXPECT_EQ(
            query("SELECT LINE, POSITION, ATTRIBUTE, MESSAGE_NUMBER, TEXT FROM OCILITE_ERRORS "
                  "WHERE NAME = 'P' ORDER BY SEQUENCE"),
            c.rows);
    }
    std::string error;
    EXPECT_FALSE(
        m_db->execute("SCOTT", "ALTER SESSION SET PLSQL_WARNINGS = 'ENABLE:NOTHING'", error));
    EXPECT_NE(error.find("ORA-02248"), std::string::npos) << error;
}

} // namespace
