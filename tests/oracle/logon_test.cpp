// Logon and logoff over the scripted Oracle client: what reaches Oracle's client, and each
// way a logon fails, with Oracle's own text.
#include "v7.h"

namespace oracle_test {
namespace {

using scriptedoci::callsOf;

class LogonTest : public ::testing::Test {
protected:
    void SetUp() override { scriptedoci::reset(); }
    void TearDown() override {
        v7::ologof(&lda);
        EXPECT_EQ(0, scriptedoci::liveHandles());
    }
    Cda_Def lda{};
    ub1 hda[OCIV7_HDA_SIZE]{};
};

TEST_F(LogonTest, LogonHandsCredentialsAndConnectStringToOracle) {
    struct Case {
        const char *user;
        const char *password;
        const char *connect;
        const char *attached;    // the connect string the server attach got
        const char *sessionUser; // the user the session began with
        unsigned credentials;    // 1 database, 2 external
    } cases[] = {
        {"SCOTT", "TIGER", "dbhost/FREEPDB1", "dbhost/FREEPDB1", "SCOTT", 1},
        {"scott/tiger@//dbhost:1521/orclpdb", "", "", "//dbhost:1521/orclpdb", "scott", 1},
        {"scott/tiger", "", "SALES", "SALES", "scott", 1},
        {"scott", "tiger",
         "(DESCRIPTION=(ADDRESS=(PROTOCOL=TCP)(HOST=h)(PORT=1521))(CONNECT_DATA=(SERVICE_NAME=s)))",
         "(DESCRIPTION=(ADDRESS=(PROTOCOL=TCP)(HOST=h)(PORT=1521))(CONNECT_DATA=(SERVICE_NAME=s)))",
         "scott", 1},
        {"/", "", "WALLET_ALIAS", "WALLET_ALIAS", "", 2},
    };
    for (const Case &c : cases) {
        scriptedoci::reset();
        ASSERT_EQ(0, logon(lda, hda, c.user, c.password, c.connect)) << message(lda, lda.rc);
        EXPECT_EQ(0, lda.rc);
        const auto attach = callsOf("OCIServerAttach");
        ASSERT_EQ(1u, attach.size());
        EXPECT_EQ(c.attached, attach[0].text);
        const auto begin = callsOf("OCISessionBegin");
        ASSERT_EQ(1u, begin.size());
        EXPECT_EQ(c.sessionUser, begin[0].text);
        EXPECT_EQ(c.credentials, begin[0].mode);
        EXPECT_EQ(0, v7::ologof(&lda));
    }
}

TEST_F(LogonTest, EnvironmentIsThreadedAndUtf8WithoutNlsLang) {
    ASSERT_EQ(0, logon(lda, hda, "SCOTT", "TIGER"));
    const auto env = callsOf("OCIEnvNlsCreate");
    ASSERT_EQ(1u, env.size());
    EXPECT_EQ(1u, env[0].mode);  // OCI_THREADED
    EXPECT_EQ(873, env[0].size); // AL32UTF8
}

TEST_F(LogonTest, RefusedLogonsGiveOraclesTextAndLeaveNothingOpen) {
    struct Case {
        const char *function;
        scriptedoci::Failure failure;
    } cases[] = {
        {"OCIServerAttach", {12541, "ORA-12541: TNS:no listener\n"}},
        {"OCIServerAttach",
         {12154, "ORA-12154: TNS:could not resolve the connect identifier "
                 "specified\n"}},
        {"OCIServerAttach",
         {12514, "ORA-12514: TNS:listener does not currently know of "
                 "service requested in connect descriptor\n"}},
        {"OCISessionBegin", {1017, "ORA-01017: invalid username/password; logon denied\n"}},
        {"OCISessionBegin", {28000, "ORA-28000: The account is locked.\n"}},
    };
    for (const Case &c : cases) {
        scriptedoci::reset();
        scriptedoci::failCall(c.function, c.failure);
        EXPECT_EQ(c.failure.code, logon(lda, hda, "SCOTT", "TIGER"));
        EXPECT_EQ(c.failure.code, lda.rc);
        EXPECT_EQ(0, lda.fc);
        EXPECT_EQ(c.failure.text, message(lda, lda.rc));
        EXPECT_EQ(0, scriptedoci::liveHandles()) << c.function;
        // Nothing is logged on: a cursor cannot be opened on the area.
        Cda_Def cur{};
        EXPECT_EQ(1012, v7::oopen(&cur, &lda, nullptr, -1, -1, nullptr, -1));
    }
}

TEST_F(LogonTest, WrongPasswordAndEmptyPasswordAsOracleAnswers) {
    scriptedoci::setAccount("SCOTT", "TIGER");
    EXPECT_EQ(1017, logon(lda, hda, "SCOTT", "LION"));
    EXPECT_EQ("ORA-01017: invalid username/password; logon denied\n", message(lda, 1017));
    EXPECT_EQ(1005, logon(lda, hda, "SCOTT", ""));
    EXPECT_EQ(0, logon(lda, hda, "SCOTT", "TIGER"));
}

TEST_F(LogonTest, EnvironmentThatCannotBeCreatedIsReportedClearly) {
    scriptedoci::failCall("OCIEnvNlsCreate", {12705, "", 0});
    EXPECT_EQ(1034, logon(lda, hda, "SCOTT", "TIGER"));
    EXPECT_NE(std::string::npos, message(lda, 1034).find("could not create its environment"));
}

TEST_F(LogonTest, LoggingOnAgainOnTheSameAreaReleasesTheFirstLogon) {
    ASSERT_EQ(0, logon(lda, hda, "SCOTT", "TIGER"));
    const int afterFirst = scriptedoci::liveHandles();
    ASSERT_EQ(0, logon(lda, hda, "SCOTT", "TIGER"));
    EXPECT_EQ(afterFirst, scriptedoci::liveHandles());
    EXPECT_EQ(1u, callsOf("OCISessionEnd").size());
}

TEST_F(LogonTest, LogoffCommitsEndsTheSessionAndDetaches) {
    ASSERT_EQ(0, logon(lda, hda, "SCOTT", "TIGER"));
    EXPECT_EQ(0, v7::ologof(&lda));
    std::vector<std::string> order;
    for (const auto &call : scriptedoci::calls())
        if (call.function == "OCITransCommit" || call.function == "OCISessionEnd" ||
            call.function == "OCIServerDetach")
            order.push_back(call.function);
    EXPECT_EQ((std::vector<std::string>{"OCITransCommit", "OCISessionEnd", "OCIServerDetach"}),
              order);
    EXPECT_EQ(1012, v7::ologof(&lda)) << "a second logoff finds nothing logged on";
}

} // namespace
} // namespace oracle_test
