#include "ocilite/engine/default_database.h"

#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ocilite {
namespace {

// Holds an exclusive lock on "<database>.lock" while it lives; `wait` false gives up at once
// when another process holds it.
class CreationLock {
public:
    CreationLock(const std::string &path, bool wait) {
        m_fd = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0)
            return;
        int rc;
        while ((rc = flock(m_fd, LOCK_EX | (wait ? 0 : LOCK_NB))) != 0 && errno == EINTR) {
        }
        if (rc != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~CreationLock() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CreationLock(const CreationLock &) = delete;
    CreationLock &operator=(const CreationLock &) = delete;
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

std::string folderOf(const std::string &path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Creates the missing folders of a path, each one only its owner may enter (0700); folders
// that exist are left as they are.
bool makePrivateFolders(const std::string &folder) {
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Removes "<name>.new-*" (and their -wal, -shm) beside the database; call under the lock.
void removeLeftoversLocked(const std::string &path) {
    const std::string folder = folderOf(path);
    const std::string prefix = path.substr(path.rfind('/') + 1) + ".new-";
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir))
        if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) == 0)
            ::unlink((folder + "/" + entry->d_name).c_str());
    ::closedir(dir);
}

std::string temporaryName(const std::string &path) {
    return path + ".new-" + std::to_string(::getpid()) + "-" +
           std::to_string(std::random_device{}() % 1000000);
}

} // namespace

void removeCreationLeftovers(const std::string &path) {
    CreationLock lock(path, false);
    if (lock.held())
        removeLeftoversLocked(path);
}

std::unique_ptr<Database> createDefaultDatabase(const std::string &path, const SeedDatabase &seed,
                                                std::string &error) {
    const std::string folder = folderOf(path);
    if (!makePrivateFolders(folder)) {
        error = oraText(kOraNotAvailable, {folder, std::strerror(errno)});
        return nullptr;
    }
    CreationLock lock(path, true);
    removeLeftoversLocked(path);
    // Another process may have made it while this one waited for the lock.
    if (::access(path.c_str(), F_OK) == 0)
        return Database::open(path, false, error);
    const std::string temporary = temporaryName(path);
    {
        auto db = Database::open(temporary, true, error);
        if (!db)
            return nullptr;
        if (!seed(*db, error)) {
            db.reset();
            removeLeftoversLocked(path);
            return nullptr;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = oraText(kOraNotAvailable, {path, std::strerror(errno)});
        removeLeftoversLocked(path);
        return nullptr;
    }
    return Database::open(path, false, error);
}

} // namespace ocilite
