// The script runner over a real database: failing statements reported with their script
// line while the rest still runs, includes, WHENEVER SQLERROR EXIT, and compile errors
// declared by --@error directives.
#include "oci_client.h"
#include "ocilite/engine/database.h"
#include "ocilite/scripts/script_runner.h"
#include "temp_home.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ocilite {
namespace {

using test::Rows;

class ScriptRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        m_db = Database::open(m_env.path("run.db"), true, error);
        ASSERT_TRUE(m_db) << error;
        ASSERT_TRUE(m_db->addUser("DEV", "secret", error)) << error;
    }

    bool run(const std::string &name, const std::string &script) {
        ScriptRunner runner(*m_db, "dev", m_source, m_out, m_err);
        const bool ok = runner.runText(name, script);
        m_failures = runner.failures();
        return ok;
    }
    bool runFile(const std::string &path) {
        ScriptRunner runner(*m_db, "DEV", m_source, m_out, m_err);
        const bool ok = runner.runFile(path);
        m_failures = runner.failures();
        return ok;
    }
    Rows query(const std::string &sql) {
        test::Oci oci;
        std::string error;
        EXPECT_TRUE(oci.logon("DEV", "secret", m_env.path("run.db"), error)) << error;
        return oci.rows(sql);
    }

    test::TempHome m_env;
    std::unique_ptr<Database> m_db;
    FileScriptSource m_source;
    std::ostringstream m_out;
    std::ostringstream m_err;
    int m_failures = 0;
};

TEST_F(ScriptRunnerTest, FailingStatementReportedWithItsLineAndTheRestRuns) {
    EXPECT_FALSE(run("setup.sql", "create table t (a number, b varchar2(10));\n"
                                  "insert into t values (1, 'x;y');\n"
                                  "\n"
                                  "insert into no_such_table\n"
                                  "  values (2);\n"
                                  "insert into t values (3, 'z');\n"
                                  "commit;\n"));
    EXPECT_EQ(m_failures, 1);
    EXPECT_NE(m_err.str().find("setup.sql:4: ORA-00942"), std::string::npos) << m_err.str();
    EXPECT_EQ(query("SELECT A, B FROM T ORDER BY A"), (Rows{{"1", "x;y"}, {"3", "z"}}));
}

TEST_F(ScriptRunnerTest, PromptPrintsAndSqlPlusSettingsPassOver) {
    EXPECT_TRUE(run("p.sql", "SET ECHO ON\nSET SERVEROUTPUT ON SIZE 1000000\nPROMPT Creating "
                             "T ...\nREM nothing\nSPOOL " +
                                 m_env.path("x.log") +
                                 "\ncreate table t (a number);\n"
                                 "SPOOL OFF\nSHOW ERRORS\n"));
    EXPECT_EQ(m_out.str(), "Creating T ...\nTable created.\nNo errors.\n");
    EXPECT_EQ(m_err.str(), "");
}

TEST_F(ScriptRunnerTest, IncludesRelativeToTheScriptAndMissingOnes) {
    m_env.write("scripts/sub/tables.sql", "create table t1 (a number);\n@@more\n");
    m_env.write("scripts/sub/more.sql", "create table t2 (a number);\n");
    const std::string main = m_env.write("scripts/main.sql", "@@sub/tables.sql\n\n@@missing.sql\n"
                                                             "create table t3 (a number);\n");
    EXPECT_FALSE(runFile(main));
    EXPECT_EQ(m_failures, 1);
    EXPECT_NE(m_err.str().find("main.sql:3: SP2-0310"), std::string::npos) << m_err.str();
    EXPECT_EQ(query("SELECT TABLE_NAME FROM USER_TAB_COLUMNS ORDER BY TABLE_NAME"),
              (Rows{{"T1"}, {"T2"}, {"T3"}}));
}

TEST_F(ScriptRunnerTest, EndlessIncludeStopsAtSqlPlusDepth) {
    const std::string self = m_env.write("self.sql", "@@self.sql\n");
    EXPECT_FALSE(runFile(self));
    EXPECT_NE(m_err.str().find("SP2-0309"), std::string::npos) << m_err.str();
}

