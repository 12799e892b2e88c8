// Finding and loading the Oracle client library: the search order, and each way a found
// file can fail (not a library, an entry point missing), against files built for the test.
#include "ocilite/oracle/client_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using ocilite::oracle::ClientLibrary;
using ocilite::oracle::newerReleaseFirst;
using ocilite::oracle::SearchEnvironment;
using ocilite::oracle::searchPlan;

namespace {

const std::string kVariants = SCRIPTEDOCI_DIR;

class LoaderFolders : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/velmora-loader-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        root = pattern;
    }
    void TearDown() override { fs::remove_all(root); }
    std::string folder(const std::string &name) {
        fs::create_directories(root + "/" + name);
        return root + "/" + name;
    }
    std::string root;
};

TEST(LoaderOrder, NewestReleaseFirst) {
    struct Case {
        const char *newer;
        const char *older;
    } cases[] = {
        {"/opt/oracle/instantclient_23_5", "/opt/oracle/instantclient_21_13"},
        {"/opt/oracle/instantclient_21_13", "/opt/oracle/instantclient_21_9"},
        {"/usr/lib/oracle/23/client64/lib", "/usr/lib/oracle/19.24/client64/lib"},
        {"/usr/lib/oracle/19.24/client64/lib", "/usr/lib/oracle/19.3/client64/lib"},
        {"/opt/oracle/instantclient_19_24", "/opt/oracle/instantclient"},
    };
    for (const Case &c : cases) {
        EXPECT_TRUE(newerReleaseFirst(c.newer, c.older)) << c.newer << " vs " << c.older;
        EXPECT_FALSE(newerReleaseFirst(c.older, c.newer)) << c.older << " vs " << c.newer;
    }
    EXPECT_FALSE(newerReleaseFirst("/x/19", "/x/19"));
}

TEST_F(LoaderFolders, LoaderPlanTriesTheLoaderThenOracleHomeThenInstantClientFoldersNewestFirst) {
    const std::string home = folder("home");
    const std::string older = folder("instantclient_19_24");
    const std::string newer = folder("instantclient_23_5");
    folder("unrelated");
    const auto plan = searchPlan(SearchEnvironment{home, {root + "/instantclient*"}});
    const std::vector<std::string> expected = {
        "libclntsh.so",          "libclntsh.so.23.1",     "libclntsh.so.21.1",
        "libclntsh.so.19.1",     "libclntsh.so.18.1",     home + "/lib/libclntsh.so",
        newer + "/libclntsh.so", older + "/libclntsh.so",
    };
    EXPECT_EQ(expected, plan.candidates);
    EXPECT_EQ("libclntsh.so", plan.fileName);
    EXPECT_NE(std::string::npos, plan.places.find("$ORACLE_HOME/lib"));
    EXPECT_NE(std::string::npos, plan.places.find(root + "/instantclient*"));
}

TEST_F(LoaderFolders, LoaderPlanWithoutOracleHomeSkipsIt) {
    const auto plan = searchPlan(SearchEnvironment{"", {root + "/nothing*"}});
    EXPECT_EQ(5u, plan.candidates.size());
    EXPECT_TRUE(
        std::none_of(plan.candidates.begin(), plan.candidates.end(),
                     [](const std::string &c) { return c.find('/') != std::string::npos; }));
}

TEST_F(LoaderFolders, LoaderTakesTheFirstCandidateThatExistsAndBindsEveryFunction) {
    const std::string empty = folder("empty");
    std::string error;
    auto library = ClientLibrary::load(
        {{empty + "/libclntsh.so", kVariants + "/full/libclntsh.so"}, "libclntsh.so", "x"}, error);
    ASSERT_TRUE(library) << error;
    EXPECT_EQ(kVariants + "/full/libclntsh.so", library->path());
    const auto &f = library->oci();
    for (const void *fn :
         {(const void *)f.envNlsCreate, (const void *)f.handleAlloc, (const void *)f.stmtFetch2,
          (const void *)f.transRollback, (const void *)f.bindByName, (const void *)f.errorGet})
        EXPECT_NE(nullptr, fn);
}

TEST(LoaderFailures, EachFailureNamesTheFileAndWhatToDo) {
    struct Case {
        std::vector<std::string> candidates;
        std::vector<std::string> said;
    } cases[] = {
        {{"/nowhere/libclntsh.so"},
         {"Oracle client library not found", "libclntsh.so", "Instant Client", "LD_LIBRARY_PATH",
          "ORACLE_HOME"}},
        {{kVariants + "/missing-fetch/libclntsh.so"},
         {kVariants + "/missing-fetch/libclntsh.so", "lacks the entry point OCIStmtFetch2",
          "Instant Client 19c"}},
        {{kVariants + "/corrupt/libclntsh.so"},
         {kVariants + "/corrupt/libclntsh.so", "could not be loaded", "Instant Client"}},
    };
    for (const Case &c : cases) {
        std::string error;
        EXPECT_FALSE(
            ClientLibrary::load({c.candidates, "libclntsh.so", "the library path"}, error));
        for (const std::string &part : c.said)
            EXPECT_NE(std::string::npos, error.find(part)) << error << "\nlacks: " << part;
        EXPECT_LT(error.size(), 500u) << "must fit the program's 512-byte message buffer";
    }
}

} // namespace
