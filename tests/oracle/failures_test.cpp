// Oracle errors at each call, a lost connection, logoff with open cursors, and areas that
// hold no logon or cursor of this side.
#include "v7.h"

namespace oracle_test {
namespace {

using scriptedoci::Statement;

class FailuresTest : public Logged {
protected:
    void query(Statement st) {
        st.match = "SELECT";
        if (st.columns.empty())
            st.columns = {column("V")};
        scriptedoci::addStatement(st);
        ASSERT_EQ(0, parse("SELECT V FROM T"));
        ASSERT_EQ(0, v7::odefin(&cur, 1, reinterpret_cast<ub1 *>(buf), sizeof buf, 5, -1, nullptr,
                                nullptr, -1, -1, nullptr, nullptr));
    }
    char buf[31] = {};
};

TEST_F(FailuresTest, ErrorsAtExecuteAndFetchKeepOraclesTextAndTheRowsSoFar) {
    Statement st;
    st.rows = {{std::string("1")}, {std::string("2")}, {std::string("x")}};
    st.fetchErrorAt = 2;
    st.fetchError = {1722, "ORA-01722: invalid number\n"};
    query(st);
    ASSERT_EQ(0, v7::oexec(&cur));
    EXPECT_EQ(0, v7::ofetch(&cur));
    EXPECT_EQ(0, v7::ofetch(&cur));
    EXPECT_EQ(1722, v7::ofetch(&cur));
    EXPECT_EQ(12, cur.fc);
    EXPECT_EQ(2u, cur.rpc);
    EXPECT_EQ("ORA-01722: invalid number\n", message(lda, cur.rc));

    scriptedoci::reset();
    Statement dml;
    dml.match = "INSERT";
    dml.type = 4;
    dml.executeError = {1, "ORA-00001: unique constraint (SCOTT.PK_DEPT) violated\n"};
    scriptedoci::addStatement(dml);
    ASSERT_EQ(0, parse("INSERT INTO DEPT VALUES (10, 'X', 'Y')"));
    EXPECT_EQ(1, v7::oexec(&cur));
    EXPECT_EQ(4, cur.fc);
    EXPECT_EQ(0u, cur.rpc);
    EXPECT_EQ("ORA-00001: unique constraint (SCOTT.PK_DEPT) violated\n", message(lda, 1));
}

TEST_F(FailuresTest, EveryCursorCallReportsAClientFailureInItsArea) {
    struct Case {
        const char *function; // the OCI call that fails
        int fc;               // the version-7 call's function code left in the area
    } cases[] = {
        {"OCIStmtPrepare", 54}, {"OCIDefineByPos", 8}, {"OCIStmtExecute", 4},
        {"OCIStmtFetch2", 12},  {"OCIParamGet", 54},   {"OCIHandleAlloc", 54},
    };
    for (const Case &c : cases) {
        scriptedoci::reset();
        Statement st;
        st.rows = {{std::string("1")}};
        scriptedoci::failCall(c.function, {24550, "ORA-24550: signal received\n"},
                              std::string(c.function) == "OCIStmtExecute" ? 1 : 0);
        st.match = "SELECT";
        st.columns = {column("V")};
        scriptedoci::addStatement(st);
        int rc = parse("SELECT V FROM T");
        if (rc == 0)
            rc = v7::odefin(&cur, 1, reinterpret_cast<ub1 *>(buf), sizeof buf, 5, -1, nullptr,
                            nullptr, -1, -1, nullptr, nullptr);
        if (rc == 0)
            rc = v7::oexec(&cur);
        if (rc == 0)
            rc = v7::ofetch(&cur);
        const bool outOfMemory = std::string(c.function) == "OCIHandleAlloc";
        EXPECT_EQ(outOfMemory ? 4030 : 24550, rc) << c.function;
        EXPECT_EQ(c.fc, cur.fc) << c.function;
    }
}

TEST_F(FailuresTest, LostConnectionFailsEveryCallAndLogoffStillReleasesTheLogon) {
    Statement st;
    st.rows = {{std::string("1")}, {std::string("2")}};
    query(st);
    ASSERT_EQ(0, v7::oexec(&cur));
    scriptedoci::loseConnection();
    EXPECT_EQ(3113, v7::ofetch(&cur));
    EXPECT_EQ("ORA-03113: end-of-file on communication channel\n", message(lda, 3113));
    EXPECT_EQ(3114, v7::ofetch(&cur));
    EXPECT_EQ(3114, v7::ocom(&lda));
    EXPECT_EQ(0, v7::ologof(&lda)) << "nothing is left to commit on a lost connection";
    EXPECT_EQ(0, scriptedoci::liveHandles());
    EXPECT_EQ(1001, v7::ofetch(&cur)) << "the cursor went with its logon";
    scriptedoci::reset();
    EXPECT_EQ(0, logon(lda, hda, "SCOTT", "TIGER")) << "logging on again works";
    ASSERT_EQ(0, v7::oopen(&cur, &lda, nullptr, -1, -1, nullptr, -1));
}

TEST_F(FailuresTest, LogoffWithOpenCursorsClosesThemAndFreesEveryHandle) {
    Statement st;
    st.rows = {{std::string("1")}, {std::string("2")}};
    query(st);
    ASSERT_EQ(0, v7::oexec(&cur));
    ASSERT_EQ(0, v7::ofetch(&cur));
    Cda_Def second{};
    ASSERT_EQ(0, v7::oopen(&second, &lda, nullptr, -1, -1, nullptr, -1));
    ASSERT_EQ(0, parse("SELECT V FROM T", &second));
    EXPECT_EQ(0, v7::ologof(&lda));
    EXPECT_EQ(0, scriptedoci::liveHandles());
    EXPECT_EQ(1001, v7::ofetch(&cur));
    EXPECT_EQ(1001, v7::oexec(&second));
    EXPECT_EQ(1001, v7::oclose(&second));
}

TEST_F(FailuresTest, AreasWithoutALogonOrCursorOfThisSideGetOracleErrors) {
    Cda_Def stranger{};
    Cda_Def other{};
    EXPECT_EQ(1001, v7::ofetch(&stranger));
    EXPECT_EQ(1001, v7::ofetch(nullptr));
    EXPECT_EQ(1012, v7::ocom(&stranger));
    EXPECT_EQ(1012, v7::ocom(nullptr));
    EXPECT_EQ(1012, v7::oopen(&other, &stranger, nullptr, -1, -1, nullptr, -1));
    EXPECT_EQ(1001, v7::oparse(&stranger, txt("SELECT 1 FROM DUAL"), -1, 0, 1));
    EXPECT_EQ(1001, stranger.rc);
    ASSERT_EQ(0, v7::oclose(&cur));
    EXPECT_EQ(1001, v7::oexec(&cur)) << "a closed cursor";
    EXPECT_EQ(0, v7::oerhms(&lda, 1, nullptr, 0));
}

TEST_F(FailuresTest, CallsWithNoStatementOrNotServedSayWhy) {
    EXPECT_EQ(1003, v7::oexec(&cur));
    EXPECT_EQ("ORA-01003: no statement parsed", message(lda, 1003));
    ASSERT_EQ(0, parse("SELECT V FROM T"));
    EXPECT_EQ(1010, v7::ogetpi(&cur, nullptr, nullptr, nullptr, nullptr)) << "no piece waited for";
    EXPECT_EQ("ORA-01010: invalid OCI operation", message(lda, 1010));
    EXPECT_EQ("ORA-03001: unimplemented feature", message(lda, 3001));
}

TEST_F(FailuresTest, MessageIsCutToTheCallersBuffer) {
    char small[12];
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(9, v7::oerhms(&lda, 1403, reinterpret_cast<OraText *>(small), 10));
    EXPECT_EQ("ORA-01403", std::string(small));
    EXPECT_EQ('#', small[10]) << "nothing is written past the buffer";
}

TEST_F(FailuresTest, UnknownErrorNumberGetsOraclesWordingForAMissingMessage) {
    EXPECT_EQ("ORA-09999: Message 9999 not found;  product=RDBMS; facility=ORA",
              message(lda, 9999));
}

} // namespace
} // namespace oracle_test
