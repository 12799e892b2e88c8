// ROWNUM as queries use it (top-N, paging, "is there a row"), and LISTAGG's ordered lists; the
// forms the embedded database does not carry are refused with ORA-03001, not answered wrongly.
#include "oci_client.h"

#include <string>

namespace ocilite::test {
namespace {

struct QueryCase {
    const char *sql;
    Rows rows;
};

void expectRows(Oci &oci, const QueryCase *begin, const QueryCase *end) {
    for (const QueryCase *c = begin; c != end; ++c) {
        const Result r = oci.query(c->sql);
        EXPECT_EQ(0, r.rc) << c->sql << "\n" << oci.message(r.rc);
        EXPECT_EQ(c->rows, r.rows) << c->sql;
    }
}

TEST_F(OciTest, RownumKeepsTheFirstRowsABlockProduces) {
    const QueryCase cases[] = {
        {"select ename from (select ename from emp order by sal desc) where rownum <= 2",
         {{"KING"}, {"ALLEN"}}},
        {"select ename from (select ename from emp order by sal) where rownum < 2", {{"SMITH"}}},
        {"select ename from (select ename from emp order by ename) where 2 >= rownum",
         {{"ALLEN"}, {"KING"}}},
        {"select count(*) from (select 1 from emp where rownum < 2.5)", {{"2"}}},
        {"select count(*) from (select 1 from emp where rownum = 1)", {{"1"}}},
        {"select count(*) from (select 1 from emp where rownum = 2)", {{"0"}}},
        {"select count(*) from (select 1 from emp where rownum <= 0)", {{"0"}}},
        {"select count(*) from (select 1 from emp where rownum <= null)", {{"0"}}},
        {"select count(*) from (select 1 from emp where sal > 900 and rownum <= 5)", {{"2"}}},
        {"select count(*) from (select 1 from emp where rownum <= 5 and rownum < 3)", {{"2"}}},
        {"select count(*) from (select 1 from emp where sal between 1 and 9000 and rownum = 1)",
         {{"1"}}},
        // ROWNUM in the select list numbers the rows as they come.
        {"select rownum, ename from (select ename from emp order by ename desc)",
         {{"1", "SMITH"}, {"2", "KING"}, {"3", "ALLEN"}}},
        // Paging: rows 2 and 3 of the ordered list.
        {"select ename, rn from (select a.*, rownum rn from (select ename from emp order by "
         "ename) a where rownum <= 3) where rn >= 2",
         {{"KING", "2"}, {"SMITH", "3"}}},
        // A grouped block counts the rows ROWNUM admits.
        {"select count(*) from emp where rownum = 1", {{"1"}}},
        {"select count(*), max(e.sal) from emp e where e.deptno > 10 and rownum <= 1",
         {{"1", "800"}}},
        {"select count(*) from emp where rownum <= 2 and ename like '%'", {{"2"}}},
    };
    expectRows(oci, std::begin(cases), std::end(cases));
}

TEST_F(OciTest, RownumFormsNotCarriedAreRefused) {
    const char *const cases[] = {
        "select ename from emp where rownum > 1",
        "select ename from emp where rownum <= 2 or deptno = 10",
        "select ename from emp where deptno = rownum",
        "select count(*) from emp e, dept d where e.deptno = d.deptno and rownum <= 2",
        "select ename from emp where rownum <= 1 union all select ename from emp",
        "update emp set sal = sal where rownum <= 1",
    };
    for (const char *sql : cases) {
        const Result r = oci.query(sql);
        EXPECT_EQ(3001, r.rc) << sql;
        EXPECT_NE(std::string::npos, oci.message(r.rc).find("ROWNUM")) << sql;
    }
    for (const char *sql : {"select ename, level from emp start with deptno = 10 connect by "
                            "prior empno = deptno",
                            "select ename from emp connect by empno = deptno"}) {
        const Result r = oci.query(sql);
        EXPECT_EQ(3001, r.rc) << sql;
        EXPECT_NE(std::string::npos, oci.message(r.rc).find("CONNECT BY")) << sql;
    }
}

TEST_F(OciTest, ListaggJoinsTheGroupsValuesInItsOrder) {
    const QueryCase cases[] = {
        {"select listagg(ename, ',') within group (order by ename) from emp",
         {{"ALLEN,KING,SMITH"}}},
        {"select listagg(ename, '; ') within group (order by sal desc) from emp",
         {{"KING; ALLEN; SMITH"}}},
        {"select deptno, listagg(job, '+') within group (order by job) from emp "
         "group by deptno order by deptno",
         {{"10", "PRESIDENT"}, {"20", "CLERK"}, {"30", "SALESMAN"}}},
        {"select listagg(sal) within group (order by sal) from emp", {{"80016005000"}}},
        // NULL values are left out; NULL keys go last ascending, first descending.
        {"select listagg(comm, ',') within group (order by comm) from emp", {{"300"}}},
        {"select listagg(ename, ',') within group (order by comm) from emp",
         {{"ALLEN,SMITH,KING"}}},
        {"select listagg(ename, ',') within group (order by comm desc, ename) from emp",
         {{"KING,SMITH,ALLEN"}}},
        {"select listagg(ename, ',') within group (order by comm nulls first, ename desc) "
         "from emp",
         {{"SMITH,KING,ALLEN"}}},
        {"select listagg(to_char(hiredate, 'YYYY'), ',') within group (order by hiredate) "
         "from emp",
         {{"1980,1981,1981"}}},
        {"select listagg(distinct to_char(hiredate, 'YYYY'), ',') within group (order by 1) "
         "from emp",
         {{"1980,1981"}}},
        {"select nvl(listagg(ename, ',') within group (order by ename), 'none') from emp "
         "where deptno = 99",
         {{"none"}}},
    };
    expectRows(oci, std::begin(cases), std::end(cases));
    EXPECT_EQ(1489, oci.query("select listagg(rpad('x', 1500, 'x'), ',') within group (order by "
                              "ename) from emp")
                        .rc);
    EXPECT_EQ(3001, oci.query("select listagg(ename, ',') within group (order by ename) over "
                              "(partition by deptno) from emp")
                        .rc);
    EXPECT_EQ(909, oci.query("select listagg() within group (order by ename) from emp").rc);
}

} // namespace
} // namespace ocilite::test
