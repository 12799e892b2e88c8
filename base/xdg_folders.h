#pragma once
// Where the user's own files go, written once for the program's settings and the embedded
// database: the folders the XDG base directory rules name. $XDG_CONFIG_HOME and $XDG_DATA_HOME
// when they hold absolute paths (a relative one is ignored, as the rules say), otherwise
// ~/.config and ~/.local/share. Plain C++ without Qt: the embedded client library uses it too.

#include <cstdlib>
#include <string>

#if !defined(_WIN32)
#include <pwd.h>
#include <unistd.h>
#endif

namespace velmora::base {

// $HOME; when it is unset or empty, the home folder the system's user database gives the
// account (what a login would have set HOME to); empty when neither knows one.
inline std::string homeFolder() {
    if (const char *home = std::getenv("HOME"); home && *home)
        return home;
#if !defined(_WIN32)
    if (const passwd *entry = getpwuid(getuid()); entry && entry->pw_dir && *entry->pw_dir)
        return entry->pw_dir;
#endif
    return {};
}

// The folder an XDG variable names, or its default below the home folder; empty when there is
// neither (callers then have no place for the file, and say so).
inline std::string xdgFolder(const char *variable, const char *belowHome) {
    if (const char *value = std::getenv(variable); value && *value == '/')
        return value;
    const std::string home = homeFolder();
    return home.empty() ? std::string() : home + "/" + belowHome;
}

inline std::string configHome() {
    return xdgFolder("XDG_CONFIG_HOME", ".config");
}

inline std::string dataHome() {
    return xdgFolder("XDG_DATA_HOME", ".local/share");
}

} // namespace velmora::base
