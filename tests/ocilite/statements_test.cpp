// The statements the program sends, exactly as it builds them, and the dialect around them.
#include "oci_client.h"

#include "ocilite/engine/database.h"

#include <algorithm>

namespace ocilite::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

std::vector<std::string> firstColumn(const Result &r) {
    std::vector<std::string> out;
    for (const auto &row : r.rows)
        out.push_back(row.at(0));
    return out;
}

const char *const kTypeQuery = "SELECT DISTINCT OBJECT_TYPE FROM USER_OBJECTS WHERE OBJECT_TYPE "
                               "IN('PACKAGE', 'PACKAGE BODY', 'PROCEDURE', 'FUNCTION')";

TEST_F(OciTest, TypeQueryOffersEachTypeOnce) {
    Result all = oci.query(kTypeQuery);
    ASSERT_EQ(0, all.rc) << oci.message(all.rc);
    auto types = firstColumn(all);
    std::sort(types.begin(), types.end());
    EXPECT_EQ((std::vector<std::string>{"FUNCTION", "PACKAGE", "PACKAGE BODY", "PROCEDURE"}),
              types);
    Result invalid = oci.query(std::string(kTypeQuery) + " AND STATUS = 'INVALID'");
    ASSERT_EQ(0, invalid.rc);
    EXPECT_EQ((std::vector<std::string>{"PACKAGE BODY"}), firstColumn(invalid));
    ASSERT_EQ(1u, invalid.columns.size());
    EXPECT_EQ("OBJECT_TYPE", invalid.columns[0].name);
}

TEST_F(OciTest, NameQueryLikeIsCaseSensitive) {
    struct Case {
        std::string tail;
        std::vector<std::string> names;
    } cases[] = {
        {"", {"PK_ORDERS"}},
        {" AND STATUS = 'INVALID'", {"PK_ORDERS"}},
        {" AND OBJECT_NAME LIKE 'PK%'", {"PK_ORDERS"}},
        {" AND OBJECT_NAME LIKE 'pk%'", {}},
        {" AND OBJECT_NAME LIKE '%ORD%'", {"PK_ORDERS"}},
        {" AND OBJECT_NAME LIKE 'PK_ORDER_'", {"PK_ORDERS"}},
        {" AND OBJECT_NAME LIKE 'PK_ORDERS'", {"PK_ORDERS"}},
        {" AND OBJECT_NAME LIKE '   '", {}},
        {" AND STATUS = 'INVALID' AND OBJECT_NAME LIKE 'PK%'", {"PK_ORDERS"}},
    };
    for (const Case &c : cases) {
        const std::string sql =
            "SELECT OBJECT_NAME FROM USER_OBJECTS WHERE OBJECT_TYPE = 'PACKAGE BODY'" + c.tail;
        Result r = oci.query(sql);
        ASSERT_EQ(0, r.rc) << sql << "\n" << oci.message(r.rc);
        EXPECT_EQ(c.names, firstColumn(r)) << sql;
    }
    Result none = oci.query("SELECT OBJECT_NAME FROM USER_OBJECTS WHERE OBJECT_TYPE = ''");
    EXPECT_EQ(0, none.rc);
    EXPECT_TRUE(none.rows.empty());
    Result quote = oci.query("SELECT OBJECT_NAME FROM USER_OBJECTS WHERE OBJECT_TYPE = "
                             "'PACKAGE BODY' AND OBJECT_NAME LIKE 'A'B'");
    EXPECT_NE(0, quote.rc);
}

std::string sourceQuery(const std::string &name, const std::string &type) {
    return "select USER_SOURCE.LINE, USER_SOURCE.TEXT SOURCE_TEXT,USER_ERRORS.SEQUENCE, "
           "USER_ERRORS.POSITION, USER_ERRORS.TEXT ERROR_MESSAGE from USER_SOURCE, USER_ERRORS "
           "where USER_SOURCE.NAME = USER_ERRORS.NAME(+) AND USER_SOURCE.TYPE = "
           "USER_ERRORS.TYPE(+) AND USER_SOURCE.LINE = USER_ERRORS.LINE(+) AND "
           "USER_SOURCE.NAME = '" +
           name + "' AND USER_SOURCE.TYPE = '" + type + "' order by LINE";
}

