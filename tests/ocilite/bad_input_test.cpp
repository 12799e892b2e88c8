// Bad statements: a clear Oracle error every time, never a crash, and the cursor still works.
#include "oci_client.h"

namespace ocilite::test {
namespace {

TEST_F(OciTest, BadStatementsGetClearErrors) {
    const std::pair<std::string, int> cases[] = {
        {"", 900},
        {"   ", 900},
        {"garbage in", 900},
        {"SELECT", 936},
        {"SELECT 1", 923},
        {"SELECT * FROM", 903},
        {"SELECT * FROM EMP WHERE", 936},
        {"select 1 from dual; select 2 from dual", 911},
        {"select 1 from dual;", 911},
        {"select * from emp select * from dept", 933},
        {"select 'abc from dual", 1756},
        {"select \"abc from dual", 1740},
        {"select \"\" from dual", 1741},
        {"select ename from emp where sal > (1", 907},
        {"select ename from emp where sal > 1)", 933},
        {"select ename from emp where ename = 'x' ?", 911},
        {"select \xff\xfe from dual", 29275},
        {"select 'caf\xc3' from dual", 29275},
        {"BEGIN NULL END;", 6550},
        {"declare x number; begin x := 'abc'; end;", 6502},
        {"declare type t is table of number; begin null; end;", 3001},
        {"select ename from emp where rownum > 1", 3001},
        {"select nosuch from emp", 904},
        {"select * from nosuch", 942},
        {"select to_date('31-02-2024', 'DD-MM-YYYY') from dual", 1847},
        {"select to_date('2024-01-01 extra', 'YYYY-MM-DD') from dual", 1830},
        {"select to_date('2024x01', 'YYYY-MM-DD') from dual", 1861},
        {"select to_number('12a') from dual", 1722},
        {"create table bad (x varchar2)", 906},
        {"create table bad (x number, x number)", 957},
        {"drop view v", 942},
    };
    for (const auto &[sql, rc] : cases) {
        Result r = oci.query(sql);
        EXPECT_EQ(rc, r.rc) << sql << "\n" << oci.message(r.rc);
        const std::string text = oci.message(r.rc);
        EXPECT_EQ(0u, text.rfind("ORA-", 0)) << text;
        EXPECT_NE(0, oci.cur.fc) << sql;
    }
    EXPECT_EQ(0, oci.query("select * from dual").rc);
}

TEST_F(OciTest, HugeStatements) {
    std::string big = "select ename from emp where ename in ('X'";
    while (big.size() < (1u << 20))
        big += ", 'ABCDEFGHIJ'";
    big += ")";
    Result r = oci.query(big);
    EXPECT_EQ(1795, r.rc) << oci.message(r.rc); // more than a list may hold
    big = "select ename from emp where ename in ('X'";
    for (int i = 1; big.size() < (1u << 20); ++i)
        big += i % 1000 == 0 ? ") or ename in ('ABCDEFGHIJ'" : ", 'ABCDEFGHIJ'";
    big += ")";
    r = oci.query(big);
    EXPECT_EQ(0, r.rc) << oci.message(r.rc);
    EXPECT_TRUE(r.rows.empty());
    std::string literal = "select '" + std::string(1u << 20, 'x') + "' from dual";
    EXPECT_EQ(1704, oci.query(literal).rc);
    std::string garbage(1u << 20, '(');
    EXPECT_NE(0, oci.query(garbage).rc);
    std::string comment = "select 1 from dual /* " + std::string(1u << 20, '*');
    EXPECT_EQ(0, oci.query(comment).rc);
}

TEST_F(OciTest, CallsOutOfOrder) {
    Cda_Def fresh{};
    ASSERT_EQ(0, oopen(&fresh, &oci.lda, nullptr, -1, -1, nullptr, -1));
    EXPECT_NE(0, oexec(&fresh));
    EXPECT_EQ(1003, fresh.rc);
    EXPECT_NE(0, odefin(&fresh, 1, nullptr, 0, 5, -1, nullptr, nullptr, -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, oparse(&fresh, (OraText *)"select * from dual", -1, 0, 1));
    EXPECT_NE(0, ofetch(&fresh));
    EXPECT_EQ(1002, fresh.rc);
    char buf[4];
    EXPECT_NE(0, odefin(&fresh, 2, (ub1 *)buf, sizeof buf, 5, -1, nullptr, nullptr, -1, -1, nullptr,
                        nullptr));
    EXPECT_EQ(1007, fresh.rc);
    EXPECT_NE(0, odefin(&fresh, 1, (ub1 *)buf, sizeof buf, 10, -1, nullptr, nullptr, -1, -1,
                        nullptr, nullptr));
    EXPECT_EQ(932, fresh.rc);
    ASSERT_EQ(0, oparse(&fresh, (OraText *)"update emp set sal = sal", -1, 0, 1));
    EXPECT_NE(0, odescr(&fresh, 1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr));
    EXPECT_EQ(1007, fresh.rc);
    EXPECT_NE(0, obndra(&fresh, (OraText *)":X", -1, nullptr, 0, 5, -1, nullptr, nullptr, nullptr,
                        10, nullptr, nullptr, -1, -1));
    EXPECT_EQ(1036, fresh.rc);
    // odessp takes a logon area; a cursor area holds none.
    EXPECT_NE(0, odessp(&fresh, (OraText *)"P", 1, nullptr, 0, nullptr, 0, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(1012, fresh.rc);
    EXPECT_NE(0, ogetpi(&fresh, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(1010, fresh.rc);
    EXPECT_EQ(0, oclose(&fresh));
    EXPECT_NE(0, oclose(&fresh));
    EXPECT_EQ(1001, fresh.rc);
}

TEST_F(OciTest, MessagesComeFromOneTableAndFitTheBuffer) {
    const std::pair<int, const char *> cases[] = {
        {900, "ORA-00900: invalid SQL statement"},
        {904, "ORA-00904: invalid identifier"},
        {911, "ORA-00911: invalid character"},
        {918, "ORA-00918: column ambiguously defined"},
        {923, "ORA-00923: FROM keyword not found where expected"},
        {933, "ORA-00933: SQL command not properly ended"},
        {936, "ORA-00936: missing expression"},
        {942, "ORA-00942: table or view does not exist"},
        {1001, "ORA-01001: invalid cursor"},
        {1007, "ORA-01007: variable not in select list"},
        {1012, "ORA-01012: not logged on"},
        {1017, "ORA-01017: invalid username/password; logon denied"},
        {1403, "ORA-01403: no data found"},
        {1405, "ORA-01405: fetched column value is NULL"},
        {1406, "ORA-01406: fetched column value was truncated"},
        {1722, "ORA-01722: invalid number"},
        {1830, "ORA-01830: date format picture ends before converting entire input string"},
        {1861, "ORA-01861: literal does not match format string"},
        {12154, "ORA-12154: TNS:could not resolve service name"},
    };
    for (const auto &[code, text] : cases)
        EXPECT_EQ(text, oci.message(code));
    // The last error on the logon keeps its detail.
    EXPECT_EQ(904, oci.query("select nosuch from emp").rc);
    EXPECT_EQ("ORA-00904: \"NOSUCH\": invalid identifier", oci.message(904));
    char small[8];
    EXPECT_EQ(7, oerhms(&oci.lda, 942, (OraText *)small, sizeof small));
    EXPECT_STREQ("ORA-009", small);
}

} // namespace
} // namespace ocilite::test

namespace ocilite::test {
namespace {

// Mangled versions of the statements the program sends: every one either runs or fails
// with an Oracle error, and the cursor keeps working.
TEST_F(OciTest, MangledStatementsNeverCrash) {
    const std::string seeds[] = {
        "select USER_SOURCE.LINE, USER_SOURCE.TEXT SOURCE_TEXT,USER_ERRORS.SEQUENCE, "
        "USER_ERRORS.POSITION, USER_ERRORS.TEXT ERROR_MESSAGE from USER_SOURCE, USER_ERRORS "
        "where USER_SOURCE.NAME = USER_ERRORS.NAME(+) AND USER_SOURCE.TYPE = USER_ERRORS.TYPE(+) "
        "AND USER_SOURCE.LINE = USER_ERRORS.LINE(+) AND USER_SOURCE.NAME = 'PK_ORDERS' AND "
        "USER_SOURCE.TYPE = 'PACKAGE BODY' order by LINE",
        "SELECT DISTINCT OBJECT_TYPE FROM USER_OBJECTS WHERE OBJECT_TYPE IN('PACKAGE', 'PACKAGE "
        "BODY', 'PROCEDURE', 'FUNCTION') AND STATUS = 'INVALID'",
        "INSERT INTO EMP(EMPNO,HIREDATE)VALUES(:1,TO_DATE(:2, 'yyyy-mm-dd hh24:mi:ss'))",
        "CREATE TABLE X (A VARCHAR2(10) NOT NULL, B NUMBER(5,2) DEFAULT 0, PRIMARY KEY (A))",
    };
    const char pieces[] = "(),.'\":+-*/|;=<> \n\tAZaz09%_\x80\xff";
    unsigned seed = 12345;
    auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) & 0xffff;
    };
    for (int round = 0; round < 4000; ++round) {
        std::string sql = seeds[round % std::size(seeds)];
        const int edits = 1 + static_cast<int>(next() % 4);
        for (int e = 0; e < edits && !sql.empty(); ++e) {
            const size_t at = next() % sql.size();
            switch (next() % 3) {
            case 0:
                sql.erase(at, 1 + next() % 8);
                break;
            case 1:
                sql.insert(at, 1, pieces[next() % (sizeof pieces - 1)]);
                break;
            default:
                sql[at] = pieces[next() % (sizeof pieces - 1)];
            }
        }
        const int rc = oci.query(sql).rc;
        if (rc != 0) {
            EXPECT_EQ(0u, oci.message(rc).rfind("ORA-", 0)) << sql;
            EXPECT_NE(600, rc) << sql << "\n" << oci.message(rc);
        }
        orol(&oci.lda);
    }
    EXPECT_EQ(0, oci.query("select * from dual").rc);
}

} // namespace
} // namespace ocilite::test
