#include "ocilite/engine/database_file.h"

#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ocilite {
namespace {

std::string folderOf(const std::string &path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

long long fileSize(const std::string &path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
}

// A file cut short: ORA-01578 naming the first block it lacks. While a -wal holds changes,
// the file may legitimately lag behind its header, and SQLite judges it.
void checkWholeBlocks(const std::string &path) {
    if (fileSize(path) <= 0 || fileSize(path + "-wal") > 0)
        return;
    const std::string block = corruptBlock(path);
    if (block != "unknown")
        throw OraError(kOraBlockCorrupted,
                       {"1", block, path, "the file is cut short at block " + block});
}

// "file:" URI of a path, for SQLite's immutable parameter.
std::string fileUri(const std::string &path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (unsigned char c : path) {
        if (c == '%' || c == '?' || c == '#' || c < 0x20 || c >= 0x7f) {
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 15];
        } else {
            uri += static_cast<char>(c);
        }
    }
    return uri + "?immutable=1";
}

[[noreturn]] void refuse(sqlite3 *db, int rc, const std::string &path) {
    try {
        throwFileError(db, rc, path);
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
}

// A folder that cannot be written holds no -shm, so SQLite cannot share the file: it is read
// as it stands, which is the database unless a -wal holds changes not yet applied to it.
sqlite3 *openReadOnlyFolder(const std::string &path) {
    const std::string folder = folderOf(path);
    if (fileSize(path + "-wal") > 0)
        throw OraError(kOraNeedsRecovery, {path, folder + ": " + std::strerror(EACCES)});
    sqlite3 *db = nullptr;
    const int rc =
        sqlite3_open_v2(fileUri(path).c_str(), &db,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK)
        refuse(db, rc, path);
    return db;
}

} // namespace

void createPrivateFile(const std::string &path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return;
    }
    if (errno != EEXIST)
        throw OraError(kOraNotAvailable, {path, std::strerror(errno)});
}

sqlite3 *openDatabaseFile(const std::string &path, bool create) {
    if (create)
        createPrivateFile(path);
    checkWholeBlocks(path);
    if (!create && access(folderOf(path).c_str(), W_OK) != 0 && errno != ENOENT)
        return openReadOnlyFolder(path);
    sqlite3 *db = nullptr;
    const int rc =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK)
        refuse(db, rc, path);
    return db;
}

} // namespace ocilite
