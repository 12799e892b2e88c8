// Anonymous PL/SQL blocks sent through the version-7 calls: what they run, the errors they
// fail with (compile errors, unhandled exceptions, what the embedded database does not run),
// the work a failed block leaves undone, and the budget that stops a block that never ends.
#include "oci_client.h"

#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/plsql_run/block_runner.h"

namespace ocilite::test {
namespace {

class AnonymousBlocks : public OciTest {
protected:
    void SetUp() override {
        OciTest::SetUp();
        ASSERT_EQ(0, oci.run("create table blk (n number, s varchar2(100))"));
    }
    // Runs the block; its error text when it fails.
    std::string block(const std::string &text) {
        const int rc = oci.run(text);
        return rc == 0 ? std::string() : oci.message(rc);
    }
};

// Each block leaves its results in BLK, read back in order.
TEST_F(AnonymousBlocks, RunWhatTheyHold) {
    const struct {
        const char *name;
        const char *block;
        Rows rows;
    } cases[] = {
        {"declarations, defaults and arithmetic",
         "declare a number := 2; b constant pls_integer := 3; s varchar2(10) := 'x';"
         "begin insert into blk values (a * b + 1, s || a); end;",
         {{"7", "x2"}}},
        {"NULL in conditions: neither branch of an unknown one",
         "declare n number; begin if n = 1 then insert into blk values (1, 'eq'); "
         "elsif n is null and not (1 = 2) then insert into blk values (2, 'null'); "
         "else insert into blk values (3, 'else'); end if; "
         "if not (n > 0) then insert into blk values (4, 'never'); end if; end;",
         {{"2", "null"}}},
        {"numeric FOR, REVERSE, WHILE, EXIT and CONTINUE",
         "declare i number := 0; begin for k in reverse 1 .. 3 loop "
         "insert into blk values (k, 'for'); end loop; "
         "while i < 10 loop i := i + 1; continue when mod(i, 2) = 0; exit when i > 5; "
         "insert into blk values (i, 'while'); end loop; end;",
         {{"3", "for"},
          {"2", "for"},
          {"1", "for"},
          {"1", "while"},
          {"3", "while"},
          {"5", "while"}}},
        {"a labelled EXIT leaves the outer loop",
         "begin <<outer>> for i in 1 .. 3 loop for j in 1 .. 3 loop "
         "exit outer when i * j = 4; insert into blk values (i * 10 + j, 'ij'); "
         "end loop; end loop; end;",
         {{"11", "ij"}, {"12", "ij"}, {"13", "ij"}, {"21", "ij"}}},
        {"cursor FOR loops over a query and a declared cursor",
         "declare cursor c is select deptno, dname from dept where deptno < 30 order by 1; "
         "begin for r in c loop insert into blk values (r.deptno, r.dname); end loop; "
         "for r in (select count(*) n from dept where deptno < 30) loop "
         "insert into blk values (r.n, 'count'); end loop; end;",
         {{"10", "ACCOUNTING"}, {"20", "RESEARCH"}, {"2", "count"}}},
        {"SELECT INTO, a column's %TYPE, SQL%ROWCOUNT",
         "declare v emp.ename%type; begin select ename into v from emp where empno = 7839; "
         "insert into blk values (length(v), v); update blk set n = n + 1; "
         "insert into blk values (sql%rowcount, 'updated'); end;",
         {{"5", "KING"}, {"1", "updated"}}},
        {"EXECUTE IMMEDIATE with DDL, USING and INTO",
         "declare n number; begin execute immediate 'create table blk2 (a number)'; "
         "execute immediate 'insert into blk2 values (:1 + :2)' using 40, 2; "
         "execute immediate 'select a from blk2' into n; insert into blk values (n, 'dyn'); end;",
         {{"42", "dyn"}}},
        {"handlers: predefined, OTHERS with SQLCODE and SQLERRM, EXCEPTION_INIT",
         "declare n number; m varchar2(200); missing exception; "
         "pragma exception_init(missing, -942); begin "
         "begin select 1 into n from dual where 1 = 0; exception when no_data_found then "
         "n := sqlcode; m := sqlerrm; insert into blk values (n, m); end; "
         "begin n := 1 / 0; "
         "exception when others then n := sqlcode; m := sqlerrm; "
         "insert into blk values (n, m); end; "
         "begin execute immediate 'drop table no_such_table'; "
         "exception when missing then insert into blk values (1, 'missing'); end; end;",
         {{"100", "ORA-01403: no data found"},
          {"-1476", "ORA-01476: divisor is equal to zero"},
          {"1", "missing"}}},
        {"RAISE again, user exceptions and RAISE_APPLICATION_ERROR reach outer handlers",
         "declare mine exception; n number; m varchar2(200); begin "
         "begin begin raise mine; exception when mine then raise; end; "
         "exception when mine then n := sqlcode; m := sqlerrm; "
         "insert into blk values (n, m); end; "
         "begin raise_application_error(-20042, 'no ' || 'way'); "
         "exception when others then n := sqlcode; m := sqlerrm; "
         "insert into blk values (n, m); end; end;",
         {{"1", "User-Defined Exception"}, {"-20042", "ORA-20042: no way"}}},
        {"CASE statement and expression, SQL functions, dates",
         "declare d date := to_date('2024-03-05', 'YYYY-MM-DD'); g varchar2(1) := 'B'; begin "
         "case g when 'A' then null; when 'B' then "
         "insert into blk values (to_number(to_char(d + 1, 'DD')), "
         "case when g like 'B%' then upper('yes') else 'no' end); end case; end;",
         {{"6", "YES"}}},
        {"a value too long for its variable is VALUE_ERROR",
         "declare s varchar2(3); n number; m varchar2(200); begin s := 'abcd'; "
         "exception when value_error then n := sqlcode; m := sqlerrm; "
         "insert into blk values (n, m); end;",
         {{"-6502", "ORA-06502: PL/SQL: numeric or value error: character string buffer too "
                    "small"}}},
        {"records and associative arrays of records and of numbers",
         "declare type r_t is record (id number, name varchar2(20)); "
         "type tab_t is table of r_t index by pls_integer; "
         "type idx_t is table of number index by varchar2(10); "
         "r r_t; t tab_t; m idx_t; k varchar2(10); begin "
         "r.id := 1; r.name := 'one'; t(5) := r; r.id := 2; r.name := 'two'; t(3) := r; "
         "t(t.count + 10).name := 'new'; "
         "for i in t.first .. t.last loop if t.exists(i) then "
         "insert into blk values (i * 100 + nvl(t(i).id, 0), t(i).name); end if; end loop; "
         "m('b') := 2; m('a') := 1; m('c') := 3; m.delete('b'); k := m.first; "
         "while k is not null loop insert into blk values (m(k), k); k := m.next(k); "
         "end loop; insert into blk values (t.count + m.count, 'counts'); end;",
         {{"302", "two"},
          {"501", "one"},
          {"1200", "new"},
          {"1", "a"},
          {"3", "c"},
          {"5", "counts"}}},
        {"%ROWTYPE filled by SELECT INTO; a missing element is NO_DATA_FOUND",
         "declare d dept%rowtype; type t is table of varchar2(10) index by pls_integer; "
         "x t; s varchar2(10); begin select * into d from dept where deptno = 10; "
         "insert into blk values (d.deptno, d.dname); "
         "begin s := x(1); exception when no_data_found then "
         "insert into blk values (-1, 'missing'); end; end;",
         {{"10", "ACCOUNTING"}, {"-1", "missing"}}},
        {"a column takes precedence over a variable of the same name",
         "declare n number := 99; begin insert into blk values (1, 'a'); "
         "update blk set s = 'b' where n = 1; insert into blk values (n, 'var'); end;",
         {{"1", "b"}, {"99", "var"}}},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(0, oci.run("delete from blk"));
        EXPECT_EQ("", block(c.block)) << c.name;
        EXPECT_EQ(c.rows, oci.rows("select n, s from blk order by rowid")) << c.name;
        oci.run("drop table blk2");
    }
}

TEST_F(AnonymousBlocks, FailAsOracleReportsTheirErrors) {
    const struct {
        const char *block;
        int code;
        const char *text;
    } cases[] = {
        {"begin x := 1; end;", 6550,
         "ORA-06550: line 1, column 7:\nPLS-00201: identifier 'X' must be declared\n"
         "ORA-06550: line 1, column 7:\nPL/SQL: Statement ignored"},
        {"declare n number;\nbegin\n  select 1 into n from dual where 1 = 0;\nend;", 1403,
         "ORA-01403: no data found\nORA-06512: at line 3"},
        {"declare n number;\nbegin select 1 into n from emp; end;", 1422,
         "ORA-01422: exact fetch returns more than requested number of rows\n"
         "ORA-06512: at line 2"},
        {"begin\n  raise_application_error(-20001, 'nope');\nend;", 20001,
         "ORA-20001: nope\nORA-06512: at line 2"},
        {"declare e exception; begin raise e; end;", 6510,
         "ORA-06510: PL/SQL: unhandled user-defined exception\nORA-06512: at line 1"},
        {"declare n number; begin n := 1 / 0; end;", 1476,
         "ORA-01476: divisor is equal to zero\nORA-06512: at line 1"},
        {"begin raise_application_error(-1, 'x'); end;", 21000,
         "ORA-21000: error number argument to raise_application_error of -1 is out of range\n"
         "ORA-06512: at line 1"},
        {"declare n number; begin case n when 1 then null; end case; end;", 6592,
         "ORA-06592: CASE not found while executing CASE statement\nORA-06512: at line 1"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.code, oci.run(c.block)) << c.block;
        EXPECT_EQ(c.text, oci.message(c.code)) << c.block;
    }
}

// What the interpreter does not run is refused before anything runs.
TEST_F(AnonymousBlocks, RefuseWhatTheyCannotRunBeforeRunningAnything) {
    const std::pair<const char *, const char *> cases[] = {
        {"declare type t is table of number; begin insert into blk values (1, 'x'); end;",
         "a nested table or VARRAY type (line 1)"},
        {"declare cursor c is select * from dept; r c%rowtype; begin "
         "insert into blk values (1, 'x'); end;",
         "%ROWTYPE"},
        {"begin insert into blk values (1, 'x');\n dbms_lock.sleep(1); end;",
         "the call of DBMS_LOCK.SLEEP (line 2)"},
        {"declare cursor c is select 1 from dual; n number; begin "
         "insert into blk values (1, 'x'); open c; fetch c into n; close c; end;",
         "the statement OPEN"},
        {"begin insert into blk values (1, 'x'); :out := 1; end;", "a bind variable"},
    };
    for (const auto &[text, what] : cases) {
        const int rc = oci.run(text);
        EXPECT_EQ(3001, rc) << text;
        const std::string message = oci.message(rc);
        EXPECT_NE(std::string::npos, message.find(what)) << message;
        EXPECT_NE(std::string::npos, message.find("not supported by the embedded database"))
            << message;
        EXPECT_EQ(Rows{}, oci.rows("select n from blk")) << text;
    }
}

TEST_F(AnonymousBlocks, AFailedBlockLeavesNothingOfItsWork) {
    ASSERT_EQ(0, oci.run("insert into blk values (0, 'before')"));
    EXPECT_EQ(1403, oci.run("declare n number; begin insert into blk values (1, 'x'); "
                            "update blk set s = 'changed'; "
                            "select n into n from blk where n = 5; end;"));
    EXPECT_EQ((Rows{{"0", "before"}}), oci.rows("select n, s from blk"));
    // A handled exception leaves the block's work as it stands.
    EXPECT_EQ(0, oci.run("begin insert into blk values (1, 'x'); raise no_data_found; "
                         "exception when no_data_found then null; end;"));
    EXPECT_EQ((Rows{{"0", "before"}, {"1", "x"}}), oci.rows("select n, s from blk order by n"));
}

// A block's function type is PL/SQL's (47); a column list names columns, not variables.
TEST_F(AnonymousBlocks, AreParsedAsPlsqlAndKeepColumnNamesApart) {
    ASSERT_EQ(0, oci.run("declare n number := 5; s varchar2(9) := 'five'; begin "
                         "insert into blk (n, s) values (n, s); end;"));
    EXPECT_EQ(47, oci.cur.ft);
    EXPECT_EQ((Rows{{"5", "five"}}), oci.rows("select n, s from blk"));
}

class BlockBudget : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        db = Database::open(home.path() + "/budget.db", true, error);
        ASSERT_TRUE(db) << error;
        ASSERT_TRUE(db->addUser("dev", "pw", error)) << error;
        db->setSchema("DEV");
    }
    // The block's error, or "" when it ran.
    std::string run(const std::string &text, const plsql_run::Limits &limits) {
        try {
            plsql_run::runAnonymousBlock(*db, text, output, limits);
        } catch (const OraError &e) {
            return e.text();
        }
        return {};
    }

