// The checks Oracle makes of lists in a query: at most 1000 expressions in an IN list, ORDER BY
// positions within the select list, and a grouped query's select list made of grouped columns
// and aggregates; GROUP BY 1 groups by the constant, never by a position.
#include "oci_client.h"

#include <string>

namespace ocilite::test {
namespace {

std::string inList(int count) {
    std::string list;
    for (int i = 0; i < count; ++i)
        list += (i ? "," : "") + std::to_string(7000 + i);
    return list;
}

TEST_F(OciTest, QueriesOracleRefusesAreRefusedWithItsError) {
    const std::pair<std::string, const char *> cases[] = {
        {"select count(*) from emp where empno in (" + inList(1001) + ")",
         "ORA-01795: maximum number of expressions in a list is 1000"},
        {"select count(*) from emp where empno not in (" + inList(1200) + ")",
         "ORA-01795: maximum number of expressions in a list is 1000"},
        {"select * from emp order by 99",
         "ORA-01785: ORDER BY item must be the number of a SELECT-list expression"},
        {"select ename, sal from emp order by 3",
         "ORA-01785: ORDER BY item must be the number of a SELECT-list expression"},
        {"select ename from emp order by 0",
         "ORA-01785: ORDER BY item must be the number of a SELECT-list expression"},
        {"select * from emp group by 1", "ORA-00979: not a GROUP BY expression"},
        {"select deptno, count(*) from emp group by 1", "ORA-00979: not a GROUP BY expression"},
        {"select job, ename from emp group by job", "ORA-00979: not a GROUP BY expression"},
        {"select e.job, upper(e.ename) from emp e group by e.job",
         "ORA-00979: not a GROUP BY expression"},
        {"select d.*, count(*) from emp e, dept d where e.deptno = d.deptno "
         "group by d.deptno, d.dname",
         "ORA-00979: not a GROUP BY expression"},
    };
    for (const auto &[sql, message] : cases) {
        const Result r = oci.query(sql);
        EXPECT_EQ(message, oci.message(r.rc).substr(0, std::string(message).size()))
            << sql.substr(0, 120);
    }
    // Inside a list within a list, and in DML, the limit holds the same.
    EXPECT_EQ(1795, oci.query("update emp set sal = sal where empno in (" + inList(1001) + ")").rc);
}

TEST_F(OciTest, ListsAndGroupsOracleAllowsAreAnswered) {
    const struct {
        std::string sql;
        Rows rows;
    } cases[] = {
        {"select count(*) from emp where empno in (" + inList(1000) + ")", {{"3"}}},
        {"select count(*) from emp where empno in (select empno from emp where deptno in (" +
             inList(999) + ", 10))",
         {{"1"}}},
        {"select count(*) from emp group by 1", {{"3"}}},
        {"select count(*), 1 from emp group by 1, 2", {{"3", "1"}}},
        {"select e.deptno, count(*) from emp e group by e.deptno, 1 order by 1",
         {{"10", "1"}, {"20", "1"}, {"30", "1"}}},
        {"select e.deptno, max(sal) m from emp e group by deptno order by 2 desc",
         {{"10", "5000"}, {"30", "1600"}, {"20", "800"}}},
        {"select job, deptno + 1, sum(sal) from emp group by job, deptno + 1 "
         "having sum(sal) > 1000 order by 1",
         {{"PRESIDENT", "11", "5000"}, {"SALESMAN", "31", "1600"}}},
        {"select d.*, count(*) from emp e, dept d where e.deptno = d.deptno "
         "group by d.deptno, d.dname, d.loc order by 1",
         {{"10", "ACCOUNTING", "NEW YORK", "1"}, {"20", "RESEARCH", "DALLAS", "1"}}},
        {"select lower(job) j, (select count(*) from dept where deptno = 10) c from emp "
         "group by job order by 1",
         {{"clerk", "1"}, {"president", "1"}, {"salesman", "1"}}},
    };
    for (const auto &c : cases) {
        const Result r = oci.query(c.sql);
        EXPECT_EQ(0, r.rc) << c.sql.substr(0, 120) << "\n" << oci.message(r.rc);
        EXPECT_EQ(c.rows, r.rows) << c.sql.substr(0, 120);
    }
}

} // namespace
} // namespace ocilite::test