TEST_F(OciTest, SourceQueryJoinsErrorsToTheirLines) {
    Result r = oci.query(sourceQuery("PK_ORDERS", "PACKAGE BODY"));
    ASSERT_EQ(0, r.rc) << oci.message(r.rc);
    ASSERT_EQ(5u, r.columns.size());
    const char *names[] = {"LINE", "SOURCE_TEXT", "SEQUENCE", "POSITION", "ERROR_MESSAGE"};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(names[i], r.columns[i].name);
    const Rows expected = {
        {"1", "PACKAGE BODY pk_orders AS\n", "", "", ""},
        {"2", "  PROCEDURE ship(p_id NUMBER) IS\n", "", "", ""},
        {"3", "  BEGIN\n", "", "", ""},
        {"4", "    UPDATE orders SET x = 1;\n", "1", "5", "PL/SQL: SQL Statement ignored"},
        {"4", "    UPDATE orders SET x = 1;\n", "2", "12",
         "PL/SQL: ORA-00942: table or view does not exist"},
        {"5", "  END ship;\n", "3", "3",
         "PLS-00103: Encountered the symbol \"END\" when expecting one of the following:\n\n   ;"},
        {"6", "END pk_orders;\n", "", "", ""},
    };
    EXPECT_EQ(expected, r.rows);
    EXPECT_EQ(7u, r.rpc);
}

TEST_F(OciTest, SourceQueryOfAUnitWithoutErrorsListsEveryLine) {
    Result r = oci.query(sourceQuery("CALC_BONUS", "PROCEDURE"));
    ASSERT_EQ(0, r.rc) << oci.message(r.rc);
    const Rows expected = {{"1", "PROCEDURE calc_bonus IS\n", "", "", ""},
                           {"2", "BEGIN\n", "", "", ""},
                           {"3", "  NULL;\n", "", "", ""},
                           {"4", "END;\n", "", "", ""}};
    EXPECT_EQ(expected, r.rows);
    Result missing = oci.query(sourceQuery("NO_SUCH", "PROCEDURE"));
    EXPECT_EQ(0, missing.rc);
    EXPECT_TRUE(missing.rows.empty());
    EXPECT_EQ(5u, missing.columns.size());
}

TEST_F(OciTest, OuterJoinMistakesGetOraclesErrors) {
    const std::pair<const char *, int> cases[] = {
        {"select e.ename from emp e, dept d where e.deptno(+) = d.deptno(+)", 1468},
        {"select e.ename from emp e, dept d where e.deptno = d.deptno(+) or e.sal > 1", 1719},
        {"select e.ename(+) from emp e, dept d where e.deptno = d.deptno", 30563},
        {"select e.ename from emp e, dept d, dept d2 where e.deptno = d.deptno(+) and "
         "d2.deptno = d.deptno(+)",
         1417},
    };
    for (const auto &[sql, rc] : cases)
        EXPECT_EQ(rc, oci.query(sql).rc) << sql;
    Result kept = oci.query("select d.dname, e.ename from dept d, emp e where d.deptno = "
                            "e.deptno(+) order by d.deptno");
    ASSERT_EQ(0, kept.rc) << oci.message(kept.rc);
    const Rows expected = {{"ACCOUNTING", "KING"}, {"RESEARCH", "SMITH"}, {"OPERATIONS", ""}};
    EXPECT_EQ(expected, kept.rows);
}

TEST_F(OciTest, ColumnTypeLookupQuery) {
    Result r = oci.query("SELECT COLUMN_NAME, DATA_TYPE from user_tab_columns WHERE TABLE_NAME = "
                         "'EMP'");
    ASSERT_EQ(0, r.rc);
    const Rows expected = {{"EMPNO", "NUMBER"},  {"ENAME", "VARCHAR2"}, {"JOB", "VARCHAR2"},
                           {"HIREDATE", "DATE"}, {"SAL", "NUMBER"},     {"COMM", "NUMBER"},
                           {"DEPTNO", "NUMBER"}};
    EXPECT_EQ(expected, r.rows);
    EXPECT_TRUE(oci.query("SELECT COLUMN_NAME, DATA_TYPE from user_tab_columns WHERE "
                          "TABLE_NAME = 'NOPE'")
                    .rows.empty());
}

