// The dialect's passes seen through the entry points: Oracle's operators and literals, binds
// named twice, (+) outer joins, select-list names and the types describe reports for
// expressions, CREATE TABLE with its constraints and mistakes, and the forms of DROP.
#include "oci_client.h"

namespace ocilite::test {
namespace {

struct QueryCase {
    const char *sql;
    Rows rows;
};

void expectRows(Oci &oci, const QueryCase &c) {
    const Result r = oci.query(c.sql);
    ASSERT_EQ(0, r.rc) << c.sql << "\n" << oci.message(r.rc);
    EXPECT_EQ(c.rows, r.rows) << c.sql;
}

TEST_F(OciTest, OraclesOperatorsAndLiterals) {
    const QueryCase cases[] = {
        // NUMBER division is exact.
        {"select 7/2, 7 / 2 * 2, mod(7, 2) from dual", {{"3.5", "7", "1"}}},
        {"select count(*) from emp where deptno != 10 and deptno ^= 30", {{"1"}}},
        {"select count(*) from emp where hiredate < DATE '1981-01-01'", {{"1"}}},
        {"select unique job from emp where job like '%E%' order by job",
         {{"CLERK"}, {"PRESIDENT"}, {"SALESMAN"}}},
        {"select dname from dept minus select dname from dept where deptno > 10", {{"ACCOUNTING"}}},
        {"select user from dual", {{"SCOTT"}}},
    };
    for (const QueryCase &c : cases)
        expectRows(oci, c);
}

// A placeholder named twice is one bind; names are matched without regard to case.
TEST_F(OciTest, ABindNamedTwiceIsBoundOnce) {
    const char *sql = "select ename from emp where empno = :id or deptno = :ID order by ename";
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)sql, -1, 0, 2));
    char value[] = "10";
    ASSERT_EQ(0, obndrv(&oci.cur, (OraText *)":id", -1, (ub1 *)value, sizeof value, OCIV7_EXT_STR,
                        -1, nullptr, nullptr, -1, -1));
    char name[16] = {};
    ASSERT_EQ(0, odefin(&oci.cur, 1, (ub1 *)name, sizeof name, OCIV7_EXT_STR, -1, nullptr, nullptr,
                        -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, oexec(&oci.cur)) << oci.message(oci.cur.rc);
    ASSERT_EQ(0, ofetch(&oci.cur));
    EXPECT_STREQ("KING", name);
    EXPECT_EQ(OCIV7_RC_NO_DATA_FOUND, ofetch(&oci.cur));
}

TEST_F(OciTest, OuterJoinsKeepTheRowsWithoutPartners) {
    const QueryCase cases[] = {
        {"select d.dname, e.ename from dept d, emp e where d.deptno = e.deptno(+) "
         "order by d.deptno",
         {{"ACCOUNTING", "KING"}, {"RESEARCH", "SMITH"}, {"OPERATIONS", ""}}},
        // The mark may stand on either side, and a marked filter joins, it does not filter.
        {"select d.dname, e.ename from emp e, dept d where e.deptno(+) = d.deptno and "
         "e.sal(+) > 1000 order by d.deptno",
         {{"ACCOUNTING", "KING"}, {"RESEARCH", ""}, {"OPERATIONS", ""}}},
        {"select d.dname from dept d, emp e where d.deptno = e.deptno(+) and e.ename is null",
         {{"OPERATIONS"}}},
        {"select count(*) from (select d.deptno from dept d, emp e where d.deptno = "
         "e.deptno(+) and d.loc <> 'BOSTON')",
         {{"2"}}},
        {"select e.ename, d.dname from emp e, dept d where e.deptno = d.deptno(+) order by 1",
         {{"ALLEN", ""}, {"KING", "ACCOUNTING"}, {"SMITH", "RESEARCH"}}},
    };
    for (const QueryCase &c : cases)
        expectRows(oci, c);
}

TEST_F(OciTest, SelectListNamesAsOracleGivesThem) {
    const Result r = oci.query("select ename \"Name\", sal*2, e.job as j, count(*), 'x' || "
                               "ename, e.empno from emp e where empno = 7839 group by ename, "
                               "sal, e.job, e.empno order by j");
    ASSERT_EQ(0, r.rc) << oci.message(r.rc);
    std::vector<std::string> names;
    for (const Column &c : r.columns)
        names.push_back(c.name);
    EXPECT_EQ((std::vector<std::string>{"Name", "SAL*2", "J", "COUNT(*)", "'X'||ENAME", "EMPNO"}),
              names);
    EXPECT_EQ((Rows{{"KING", "10000", "PRESIDENT", "1", "xKING", "7839"}}), r.rows);
}

