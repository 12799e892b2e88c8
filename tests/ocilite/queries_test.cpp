// Query and DML forms real scripts use: WITH's named subqueries, FOR UPDATE, and INSERT ALL /
// INSERT FIRST into several tables from one subquery.
#include "oci_client.h"

namespace ocilite::test {
namespace {

TEST_F(OciTest, WithNamesSubqueriesForTheQuery) {
    struct Case {
        const char *sql;
        Rows rows;
    } cases[] = {
        {"with big as (select deptno d from dept where deptno > 10), "
         "names (n) as (select d from big) select n from names order by n",
         {{"20"}, {"40"}}},
        {"with e as (select * from emp) select count(*) from e, dept d where e.deptno = d.deptno",
         {{"2"}}},
        {"select (select count(*) from (with x as (select 1 a from dual) select a from x)) "
         "from dual",
         {{"1"}}},
    };
    for (const Case &c : cases) {
        const Result r = oci.query(c.sql);
        EXPECT_EQ(0, r.rc) << c.sql << "\n" << oci.message(r.rc);
        EXPECT_EQ(c.rows, r.rows) << c.sql;
    }
    EXPECT_EQ((Rows{{"SMITH"}}), oci.rows("(select ename from emp where empno = 7369)"));
    EXPECT_EQ((Rows{{"1"}}), oci.rows("((with x as (select 1 a from dual) select a from x))"));
    // The name is the query's own: a table of that name elsewhere is not meant.
    EXPECT_EQ(942, oci.query("with x as (select 1 a from dual) select * from scott.x").rc);
}

TEST_F(OciTest, ForUpdateIsReadAndTheRowsReturned) {
    for (const char *clause : {"for update", "for update of sal, e.comm nowait",
                               "for update wait 5", "FOR UPDATE SKIP LOCKED"}) {
        const std::string sql = std::string("select ename from emp e where empno = 7369 ") + clause;
        const Result r = oci.query(sql);
        EXPECT_EQ(0, r.rc) << sql << "\n" << oci.message(r.rc);
        EXPECT_EQ((Rows{{"SMITH"}}), r.rows) << sql;
    }
    EXPECT_EQ(933, oci.query("select ename from emp for update nowait please").rc);
}

class MultiInsertTest : public OciTest {
protected:
    void SetUp() override {
        OciTest::SetUp();
        for (const char *sql : {"create table lo (n number)", "create table hi (n number)",
                                "insert into emp (empno) values (1)"}) // SAL is NULL
            ASSERT_EQ(0, oci.run(sql)) << sql << "\n" << oci.message(oci.cur.rc);
    }
};

TEST_F(MultiInsertTest, EachIntoTakesTheRowsItsWhenAdmits) {
    struct Case {
        const char *sql;
        unsigned rpc;
        Rows lo, hi;
    } cases[] = {
        {"insert all into lo values (1) into hi (n) values (2) select * from dual",
         2,
         {{"1"}},
         {{"2"}}},
        // ALL: every WHEN that holds; a NULL comparison holds for none.
        {"insert all when sal < 2000 then into lo values (empno) "
         "when sal >= 1000 then into hi values (empno) select empno, sal from emp",
         4,
         {{"7369"}, {"7499"}},
         {{"7499"}, {"7839"}}},
        // FIRST: the first WHEN that holds; one that is unknown lets the row go on.
        {"insert first when sal < 2000 then into lo values (empno) "
         "when sal >= 1000 or empno = 1 then into hi values (empno) "
         "select empno, sal from emp",
         4,
         {{"7369"}, {"7499"}},
         {{"1"}, {"7839"}}},
        {"insert first when sal > 4000 then into hi values (empno) "
         "else into lo (n) values (empno) select empno, sal from emp",
         4,
         {{"1"}, {"7369"}, {"7499"}},
         {{"7839"}}},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(0, oci.run("savepoint before_insert"));
        ASSERT_EQ(0, oci.run(c.sql)) << c.sql << "\n" << oci.message(oci.cur.rc);
        EXPECT_EQ(3, oci.cur.ft) << c.sql;
        EXPECT_EQ(c.rpc, oci.cur.rpc) << c.sql;
        EXPECT_EQ(c.lo, oci.rows("select n from lo order by n")) << c.sql;
        EXPECT_EQ(c.hi, oci.rows("select n from hi order by n")) << c.sql;
        ASSERT_EQ(0, oci.run("rollback to before_insert"));
    }
}

TEST_F(MultiInsertTest, AFailingIntoUndoesTheWholeStatement) {
    EXPECT_EQ(1400, oci.run("insert all into lo values (empno) into emp (ename) values ('X') "
                            "select empno from emp"));
    EXPECT_EQ((Rows{{"0"}}), oci.rows("select count(*) from lo"));
    EXPECT_EQ(942, oci.run("insert all into nowhere values (1) select * from dual"));
}

} // namespace
} // namespace ocilite::test
