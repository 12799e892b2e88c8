// SQL*Plus scripting through the admin tool, one test per feature, as a user runs scripts:
// "ocilite run DB USER script.sql arg...", answers on standard input, files in the working
// folder. Each test checks what SQL*Plus would print or leave behind.
#include "oci_client.h"
#include "temp_home.h"
#include "tool_process.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace ocilite {
namespace {

using test::Outcome;
using test::Rows;

class SqlPlusTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(test::runTool({"create", db()}).status, 0);
        ASSERT_EQ(test::runTool({"adduser", db(), "DEV"}, "pw\n").status, 0);
    }

    std::string db() const { return m_env.path("sqlplus.db"); }

    // Writes the script and runs it from the temporary folder; `answers` follow the password.
    Outcome run(const std::string &script, const std::vector<std::string> &arguments = {},
                const std::string &answers = "") {
        m_env.write("main.sql", script);
        std::vector<std::string> args{"run", db(), "DEV", "main.sql"};
        args.insert(args.end(), arguments.begin(), arguments.end());
        return test::runTool(args, "pw\n" + answers, m_env.dir().string());
    }

    Rows query(const std::string &sql) {
        test::Oci oci;
        std::string error;
        EXPECT_TRUE(oci.logon("DEV", "pw", db(), error)) << error;
        return oci.rows(sql);
    }

    std::string file(const std::string &name) const {
        std::ifstream in(m_env.path(name));
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    test::TempHome m_env;
};

