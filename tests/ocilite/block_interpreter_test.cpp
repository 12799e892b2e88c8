// The interpreter of anonymous blocks on a database of its own: expressions and conditions
// with Oracle's NULL logic and conversions, values assigned to typed variables, the blocks
// refused before they run, transactions inside a block, dynamic blocks, and the budget.
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"
#include "ocilite/plsql_run/block_runner.h"
#include "temp_home.h"

#include <gtest/gtest.h>

namespace ocilite::test {
namespace {

class BlockInterpreter : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        db = Database::open(home.path() + "/blocks.db", true, error);
        ASSERT_TRUE(db) << error;
        ASSERT_TRUE(db->addUser("dev", "pw", error)) << error;
        db->setSchema("DEV");
        sql("create table t (n number, s varchar2(30))");
    }
    void sql(const std::string &text) {
        std::string error;
        ASSERT_TRUE(db->execute("dev", text, error)) << text << "\n" << error;
    }
    // The block's error text, or "" when it ran.
    std::string run(const std::string &text, const plsql_run::Limits &limits = {}) {
        output.enabled = true;
        try {
            plsql_run::runAnonymousBlock(*db, text, output, limits);
        } catch (const OraError &e) {
            return e.text();
        }
        return {};
    }
    // The lines the block printed; a failure is recorded with the block's error.
    std::vector<std::string> printed(const std::string &text) {
        const std::string error = run(text);
        EXPECT_EQ("", error) << text;
        return output.take();
    }
    long long count(const std::string &where = "1 = 1") {
        Prepared q(db->handle(), "SELECT COUNT(*) FROM main.\"DEV.T\" WHERE " + where);
        q.step();
        return q.integer(0);
    }

    TempHome home;
    std::unique_ptr<Database> db;
    OutputBuffer output;
};

TEST_F(BlockInterpreter, ExpressionsTakeOraclesValues) {
    const std::pair<const char *, const char *> cases[] = {
        {"1 + 2 * 3", "7"},
        {"7 / 2", "3.5"},
        {"-(3 - 5)", "2"},
        {"'a' || null || 'b'", "ab"},
        {"null + 1", ""},
        {"'10' + 5", "15"},
        {"2 ** 10", "1024"},
        {"mod(7, 3)", "1"},
        {"nvl(null, 'd') || upper('x')", "dX"},
        {"case 2 when 1 then 'one' when 2 then 'two' end", "two"},
        {"case when 1 = 2 then 'no' end", ""},
        {"to_char(to_date('2024-02-28', 'YYYY-MM-DD') + 1, 'YYYY-MM-DD')", "2024-02-29"},
        {"length('h\xc3\xa9llo')", "5"},
        {"0.1 + 0.2", ".3"},
        {"9000000000000000000 + 9000000000000000000", "18000000000000000000"},
    };
    for (const auto &[expression, text] : cases)
        EXPECT_EQ(std::vector<std::string>{text},
                  printed(std::string("begin dbms_output.put_line(") + expression + "); end;"))
            << expression;
}

// Each condition as a BOOLEAN: TRUE, FALSE or NULL (unknown).
TEST_F(BlockInterpreter, ConditionsFollowThreeValuedLogic) {
    const std::pair<const char *, const char *> cases[] = {
        {"1 < 2", "T"},
        {"null > 1", "U"},
        {"not (null = 1)", "U"},
        {"1 = 1 or null = 1", "T"},
        {"1 = 2 and null = 1", "F"},
        {"null = 1 and 1 = 1", "U"},
        {"'abc' like 'a%'", "T"},
        {"3 between 1 and 2", "F"},
        {"2 in (1, 2)", "T"},
        {"2 not in (1, null)", "U"},
        {"'b' > 'a'", "T"},
        {"10 > '9'", "T"},
        {"null is null", "T"},
        {"1 is not null", "T"},
        {"1 <> 1", "F"},
        {"2 >= 2 and 1 <= 0", "F"},
    };
    for (const auto &[condition, value] : cases)
        EXPECT_EQ(std::vector<std::string>{value},
                  printed(std::string("declare b boolean := ") + condition +
                          "; begin dbms_output.put_line(case when b then 'T' when not b then "
                          "'F' else 'U' end); end;"))
            << condition;
}

TEST_F(BlockInterpreter, AssignedValuesTakeTheVariablesType) {
    const struct {
        const char *type;
        const char *value;
        const char *result; // printed, or the error's first line
    } cases[] = {
        {"varchar2(3)", "'abc'", "abc"},
        {"varchar2(3)", "'abcd'",
         "ORA-06502: PL/SQL: numeric or value error: character string buffer too small"},
        {"number(5,2)", "3.14159", "3.14"},
        {"number(4)", "2.5", "3"},
        {"pls_integer", "-2.5", "-3"},
        {"number", "'12.5'", "12.5"},
        {"number", "'abc'",
         "ORA-06502: PL/SQL: numeric or value error: character to number conversion error"},
        {"date", "to_date('2024-03-05', 'YYYY-MM-DD')", "05-MAR-24"},
        {"date", "'06-MAR-24'", "06-MAR-24"},
        {"t.s%type", "rpad('x', 31, 'x')",
         "ORA-06502: PL/SQL: numeric or value error: character string buffer too small"},
    };
    for (const auto &c : cases) {
        const std::string block = std::string("declare v ") + c.type + "; begin v := " + c.value +
                                  "; dbms_output.put_line(v); end;";
        const std::string error = run(block);
        const std::vector<std::string> lines = output.take();
        const std::string got =
            error.empty() ? (lines.empty() ? "-" : lines[0]) : error.substr(0, error.find('\n'));
        EXPECT_EQ(c.result, got) << block;
    }
    EXPECT_EQ("ORA-06502: PL/SQL: numeric or value error\nORA-06512: at line 1",
              run("declare x number not null := 1; y number; begin x := y; end;"));
}

