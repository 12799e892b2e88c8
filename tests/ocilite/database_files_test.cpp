// Database files in every state a machine leaves them in: read-only (the file or its folder),
// unreadable, not a database, another program's database, cut short, locked by another
// connection. Each gets the error Oracle gives for the same state of its own files, with the
// path and the system's reason; a read-only database still answers queries. Root writes any
// file whatever its mode, so under root these cases run in a child process as nobody.
#include "oci_client.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>

namespace ocilite::test {
namespace {

namespace fs = std::filesystem;

// Runs body as an unprivileged user (nobody when the tests run as root) in a child process;
// body's text comes back through a pipe.
std::string asUnprivileged(const std::function<std::string()> &body) {
    int fds[2];
    if (pipe(fds) != 0)
        return "pipe failed";
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        const std::string out = body();
        if (write(fds[1], out.data(), out.size()) < 0)
            _exit(3);
        _exit(0);
    }
    close(fds[1]);
    std::string out;
    char buf[4096];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
        out.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? out : "child failed";
}

// Logs on as SCOTT to the file, then runs a query and an insert: "logon rc|query rc|insert rc|
// text of the first failure".
std::string tryDatabase(const std::string &path) {
    Oci oci;
    std::string error;
    if (!oci.logon("SCOTT", "TIGER", path, error))
        return std::to_string(oci.lda.rc) + "|-|-|" + error;
    const int query = oci.query("select ename from emp where empno = 7839").rc;
    const int insert = oci.run("insert into dept (deptno) values (99)");
    const int failed = query ? query : insert;
    return "0|" + std::to_string(query) + "|" + std::to_string(insert) + "|" +
           (failed ? oci.message(failed) : "");
}

// Fills the first block of a table with bytes no block holds.
void overwriteRootBlock(const std::string &path, const char *table) {
    sqlite3 *db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt *q = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT rootpage, (SELECT page_size FROM pragma_page_size) FROM "
                       "sqlite_master WHERE name = ?1",
                       -1, &q, nullptr);
    sqlite3_bind_text(q, 1, table, -1, SQLITE_STATIC);
    ASSERT_EQ(SQLITE_ROW, sqlite3_step(q)) << table;
    const long long block = sqlite3_column_int64(q, 0), size = sqlite3_column_int64(q, 1);
    sqlite3_finalize(q);
    sqlite3_close(db);
    std::FILE *f = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(nullptr, f);
    std::fseek(f, static_cast<long>((block - 1) * size), SEEK_SET);
    const std::string garbage(static_cast<size_t>(size), '\xEE');
    std::fwrite(garbage.data(), 1, garbage.size(), f);
    std::fclose(f);
}

class DatabaseFilesTest : public ::testing::Test {
public:
    void SetUp() override {
        fs::permissions(home.dir(), fs::perms(0755));
        source = createTestDatabase(home.path());
        fs::permissions(source, fs::perms(0644));
    }

    // A copy of the test database under the given folder (created with mode 0755).
    std::string copy(const std::string &folder, const std::string &name) {
        const fs::path dir = home.dir() / folder;
        fs::create_directories(dir);
        fs::permissions(dir, fs::perms(0755));
        const fs::path target = dir / name;
        fs::copy_file(source, target, fs::copy_options::overwrite_existing);
        fs::permissions(target, fs::perms(0644));
        return target.string();
    }

    TempHome home;
    std::string source;
};

struct FileCase {
    const char *what;
    std::function<std::string(DatabaseFilesTest &)> make; // returns the connect string
    const char *expected;                                 // "logon|query|insert|" prefix
    const char *textHas;                                  // in the failure's text
};