bool contains(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

TEST_F(SqlPlusTest, DefineAndReferencesWithVerify) {
    const Outcome r = run("define tab = T1\n"
                          "create table &tab (a number);\n"
                          "insert into &&tab values (1);\n"
                          "set verify off\n"
                          "insert into &tab values (2);\n"
                          "define tab\n"
                          "undefine tab\n"
                          "insert into &tab values (3);\n");
    EXPECT_EQ(r.status, 1) << r.err; // the last reference asks, and no answer comes
    EXPECT_TRUE(contains(r.out, "old   1: create table &tab (a number)\n"
                                "new   1: create table T1 (a number)\n"))
        << r.out;
    EXPECT_FALSE(contains(r.out, "new   1: insert into T1 values (2)")) << r.out;
    EXPECT_TRUE(contains(r.out, "DEFINE TAB = \"T1\" (CHAR)")) << r.out;
    EXPECT_TRUE(contains(r.out, "Enter value for tab: ")) << r.out;
    EXPECT_TRUE(contains(r.err, "main.sql:8: SP2-0546")) << r.err;
    EXPECT_EQ(query("SELECT A FROM T1 ORDER BY A"), (Rows{{"1"}, {"2"}}));
}

TEST_F(SqlPlusTest, UndefinedReferencesAreAskedForOnceOrEachTime) {
    // &&x keeps the answer; &y asks every time it is met.
    const Outcome r = run("create table t (a varchar2(10), b varchar2(10));\n"
                          "insert into t values ('&&x', '&y');\n"
                          "insert into t values ('&&x', '&y');\n",
                          {}, "one\ntwo\nthree\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(query("SELECT A, B FROM T ORDER BY B"), (Rows{{"one", "three"}, {"one", "two"}}));
}

TEST_F(SqlPlusTest, SetDefineConcatAndEscape) {
    const Outcome r = run("create table t (a varchar2(20));\n"
                          "define s = SUF\n"
                          "set define off\n"
                          "insert into t values ('R&D');\n"
                          "set define on\n"
                          "insert into t values ('&s.x');\n"
                          "set concat off\n"
                          "insert into t values ('&s.x');\n"
                          "set define ^\n"
                          "insert into t values ('^s & co');\n"
                          "set define & escape \\\n"
                          "insert into t values ('a\\&b');\n"
                          "set scan off\n"
                          "insert into t values ('c&d');\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(query("SELECT A FROM T ORDER BY A"),
              (Rows{{"R&D"}, {"SUF & co"}, {"SUF.x"}, {"SUFx"}, {"a&b"}, {"c&d"}}));
}

TEST_F(SqlPlusTest, PositionalArgumentsFromTheCommandLineAndFromIncludes) {
    m_env.write("sub/check.sql", "insert into t values (q'[&1]', '&2');\n"
                                 "@@deeper &2\n");
    m_env.write("sub/deeper.sql", "insert into t values ('&1', 'deeper');\n");
    const Outcome r = run("create table t (a varchar2(40), b varchar2(40));\n"
                          "insert into t values ('&1', '&2');\n"
                          "@sub/check \"'A','B'\" 'two words'\n"
                          "insert into t values ('&1', 'after');\n",
                          {"first", "second one"});
    EXPECT_EQ(r.status, 0) << r.err;
    // Parameters are global, as in SQL*Plus: after an include, &1 is what the include was
    // given; "@@deeper &2" passes two words.
    EXPECT_EQ(query("SELECT A, B FROM T ORDER BY B"), (Rows{{"two", "after"},
                                                            {"two", "deeper"},
                                                            {"first", "second one"},
                                                            {"'A','B'", "two words"}}));
}

TEST_F(SqlPlusTest, ColumnNewValueTakesTheLastRowAndDefaultsWhenThereIsNone) {
    const Outcome r = run("set heading off feedback off\n"
                          "column n new_value cnt noprint\n"
                          "select count(*) n from dual;\n"
                          "column 1 new_value 1 noprint\n"
                          "select null \"1\" from dual where 1 = 0;\n"
                          "column 2 new_value 2 noprint\n"
                          "select null \"2\" from dual where 1 = 0;\n"
                          "prompt [&cnt] [&1] [&2]\n",
                          {"given"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "[1] [given] []\n")) << r.out;
    EXPECT_FALSE(contains(r.out, "Enter value")) << r.out;
}

TEST_F(SqlPlusTest, AcceptReadsALineOrTakesItsDefault) {
    const Outcome r = run("accept a char prompt 'First: '\n"
                          "accept b char default 'DEF' prompt 'Second: '\n"
                          "accept c default 'END' prompt 'Third: '\n"
                          "prompt &a/&b/&c\n",
                          {}, "typed\n\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "First: Second: Third: ")) << r.out;
    EXPECT_TRUE(contains(r.out, "typed/DEF/END\n")) << r.out;
}

TEST_F(SqlPlusTest, SpoolWritesQueryOutputThatAnIncludeRuns) {
    const Outcome r = run("set heading off pagesize 0 feedback off termout off trimspool on\n"
                          "spool gen.sql\n"
                          "select 'create table generated (a number);' from dual;\n"
                          "spool off\n"
                          "set termout on\n"
                          "@gen.sql\n"
                          "spool plain\n"
                          "prompt spooled\n"
                          "spool off\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(file("gen.sql"), "create table generated (a number);\n");
    EXPECT_EQ(file("plain.lst"), "spooled\n"); // no extension: SQL*Plus's .lst
    EXPECT_FALSE(contains(r.out, "create table generated")) << r.out; // TERMOUT OFF
    EXPECT_EQ(query("SELECT COUNT(*) FROM USER_TAB_COLUMNS WHERE TABLE_NAME = 'GENERATED'"),
              (Rows{{"1"}}));
}

TEST_F(SqlPlusTest, HostIsRefusedOnItsOwnLineAndTheScriptGoesOn) {
    const Outcome r = run("! rm -rf important\n"
                          "$ del important\n"
                          "host touch made-by-host\n"
                          "create table after_host (a number);\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.err, "main.sql:1: HOST not run")) << r.err;
    EXPECT_TRUE(contains(r.err, "main.sql:3: HOST not run")) << r.err;
    EXPECT_FALSE(std::filesystem::exists(m_env.path("made-by-host")));
    EXPECT_EQ(query("SELECT COUNT(*) FROM USER_OBJECTS WHERE OBJECT_NAME = 'AFTER_HOST'"),
              (Rows{{"1"}}));
}

TEST_F(SqlPlusTest, ShowErrorsListsTheLastUnitOrTheNamedOne) {
    const Outcome r = run("create or replace procedure p is\n"
                          "begin\n"
                          "  x := 1;\n"
                          "end;\n"
                          "/\n"
                          "--@error 3:3 PLS-00201: identifier 'X' must be declared\n"
                          "--@error 3:3 PL/SQL: Statement ignored\n"
                          "show errors\n"
                          "create or replace procedure q is begin null; end;\n"
                          "/\n"
                          "show errors\n"
                          "show errors procedure dev.p\n");
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string listing = "Errors for PROCEDURE P:\n"
                                "\n"
                                "LINE/COL ERROR\n"
                                "-------- ---------------------------------------------------"
                                "--------------\n"
                                // SQL*Plus orders by place, the companion row first.
                                "3/3      PL/SQL: Statement ignored\n"
                                "3/3      PLS-00201: identifier 'X' must be declared\n";
    EXPECT_TRUE(contains(r.out, "Warning: Procedure created with compilation errors.\n" + listing +
                                    "Procedure created.\nNo errors.\n" + listing))
        << r.out;
}

// The line after CREATE and ALTER ... COMPILE says how the compile went: errors, warnings
// (with SQL*Plus's message numbers) or neither; COMPILE BODY names the body.
TEST_F(SqlPlusTest, CompileFeedbackSaysErrorsAndWarnings) {
    const Outcome r = run("alter session set plsql_warnings = 'ENABLE:ALL';\n"
                          "create or replace procedure p is begin if false then null; end if; "
                          "end;\n/\n"
                          "alter procedure p compile;\n"
                          "create or replace function f return number is begin return 1; end;\n/\n"
                          "create or replace package k is procedure q; end;\n/\n"
                          "create or replace package body k is procedure q is begin x := 1; end; "
                          "end;\n/\n"
                          "alter package k compile body;\n"
                          "alter package k compile specification;\n"
                          "alter package k compile;\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "SP2-0804: Procedure created with compilation warnings\n"
                                "SP2-0805: Procedure altered with compilation warnings\n"))
        << r.out;
    EXPECT_TRUE(contains(r.out, "Function created.\n")) << r.out;
    EXPECT_TRUE(contains(r.out, "Warning: Package Body created with compilation errors.\n"))
        << r.out;
    EXPECT_TRUE(contains(r.out, "Warning: Package Body altered with compilation errors.\n"
                                "Package altered.\n"
                                "Warning: Package altered with compilation errors.\n"))
        << r.out;
}

TEST_F(SqlPlusTest, WheneverSqlErrorExitAndContinue) {
    const Outcome stop = run("create table t (a number);\n"
                             "whenever sqlerror exit 3\n"
                             "declare type t is table of number; begin null; end;\n"
                             // refused above, not an error of the script
                             "/\n"
                             "insert into missing values (1);\n"
                             "insert into t values (1);\n");
    EXPECT_EQ(stop.status, 3) << stop.err;
    EXPECT_TRUE(contains(stop.err, "main.sql:3: ORA-03001")) << stop.err;
    EXPECT_TRUE(contains(stop.err, "main.sql:5: ORA-00942")) << stop.err;
    EXPECT_EQ(query("SELECT COUNT(*) FROM T"), (Rows{{"0"}}));

    const Outcome goOn = run("whenever sqlerror exit failure\n"
                             "whenever sqlerror continue\n"
                             "insert into missing values (1);\n"
                             "insert into t values (1);\n");
    EXPECT_EQ(goOn.status, 1);
    EXPECT_EQ(query("SELECT COUNT(*) FROM T"), (Rows{{"1"}}));
}

// DML waits for COMMIT; the end of the script commits unless SET EXITCOMMIT OFF or EXIT
// ROLLBACK says otherwise; WHENEVER SQLERROR EXIT commits or rolls back as told; SET
// AUTOCOMMIT ON commits each statement.
TEST_F(SqlPlusTest, TransactionsEndAsInSqlPlus) {
    ASSERT_EQ(run("create table t (a number);\n").status, 0);
    const struct Case {
        const char *script;
        int status;
        Rows after;
    } cases[] = {
        {"insert into t values (1);\nsavepoint s;\ninsert into t values (2);\nrollback to s;\n",
         0,
         {{"1"}}},
        {"set exitcommit off\ninsert into t values (3);\n", 0, {{"1"}}},
        {"insert into t values (4);\nexit rollback\n", 0, {{"1"}}},
        {"insert into t values (5);\nexit 2 commit\n", 2, {{"1"}, {"5"}}},
        {"whenever sqlerror exit failure rollback\ninsert into t values (6);\n"
         "insert into missing values (1);\n",
         1,
         {{"1"}, {"5"}}},
        {"whenever sqlerror exit 3\ninsert into t values (7);\ninsert into missing values (1);\n",
         3,
         {{"1"}, {"5"}, {"7"}}},
        {"set autocommit on\ninsert into t values (8);\nexit rollback\n",
         0,
         {{"1"}, {"5"}, {"7"}, {"8"}}},
    };
    for (const Case &c : cases) {
        const Outcome r = run(c.script);
        EXPECT_EQ(r.status, c.status) << c.script << r.err;
        EXPECT_EQ(query("SELECT A FROM T ORDER BY A"), c.after) << c.script;
    }
    EXPECT_TRUE(contains(run("set autocommit on\ninsert into t values (9);\n").out,
                         "1 row created.\nCommit complete.\n"));
}

// A DATE column is as wide as the session's date format makes a date.
TEST_F(SqlPlusTest, DateColumnsAreAsWideAsTheDateFormat) {
    const Outcome r = run("select to_date('2020-01-02', 'YYYY-MM-DD') d from dual;\n"
                          "alter session set nls_date_format = 'YYYY-MM-DD HH24:MI:SS';\n"
                          "select to_date('2020-01-02', 'YYYY-MM-DD') d from dual;\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "D\n---------\n02-JAN-20\n")) << r.out;
    EXPECT_TRUE(contains(r.out, "D\n-------------------\n2020-01-02 00:00:00\n")) << r.out;
}

TEST_F(SqlPlusTest, ExitEndsWithItsCode) {
    EXPECT_EQ(run("create table t (a number);\nexit 4\ncreate table u (a number);\n").status, 4);
    EXPECT_EQ(query("SELECT COUNT(*) FROM USER_OBJECTS WHERE OBJECT_NAME = 'U'"), (Rows{{"0"}}));
    EXPECT_EQ(run("exit success\n").status, 0);
    EXPECT_EQ(run("define code = 7\nexit code\n").status, 7);
}

TEST_F(SqlPlusTest, PromptRemarkSetAndShowPassOver) {
    const Outcome r = run("rem a remark & no variable\n"
                          "set echo on linesize 120 timing off sqlblanklines on\n"
                          "set autotrace off\n"
                          "show all\n"
                          "show user\n"
                          "prompt done\n"
                          "set frobnicate on\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "USER is \"DEV\"\ndone\n0 statement(s) run, 1 failed.\n");
    EXPECT_TRUE(contains(r.err, "main.sql:7: SP2-0158: unknown SET option \"FROBNICATE\""))
        << r.err;
}

TEST_F(SqlPlusTest, QueriesPrintInSqlPlusLayout) {
    const Outcome r = run("create table t (name varchar2(6), n number(5));\n"
                          "insert into t values ('abc', 12);\n"
                          "insert into t values ('longer', 3);\n"
                          "set feedback 1\n"
                          "column name format a4 heading 'Nm'\n"
                          "select name, n from t order by n;\n"
                          "select name from t where 1 = 0;\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "\n"
                                "Nm            N\n"
                                "---- ----------\n"
                                "long          3\n"
                                "er\n"
                                "abc          12\n"
                                "\n"
                                "2 rows selected.\n"
                                "\n"
                                "no rows selected\n"))
        << r.out;
}

// A number wider than NUMWIDTH is rounded to the places that fit, else shown in scientific
// notation with the digits that fit; '#' only when not even that fits.
TEST_F(SqlPlusTest, NumbersWiderThanNumwidthAreRoundedToFit) {
    const Outcome r = run("select 1e30 a, 12345678901 b, -12345678901 c, 1/3 d, 2/3 e,\n"
                          "       123456789.6 f, 0.000000000012345 g from dual;\n"
                          "set numwidth 4\n"
                          "select 12345678901 h, 2/3 i from dual;\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "\n1.0000E+30 1.2346E+10 -1.235E+10 .333333333 .666666667  "
                                "123456790 1.2345E-11\n"))
        << r.out;
    EXPECT_TRUE(contains(r.out, "\n#### .667\n")) << r.out;
}

// EXECUTE and blocks run; DBMS_OUTPUT's lines show after each with SERVEROUTPUT ON.
TEST_F(SqlPlusTest, DbmsOutputLinesPrintWithServerOutputOn) {
    const Outcome r = run("exec dbms_output.put_line('hidden')\n"
                          "set serveroutput on\n"
                          "exec dbms_output.put_line('a' || upper('b') || (1 + 1))\n"
                          "begin\n"
                          "  dbms_output.put('x');\n"
                          "  null;\n"
                          "  dbms_output.put('y');\n"
                          "  dbms_output.new_line;\n"
                          "  sys.dbms_output.put_line(null);\n"
                          "end;\n"
                          "/\n"
                          "exec dbms_output.put_line(no_such_function(1))\n"
                          "declare\n"
                          "  n number := 0;\n"
                          "begin\n"
                          "  for i in 1 .. 3 loop n := n + i; end loop;\n"
                          "  dbms_output.put_line('sum ' || n);\n"
                          "  commit;\n"
                          "end;\n"
                          "/\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(contains(r.out, "hidden")) << r.out;
    EXPECT_TRUE(contains(r.out, "aB2\nPL/SQL procedure successfully completed.\n"
                                "xy\n\nPL/SQL procedure successfully completed.\n"))
        << r.out;
    EXPECT_TRUE(contains(r.out, "sum 6\nPL/SQL procedure successfully completed.\n")) << r.out;
    EXPECT_TRUE(contains(r.err, "main.sql:12: ORA-06550: line 1, column 28:\n"
                                "PLS-00201: identifier 'NO_SUCH_FUNCTION' must be declared"))
        << r.err;
}

TEST_F(SqlPlusTest, BlocksTheEmbeddedDatabaseCannotRunAreRefused) {
    const Outcome r = run("exec dbms_lock.sleep(1)\n"
                          "declare\n  type t is table of number;\nbegin\n  null;\nend;\n/\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, "main.sql:1: ORA-03001")) << r.err;
    EXPECT_TRUE(contains(r.err, "main.sql:2: ORA-03001")) << r.err;
    EXPECT_TRUE(contains(r.err, "not supported by the embedded database")) << r.err;
    EXPECT_TRUE(contains(r.out, "2 not supported by the embedded database")) << r.out;
}

} // namespace
} // namespace ocilite
