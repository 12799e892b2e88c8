// Binds by name and number, deferred parse, cancel, and Oracle's transactions: auto-commit
// off after logon, commit, rollback, auto-commit on, and DDL's implicit commit.
#include "oci_client.h"

#include <cstring>

namespace ocilite::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST_F(OciTest, BindByNameWithOrWithoutColonInAnyCase) {
    const char *sql = "SELECT ENAME FROM EMP WHERE DEPTNO = :dept AND SAL >= :Min_Sal";
    for (const auto &[dept, minSal] :
         {std::pair<const char *, const char *>{":DEPT", "min_sal"}, {"dept", ":MIN_SAL"}}) {
        ASSERT_EQ(0, oparse(&oci.cur, (OraText *)sql, -1, 0, 1));
        char ten[] = "10";
        int floor = 100;
        ASSERT_EQ(0, obndrv(&oci.cur, (OraText *)dept, -1, (ub1 *)ten, sizeof ten, OCIV7_EXT_STR,
                            -1, nullptr, nullptr, -1, -1))
            << dept;
        ASSERT_EQ(0, obndrv(&oci.cur, (OraText *)minSal, -1, (ub1 *)&floor, sizeof floor,
                            OCIV7_EXT_INT, -1, nullptr, nullptr, -1, -1));
        char name[16] = {};
        ASSERT_EQ(0, odefin(&oci.cur, 1, (ub1 *)name, sizeof name, OCIV7_EXT_STR, -1, nullptr,
                            nullptr, -1, -1, nullptr, nullptr));
        ASSERT_EQ(0, oexec(&oci.cur)) << oci.message(oci.cur.rc);
        ASSERT_EQ(0, ofetch(&oci.cur));
        EXPECT_STREQ("KING", name);
    }
}

TEST_F(OciTest, BindMistakes) {
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"SELECT * FROM EMP WHERE EMPNO = :1", -1, 0, 1));
    char v[] = "1";
    EXPECT_NE(0, obndrv(&oci.cur, (OraText *)":NOPE", -1, (ub1 *)v, sizeof v, 5, -1, nullptr,
                        nullptr, -1, -1));
    EXPECT_EQ(1036, oci.cur.rc);
    EXPECT_EQ(28, oci.cur.fc);
    EXPECT_NE(0, obndrn(&oci.cur, 2, (ub1 *)v, sizeof v, 5, -1, nullptr, nullptr, -1, -1));
    EXPECT_EQ(1036, oci.cur.rc);
    EXPECT_NE(0, oexec(&oci.cur));
    EXPECT_EQ(1008, oci.cur.rc);
    EXPECT_EQ(4, oci.cur.fc);
    EXPECT_EQ("ORA-01008: not all variables bound", oci.message(1008));
}

TEST_F(OciTest, NullAndEmptyBindsAreNull) {
    ASSERT_EQ(0, oci.run("INSERT INTO EMP(EMPNO,ENAME)VALUES(:1,:2)", {"1", ""}));
    ASSERT_EQ(0,
              oparse(&oci.cur, (OraText *)"INSERT INTO EMP(EMPNO,ENAME)VALUES(:1,:2)", -1, 0, 1));
    char two[] = "2", name[] = "IGNORED";
    sb2 null = -1;
    ASSERT_EQ(0, obndrn(&oci.cur, 1, (ub1 *)two, sizeof two, 5, -1, nullptr, nullptr, -1, -1));
    ASSERT_EQ(0, obndrn(&oci.cur, 2, (ub1 *)name, sizeof name, 5, -1, &null, nullptr, -1, -1));
    ASSERT_EQ(0, oexec(&oci.cur));
    Result r = oci.query("SELECT COUNT(*) FROM EMP WHERE ENAME IS NULL");
    EXPECT_EQ((Rows{{"2"}}), r.rows);
}

