// MERGE through the cursor calls: matched rows updated, the rest inserted, one rows-processed
// count and function code for both halves, binds reaching both, a failing half undoing the
// whole statement; and UPDATE ... SET with qualified columns.
#include "oci_client.h"

namespace ocilite::test {
namespace {

class MergeTest : public OciTest {
protected:
    void SetUp() override {
        OciTest::SetUp();
        for (const char *sql :
             {"create table bonus (empno number(4) primary key, amount number)",
              "insert into bonus values (7369, 1)", "insert into bonus values (7839, 2)"})
            ASSERT_EQ(0, oci.run(sql)) << sql << "\n" << oci.message(oci.cur.rc);
    }
};

TEST_F(MergeTest, MatchedRowsAreUpdatedAndTheOthersInserted) {
    struct Case {
        const char *sql;
        std::vector<std::string> binds;
        unsigned rpc;
        Rows after; // empno, amount
    } cases[] = {
        {"merge into bonus b using emp e on (b.empno = e.empno) "
         "when matched then update set b.amount = b.amount + e.sal "
         "when not matched then insert (b.empno, b.amount) values (e.empno, e.sal)",
         {},
         3,
         {{"7369", "801"}, {"7499", "1600"}, {"7839", "5002"}}},
        {"MERGE INTO scott.bonus USING (SELECT :1 AS id, :2 AS amt FROM dual) s "
         "ON (bonus.empno = s.id) WHEN MATCHED THEN UPDATE SET amount = s.amt",
         {"7839", "10"},
         1,
         {{"7369", "1"}, {"7839", "10"}}},
        {"merge into bonus b using (select :1 id from dual) s on (b.empno = s.id) "
         "when not matched then insert values (s.id, 0)",
         {"1234"},
         1,
         {{"1234", "0"}, {"7369", "1"}, {"7839", "2"}}},
        // The WHERE of each half leaves rows out of it.
        {"merge into bonus b using emp e on (e.empno = b.empno) "
         "when matched then update set amount = -1 where e.sal > 1000 "
         "when not matched then insert (empno) values (e.empno) where e.deptno = 10",
         {},
         1,
         {{"7369", "1"}, {"7839", "-1"}}},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(0, oci.run("savepoint before_merge"));
        ASSERT_EQ(0, oci.run(c.sql, c.binds)) << c.sql << "\n" << oci.message(oci.cur.rc);
        EXPECT_EQ(189, oci.cur.ft) << c.sql;
        EXPECT_EQ(c.rpc, oci.cur.rpc) << c.sql;
        EXPECT_EQ(c.after, oci.rows("select empno, nvl(amount, -1) from bonus order by 1"))
            << c.sql;
        ASSERT_EQ(0, oci.run("rollback to before_merge"));
    }
}

TEST_F(MergeTest, AFailingHalfUndoesTheWholeStatement) {
    // 9999 comes twice from the source: the second insert breaks the primary key after the
    // update of 7369 was made.
    ASSERT_EQ(0, oci.run("create table src (empno number, amount number)"));
    for (const char *row : {"insert into src values (7369, 5)", "insert into src values (9999, 1)",
                            "insert into src values (9999, 2)"})
        ASSERT_EQ(0, oci.run(row));
    EXPECT_EQ(1, oci.run("merge into bonus b using src s on (b.empno = s.empno) "
                         "when matched then update set b.amount = s.amount "
                         "when not matched then insert values (s.empno, s.amount)"));
    EXPECT_EQ((Rows{{"7369", "1"}, {"7839", "2"}}),
              oci.rows("select empno, amount from bonus order by 1"));
}

TEST_F(MergeTest, MistakesGetOraclesErrors) {
    const std::pair<const char *, int> cases[] = {
        {"merge into bonus b using emp e on (b.empno = e.empno) "
         "when matched then update set b.empno = e.empno",
         38104},
        {"merge bonus b using emp e on (b.empno = e.empno) "
         "when matched then update set amount = 1",
         925},
        {"merge into bonus b using emp e on (b.empno = e.empno)", 905},
        {"merge into bonus b using emp e on (b.empno = e.empno) "
         "when matched then update set amount = 1 delete where amount = 1",
         3001},
        {"merge into nowhere b using emp e on (b.empno = e.empno) "
         "when matched then update set amount = 1",
         942},
        {"merge into bonus b using emp e on (b.empno = e.empno) "
         "when not matched then insert (empno) values (e.empno) extra",
         933},
    };
    for (const auto &[sql, code] : cases)
        EXPECT_EQ(code, oci.run(sql)) << sql << "\n" << oci.message(oci.cur.rc);
}

// Oracle lets SET name a column with the table's name or alias; so does the embedded database.
TEST_F(OciTest, UpdateSetTakesQualifiedColumns) {
    const std::pair<const char *, unsigned> cases[] = {
        {"update emp e set e.comm = 7 where e.empno = 7369", 1},
        {"update scott.emp set emp.comm = 7, scott.emp.job = 'X' where deptno = 10", 1},
        {"update emp e set (e.comm, e.job) = (select 7, 'X' from dual) where e.sal > 1000", 2},
    };
    for (const auto &[sql, rpc] : cases) {
        ASSERT_EQ(0, oci.run(sql)) << sql << "\n" << oci.message(oci.cur.rc);
        EXPECT_EQ(rpc, oci.cur.rpc) << sql;
    }
    EXPECT_EQ((Rows{{"3"}}), oci.rows("select count(*) from emp where comm = 7"));
}

} // namespace
} // namespace ocilite::test