TEST_F(DatabaseFilesTest, EachStateGetsOraclesErrorWithThePathAndTheReason) {
    const FileCase cases[] = {
        {"a read-only file",
         [](DatabaseFilesTest &t) {
             const std::string path = t.copy("open", "ro.db");
             fs::permissions(fs::path(path).parent_path(), fs::perms(0777));
             fs::permissions(path, fs::perms(0444));
             return path;
         },
         "0|0|16000|", "Permission denied"},
        {"a read-only folder",
         [](DatabaseFilesTest &t) {
             const std::string path = t.copy("closed", "rw.db");
             fs::permissions(fs::path(path).parent_path(), fs::perms(0555));
             return path;
         },
         "0|0|16000|", "closed: Permission denied"},
        {"a read-only folder with changes not yet in the file",
         [](DatabaseFilesTest &t) {
             const std::string path = t.copy("pending", "wal.db");
             t.home.write("pending/wal.db-wal", std::string(4096, 'w'));
             fs::permissions(fs::path(path).parent_path(), fs::perms(0555));
             return path;
         },
         "1113|-|-|", "wal.db needs media recovery"},
        {"an unreadable file",
         [](DatabaseFilesTest &t) {
             const std::string path = t.copy("locked", "none.db");
             fs::permissions(fs::path(path).parent_path(), fs::perms(0777));
             fs::permissions(path, fs::perms(0));
             return path;
         },
         "1034|-|-|", "none.db"},
        {"a text file",
         [](DatabaseFilesTest &t) { return t.home.write("text.db", "this is not a database\n"); },
         "1034|-|-|", "text.db: file is not a database"},
        {"an empty file", [](DatabaseFilesTest &t) { return t.home.write("empty.db", ""); },
         "1034|-|-|", "empty.db: not an ocilite database"},
        {"another program's database",
         [](DatabaseFilesTest &t) {
             const std::string path = t.home.path("foreign.db");
             sqlite3 *db = nullptr;
             sqlite3_open(path.c_str(), &db);
             sqlite3_exec(db, "CREATE TABLE t(x)", nullptr, nullptr, nullptr);
             sqlite3_close(db);
             return path;
         },
         "1034|-|-|", "foreign.db: not an ocilite database"},
        {"a file cut inside a block",
         [](DatabaseFilesTest &t) {
             const std::string path = t.copy("cut", "mid.db");
             fs::resize_file(path, fs::file_size(path) - 1000);
             return path;
         },
         "1578|-|-|", "mid.db"},
        {"a damaged block of the users' table",
         [](DatabaseFilesTest &t) {
             const std::string path = t.copy("damaged", "users.db");
             overwriteRootBlock(path, "OCILITE_USERS");
             return path;
         },
         "1578|-|-|", "users.db"},
        {"a file cut at a block's edge",
         [](DatabaseFilesTest &t) {
             const std::string path = t.copy("cut", "edge.db");
             fs::resize_file(path, 4096);
             return path;
         },
         "1578|-|-|", "edge.db"},
    };
    for (const FileCase &c : cases) {
        const std::string connect = c.make(*this);
        const std::string got = asUnprivileged([&] { return tryDatabase(connect); });
        EXPECT_EQ(0u, got.rfind(c.expected, 0)) << c.what << ": " << got;
        EXPECT_NE(std::string::npos, got.find(c.textHas)) << c.what << ": " << got;
        EXPECT_EQ(std::string::npos, got.find("ORA-00600")) << c.what << ": " << got;
    }
}

TEST_F(DatabaseFilesTest, ARefusedWriteLeavesTheDatabaseAsItWas) {
    const std::string path = copy("open", "ro.db");
    fs::permissions(fs::path(path).parent_path(), fs::perms(0777));
    fs::permissions(path, fs::perms(0444));
    asUnprivileged([&] { return tryDatabase(path); });
    Oci oci;
    ASSERT_EQ(0, oci.logon("SCOTT", "TIGER", path));
    EXPECT_EQ(Rows{{"3"}}, oci.rows("select count(*) from dept"));
}

TEST_F(DatabaseFilesTest, ALockedDatabaseIsBusyNotBroken) {
    sqlite3 *other = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(source.c_str(), &other));
    ASSERT_EQ(SQLITE_OK, sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr));
    Oci oci;
    ASSERT_EQ(0, oci.logon("SCOTT", "TIGER", source)) << oci.message(oci.lda.rc);
    EXPECT_EQ(Rows{{"KING"}}, oci.rows("select ename from emp where empno = 7839"));
    EXPECT_EQ(54, oci.run("insert into dept (deptno) values (99)"));
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(0, oci.run("insert into dept (deptno) values (99)")) << oci.message(oci.cur.rc);
}

} // namespace
} // namespace ocilite::test