TEST_F(OciTest, BindsAreReadWhenTheStatementExecutes) {
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"INSERT INTO DEPT(DEPTNO)VALUES(:1)", -1, 0, 1));
    char value[8] = "50";
    ASSERT_EQ(0, obndrn(&oci.cur, 1, (ub1 *)value, sizeof value, 5, -1, nullptr, nullptr, -1, -1));
    ASSERT_EQ(0, oexec(&oci.cur));
    std::strcpy(value, "60");
    ASSERT_EQ(0, oexec(&oci.cur));
    Result r = oci.query("SELECT DEPTNO FROM DEPT WHERE DEPTNO >= 50 ORDER BY 1");
    EXPECT_EQ((Rows{{"50"}, {"60"}}), r.rows);
}

TEST_F(OciTest, DeferredParseReportsErrorsOnTheNextCall) {
    EXPECT_EQ(0, oparse(&oci.cur, (OraText *)"SELECT * FROM NOWHERE", -1, 1, 2));
    EXPECT_NE(0, oexec(&oci.cur));
    EXPECT_EQ(942, oci.cur.rc);
    EXPECT_EQ(0, oparse(&oci.cur, (OraText *)"SELECT ENAME FROM EMP", -1, 1, 2));
    EXPECT_EQ(4, oci.cur.ft);
    sb4 size = 0;
    EXPECT_EQ(0, odescr(&oci.cur, 1, &size, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr));
    EXPECT_EQ(10, size);
    // Deferred DDL waits for oexec.
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"CREATE TABLE LATER (X NUMBER)", -1, 1, 2));
    EXPECT_EQ(942, oci.query("SELECT * FROM LATER").rc);
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"CREATE TABLE LATER (X NUMBER)", -1, 1, 2));
    ASSERT_EQ(0, oexec(&oci.cur));
    EXPECT_EQ(0, oci.query("SELECT * FROM LATER").rc);
}

TEST_F(OciTest, CancelEndsTheFetch) {
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"SELECT ENAME FROM EMP", -1, 0, 1));
    char name[16];
    ASSERT_EQ(0, odefin(&oci.cur, 1, (ub1 *)name, sizeof name, 5, -1, nullptr, nullptr, -1, -1,
                        nullptr, nullptr));
    ASSERT_EQ(0, oexec(&oci.cur));
    ASSERT_EQ(0, ofetch(&oci.cur));
    EXPECT_EQ(0, ocan(&oci.cur));
    EXPECT_NE(0, ofetch(&oci.cur));
    ASSERT_EQ(0, oexec(&oci.cur));
    EXPECT_EQ(0, ofetch(&oci.cur));
}

class TransactionTest : public OciTest {
protected:
    size_t othersSee() {
        Oci other;
        EXPECT_EQ(0, other.logon("SCOTT", "TIGER", dbPath));
        return other.query("SELECT * FROM DEPT").rows.size();
    }
};

TEST_F(TransactionTest, AutoCommitIsOffAfterLogon) {
    ASSERT_EQ(0, oci.run("INSERT INTO DEPT(DEPTNO)VALUES(:1)", {"50"}));
    EXPECT_EQ(4u, oci.query("SELECT * FROM DEPT").rows.size());
    EXPECT_EQ(3u, othersSee());
    ASSERT_EQ(0, orol(&oci.lda));
    EXPECT_EQ(3u, oci.query("SELECT * FROM DEPT").rows.size());
    ASSERT_EQ(0, oci.run("INSERT INTO DEPT(DEPTNO)VALUES(:1)", {"50"}));
    ASSERT_EQ(0, ocom(&oci.lda));
    EXPECT_EQ(4u, othersSee());
}