TEST_F(OciTest, InsertAsTheCursorBuildsIt) {
    Result table = oci.query("select * from EMP");
    ASSERT_EQ(0, table.rc);
    ASSERT_EQ(7u, table.columns.size());
    ASSERT_EQ(0, oci.run("INSERT INTO EMP(EMPNO,ENAME,HIREDATE)VALUES(:1,:2,TO_DATE(:3, "
                         "'yyyy-mm-dd hh24:mi:ss'))",
                         {"7900", "JAMES", "1981-12-03 10:20:30"}))
        << oci.message(oci.cur.rc);
    EXPECT_EQ(3, oci.cur.ft);
    EXPECT_EQ(1u, oci.cur.rpc);
    Result r = oci.query("select ename, to_char(hiredate, 'YYYY-MM-DD HH24:MI:SS'), hiredate "
                         "from emp where empno = 7900");
    ASSERT_EQ(0, r.rc) << oci.message(r.rc);
    EXPECT_EQ((Rows{{"JAMES", "1981-12-03 10:20:30", "03-DEC-81"}}), r.rows);
    // A value the column cannot take: Oracle's conversion errors.
    EXPECT_EQ(1722, oci.run("INSERT INTO EMP(EMPNO)VALUES(:1)", {"abc"}));
    EXPECT_EQ(1858, oci.run("INSERT INTO EMP(EMPNO,HIREDATE)VALUES(:1,TO_DATE(:2, 'yyyy-mm-dd "
                            "hh24:mi:ss'))",
                            {"1", "1981/12/xx"}));
    EXPECT_EQ(1400, oci.run("INSERT INTO EMP(ENAME)VALUES(:1)", {"NOBODY"}));
    EXPECT_EQ(12899, oci.run("INSERT INTO EMP(EMPNO,ENAME)VALUES(:1,:2)", {"2", "ABCDEFGHIJK"}));
    EXPECT_EQ(904, oci.run("INSERT INTO EMP(NOPE)VALUES(:1)", {"1"}));
}

TEST_F(OciTest, DmlCountsRowsProcessed) {
    struct Case {
        const char *sql;
        int ft;
        unsigned rpc;
    } cases[] = {
        {"UPDATE EMP SET SAL = SAL + 1", 5, 3},
        {"update emp set comm = 0 where deptno = 20", 5, 1},
        {"DELETE FROM EMP WHERE SAL > 4000", 9, 1},
        {"delete emp where ename = 'nobody'", 9, 0},
        {"INSERT INTO DEPT (DEPTNO, DNAME) SELECT DEPTNO + 1, DNAME FROM DEPT", 3, 3},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(0, oci.run(c.sql)) << c.sql << "\n" << oci.message(oci.cur.rc);
        EXPECT_EQ(c.ft, oci.cur.ft) << c.sql;
        EXPECT_EQ(c.rpc, oci.cur.rpc) << c.sql;
    }
}

TEST_F(OciTest, GeneralSelects) {
    struct Case {
        const char *sql;
        Rows rows;
    } cases[] = {
        {"select ename from emp where deptno in (10, 20) order by ename", {{"KING"}, {"SMITH"}}},
        {"select distinct job from emp where job <> 'CLERK' order by 1",
         {{"PRESIDENT"}, {"SALESMAN"}}},
        {"select nvl(comm, -1), upper('x''y'), 'a(+)b--c' from emp where empno = 7369",
         {{"-1", "X'Y", "a(+)b--c"}}},
        {"select count(*) from emp where comm = ''", {{"0"}}},
        // '' is NULL, as in Oracle.
        {"select nvl('', 'x'), nvl('a', 'x'), 'a' || '' || 'b' from dual", {{"x", "a", "ab"}}},
        {"select count(*) from dual where '' is null", {{"1"}}},
        {"select count(*) from emp where comm is null", {{"2"}}},
        {"select e.ename, d.loc from emp e, dept d where e.deptno = d.deptno and d.loc = "
         "'DALLAS'",
         {{"SMITH", "DALLAS"}}},
        {"select \"ENAME\" from \"EMP\" where \"EMPNO\" = 7839", {{"KING"}}},
        {"select ename from emp where hiredate > to_date('1981-01-01', 'YYYY-MM-DD') order by "
         "hiredate desc",
         {{"KING"}, {"ALLEN"}}},
        {"select to_char(sal, 'FM9,999.00') from emp where empno = 7839", {{"5,000.00"}}},
        {"select count(*) from dual where sysdate > to_date('2000-01-01', 'YYYY-MM-DD')", {{"1"}}},
        {"select substr('ABCDEF', 2, 3), instr('ABCABC', 'C', 1, 2), length('abc') from dual",
         {{"BCD", "6", "3"}}},
        {"select decode(deptno, 10, 'TEN', 'OTHER') from emp where empno in (7839, 7369) order "
         "by empno",
         {{"OTHER"}, {"TEN"}}},
        {"select ename from emp where ename like 'K%' minus select ename from emp where sal < 1",
         {{"KING"}}},
        {"select e.ename from emp e where e.deptno = (select d.deptno from dept d where d.loc = "
         "'NEW YORK')",
         {{"KING"}}},
    };
    for (const Case &c : cases) {
        Result r = oci.query(c.sql);
        ASSERT_EQ(0, r.rc) << c.sql << "\n" << oci.message(r.rc);
        EXPECT_EQ(c.rows, r.rows) << c.sql;
    }
}

