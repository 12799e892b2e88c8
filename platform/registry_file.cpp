// The registry outside Windows: one REGEDIT4 text file, $XDG_CONFIG_HOME/velmora/registry.reg.
// Several copies of the program may run at once, so every operation holds an exclusive lock on
// a lock file beside it, and every write re-reads the file, applies its one change and replaces
// the file as a whole (temporary file, fsync, rename): a change made by another process in the
// meantime is never lost, and a crash never leaves a half-written file behind.

#include "platform/registry.h"
#include "platform/registry_hive.h"

#include "base/xdg_folders.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform {
namespace {

constexpr const char *kFileName = "registry.reg";
// Far beyond anything the program writes; a larger file is not ours and is kept aside.
constexpr off_t kMaxFileSize = 16 * 1024 * 1024;

struct HivePaths {
    std::string folder;
    std::string file;
    std::string lock;
};

std::optional<HivePaths> hivePaths() {
    const std::string config = base::configHome();
    if (config.empty())
        return std::nullopt;
    HivePaths paths;
    paths.folder = config + "/velmora";
    paths.file = paths.folder + "/" + kFileName;
    paths.lock = paths.file + ".lock";
    return paths;
}

bool makeFolders(const std::string &folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Holds the exclusive lock of the hive for as long as it lives.
class HiveLock {
public:
    explicit HiveLock(const std::string &lockFile) {
        m_fd = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0)
            return;
        int rc;
        while ((rc = flock(m_fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (rc != 0) {
            close(m_fd);
            m_fd = -1;
        }
    }
    ~HiveLock() {
        if (m_fd >= 0)
            close(m_fd); // releases the lock
    }
    HiveLock(const HiveLock &) = delete;
    HiveLock &operator=(const HiveLock &) = delete;
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

enum class ReadOutcome { Read, Missing, Failed };

ReadOutcome readWhole(const std::string &file, std::string &text, bool &tooLarge) {
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed;
    struct stat info {};
    ReadOutcome outcome = ReadOutcome::Read;
    tooLarge = false;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        outcome = ReadOutcome::Failed;
    } else if (info.st_size > kMaxFileSize) {
        tooLarge = true;
    } else {
        char buffer[8192];
        ssize_t got;
        while ((got = read(fd, buffer, sizeof buffer)) != 0) {
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                outcome = ReadOutcome::Failed;
                break;
            }
            text.append(buffer, static_cast<std::size_t>(got));
        }
    }
    close(fd);
    return outcome;
}

std::string timestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y%m%d-%H%M%S", &parts);
    return buffer;
}

// Renames the unreadable file to an unused "<file>.corrupt-<time>[-n]" name. Runs under the
// hive lock, so no other copy of the program picks the same name in between.
bool moveAside(const std::string &file, const std::string &why) {
    const std::string base = file + ".corrupt-" + timestamp();
    std::string target = base;
    struct stat info {};
    for (int n = 1; lstat(target.c_str(), &info) == 0; ++n)
        target = base + "-" + std::to_string(n);
    if (rename(file.c_str(), target.c_str()) != 0)
        return false;
    std::fprintf(stderr, "velmora: the settings file %s cannot be read (%s); it was kept as %s\n",
                 file.c_str(), why.c_str(), target.c_str());
    return true;
}

// The hive as the file holds it now; an unreadable file is moved aside and counts as empty.
// Empty only when the file exists but cannot be read or moved (nothing may overwrite it then).
std::optional<hive::Hive> loadHive(const HivePaths &paths) {
    std::string text;
    bool tooLarge = false;
    switch (readWhole(paths.file, text, tooLarge)) {
    case ReadOutcome::Missing:
        return hive::Hive();
    case ReadOutcome::Failed:
        return std::nullopt;
    case ReadOutcome::Read:
        break;
    }
    std::string why = "larger than a settings file can be";
    if (!tooLarge) {
        if (auto parsed = hive::parse(text, &why))
            return parsed;
    }
    if (!moveAside(paths.file, why))
        return std::nullopt;
    return hive::Hive();
}

// A write killed between creating its temporary file and renaming it leaves
// "registry.reg.tmp-*" behind. Writes happen only under the hive lock, so while it is held
// every such file is a leftover, and goes.
void removeStaleTemporaries(const HivePaths &paths) {
    const std::string prefix = std::string(kFileName) + ".tmp-";
    DIR *dir = opendir(paths.folder.c_str());
    if (!dir)
        return;
    while (const dirent *entry = readdir(dir))
        if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) == 0)
            unlink((paths.folder + "/" + entry->d_name).c_str());
    closedir(dir);
}

bool writeAll(int fd, const std::string &text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void syncFolder(const std::string &folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd); // makes the rename itself durable; the data is already safe without it
        close(fd);
    }
}

