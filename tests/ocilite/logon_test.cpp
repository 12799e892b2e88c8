// Logon and logoff, connect strings, and what happens to areas that hold no logon or cursor.
#include "oci_client.h"

#include "ocilite/engine/connect_string.h"
#include "ocilite/engine/database.h"

#include <sys/stat.h>

#include <cstring>
#include <fstream>

namespace ocilite::test {
namespace {

class LogonTest : public ::testing::Test {
protected:
    void SetUp() override { dbPath = createTestDatabase(home.path()); }
    TempHome home;
    std::string dbPath;
};

struct LogonCase {
    const char *user;
    const char *password;
    bool ownDatabase; // connect to the test database (else the connect string below)
    const char *connect;
    int rc;
    const char *text;
};

TEST_F(LogonTest, RefusesWhatOracleRefuses) {
    const LogonCase cases[] = {
        {"SCOTT", "TIGER", true, "", 0, ""},
        {"scott", "tiger", true, "", 0, ""},
        {"SCOTT", "LION", true, "", 1017, "ORA-01017: invalid username/password; logon denied"},
        {"NOBODY", "TIGER", true, "", 1017, "ORA-01017: invalid username/password; logon denied"},
        {"", "TIGER", true, "", 1017, "ORA-01017: invalid username/password; logon denied"},
        {"SCOTT", "", true, "", 1005, "ORA-01005: null password given; logon denied"},
        {"SCOTT", "TIGER", false, "/nowhere/no-such.db", 12154,
         "ORA-12154: TNS:could not resolve service name"},
    };
    for (const LogonCase &c : cases) {
        Oci oci;
        const int rc = oci.logon(c.user, c.password, c.ownDatabase ? dbPath : c.connect);
        EXPECT_EQ(c.rc, rc) << c.user << "/" << c.password;
        EXPECT_EQ(c.rc, oci.lda.rc);
        if (c.rc) {
            EXPECT_EQ(c.text, oci.message(oci.lda.rc));
        }
    }
}

TEST_F(LogonTest, AcceptsUserPasswordAtConnectInTheUserName) {
    Oci oci;
    const std::string uid = "scott/tiger@" + dbPath;
    ASSERT_EQ(0, olog(&oci.lda, oci.hda, (OraText *)uid.c_str(), -1, (OraText *)"", -1,
                      (OraText *)"", -1, 0));
    EXPECT_EQ(0, ologof(&oci.lda));
}

TEST_F(LogonTest, LengthsBoundTheTexts) {
    Oci oci;
    const std::string user = "SCOTTXX";
    const std::string password = "TIGERYY";
    ASSERT_EQ(0, olog(&oci.lda, oci.hda, (OraText *)user.c_str(), 5, (OraText *)password.c_str(), 5,
                      (OraText *)dbPath.c_str(), static_cast<sword>(dbPath.size()), 0));
    EXPECT_EQ(0, ologof(&oci.lda));
}

TEST_F(LogonTest, ResolvesAnAliasFromTheAliasFile) {
    const std::string dir = home.path() + "/config/velmora";
    ::mkdir((home.path() + "/config").c_str(), 0700);
    ::mkdir(dir.c_str(), 0700);
    std::ofstream(dir + "/ocilite.aliases") << "# test aliases\nother = /nowhere.db\n"
                                            << "TESTDB = " << dbPath << "\n";
    Oci oci;
    EXPECT_EQ(0, oci.logon("SCOTT", "TIGER", "testdb"));
}

TEST_F(LogonTest, EmptyConnectStringCreatesTheDefaultDatabaseWithScott) {
    const std::string expected = home.path() + "/data/velmora/demo.db";
    EXPECT_EQ(expected, defaultDatabasePath());
    Oci oci;
    ASSERT_EQ(0, oci.logon("SCOTT", "TIGER", "")) << oci.message(oci.lda.rc);
    struct stat st {};
    EXPECT_EQ(0, ::stat(expected.c_str(), &st));
    // The second logon finds the database made by the first.
    Oci again;
    EXPECT_EQ(0, again.logon("scott", "tiger", ""));
}

TEST_F(LogonTest, HostAreaAndAreaTailAreNeverWritten) {
    Oci oci;
    std::memset(oci.hda, 0xA5, sizeof oci.hda);
    std::memset(&oci.lda, 0xA5, sizeof oci.lda);
    std::memset(&oci.cur, 0xA5, sizeof oci.cur);
    oci.lda.rcsp = nullptr;
    oci.cur.rcsp = nullptr;
    ASSERT_EQ(0, oci.logon("SCOTT", "TIGER", dbPath));
    Result r = oci.query("SELECT ENAME FROM EMP");
    EXPECT_EQ(0, r.rc);
    for (size_t i = 0; i < sizeof oci.hda; ++i)
        ASSERT_EQ(0xA5, oci.hda[i]) << i;
    const auto *tail = reinterpret_cast<const unsigned char *>(&oci.cur) + sizeof(cda_head);
    for (size_t i = 0; i < OCIV7_CDA_SIZE - sizeof(cda_head); ++i)
        ASSERT_EQ(0xA5, tail[i]) << i;
}

TEST(Areas, NullAreasGetAnErrorNotACrash) {
    EXPECT_EQ(1012, olog(nullptr, nullptr, nullptr, -1, nullptr, -1, nullptr, -1, 0));
    EXPECT_EQ(1012, ologof(nullptr));
    EXPECT_EQ(1001, oopen(nullptr, nullptr, nullptr, -1, -1, nullptr, -1));
    EXPECT_EQ(1001, oclose(nullptr));
    EXPECT_EQ(1001, oparse(nullptr, (OraText *)"select * from dual", -1, 0, 1));
    EXPECT_EQ(1001, oexec(nullptr));
    EXPECT_EQ(1001, ofetch(nullptr));
    EXPECT_EQ(1001, odescr(nullptr, 1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr));
    EXPECT_EQ(1001,
              odefin(nullptr, 1, nullptr, 0, 5, -1, nullptr, nullptr, -1, -1, nullptr, nullptr));
    EXPECT_EQ(1001, obndrn(nullptr, 1, nullptr, 0, 5, -1, nullptr, nullptr, -1, -1));
    EXPECT_EQ(1001, obndrv(nullptr, nullptr, -1, nullptr, 0, 5, -1, nullptr, nullptr, -1, -1));
    EXPECT_EQ(1001, ocan(nullptr));
    EXPECT_EQ(1012, ocon(nullptr));
    EXPECT_EQ(1012, ocof(nullptr));
    EXPECT_EQ(1012, ocom(nullptr));
    EXPECT_EQ(1012, orol(nullptr));
    EXPECT_EQ(0, oerhms(nullptr, 942, nullptr, 0));
    char buf[64];
    EXPECT_GT(oerhms(nullptr, 942, (OraText *)buf, sizeof buf), 0);
    EXPECT_STREQ("ORA-00942: table or view does not exist", buf);
}

TEST(Areas, UnopenedAreasReportInvalidCursorOrNotLoggedOn) {
    Cda_Def lda{};
    Cda_Def cur{};
    // Garbage where the library keeps its pointer must not be followed.
    lda.rcsp = reinterpret_cast<void *>(0x1234);
    cur.rcsp = reinterpret_cast<void *>(0x5678);
    EXPECT_NE(0, ocom(&lda));
    EXPECT_EQ(1012, lda.rc);
    EXPECT_NE(0, oopen(&cur, &lda, nullptr, -1, -1, nullptr, -1));
    EXPECT_EQ(1012, cur.rc);
    Cda_Def never{};
    EXPECT_NE(0, oparse(&never, (OraText *)"select * from dual", -1, 0, 1));
    EXPECT_EQ(1001, never.rc);
    EXPECT_EQ(54, never.fc);
    EXPECT_NE(0, ofetch(&never));
    EXPECT_EQ(12, never.fc);
}

TEST_F(LogonTest, LogoffClosesTheCursorsOfTheLogon) {
    Oci oci;
    ASSERT_EQ(0, oci.logon("SCOTT", "TIGER", dbPath));
    ASSERT_EQ(0, oparse(&oci.cur, (OraText *)"select * from dual", -1, 0, 1));
    ASSERT_EQ(0, ologof(&oci.lda));
    oci.loggedOn = false;
    EXPECT_NE(0, oexec(&oci.cur));
    EXPECT_EQ(1001, oci.cur.rc);
    EXPECT_NE(0, ocom(&oci.lda));
    EXPECT_EQ(1012, oci.lda.rc);
    EXPECT_NE(0, ologof(&oci.lda));
}

TEST_F(LogonTest, PasswordsAreStoredOnlyAsArgon2idHashes) {
    std::ifstream in(dbPath, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(std::string::npos, bytes.find("TIGER"));
    EXPECT_NE(std::string::npos, bytes.find("$argon2id$"));
}

} // namespace
} // namespace ocilite::test
