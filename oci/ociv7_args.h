// How the text arguments of the version-7 calls read, for C++ code on either side of the
// interface: a (text, length) pair where a negative length means zero-terminated, and olog's
// user name that may carry the password and connect string as "user/password@connect".
#pragma once

#include "oci/ociv7.h"

#include <cstring>
#include <string>

namespace ociv7 {

// The text of a (pointer, length) argument; a null pointer is the empty string, and a
// terminator within the length ends the text.
inline std::string text(const OraText *p, sword length) {
    if (!p)
        return std::string();
    const char *c = reinterpret_cast<const char *>(p);
    if (length < 0)
        return std::string(c);
    return std::string(c, strnlen(c, static_cast<size_t>(length)));
}

// Splits "user/password@connect" as SQL*Plus does: the parts found in the user name fill the
// password and the connect string when those were given empty.
inline void splitLogonText(std::string &user, std::string &password, std::string &connect) {
    const auto at = user.find('@');
    if (at != std::string::npos) {
        if (connect.empty())
            connect = user.substr(at + 1);
        user.erase(at);
    }
    const auto slash = user.find('/');
    if (slash != std::string::npos) {
        if (password.empty())
            password = user.substr(slash + 1);
        user.erase(slash);
    }
}

} // namespace ociv7
