// velmora-check's logon and its exit status outside the demo's invalid units: a schema with no
// invalid unit, a wrong password, where the password comes from, help and version, and that
// the program needs no GUI library.

#include "process.h"

#include "velmora_version.h"

#include <gtest/gtest.h>

#include <fstream>

namespace velmora::check::test {
namespace {

Outcome ocilite(const std::vector<std::string> &args, const std::string &input = "") {
    return run({OCILITE_TOOL, args, input, {}});
}

// A database of its own with user CLEAN, whose one procedure compiles.
std::string cleanDatabase() {
    const std::string db = testHome() + "/clean.db";
    const std::string script = testHome() + "/clean.sql";
    std::ofstream(script) << "CREATE OR REPLACE PROCEDURE tidy IS\nBEGIN\n  NULL;\nEND tidy;\n/\n";
    std::remove(db.c_str());
    EXPECT_EQ(ocilite({"create", db}).status, 0);
    EXPECT_EQ(ocilite({"adduser", db, "CLEAN"}, "CLEANPW\n").status, 0);
    const Outcome ran = ocilite({"run", db, "CLEAN", script}, "CLEANPW\n");
    EXPECT_EQ(ran.status, 0) << ran.err;
    return db;
}

TEST(CheckLogon, ASchemaWithoutInvalidUnitsExitsWithZeroInEveryFormat) {
    const std::string db = cleanDatabase();
    const std::vector<std::pair<std::string, std::string>> expected = {{"text", "No errors.\n"},
                                                                       {"gcc", ""}};
    for (const auto &[format, out] : expected) {
        const Outcome o = check({"-u", "CLEAN", "-c", db, "-f", format}, "CLEANPW");
        EXPECT_EQ(o.status, 0) << format << ": " << o.err;
        EXPECT_EQ(o.out, out) << format;
    }
    for (const char *format : {"json", "sarif", "junit"}) {
        const Outcome o = check({"-u", "CLEAN", "-c", db, "-f", format}, "CLEANPW");
        EXPECT_EQ(o.status, 0) << format << ": " << o.err;
    }
    const Outcome junit = check({"-u", "CLEAN", "-c", db, "-f", "junit"}, "CLEANPW");
    EXPECT_NE(junit.out.find("tests=\"1\" failures=\"0\""), std::string::npos) << junit.out;
}

TEST(CheckLogon, AWrongPasswordExitsWithTwoAndOraclesText) {
    for (const char *format : {"text", "json"}) {
        const Outcome o = check({"-u", "SCOTT", "-f", format}, "LION");
        EXPECT_EQ(o.status, 2) << format;
        EXPECT_EQ(o.out, "") << format;
        EXPECT_NE(o.err.find("ORA-01017: invalid username/password; logon denied"),
                  std::string::npos)
            << o.err;
    }
}

TEST(CheckLogon, AMissingDatabaseFileExitsWithTwoAndOraclesText) {
    const Outcome o = check({"-u", "SCOTT", "-c", testHome() + "/missing/none.db"});
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("ORA-12154"), std::string::npos) << o.err;
}

TEST(CheckLogon, ThePasswordComesFromTheEnvironmentFirstThenStandardInput) {
    struct Case {
        const char *what;
        std::map<std::string, std::string> environment;
        std::string input;
        int status;
        std::string err;
    };
    const std::vector<Case> cases = {
        {"environment", {{"VELMORA_PASSWORD", "TIGER"}}, "", 1, ""},
        {"environment before input", {{"VELMORA_PASSWORD", "TIGER"}}, "LION\n", 1, ""},
        {"input", {}, "TIGER\n", 1, ""},
        {"input with CR LF", {}, "TIGER\r\n", 1, ""},
        {"wrong in the environment", {{"VELMORA_PASSWORD", "LION"}}, "TIGER\n", 2, "ORA-01017"},
        {"nothing at all", {}, "", 2, "no password given"},
    };
    for (const Case &c : cases) {
        const Outcome o =
            run({VELMORA_CHECK, {"-u", "SCOTT", "-f", "gcc"}, c.input, c.environment});
        EXPECT_EQ(o.status, c.status) << c.what << ": " << o.err;
        EXPECT_NE(o.err.find(c.err), std::string::npos) << c.what << ": " << o.err;
    }
}

TEST(CheckLogon, UsageErrorsHelpAndVersion) {
    const Outcome usage = check({"--format", "xml"});
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("Usage: velmora-check"), std::string::npos);
    const Outcome help = check({"--help"}, "");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: velmora-check", 0), 0u);
    EXPECT_NE(help.out.find("VELMORA_PASSWORD"), std::string::npos);
    const Outcome version = check({"--version"}, "");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("velmora-check ") + velmora::kVersion + "\n");
}

TEST(CheckLogon, TheProgramNeedsNoGuiLibrary) {
    const Outcome ldd = run({"/usr/bin/ldd", {VELMORA_CHECK}, "", {}});
    ASSERT_EQ(ldd.status, 0) << ldd.err;
    EXPECT_NE(ldd.out.find("libQt6Core"), std::string::npos) << ldd.out;
    for (const char *gui : {"libQt6Gui", "libQt6Widgets", "libX11", "libGL"})
        EXPECT_EQ(ldd.out.find(gui), std::string::npos) << gui;
}

} // namespace
} // namespace velmora::check::test
