// Loading Oracle's client library. On Linux the plain name libclntsh.so goes through the
// system loader first (LD_LIBRARY_PATH, the ldconfig cache, the run path), then the versioned
// names Instant Client registers with ldconfig, then $ORACLE_HOME/lib and the folders Instant
// Client installs into (/usr/lib/oracle/<release>/client64/lib from the RPMs,
// /opt/oracle/instantclient_<release> from the zip files), newest release first. On Windows
// oci.dll goes through LoadLibrary's search (the PATH), then %ORACLE_HOME%\bin.
// A library that exists but does not load (a missing libaio, a 32-bit build) is reported
// with the loader's own reason rather than as "not found".
#include "client_library.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <mutex>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <glob.h>
#endif

namespace ocilite::oracle {
namespace {

#if defined(_WIN32)
constexpr const char *kFileName = "oci.dll";
constexpr const char *kHomeSubfolder = "/bin/";
#else
constexpr const char *kFileName = "libclntsh.so";
constexpr const char *kHomeSubfolder = "/lib/";
// Sonames of the releases the bridge is written for, newest first.
constexpr const char *kVersionedNames[] = {"libclntsh.so.23.1", "libclntsh.so.21.1",
                                           "libclntsh.so.19.1", "libclntsh.so.18.1"};
#endif

std::string environmentValue(const char *name) {
    const char *value = std::getenv(name);
    return value ? value : "";
}

std::vector<std::string> expandPattern(const std::string &pattern) {
    std::vector<std::string> found;
#if !defined(_WIN32)
    glob_t matches{};
    if (::glob(pattern.c_str(), 0, nullptr, &matches) == 0)
        for (size_t i = 0; i < matches.gl_pathc; ++i)
            found.emplace_back(matches.gl_pathv[i]);
    ::globfree(&matches);
#else
    (void)pattern;
#endif
    std::sort(found.begin(), found.end(), newerReleaseFirst);
    return found;
}

bool isPath(const std::string &candidate) {
    return candidate.find('/') != std::string::npos || candidate.find('\\') != std::string::npos;
}

struct Opened {
    void *handle = nullptr;
    std::string failure; // the loader's reason when a library was there but did not load
};

Opened openLibrary(const std::string &candidate) {
    Opened opened;
#if defined(_WIN32)
    opened.handle = reinterpret_cast<void *>(::LoadLibraryA(candidate.c_str()));
    if (!opened.handle && ::GetLastError() != ERROR_MOD_NOT_FOUND)
        opened.failure = "Windows error " + std::to_string(::GetLastError());
#else
    opened.handle = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!opened.handle) {
        const char *reason = ::dlerror();
        const std::string text = reason ? reason : "unknown reason";
        // "<candidate>: cannot open shared object file" means it is not there; any other
        // reason (a dependency missing, a wrong architecture) means it is there but broken.
        const bool absent = text.rfind(candidate + ": cannot open shared object file", 0) == 0;
        if (!absent)
            opened.failure = text;
    }
#endif
    return opened;
}

void *symbol(void *handle, const char *name) {
#if defined(_WIN32)
    return reinterpret_cast<void *>(::GetProcAddress(static_cast<HMODULE>(handle), name));
#else
    return ::dlsym(handle, name);
#endif
}

void closeLibrary(void *handle) {
#if defined(_WIN32)
    ::FreeLibrary(static_cast<HMODULE>(handle));
#else
    ::dlclose(handle);
#endif
}

template <typename Fn> bool bind(void *handle, const char *name, Fn &slot, std::string &missing) {
    slot = reinterpret_cast<Fn>(symbol(handle, name));
    if (!slot && missing.empty())
        missing = name;
    return slot != nullptr;
}

// Binds every function; the name of the first one missing lands in missing.
void bindAll(void *h, OciFunctions &f, std::string &missing) {
    bind(h, "OCIEnvNlsCreate", f.envNlsCreate, missing);
    bind(h, "OCIHandleAlloc", f.handleAlloc, missing);
    bind(h, "OCIHandleFree", f.handleFree, missing);
    bind(h, "OCIErrorGet", f.errorGet, missing);
    bind(h, "OCIAttrSet", f.attrSet, missing);
    bind(h, "OCIAttrGet", f.attrGet, missing);
    bind(h, "OCIServerAttach", f.serverAttach, missing);
    bind(h, "OCIServerDetach", f.serverDetach, missing);
    bind(h, "OCISessionBegin", f.sessionBegin, missing);
    bind(h, "OCISessionEnd", f.sessionEnd, missing);
    bind(h, "OCIStmtPrepare", f.stmtPrepare, missing);
    bind(h, "OCIStmtExecute", f.stmtExecute, missing);
    bind(h, "OCIStmtFetch2", f.stmtFetch2, missing);
    bind(h, "OCIParamGet", f.paramGet, missing);
    bind(h, "OCIDescriptorFree", f.descriptorFree, missing);
    bind(h, "OCIDefineByPos", f.defineByPos, missing);
    bind(h, "OCIBindByName", f.bindByName, missing);
    bind(h, "OCITransCommit", f.transCommit, missing);
    bind(h, "OCITransRollback", f.transRollback, missing);
    bind(h, "OCIDescribeAny", f.describeAny, missing);
    bind(h, "OCIStmtGetPieceInfo", f.stmtGetPieceInfo, missing);
    bind(h, "OCIStmtSetPieceInfo", f.stmtSetPieceInfo, missing);
    bind(h, "OCIBindArrayOfStruct", f.bindArrayOfStruct, missing);
    bind(h, "OCIBreak", f.breakCall, missing);
    bind(h, "OCIReset", f.reset, missing);
}

std::string notFoundMessage(const SearchPlan &plan) {
    return "Oracle client library not found: could not load " + plan.fileName + " (searched " +
           plan.places +
           "). Install Oracle Instant Client (Basic or Basic Light, 19c or later) and add its "
#if defined(_WIN32)
           "folder to PATH, or set ORACLE_HOME.";
#else
           "folder to LD_LIBRARY_PATH or to the ldconfig configuration, or set ORACLE_HOME.";
#endif
}

} // namespace

