// Database files hold password hashes: the ones the library creates (the default database,
// a new database file, and the -wal and -shm beside them) are readable by their owner only,
// in a folder only the owner may enter; and what a killed first use left behind is gone at
// the next.
#include "oci_client.h"

#include "ocilite/engine/connect_string.h"
#include "ocilite/engine/database.h"

#include <sys/stat.h>

#include <filesystem>

namespace ocilite::test {
namespace {

namespace fs = std::filesystem;

unsigned mode(const fs::path &path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Every file in the folder whose name begins with `prefix`.
std::vector<fs::path> filesOf(const fs::path &folder, const std::string &prefix) {
    std::vector<fs::path> found;
    for (const auto &entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().rfind(prefix, 0) == 0)
            found.push_back(entry.path());
    return found;
}

TEST(DatabaseCreation, FilesAreTheOwnersAlone) {
    TempHome home;
    Oci oci;
    ASSERT_EQ(0, oci.logon("SCOTT", "TIGER", "")) << oci.message(oci.lda.rc);
    ASSERT_EQ(0, oci.run("insert into dept (deptno) values (99)"));
    const fs::path folder = fs::path(defaultDatabasePath()).parent_path();
    EXPECT_EQ(0700u, mode(folder));
    const auto files = filesOf(folder, "demo.db");
    EXPECT_GE(files.size(), 2u); // the database and its -wal at least
    for (const fs::path &file : files)
        EXPECT_EQ(0600u, mode(file)) << file;

    std::string error;
    const std::string created = home.path("made/by/create.db");
    fs::create_directories(home.dir() / "made/by");
    auto db = Database::open(created, true, error);
    ASSERT_TRUE(db) << error;
    ASSERT_TRUE(db->addUser("u", "p", error)) << error;
    for (const fs::path &file : filesOf(home.dir() / "made/by", "create.db"))
        EXPECT_EQ(0600u, mode(file)) << file;
}

TEST(DatabaseCreation, LeftoversOfAKilledFirstUseAreRemoved) {
    TempHome home;
    const fs::path folder = fs::path(defaultDatabasePath()).parent_path();
    fs::create_directories(folder);
    const char *leftovers[] = {"demo.db.new-481516", "demo.db.new-481516-wal",
                               "demo.db.new-481516-shm", "demo.db.new-2342"};
    for (const char *name : leftovers)
        home.write((folder / name).lexically_relative(home.dir()).string(), "half made");
    {
        Oci oci;
        ASSERT_EQ(0, oci.logon("SCOTT", "TIGER", "")) << oci.message(oci.lda.rc);
    }
    EXPECT_TRUE(filesOf(folder, "demo.db.new-").empty());
    // Left over while the database already existed: gone at the next logon too.
    home.write((folder / "demo.db.new-1").lexically_relative(home.dir()).string(), "half made");
    Oci again;
    ASSERT_EQ(0, again.logon("SCOTT", "TIGER", "")) << again.message(again.lda.rc);
    EXPECT_TRUE(filesOf(folder, "demo.db.new-").empty());
    EXPECT_EQ(Rows{{"KING"}}, again.rows("select ename from emp where empno = 7839"));
}

} // namespace
} // namespace ocilite::test
