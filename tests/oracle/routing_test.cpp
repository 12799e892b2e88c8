// Routing by connect string at logon, through the client library's exported entry points:
// which logons reach Oracle's client and which stay in the embedded database, and that every
// later call follows the side its area was opened on.
#include "v7.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace oracle_test {
namespace {

namespace fs = std::filesystem;

class RoutingTest : public ::testing::Test {
protected:
    void SetUp() override {
        scriptedoci::reset();
        char pattern[] = "/tmp/velmora-routing-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        home = pattern;
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
        fs::create_directories(home + "/config/velmora");
        std::ofstream(home + "/config/velmora/ocilite.aliases")
            << "LOCALDB = " << home << "/missing.db\n";
        std::ofstream(home + "/plain.file") << "not a database\n";
    }
    void TearDown() override {
        v7::ologof(&lda);
        fs::remove_all(home);
    }
    bool reachedOracle() { return !scriptedoci::callsOf("OCIServerAttach").empty(); }

    std::string home;
    Cda_Def lda{};
    ub1 hda[OCIV7_HDA_SIZE]{};
};

TEST_F(RoutingTest, RoutingConnectStringsNamingOracleReachOracle) {
    for (const std::string connect :
         {"localhost/FREEPDB1", "dbhost:1521/ORCLPDB1", "//dbhost/sales.example.com",
          "dbhost:1521/ORCL:dedicated", "SALES", "sales.example.com",
          "(DESCRIPTION=(ADDRESS=(PROTOCOL=TCP)(HOST=h)(PORT=1521))(CONNECT_DATA=(SID=X)))"}) {
        scriptedoci::reset();
        EXPECT_EQ(0, logon(lda, hda, "SCOTT", "TIGER", connect)) << connect;
        ASSERT_TRUE(reachedOracle()) << connect;
        EXPECT_EQ(connect, scriptedoci::callsOf("OCIServerAttach")[0].text);
        EXPECT_EQ(0, v7::ologof(&lda));
    }
}

TEST_F(RoutingTest, RoutingEmbeddedConnectStringsStayEmbedded) {
    struct Case {
        std::string connect;
        int rc; // what the embedded database answers
    } cases[] = {
        {home + "/missing.db", 12154},
        {"LOCALDB", 12154},
        {"localdb", 12154},
        {"./no-such.db", 12154},
        {"~/no-such.db", 12154},
        {home + "/plain.file", -1},
        {"", 0},
    };
    for (const Case &c : cases) {
        scriptedoci::reset();
        const int rc = logon(lda, hda, "SCOTT", "TIGER", c.connect);
        if (c.rc >= 0)
            EXPECT_EQ(c.rc, rc) << c.connect << ": " << message(lda, rc);
        else
            EXPECT_NE(0, rc) << c.connect;
        EXPECT_FALSE(reachedOracle()) << c.connect;
        EXPECT_EQ(0, scriptedoci::liveHandles()) << c.connect;
    }
}

TEST_F(RoutingTest, RoutingTheConnectStringInsideTheUserNameDecidesToo) {
    EXPECT_EQ(0, logon(lda, hda, "scott/tiger@dbhost/FREEPDB1", "", ""));
    ASSERT_TRUE(reachedOracle());
    EXPECT_EQ("dbhost/FREEPDB1", scriptedoci::callsOf("OCIServerAttach")[0].text);
}

TEST_F(RoutingTest, RoutingEachAreaStaysWithItsSide) {
    Cda_Def embedded{}, oracle{}, ecur{}, ocur{};
    ub1 ehda[OCIV7_HDA_SIZE]{};
    ASSERT_EQ(0, logon(embedded, ehda, "SCOTT", "TIGER", ""));
    ASSERT_EQ(0, logon(oracle, hda, "SCOTT", "TIGER", "dbhost/FREEPDB1"));
    ASSERT_EQ(0, v7::oopen(&ecur, &embedded, nullptr, -1, -1, nullptr, -1));
    ASSERT_EQ(0, v7::oopen(&ocur, &oracle, nullptr, -1, -1, nullptr, -1));
    ASSERT_EQ(0, v7::oparse(&ecur, txt("SELECT DNAME FROM DEPT"), -1, 0, 1));
    ASSERT_EQ(0, v7::oparse(&ocur, txt("SELECT DNAME FROM DEPT"), -1, 0, 1));
    EXPECT_EQ(1u, scriptedoci::preparedStatements().size()) << "only the Oracle cursor's parse";
    // A failure on each side is reported with that side's text.
    EXPECT_EQ(942, v7::oparse(&ecur, txt("SELECT * FROM NOPE"), -1, 0, 1));
    EXPECT_EQ("ORA-00942: table or view does not exist", message(embedded, 942));
    scriptedoci::Statement missing;
    missing.match = "NOPE";
    missing.parseError = {942, "ORA-00942: table or view does not exist\nHelp: scripted\n", 14};
    scriptedoci::addStatement(missing);
    EXPECT_EQ(942, v7::oparse(&ocur, txt("SELECT * FROM NOPE"), -1, 0, 1));
    EXPECT_EQ(14, ocur.peo);
    EXPECT_EQ("ORA-00942: table or view does not exist\nHelp: scripted\n", message(oracle, 942));
    EXPECT_EQ(0, v7::ologof(&oracle));
    EXPECT_EQ(1001, v7::oexec(&ocur)) << "the Oracle cursor went with its logon";
    EXPECT_NE(1001, v7::oexec(&ecur)) << "the embedded cursor is untouched";
    EXPECT_EQ(0, v7::ologof(&embedded));
}

TEST_F(RoutingTest, RoutingFailureTextFollowsTheLastLogonsSide) {
    scriptedoci::failCall("OCIServerAttach", {12541, "ORA-12541: TNS:no listener\n", 0});
    EXPECT_EQ(12541, logon(lda, hda, "SCOTT", "TIGER", "dbhost/FREEPDB1"));
    EXPECT_EQ("ORA-12541: TNS:no listener\n", message(lda, 12541));
    EXPECT_EQ(12154, logon(lda, hda, "SCOTT", "TIGER", home + "/missing.db"));
    EXPECT_EQ("ORA-12154: TNS:could not resolve service name", message(lda, 12154));
}

TEST_F(RoutingTest, RoutingAnAreaReusedForTheOtherSideLetsGoOfItsFirstLogon) {
    ASSERT_EQ(0, logon(lda, hda, "SCOTT", "TIGER", "dbhost/FREEPDB1"));
    ASSERT_EQ(0, logon(lda, hda, "SCOTT", "TIGER", ""));
    EXPECT_EQ(0, scriptedoci::liveHandles()) << "the Oracle logon was released";
    ASSERT_EQ(0, logon(lda, hda, "SCOTT", "TIGER", "dbhost/FREEPDB1"));
    Cda_Def cur{};
    ASSERT_EQ(0, v7::oopen(&cur, &lda, nullptr, -1, -1, nullptr, -1));
    EXPECT_EQ(0, v7::oparse(&cur, txt("SELECT 1 FROM DUAL"), -1, 0, 1));
}

} // namespace
} // namespace oracle_test