TEST_F(ScriptRunnerTest, WheneverSqlErrorExitStopsAtTheFirstFailure) {
    EXPECT_FALSE(run("w.sql", "create table t (a number);\nWHENEVER SQLERROR EXIT FAILURE\n"
                              "insert into nowhere values (1);\ninsert into t values (1);\n"));
    EXPECT_TRUE(query("SELECT A FROM T").empty());
}

TEST_F(ScriptRunnerTest, ExitEndsTheScript) {
    EXPECT_TRUE(run("e.sql", "create table t (a number);\nEXIT\ncreate table u (a number);\n"));
    EXPECT_EQ(query("SELECT TABLE_NAME FROM USER_TAB_COLUMNS"), (Rows{{"T"}}));
}

TEST_F(ScriptRunnerTest, DeclaredErrorsMakeTheUnitInvalid) {
    EXPECT_TRUE(run("u.sql", "create or replace procedure p is\n"
                             "begin\n"
                             "  x := 1;\n"
                             "end p;\n"
                             "/\n"
                             "SHOW ERRORS\n"
                             "--@error 3:3 PL/SQL: Statement ignored\n"
                             "--@error 3:3 PLS-00201: identifier 'X' must be declared\n"));
    EXPECT_EQ(query("SELECT STATUS FROM USER_OBJECTS WHERE OBJECT_NAME = 'P'"),
              (Rows{{"INVALID"}}));
    EXPECT_EQ(query("SELECT SEQUENCE, LINE, POSITION, TEXT FROM USER_ERRORS ORDER BY SEQUENCE"),
              (Rows{{"1", "3", "3", "PL/SQL: Statement ignored"},
                    {"2", "3", "3", "PLS-00201: identifier 'X' must be declared"}}));

    // Replaced without directives: compiles clean, the old errors are gone.
    EXPECT_TRUE(run("u2.sql", "create or replace procedure p is\nbegin\n  null;\nend p;\n/\n"));
    EXPECT_EQ(query("SELECT STATUS FROM USER_OBJECTS WHERE OBJECT_NAME = 'P'"), (Rows{{"VALID"}}));
    EXPECT_TRUE(query("SELECT LINE FROM USER_ERRORS").empty());
}

TEST_F(ScriptRunnerTest, DirectiveOutsideTheUnitIsReportedAtItsLine) {
    EXPECT_FALSE(run("d.sql", "create or replace function f return number is\nbegin\n"
                              "  return 1;\nend;\n/\n"
                              "--@error 9:1 PLS-00103: Encountered the symbol \"END\"\n"
                              "--@error 3:13 PLS-00201: identifier 'Y' must be declared\n"
                              "--@error 2:3 PL/SQL: Statement ignored\n"));
    EXPECT_NE(m_err.str().find("d.sql:6: --@error for F: line 9 is past the end"),
              std::string::npos)
        << m_err.str();
    EXPECT_NE(m_err.str().find("d.sql:7: --@error for F: position 13 is past the end of line 3"),
              std::string::npos)
        << m_err.str();
    EXPECT_EQ(m_failures, 2);
    EXPECT_EQ(query("SELECT LINE, POSITION FROM USER_ERRORS"), (Rows{{"2", "3"}}));
}

TEST_F(ScriptRunnerTest, FailingBlocksAndUnterminatedStatementsFailClearly) {
    ScriptRunner runner(*m_db, "dev", m_source, m_out, m_err);
    EXPECT_FALSE(runner.runText("b.sql", "begin\n  p;\nend;\n/\nexec p;\n"
                                         "create table t (a number)\n"));
    EXPECT_EQ(runner.failures(), 3);
    EXPECT_EQ(runner.refused(), 0);
    EXPECT_EQ(runner.exitStatus(), 1);
    const std::string err = m_err.str();
    EXPECT_NE(err.find("b.sql:1: ORA-06550: line 2, column 3:\nPLS-00201: identifier 'P' must "
                       "be declared"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("b.sql:5: ORA-06550: line 1, column 7:"), std::string::npos) << err;
    EXPECT_NE(err.find("b.sql:6: end of script before the ';'"), std::string::npos) << err;
}

} // namespace
} // namespace ocilite