    TempHome home;
    std::unique_ptr<Database> db;
    OutputBuffer output;
};

TEST_F(BlockBudget, StopsALoopThatNeverEndsAndUndoesItsWork) {
    std::string error;
    ASSERT_TRUE(db->execute("dev", "create table t (n number)", error)) << error;
    plsql_run::Limits limits;
    limits.statements = 1000;
    const std::string endless = "begin loop insert into t values (1); end loop; end;";
    const std::string text = run(endless, limits);
    EXPECT_EQ(0u, text.rfind("ORA-03001: unimplemented feature: anonymous PL/SQL block: stopped "
                             "at line 1"))
        << text;
    EXPECT_EQ("", run("declare n number; begin select count(*) into n from t; "
                      "if n > 0 then raise too_many_rows; end if; end;",
                      limits));
    // Within the budget the same kind of loop ends normally.
    EXPECT_EQ("", run("declare i number := 0; begin loop i := i + 1; exit when i = 200; "
                      "end loop; end;",
                      limits));
}

TEST_F(BlockBudget, AStopRequestEndsTheBlockAtItsNextStatement) {
    std::atomic<bool> stop{true};
    plsql_run::Limits limits;
    limits.stop = &stop;
    EXPECT_EQ(oraText(kOraUserCancel), run("begin loop null; end loop; end;", limits));
}

// DBMS_OUTPUT keeps nothing until enabled; PUT waits for its line end; DISABLE empties it.
TEST_F(BlockBudget, OutputIsBufferedOnlyWhileEnabled) {
    const plsql_run::Limits limits;
    EXPECT_EQ("", run("begin dbms_output.put_line('lost'); dbms_output.enable; "
                      "dbms_output.put('a'); dbms_output.put_line(1 + 1); dbms_output.new_line; "
                      "sys.dbms_output.put('open'); end;",
                      limits));
    EXPECT_EQ((std::vector<std::string>{"a2", ""}), output.take());
    EXPECT_EQ("open", output.partial);
    EXPECT_EQ("", run("begin dbms_output.put_line('x'); dbms_output.disable; "
                      "dbms_output.put_line('y'); end;",
                      limits));
    EXPECT_TRUE(output.take().empty());
    EXPECT_FALSE(output.enabled);
}

} // namespace
} // namespace ocilite::test