TEST_F(TransactionTest, AutoCommitOnCommitsEachStatement) {
    ASSERT_EQ(0, ocon(&oci.lda));
    ASSERT_EQ(0, oci.run("INSERT INTO DEPT(DEPTNO)VALUES(:1)", {"50"}));
    EXPECT_EQ(4u, othersSee());
    ASSERT_EQ(0, ocof(&oci.lda));
    ASSERT_EQ(0, oci.run("DELETE FROM DEPT WHERE DEPTNO = 50"));
    EXPECT_EQ(4u, othersSee());
    ASSERT_EQ(0, orol(&oci.lda));
    EXPECT_EQ(4u, oci.query("SELECT * FROM DEPT").rows.size());
}

TEST_F(TransactionTest, DdlCommitsPendingWork) {
    ASSERT_EQ(0, oci.run("INSERT INTO DEPT(DEPTNO)VALUES(:1)", {"50"}));
    ASSERT_EQ(0, oci.run("CREATE TABLE T2 (X NUMBER)"));
    ASSERT_EQ(0, orol(&oci.lda));
    EXPECT_EQ(4u, othersSee());
}

TEST_F(TransactionTest, CommitAndRollbackStatements) {
    ASSERT_EQ(0, oci.run("INSERT INTO DEPT(DEPTNO)VALUES(:1)", {"50"}));
    ASSERT_EQ(0, oci.run("ROLLBACK"));
    EXPECT_EQ(3u, othersSee());
    ASSERT_EQ(0, oci.run("INSERT INTO DEPT(DEPTNO)VALUES(:1)", {"50"}));
    ASSERT_EQ(0, oci.run("COMMIT WORK"));
    EXPECT_EQ(4u, othersSee());
}

TEST_F(TransactionTest, SavepointsUndoPartOfTheTransaction) {
    ASSERT_EQ(0, oci.run("INSERT INTO DEPT(DEPTNO)VALUES(:1)", {"50"}));
    ASSERT_EQ(0, oci.run("SAVEPOINT after_fifty"));
    ASSERT_EQ(0, oci.run("INSERT INTO DEPT(DEPTNO)VALUES(:1)", {"60"}));
    ASSERT_EQ(0, oci.run("savepoint after_sixty"));
    ASSERT_EQ(0, oci.run("INSERT INTO DEPT(DEPTNO)VALUES(:1)", {"70"}));
    ASSERT_EQ(0, oci.run("rollback work to savepoint after_fifty"));
    EXPECT_EQ((Rows{{"50"}}), oci.rows("SELECT DEPTNO FROM DEPT WHERE DEPTNO >= 50"));
    // A savepoint after the one rolled back to is gone, as in Oracle.
    EXPECT_EQ(1086, oci.run("rollback to after_sixty"));
    EXPECT_EQ("ORA-01086: savepoint 'AFTER_SIXTY' never established in this session or is invalid",
              oci.message(1086));
    ASSERT_EQ(0, oci.run("COMMIT WORK COMMENT 'nightly' WRITE NOWAIT BATCH"));
    EXPECT_EQ(4u, othersSee());
    // The commit ended the savepoints with the transaction.
    EXPECT_EQ(1086, oci.run("rollback to after_fifty"));
    // An in-doubt distributed transaction cannot exist here.
    EXPECT_EQ(3001, oci.run("commit force '1.2.3'"));
}

TEST_F(TransactionTest, LogoffCommits) {
    ASSERT_EQ(0, oci.run("INSERT INTO DEPT(DEPTNO)VALUES(:1)", {"50"}));
    oci.logoff();
    EXPECT_EQ(4u, othersSee());
}

TEST_F(TransactionTest, AFailedStatementKeepsEarlierWork) {
    ASSERT_EQ(0, oci.run("INSERT INTO DEPT(DEPTNO)VALUES(:1)", {"50"}));
    EXPECT_EQ(1, oci.run("INSERT INTO DEPT(DEPTNO)VALUES(:1)", {"50"}));
    EXPECT_EQ(4u, oci.query("SELECT * FROM DEPT").rows.size());
    ASSERT_EQ(0, ocom(&oci.lda));
    EXPECT_EQ(4u, othersSee());
}

} // namespace
} // namespace ocilite::test