TEST_F(OciTest, OrderByANameBothTablesHaveFollowsTheSelectList) {
    Result r = oci.query("select e.deptno, e.ename from emp e, dept d where e.deptno = d.deptno "
                         "order by deptno");
    ASSERT_EQ(0, r.rc) << oci.message(r.rc);
    EXPECT_EQ((Rows{{"10", "KING"}, {"20", "SMITH"}}), r.rows);
    EXPECT_EQ(918, oci.query("select ename from emp e, dept d where e.deptno = d.deptno and "
                             "deptno = 10")
                       .rc);
}

TEST_F(OciTest, TablesAndUnitsThroughTheInterface) {
    ASSERT_EQ(0, oci.run("create table t (a varchar2(5), b number(5,2) not null, c date, "
                         "d char(3), primary key (a))"));
    EXPECT_EQ(1, oci.cur.ft);
    EXPECT_EQ(955, oci.run("CREATE TABLE T (X NUMBER)"));
    Result cols = oci.query("SELECT COLUMN_NAME, DATA_TYPE, DATA_LENGTH, DATA_PRECISION, "
                            "DATA_SCALE, NULLABLE, COLUMN_ID FROM USER_TAB_COLUMNS WHERE "
                            "TABLE_NAME = 'T'");
    ASSERT_EQ(0, cols.rc);
    const Rows expected = {{"A", "VARCHAR2", "5", "", "", "N", "1"},
                           {"B", "NUMBER", "22", "5", "2", "N", "2"},
                           {"C", "DATE", "7", "", "", "Y", "3"},
                           {"D", "CHAR", "3", "", "", "Y", "4"}};
    EXPECT_EQ(expected, cols.rows);
    Result objects = oci.query("SELECT OBJECT_TYPE, STATUS FROM USER_OBJECTS WHERE OBJECT_NAME "
                               "= 'T'");
    EXPECT_EQ((Rows{{"TABLE", "VALID"}}), objects.rows);
    ASSERT_EQ(0, oci.run("drop table t"));
    EXPECT_EQ(8, oci.cur.ft);
    EXPECT_EQ(942, oci.query("select * from t").rc);
    EXPECT_EQ(942, oci.run("drop table t"));

    const std::string unit = "CREATE OR REPLACE PACKAGE BODY pk_orders AS\n"
                             "  -- 説明; with semicolons\n"
                             "  x NUMBER := 1;\n"
                             "END pk_orders;";
    ASSERT_EQ(0, oci.run("CREATE OR REPLACE PACKAGE pk_orders AS\n  x NUMBER;\nEND;"));
    ASSERT_EQ(0, oci.run(unit)) << oci.message(oci.cur.rc);
    EXPECT_EQ(97, oci.cur.ft);
    Result source = oci.query(sourceQuery("PK_ORDERS", "PACKAGE BODY"));
    ASSERT_EQ(0, source.rc);
    const Rows lines = {{"1", "PACKAGE BODY pk_orders AS\n", "", "", ""},
                        {"2", "  -- 説明; with semicolons\n", "", "", ""},
                        {"3", "  x NUMBER := 1;\n", "", "", ""},
                        {"4", "END pk_orders;\n", "", "", ""}};
    EXPECT_EQ(lines, source.rows);
    Result status = oci.query("SELECT STATUS FROM USER_OBJECTS WHERE OBJECT_NAME = 'PK_ORDERS' "
                              "AND OBJECT_TYPE = 'PACKAGE BODY'");
    EXPECT_EQ((Rows{{"VALID"}}), status.rows);
    EXPECT_EQ(955, oci.run("CREATE PROCEDURE calc_bonus IS BEGIN NULL; END;"));
    ASSERT_EQ(0, oci.run("DROP PACKAGE pk_orders"));
    EXPECT_TRUE(oci.query("SELECT OBJECT_NAME FROM USER_OBJECTS WHERE OBJECT_NAME = "
                          "'PK_ORDERS'")
                    .rows.empty());
    EXPECT_EQ(4043, oci.run("DROP PROCEDURE no_such"));
}

