// The interface's other calls through the C entry points: the older logons (orlon, olon), the
// version-2 parse and describes (osql3, odsc, oname), oermsg and opinit, the precompiler's
// link, and the options and interruptions: oopt's no-wait, non-blocking mode (a call that
// would wait for another session's lock answers ORA-03123 at once) and obreak from another
// thread (the running call ends with ORA-01013).
#include "oci_client.h"

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

namespace ocilite::test {
namespace {

TEST_F(OciTest, OlderLogonsTakeTheConnectStringInTheUserName) {
    const std::string user = "scott@" + dbPath;
    Cda_Def lda{};
    ub1 hda[OCIV7_HDA_SIZE]{};
    ASSERT_EQ(0, orlon(&lda, hda, (OraText *)user.c_str(), -1, (OraText *)"tiger", -1, 0));
    EXPECT_EQ(0, ologof(&lda));
    const std::string all = "scott/tiger@" + dbPath;
    ASSERT_EQ(0, olon(&lda, (OraText *)all.c_str(), -1, nullptr, -1, 0));
    Cda_Def cda{};
    ASSERT_EQ(0, oopen(&cda, &lda, nullptr, -1, -1, nullptr, -1));
    EXPECT_EQ(0, oclose(&cda));
    EXPECT_EQ(0, ologof(&lda));
    EXPECT_EQ(1017, olon(&lda, (OraText *)user.c_str(), -1, (OraText *)"wrong", -1, 0));
    char text[OCIV7_ERMSG_SIZE] = {};
    EXPECT_EQ(1017, lda.rc);
    EXPECT_LT(0, oermsg(1017, (OraText *)text));
    EXPECT_STREQ("ORA-01017: invalid username/password; logon denied", text);
}

TEST_F(OciTest, VersionTwoParseAndDescribes) {
    ASSERT_EQ(0,
              osql3(&oci.cur, (OraText *)"CREATE TABLE T2 (N NUMBER(5), NAME VARCHAR2(12))", -1));
    EXPECT_EQ(OCIV7_FT_CREATE_TABLE, oci.cur.ft); // DDL runs at the parse
    ASSERT_EQ(0, oci.run("INSERT INTO T2 VALUES (12345, 'twelve')"));
    ASSERT_EQ(0, osql3(&oci.cur, (OraText *)"SELECT N, NAME FROM T2", -1));
    sb2 dbsize = 0, fsize = 0, rcode = 0, dtype = 0, bufl = 3, dsize = 0;
    sb1 name[8] = {};
    ASSERT_EQ(0, odsc(&oci.cur, 2, &dbsize, &fsize, &rcode, &dtype, name, &bufl, &dsize));
    EXPECT_EQ(12, dbsize);
    EXPECT_EQ(OCIV7_TYPE_VARCHAR2, dtype);
    EXPECT_EQ(3, bufl); // the name cut to the buffer the program gave
    EXPECT_EQ(0, std::memcmp(name, "NAM", 3));
    EXPECT_EQ(12, dsize);
    char value[4];
    ASSERT_EQ(0, odefin(&oci.cur, 2, (ub1 *)value, sizeof value, OCIV7_EXT_CHR, -1, nullptr,
                        nullptr, -1, -1, nullptr, nullptr));
    ASSERT_EQ(0, oexec(&oci.cur));
    EXPECT_EQ(1406, ofetch(&oci.cur));
    // After the fetch, odsc tells what it left for the column.
    ASSERT_EQ(0, odsc(&oci.cur, 2, nullptr, &fsize, &rcode, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(4, fsize);
    EXPECT_EQ(1406, rcode);
    sb1 table[8];
    sb2 tableLength = 8, nameLength = 8;
    ASSERT_EQ(0, oname(&oci.cur, 1, table, &tableLength, name, &nameLength));
    EXPECT_EQ(0, tableLength);
    EXPECT_EQ(1, nameLength);
    EXPECT_EQ('N', name[0]);
    EXPECT_EQ(1007, oname(&oci.cur, 3, table, &tableLength, name, &nameLength));
    EXPECT_EQ(OCIV7_FC_NAME, oci.cur.fc);
}

TEST(ProcessCalls, InitialisationAndThePrecompilersLink) {
    EXPECT_EQ(0, opinit(OCIV7_EV_DEF));
    EXPECT_EQ(0, opinit(OCIV7_EV_TSF));
    Cda_Def lda{};
    sqllda(&lda);
    EXPECT_EQ(1012, lda.rc);
    char text[OCIV7_ERMSG_SIZE];
    oermsg(1403, (OraText *)text);
    EXPECT_STREQ("ORA-01403: no data found", text);
}

// Another session that holds the database's write lock while a test runs.
class Locker {
public:
    explicit Locker(const std::string &path) {
        sqlite3_open(path.c_str(), &m_db);
        sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    }
    ~Locker() {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(m_db);
    }

private:
    sqlite3 *m_db = nullptr;
};

TEST_F(OciTest, NonBlockingModeAnswersCallAgainInsteadOfWaiting) {
    EXPECT_EQ(OCIV7_RC_BLOCKING_MODE, onbtst(&oci.lda));
    ASSERT_EQ(0, onbset(&oci.lda));
    EXPECT_EQ(0, onbtst(&oci.lda));
    const char *insert = "INSERT INTO DEPT VALUES (50, 'X', 'Y')";
    {
        Locker other(dbPath);
        ASSERT_EQ(0, oparse(&oci.cur, (OraText *)insert, -1, 0, 1));
        EXPECT_EQ(OCIV7_RC_WOULD_BLOCK, oexec(&oci.cur));
        EXPECT_EQ(OCIV7_RC_WOULD_BLOCK, oexec(&oci.cur)); // nothing done: again the same
    }
    EXPECT_EQ(0, oexec(&oci.cur)); // the lock is gone: the call completes
    EXPECT_EQ(1u, oci.cur.rpc);
    EXPECT_EQ((Rows{{"1"}}), oci.rows("SELECT COUNT(*) FROM DEPT WHERE DEPTNO = 50"));
    ASSERT_EQ(0, onbclr(&oci.lda));
    EXPECT_EQ(OCIV7_RC_BLOCKING_MODE, onbtst(&oci.lda));
    Cda_Def lda{};
    ub1 hda[OCIV7_HDA_SIZE]{};
    ASSERT_EQ(0, olog(&lda, hda, (OraText *)"scott", -1, (OraText *)"tiger", -1,
                      (OraText *)dbPath.c_str(), -1, OCIV7_LM_NBL));
    EXPECT_EQ(0, onbtst(&lda));
    EXPECT_EQ(0, ologof(&lda));
    EXPECT_EQ(1012, onbset(&lda));
}

TEST_F(OciTest, NoWaitOptionFailsAtOnceOnALockedResource) {
    ASSERT_EQ(0, oopt(&oci.cur, 0, 4));
    Locker other(dbPath);
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"DELETE FROM EMP", -1, 0, 1));
    EXPECT_EQ(54, oexec(&oci.cur));
    EXPECT_EQ(OCIV7_FC_EXEC, oci.cur.fc);
}

TEST_F(OciTest, BreakStopsTheCallRunningOnTheLogon) {
    EXPECT_EQ(0, obreak(&oci.lda)); // nothing runs: nothing to stop, no error
    ASSERT_EQ(0, oci.run("CREATE TABLE BIG (N NUMBER)"));
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(0, oci.run("INSERT INTO BIG VALUES (:1)", {std::to_string(i)}));
    // Far more rows than any test waits for: only the break ends it.
    const char *endless = "SELECT COUNT(*) FROM BIG A, BIG B, BIG C, BIG D, BIG E, BIG F, BIG G";
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)endless, -1, 0, 1));
    std::atomic<int> rc{-1};
    std::thread worker([&] { rc = oexec(&oci.cur); });
    while (rc == -1) {
        EXPECT_EQ(0, obreak(&oci.lda));
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    worker.join();
    EXPECT_EQ(1013, rc.load());
    // The logon goes on as before.
    EXPECT_EQ((Rows{{"50"}}), oci.rows("SELECT COUNT(*) FROM BIG"));
    Cda_Def none{};
    EXPECT_EQ(1012, obreak(&none));
}

} // namespace
} // namespace ocilite::test