TEST_F(OciTest, DescribeTypesExpressionsByTheirShape) {
    const Result r = oci.query("select nvl(null, sysdate), decode(deptno, 10, sysdate), case "
                               "when sal > 1 then 5 end, round(sal, 1), substr(ename, 1, 2), "
                               "trim(job), hiredate - 1, hiredate - hiredate from emp");
    ASSERT_EQ(0, r.rc) << oci.message(r.rc);
    const std::pair<int, int> expected[] = {
        {OCIV7_TYPE_DATE, 7},    {OCIV7_TYPE_DATE, 7},      {OCIV7_TYPE_NUMBER, 22},
        {OCIV7_TYPE_NUMBER, 22}, {OCIV7_TYPE_VARCHAR2, 10}, {OCIV7_TYPE_VARCHAR2, 9},
        {OCIV7_TYPE_DATE, 7},    {OCIV7_TYPE_NUMBER, 22},
    };
    ASSERT_EQ(std::size(expected), r.columns.size());
    for (size_t i = 0; i < r.columns.size(); ++i) {
        EXPECT_EQ(expected[i].first, r.columns[i].dbtype) << r.columns[i].name;
        EXPECT_EQ(expected[i].second, r.columns[i].dbsize) << r.columns[i].name;
    }
}

TEST_F(OciTest, CreateTableKeepsDefaultsKeysAndUniqueColumns) {
    ASSERT_EQ(0, oci.run("create table scott.t2 (id number(5) default -1, name varchar2(10) "
                         "default 'x', made date default sysdate, code char(2) not null, "
                         "dno number(2) references dept, constraint t2_pk primary key (id), "
                         "constraint ck check (id <> 0), unique (name))"))
        << oci.message(oci.cur.rc);
    ASSERT_EQ(0, oci.run("insert into t2 (code) values ('ab')")) << oci.message(oci.cur.rc);
    expectRows(oci, {"select id, name, code, count(made) from t2 group by id, name, code",
                     {{"-1", "x", "ab", "1"}}});
    expectRows(oci, {"select column_name, nullable from user_tab_columns where table_name = "
                     "'T2' order by column_id",
                     {{"ID", "N"}, {"NAME", "Y"}, {"MADE", "Y"}, {"CODE", "N"}, {"DNO", "Y"}}});
    EXPECT_EQ(1, oci.run("insert into t2 (id, code) values (2, 'cd')")); // NAME 'x' again
    EXPECT_EQ(1400, oci.run("insert into t2 (id, name) values (3, 'y')"));
}

TEST_F(OciTest, CreateTableMistakesGetOraclesErrors) {
    const std::pair<const char *, int> cases[] = {
        {"create table t3 (a number, a number)", 957},
        {"create table t3 (a number, primary key (b))", 904},
        {"create table t3 a number", 906},
        {"create table t3 (a numbr)", 902},
        {"create table t3 (a number", 907},
        {"create table t3 (a varchar2)", 906},
        {"create table t3 (a number) x", 922},
        {"create table t3 (a number default ename)", 984},
        {"create table adams.t3 (a number)", 1031},
        {"create table (a number)", 903},
    };
    for (const auto &[sql, code] : cases)
        EXPECT_EQ(code, oci.run(sql)) << sql;
    EXPECT_EQ(942, oci.query("select * from t3").rc);
}

TEST_F(OciTest, DropFormsAndTheirMistakes) {
    ASSERT_EQ(0, oci.run("create table t4 (a number)"));
    EXPECT_EQ(0, oci.run("drop table t4 cascade constraints purge")) << oci.message(oci.cur.rc);
    EXPECT_EQ(0, oci.run("drop package body pk_orders")) << oci.message(oci.cur.rc);
    EXPECT_EQ(99, oci.cur.ft);
    expectRows(oci, {"select object_type from user_objects where object_name = 'PK_ORDERS'",
                     {{"PACKAGE"}}});
    const std::pair<const char *, int> cases[] = {
        {"drop index i", 1418},
        {"drop materialized view mv", 3001},
        {"drop", 950},
        {"drop procedure adams.calc_bonus", 1031},
        {"drop function get_name extra", 933},
        {"drop table", 903},
    };
    for (const auto &[sql, code] : cases)
        EXPECT_EQ(code, oci.run(sql)) << sql;
    expectRows(oci, {"select count(*) from user_objects where object_name = 'GET_NAME'", {{"1"}}});
}

// What SQLite refuses in DML comes back as the Oracle error for the same mistake.
TEST_F(OciTest, DmlMistakesGetOraclesErrors) {
    const std::pair<const char *, int> cases[] = {
        {"insert into dept values (10, 'X', 'Y')", 1},
        {"insert into emp (empno) values (1, 2)", 913},
        {"insert into emp (empno, ename) values (1)", 947},
        {"insert into emp (ename) values ('x')", 1400},
        {"update emp set ename = 'abcdefghijklmnop'", 12899},
        {"insert into emp (empno, sal) values (2, 123456.789)", 1438},
        {"insert into emp (empno, hiredate) values (3, 'garbage')", 1861},
        {"insert into emp (empno, sal) values (4, 'abc')", 1722},
        {"insert into emp (empno, nosuch) values (5, 1)", 904},
        {"insert emp values (1)", 925},
    };
    for (const auto &[sql, code] : cases) {
        EXPECT_EQ(code, oci.run(sql)) << sql << "\n" << oci.message(oci.cur.rc);
        EXPECT_EQ(0u, oci.message(code).rfind("ORA-", 0));
    }
    EXPECT_EQ(1400, oci.run("insert into emp (ename) values ('x')"));
    EXPECT_EQ("ORA-01400: cannot insert NULL into (\"SCOTT\".\"EMP\".\"EMPNO\")",
              oci.message(1400));
    expectRows(oci, {"select count(*) from emp", {{"3"}}});
}

} // namespace
} // namespace ocilite::test