bool storeHive(const HivePaths &paths, const hive::Hive &contents) {
    std::string name = paths.file + ".tmp-XXXXXX";
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = fchmod(fd, 0600) == 0 && writeAll(fd, hive::format(contents)) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(name.c_str(), paths.file.c_str()) == 0;
    if (!ok) {
        unlink(name.c_str());
        return false;
    }
    syncFolder(paths.folder);
    return true;
}

class FileKey final : public RegistryKey {
public:
    FileKey(HivePaths paths, hive::Key snapshot)
        : m_paths(std::move(paths)), m_snapshot(std::move(snapshot)) {}

    RegistryValueType valueType(const std::string &name) const override {
        return hive::typeOf(m_snapshot.find(name));
    }
    std::optional<std::string> readString(const std::string &name) const override;
    std::optional<std::int32_t> readInteger(const std::string &name) const override;
    bool writeString(const std::string &name, const std::string &value) override;
    bool writeInteger(const std::string &name, std::int32_t value) override;
    bool deleteValue(const std::string &name) override;

private:
    enum class Change { Changed, Unchanged, Refused };
    // Re-reads the hive under the lock, applies `change` to this key (recreated if it went
    // missing) and stores the result. A value that already holds what is written costs no
    // rewrite (a Save after an unchanged look touches nothing); Refused fails the operation.
    bool modify(const std::function<Change(hive::Key &)> &change);

    HivePaths m_paths;
    hive::Key m_snapshot;
};

std::optional<std::string> FileKey::readString(const std::string &name) const {
    const hive::Value *value = m_snapshot.find(name);
    if (!value || (value->type != hive::kString && value->type != hive::kExpandString))
        return std::nullopt;
    return value->bytes;
}

std::optional<std::int32_t> FileKey::readInteger(const std::string &name) const {
    const hive::Value *value = m_snapshot.find(name);
    if (!value || value->type != hive::kDWord)
        return std::nullopt;
    return static_cast<std::int32_t>(value->number);
}

bool FileKey::writeString(const std::string &name, const std::string &text) {
    return hive::validValueName(name) && modify([&](hive::Key &key) {
               const hive::Value *old = key.find(name);
               if (old && old->type == hive::kString && old->bytes == text)
                   return Change::Unchanged;
               key.assign(name, hive::kString, text, 0);
               return Change::Changed;
           });
}

bool FileKey::writeInteger(const std::string &name, std::int32_t number) {
    const auto pattern = static_cast<std::uint32_t>(number);
    return hive::validValueName(name) && modify([&](hive::Key &key) {
               const hive::Value *old = key.find(name);
               if (old && old->type == hive::kDWord && old->number == pattern)
                   return Change::Unchanged;
               key.assign(name, hive::kDWord, {}, pattern);
               return Change::Changed;
           });
}

bool FileKey::deleteValue(const std::string &name) {
    return modify(
        [&](hive::Key &key) { return key.erase(name) ? Change::Changed : Change::Refused; });
}

bool FileKey::modify(const std::function<Change(hive::Key &)> &change) {
    if (!makeFolders(m_paths.folder))
        return false;
    HiveLock lock(m_paths.lock);
    if (!lock.held())
        return false;
    std::optional<hive::Hive> current = loadHive(m_paths);
    if (!current)
        return false;
    hive::Key &key = current->create(m_snapshot.path);
    const Change outcome = change(key);
    if (outcome == Change::Changed && !storeHive(m_paths, *current))
        return false;
    m_snapshot = key;
    return outcome != Change::Refused;
}

std::unique_ptr<RegistryKey> openKey(RegistryRoot root, const std::string &path, bool create) {
    const std::string full = hive::keyPath(root, path);
    const std::optional<HivePaths> paths = hivePaths();
    if (full.empty() || !paths)
        return nullptr;
    // Looking a key up never creates the settings folder.
    if (create ? !makeFolders(paths->folder) : access(paths->folder.c_str(), F_OK) != 0)
        return nullptr;
    HiveLock lock(paths->lock);
    if (!lock.held())
        return nullptr;
    removeStaleTemporaries(*paths);
    std::optional<hive::Hive> current = loadHive(*paths);
    if (!current)
        return nullptr;
    if (!current->exists(full)) {
        if (!create)
            return nullptr;
        current->create(full);
        if (!storeHive(*paths, *current))
            return nullptr;
    }
    const hive::Key *key = current->find(full);
    return std::make_unique<FileKey>(*paths, key ? *key : hive::Key{full, {}});
}

} // namespace

std::unique_ptr<RegistryKey> RegistryKey::openOrCreate(RegistryRoot root, const std::string &path) {
    return openKey(root, path, true);
}

std::unique_ptr<RegistryKey> RegistryKey::openExisting(RegistryRoot root, const std::string &path) {
    return openKey(root, path, false);
}

} // namespace velmora::platform
