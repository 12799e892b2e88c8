// What a parse leaves behind, as Oracle's version-7 calls report it: the parse error offset in
// peo; with a deferred parse, the statement's errors (and its binds' and defines') at the
// execution or describe that sends it; and a session's DDL, which its own open cursors never
// block, while those cursors go on fetching the rows their queries found.
#include "oci_client.h"

#include <string>

namespace ocilite::test {
namespace {

TEST_F(OciTest, ParseErrorOffsetPointsAtTheFault) {
    struct Case {
        const char *sql;
        int rc;
        const char *at; // the text peo points at
    };
    const Case cases[] = {
        {"SELECT * FROM NOSUCH", 942, "NOSUCH"},
        {"SELECT ENAME FROM EMP E, NOSUCH N", 942, "NOSUCH N"},
        {"SELECT NOSUCH FROM DEPT", 904, "NOSUCH FROM"},
        {"SELECT DNAME, LOC FROM DEPT WHERE nosuch = 1", 904, "nosuch = 1"},
        {"SELECT 'open FROM DEPT", 1756, "'open"},
        {"SELECT DNAME FROM DEPT WHERE DEPTNO = 10 #", 911, "#"},
    };
    for (const Case &c : cases) {
        const std::string sql = c.sql;
        EXPECT_EQ(c.rc, oparse(&oci.cur, (OraText *)c.sql, -1, 0, 1)) << c.sql;
        EXPECT_EQ(sql.find(c.at), oci.cur.peo) << c.sql;
        EXPECT_EQ(OCIV7_FC_PARSE, oci.cur.fc);
    }
    // A parse that works leaves no offset behind.
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"SELECT * FROM DEPT", -1, 0, 1));
    EXPECT_EQ(0, oci.cur.peo);
}

TEST_F(OciTest, DeferredParseReportsAtTheExecution) {
    const char *bad = "SELECT NOSUCH FROM DEPT";
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)bad, -1, 1, 1));
    char buf[8];
    EXPECT_EQ(0, odefin(&oci.cur, 1, (ub1 *)buf, sizeof buf, OCIV7_EXT_STR, -1, nullptr, nullptr,
                        -1, -1, nullptr, nullptr));
    EXPECT_EQ(0, obndrv(&oci.cur, (OraText *)":X", -1, (ub1 *)buf, sizeof buf, OCIV7_EXT_STR, -1,
                        nullptr, nullptr, -1, -1));
    EXPECT_EQ(904, oexec(&oci.cur));
    EXPECT_EQ(7, oci.cur.peo);
    EXPECT_EQ(OCIV7_FC_EXEC, oci.cur.fc);
    // Once reported, the parse has failed: the cursor holds no statement.
    EXPECT_EQ(1003, oexec(&oci.cur));
    // odescr needs the parse too, and reports its error first.
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)bad, -1, 1, 1));
    EXPECT_EQ(904, odescr(&oci.cur, 1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                          nullptr, nullptr));
    EXPECT_EQ(7, oci.cur.peo);
    // A statement that parses: a bind to a name it does not have fails at the execution.
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"SELECT DNAME FROM DEPT WHERE DEPTNO = :D", -1, 1, 1));
    EXPECT_EQ(0, obndrv(&oci.cur, (OraText *)":NOPE", -1, (ub1 *)buf, sizeof buf, OCIV7_EXT_STR, -1,
                        nullptr, nullptr, -1, -1));
    EXPECT_EQ(1036, oexec(&oci.cur));
    // DDL waits for the execution as well.
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"CREATE TABLE LATER (N NUMBER)", -1, 1, 1));
    EXPECT_EQ(942, oci.query("SELECT * FROM LATER").rc);
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"CREATE TABLE LATER (N NUMBER)", -1, 1, 1));
    ASSERT_EQ(0, oexec(&oci.cur));
    EXPECT_EQ(0, oci.query("SELECT * FROM LATER").rc);
}

TEST_F(OciTest, OwnOpenCursorsNeverBlockTheSessionsDdl) {
    Cda_Def reader{};
    ASSERT_EQ(0, oopen(&reader, &oci.lda, nullptr, -1, -1, nullptr, -1));
    ASSERT_EQ(0, oparse(&reader, (OraText *)"SELECT EMPNO FROM EMP ORDER BY EMPNO", -1, 0, 1));
    int empno = 0;
    ASSERT_EQ(0, odefin(&reader, 1, (ub1 *)&empno, sizeof empno, OCIV7_EXT_INT, -1, nullptr,
                        nullptr, -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, oexec(&reader));
    ASSERT_EQ(0, ofetch(&reader));
    EXPECT_EQ(7369, empno);
    // DDL on another table, then on the very table the reader is reading.
    EXPECT_EQ(0, oci.run("CREATE TABLE OTHER (N NUMBER)"));
    EXPECT_EQ(0, oci.run("DROP TABLE OTHER"));
    EXPECT_EQ(0, oci.run("DROP TABLE EMP")) << oci.message(oci.cur.rc);
    // The reader goes on with the rows its query found.
    ASSERT_EQ(0, ofetch(&reader));
    EXPECT_EQ(7499, empno);
    ASSERT_EQ(0, ofetch(&reader));
    EXPECT_EQ(7839, empno);
    EXPECT_EQ(1403, ofetch(&reader));
    EXPECT_EQ(3u, reader.rpc);
    EXPECT_EQ(942, oci.query("SELECT * FROM EMP").rc);
    EXPECT_EQ(0, oclose(&reader));
}

} // namespace
} // namespace ocilite::test
