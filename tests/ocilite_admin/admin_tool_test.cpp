// The admin tool end to end, as a separate process: exit status, messages, passwords read
// from standard input, and a script with one failing statement.
#include "oci_client.h"
#include "temp_home.h"
#include "tool_process.h"

#include <gtest/gtest.h>

namespace ocilite {
namespace {

using test::Outcome;
using test::runTool;

class AdminToolTest : public ::testing::Test {
protected:
    std::string db() const { return m_env.path("tool.db"); }
    test::TempHome m_env;
};

TEST_F(AdminToolTest, HelpAndUsageErrors) {
    const Outcome help = runTool({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char *word : {"create DB", "adduser DB USER", "run DB USER SCRIPT", "demo DB",
                             "generate DB USER", "--@error"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    EXPECT_EQ(runTool({}).status, 2);
    const Outcome unknown = runTool({"frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown command"), std::string::npos);
    // A password on the command line is refused, never used.
    EXPECT_EQ(runTool({"adduser", db(), "SCOTT", "TIGER"}).status, 2);
    EXPECT_EQ(runTool({"generate", db(), "X", "--objects"}).status, 2);
    EXPECT_EQ(runTool({"generate", db(), "X", "--objects", "ten"}).status, 2);
    EXPECT_EQ(runTool({"generate", db(), "X", "--colour", "3"}).status, 2);
}

TEST_F(AdminToolTest, CreateAddUserAndRunAScriptWithOneFailure) {
    EXPECT_EQ(runTool({"create", db()}).status, 0);
    const Outcome again = runTool({"create", db()});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("already exists"), std::string::npos);

    EXPECT_EQ(runTool({"adduser", db(), "dev"}, "s3cret\n").status, 0);
    const Outcome dup = runTool({"adduser", db(), "DEV"}, "other\n");
    EXPECT_EQ(dup.status, 1);
    EXPECT_NE(dup.err.find("ORA-01920"), std::string::npos) << dup.err;
    EXPECT_EQ(runTool({"adduser", db(), "nopw"}, "").status, 1);
    EXPECT_EQ(runTool({"adduser", db(), "nopw"}, "\n").status, 1);

    const std::string script = m_env.write("load.sql", "PROMPT loading\n"
                                                       "create table t (a number);\n"
                                                       "insert into t values (1);\n"
                                                       "insert into missing values (2);\n"
                                                       "insert into t values (3);\n"
                                                       "commit;\n");
    const Outcome wrongPassword = runTool({"run", db(), "DEV", script}, "nope\n");
    EXPECT_EQ(wrongPassword.status, 1);
    EXPECT_NE(wrongPassword.err.find("ORA-01017"), std::string::npos);

    const Outcome run = runTool({"run", db(), "DEV", script}, "s3cret\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("loading\n"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("load.sql:4: ORA-00942"), std::string::npos) << run.err;

    test::Oci oci;
    std::string error;
    ASSERT_TRUE(oci.logon("DEV", "s3cret", db(), error)) << error;
    EXPECT_EQ(oci.rows("SELECT A FROM T ORDER BY A"), (test::Rows{{"1"}, {"3"}}));
}

TEST_F(AdminToolTest, RunWithMissingDatabaseOrScript) {
    const Outcome noDb = runTool({"run", m_env.path("absent.db"), "DEV", "x.sql"}, "pw\n");
    EXPECT_EQ(noDb.status, 1);
    EXPECT_NE(noDb.err.find("ORA-12154"), std::string::npos) << noDb.err;

    ASSERT_EQ(runTool({"create", db()}).status, 0);
    ASSERT_EQ(runTool({"adduser", db(), "DEV"}, "pw\n").status, 0);
    const Outcome noScript = runTool({"run", db(), "DEV", m_env.path("absent.sql")}, "pw\n");
    EXPECT_EQ(noScript.status, 1);
    EXPECT_NE(noScript.err.find("SP2-0310"), std::string::npos) << noScript.err;
}

TEST_F(AdminToolTest, DemoThenLogOnAsScott) {
    const Outcome demo = runTool({"demo", db()});
    ASSERT_EQ(demo.status, 0) << demo.err;
    EXPECT_EQ(runTool({"demo", db()}).status, 1);
    test::Oci oci;
    std::string error;
    ASSERT_TRUE(oci.logon("SCOTT", "TIGER", db(), error)) << error;
    EXPECT_GE(oci.rows("SELECT OBJECT_NAME FROM USER_OBJECTS WHERE STATUS = 'INVALID'").size(), 5u);
}

TEST_F(AdminToolTest, GenerateReportsItsCounts) {
    ASSERT_EQ(runTool({"create", db()}).status, 0);
    ASSERT_EQ(runTool({"adduser", db(), "BENCH"}, "pw\n").status, 0);
    const Outcome gen = runTool({"generate", db(), "bench", "--objects", "40", "--lines=12",
                                 "--errors", "2", "--invalid-share", "0.25"});
    ASSERT_EQ(gen.status, 0) << gen.err;
    EXPECT_NE(gen.out.find("Generated 40 unit(s) in BENCH: 10 invalid, 20 error row(s), 480 "
                           "source line(s)"),
              std::string::npos)
        << gen.out;
    const Outcome nobody = runTool({"generate", db(), "NOBODY", "--objects", "1"});
    EXPECT_EQ(nobody.status, 1);
    EXPECT_NE(nobody.err.find("ORA-01918"), std::string::npos) << nobody.err;
}

} // namespace
} // namespace ocilite