TEST_F(BlockInterpreter, RefusesBlocksItCannotRunBeforeRunningThem) {
    sql("create procedure p is begin null; end;");
    const std::pair<const char *, const char *> cases[] = {
        {"begin insert into t values (1, 'x'); p; end;", "the call of P (line 1)"},
        {"declare procedure q is begin null; end; begin insert into t values (1, 'x'); end;",
         "a local subprogram"},
        {"declare type c is ref cursor; begin insert into t values (1, 'x'); end;",
         "a TYPE declaration"},
        {"declare cursor c(k number) is select 1 from dual; begin "
         "insert into t values (1, 'x'); end;",
         "a cursor with parameters"},
        {"declare type r is record (a number := 1); begin insert into t values (1, 'x'); end;",
         "a record field with a default"},
        {"begin insert into t values (1, 'x'); goto done; <<done>> null; end;",
         "the statement GOTO"},
        {"declare n number; begin insert into t values (1, 'x'); "
         "n := dbms_utility.get_time; end;",
         "the use of DBMS_UTILITY.GET_TIME"},
    };
    for (const auto &[block, what] : cases) {
        const std::string error = run(block);
        EXPECT_EQ(0u, error.rfind("ORA-03001: unimplemented feature: anonymous PL/SQL block: ", 0))
            << error;
        EXPECT_NE(std::string::npos, error.find(what)) << error;
        EXPECT_EQ(0, count()) << block;
    }
}

// COMMIT inside a block keeps its work even when the block fails later; SAVEPOINT, ROLLBACK
// TO, ROLLBACK and DDL behave as in Oracle.
TEST_F(BlockInterpreter, TransactionsInsideABlock) {
    EXPECT_EQ("ORA-01476: divisor is equal to zero\nORA-06512: at line 2",
              run("declare n number; begin insert into t values (1, 'kept'); commit;\n"
                  "insert into t values (2, 'undone'); n := 1 / 0; end;"));
    EXPECT_EQ(1, count());
    EXPECT_EQ("", run("begin insert into t values (3, 'a'); savepoint s; "
                      "insert into t values (4, 'b'); rollback to s; end;"));
    EXPECT_EQ(2, count());
    EXPECT_EQ(0, count("n = 4"));
    // ROLLBACK ends the session's transaction: the earlier block's row goes too.
    EXPECT_EQ("", run("begin delete from t; rollback; "
                      "execute immediate 'create table t2 (a number)'; end;"));
    EXPECT_EQ(1, count());
    EXPECT_EQ(1, count("n = 1"));
}

// EXECUTE IMMEDIATE of a block runs it; its unhandled exception reaches the caller's handlers.
TEST_F(BlockInterpreter, DynamicBlocksRunAndRaiseIntoTheCaller) {
    EXPECT_EQ((std::vector<std::string>{"-20007 ORA-20007: inner 16"}),
              printed("declare n number; m varchar2(200); begin "
                      "execute immediate 'begin insert into t values (7, ''in''); end;'; "
                      "execute immediate 'begin raise_application_error(-20007, ''inner''); "
                      "end;'; exception when others then n := sqlcode; m := sqlerrm; "
                      "dbms_output.put_line(n || ' ' || m || ' ' || length(sqlerrm)); end;"));
    EXPECT_EQ(1, count("n = 7"));
    EXPECT_EQ("ORA-01008: not all variables bound\nORA-06512: at line 1",
              run("begin execute immediate 'insert into t values (:a, :b)' using 1; end;"));
}

// A long operator chain (each link a level of the tree) is compiled, checked and run on a
// stack deep enough for it.
TEST_F(BlockInterpreter, LongOperatorChainsRun) {
    constexpr int kLinks = 30000;
    std::string sum = "1";
    for (int i = 0; i < kLinks; ++i)
        sum += " + 1";
    EXPECT_EQ(
        std::vector<std::string>{std::to_string(kLinks + 1)},
        printed("declare n number := 0; begin n := " + sum + "; dbms_output.put_line(n); end;"));
    EXPECT_EQ("", run("begin if " + sum + " > " + std::to_string(kLinks) +
                      " then insert into t values (1, 'deep'); end if; end;"));
    EXPECT_EQ(1, count("s = 'deep'"));
}

// A statement that goes to the database spends more of the budget than one run here.
TEST_F(BlockInterpreter, SqlStatementsSpendMoreOfTheBudget) {
    plsql_run::Limits limits;
    limits.statements = 10 * plsql_run::Limits::kSqlCost;
    const std::string local = "declare i number := 0; begin for k in 1 .. 50 loop "
                              "i := i + 1; end loop; end;";
    EXPECT_EQ("", run(local, limits));
    const std::string queries = "declare i number; begin for k in 1 .. 50 loop "
                                "select count(*) into i from t; end loop; end;";
    EXPECT_NE(std::string::npos, run(queries, limits).find("stopped at line 1"));
}

} // namespace
} // namespace ocilite::test
