// A logon that names an Oracle database on a machine whose Oracle client is missing, broken
// or too old fails with one clear message and leaves the area without a logon. Each case runs
// in its own process with the loader's path at one prepared folder.
#include "v7.h"

#include <glob.h>

#include <iostream>

namespace oracle_test {
namespace {

// A real Instant Client installed where the loader looks would be found instead.
bool instantClientInstalled() {
    for (const char *pattern : {"/usr/lib/oracle/*/client64/lib/libclntsh.so*",
                                "/opt/oracle/instantclient*/libclntsh.so*"}) {
        glob_t found{};
        const bool any = ::glob(pattern, 0, nullptr, &found) == 0 && found.gl_pathc > 0;
        ::globfree(&found);
        if (any)
            return true;
    }
    return false;
}

std::string failedLogon(const std::string &connect) {
    Cda_Def lda{};
    ub1 hda[OCIV7_HDA_SIZE]{};
    const int rc = logon(lda, hda, "SCOTT", "TIGER", connect);
    EXPECT_EQ(1034, rc);
    EXPECT_EQ(1034, lda.rc);
    Cda_Def cur{};
    EXPECT_EQ(1012, v7::oopen(&cur, &lda, nullptr, -1, -1, nullptr, -1));
    return message(lda, lda.rc);
}

TEST(ClientMissing, LogonSaysTheClientLibraryWasNotFoundAndHowToInstallIt) {
    if (instantClientInstalled())
        GTEST_SKIP() << "an Oracle Instant Client is installed on this machine";
    const std::string text = failedLogon("localhost/FREEPDB1");
    std::cout << "message: " << text << "\n";
    for (const char *part : {"Oracle client library not found", "libclntsh.so",
                             "Install Oracle Instant Client", "LD_LIBRARY_PATH", "ORACLE_HOME"})
        EXPECT_NE(std::string::npos, text.find(part)) << text;
    EXPECT_EQ(text, failedLogon("//db.example.com:1521/ORCL")) << "the same every time";
}

TEST(ClientCorrupt, LogonNamesTheFileThatDidNotLoad) {
    const std::string text = failedLogon("localhost/FREEPDB1");
    EXPECT_NE(std::string::npos, text.find("libclntsh.so could not be loaded")) << text;
    EXPECT_NE(std::string::npos, text.find("Instant Client")) << text;
}

TEST(ClientLacksEntryPoint, LogonNamesTheMissingEntryPoint) {
    const std::string text = failedLogon("localhost/FREEPDB1");
    EXPECT_NE(std::string::npos, text.find("lacks the entry point OCIStmtFetch2")) << text;
    EXPECT_NE(std::string::npos, text.find("Instant Client 19c or later")) << text;
}

TEST(ClientFound, VersionedFileNameIsFoundThroughTheLoader) {
    scriptedoci::reset();
    Cda_Def lda{};
    ub1 hda[OCIV7_HDA_SIZE]{};
    ASSERT_EQ(0, logon(lda, hda, "SCOTT", "TIGER")) << message(lda, lda.rc);
    EXPECT_EQ(1u, scriptedoci::callsOf("OCISessionBegin").size());
    EXPECT_EQ(0, v7::ologof(&lda));
}

} // namespace
} // namespace oracle_test