bool newerReleaseFirst(const std::string &a, const std::string &b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            size_t ei = i, ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei])))
                ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej])))
                ++ej;
            const unsigned long long x = std::stoull(a.substr(i, std::min<size_t>(ei - i, 18)));
            const unsigned long long y = std::stoull(b.substr(j, std::min<size_t>(ej - j, 18)));
            if (x != y)
                return x > y;
            i = ei, j = ej;
            continue;
        }
        if (a[i] != b[j])
            return a[i] > b[j];
        ++i, ++j;
    }
    return a.size() - i > b.size() - j;
}

SearchEnvironment defaultSearchEnvironment() {
    SearchEnvironment environment;
    environment.oracleHome = environmentValue("ORACLE_HOME");
#if !defined(_WIN32)
    environment.globPatterns = {"/usr/lib/oracle/*/client64/lib", "/opt/oracle/instantclient*"};
#endif
    return environment;
}

SearchPlan searchPlan(const SearchEnvironment &environment) {
    SearchPlan plan;
    plan.fileName = kFileName;
    plan.candidates.emplace_back(kFileName);
#if defined(_WIN32)
    plan.places = "the PATH";
#else
    plan.places = "the library path";
    for (const char *name : kVersionedNames)
        plan.candidates.emplace_back(name);
#endif
    plan.places += ", $ORACLE_HOME";
    plan.places += kHomeSubfolder;
    plan.places.pop_back();
    if (!environment.oracleHome.empty())
        plan.candidates.push_back(environment.oracleHome + kHomeSubfolder + kFileName);
    for (const std::string &pattern : environment.globPatterns) {
        plan.places += ", " + pattern;
        for (const std::string &folder : expandPattern(pattern))
            plan.candidates.push_back(folder + "/" + kFileName);
    }
    return plan;
}

std::unique_ptr<ClientLibrary> ClientLibrary::load(const SearchPlan &plan, std::string &error) {
    for (const std::string &candidate : plan.candidates) {
        std::error_code ec;
        if (isPath(candidate) && !std::filesystem::exists(candidate, ec))
            continue;
        const Opened opened = openLibrary(candidate);
        if (!opened.failure.empty()) {
            error = "Oracle client library " + candidate +
                    " could not be loaded: " + opened.failure +
                    ". Install what it needs (Instant Client needs libaio) or reinstall Oracle "
                    "Instant Client 19c or later.";
            return nullptr;
        }
        if (!opened.handle)
            continue;
        auto library = std::make_unique<ClientLibrary>();
        std::string missing;
        bindAll(opened.handle, library->m_functions, missing);
        if (!missing.empty()) {
            closeLibrary(opened.handle);
            error = "Oracle client library " + candidate + " lacks the entry point " + missing +
                    "; install Oracle Instant Client 19c or later.";
            return nullptr;
        }
        library->m_path = candidate;
        return library;
    }
    error = notFoundMessage(plan);
    return nullptr;
}

const ClientLibrary *ClientLibrary::instance(std::string &error) {
    static std::mutex mutex;
    static std::unique_ptr<ClientLibrary> loaded;
    std::lock_guard<std::mutex> lock(mutex);
    if (!loaded)
        loaded = load(searchPlan(defaultSearchEnvironment()), error);
    return loaded.get();
}

} // namespace ocilite::oracle