TEST_F(OciTest, SchemasSeeOnlyTheirOwnObjects) {
    {
        std::string error;
        auto db = Database::open(dbPath, false, error);
        ASSERT_TRUE(db) << error;
        ASSERT_TRUE(db->addUser("ADAMS", "secret", error)) << error;
        ASSERT_TRUE(db->execute("ADAMS", "CREATE TABLE EMP (X VARCHAR2(1))", error)) << error;
    }
    Oci adams;
    ASSERT_EQ(0, adams.logon("adams", "secret", dbPath));
    EXPECT_EQ(0u, adams.query("select * from emp").rows.size());
    EXPECT_TRUE(adams.query(kTypeQuery).rows.empty());
    EXPECT_EQ(942, adams.query("select * from dept").rc);
    EXPECT_EQ(942, adams.query("select * from scott.emp").rc);
    EXPECT_EQ(3u, oci.query("select * from emp").rows.size());
}

} // namespace
} // namespace ocilite::test

namespace ocilite::test {
namespace {

TEST_F(OciTest, ConcatenationTreatsNullAsEmpty) {
    Result r = oci.query("select ename || ' ' || comm, 'a' || null || upper('b'), "
                         "e.ename||e.job from emp e where empno = 7369");
    ASSERT_EQ(0, r.rc) << oci.message(r.rc);
    EXPECT_EQ((std::vector<std::string>{"SMITH ", "aB", "SMITHCLERK"}), r.rows.at(0));
    EXPECT_EQ("ENAME||' '||COMM", r.columns.at(0).name);
    EXPECT_EQ(1, r.columns.at(0).dbtype);
}

// In Oracle || ranks with + and - (left to right) and below * and /, where SQLite ranks it
// above them all: each operand keeps Oracle's reading.
TEST_F(OciTest, ConcatenationRanksWithPlusAndMinus) {
    const std::pair<const char *, const char *> cases[] = {
        {"'a' || 1/4", "a.25"},
        {"'x' || 2*3", "x6"},
        {"1 + 2 || 3", "33"},
        {"2 * 3 || 4", "64"},
        {"'1' || 2 + 3", "15"},
        {"'a' || -1", "a-1"},
        {"- 1 || 'a'", "-1a"},
        {"1 || 2 + 3 || 4", "154"},
        {"10 - 2 || 'x' || 3 * 2", "8x6"},
        {"(1 + 2) || 3", "33"},
        {"substr('abc', 1 + 1) || 2 * 2", "bc4"},
        {"sal / 100 || '%'", "8%"},
        {"'n' || nvl(comm, 0) * 2", "n0"},
        {"e.sal - -e.sal || e.ename", "1600SMITH"},
        {"distinct - 1 || 'a'", "-1a"},
        {"case when 1 = 1 then 'c' end || 5 * 5", "c25"},
    };
    for (const auto &[expression, value] : cases) {
        const std::string sql =
            std::string("select ") + expression + " from emp e where empno = 7369";
        const Result r = oci.query(sql);
        ASSERT_EQ(0, r.rc) << sql << ": " << oci.message(r.rc);
        EXPECT_EQ(value, r.rows.at(0).at(0)) << sql;
    }
    EXPECT_EQ(Rows{{"3"}}, oci.rows("select count(*) from emp where 'A' || 1 * 2 = 'A2' and "
                                    "1 + 1 || 0 = '20'"));
}

} // namespace
} // namespace ocilite::test

namespace ocilite::test {
namespace {

TEST_F(OciTest, DateArithmeticCountsDays) {
    Result r = oci.query("select hiredate + 1, hiredate - 17, to_char(hiredate + 1.5, "
                         "'YYYY-MM-DD HH24:MI'), to_date('2024-03-01', 'YYYY-MM-DD') - "
                         "to_date('2024-02-01', 'YYYY-MM-DD'), sal - 1, 2 + hiredate from emp "
                         "where empno = 7369");
    ASSERT_EQ(0, r.rc) << oci.message(r.rc);
    EXPECT_EQ((std::vector<std::string>{"18-DEC-80", "30-NOV-80", "1980-12-18 12:00", "29", "799",
                                        "19-DEC-80"}),
              r.rows.at(0));
    EXPECT_EQ(12, r.columns.at(0).dbtype);
    EXPECT_EQ(2, r.columns.at(3).dbtype);
    Result recent = oci.query("select count(*) from emp where hiredate > sysdate - 365 * 30");
    ASSERT_EQ(0, recent.rc) << oci.message(recent.rc);
}

} // namespace
} // namespace ocilite::test
