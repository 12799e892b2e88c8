// How the arguments of the version-7 calls read and are written, for C++ code on either side
// of the interface: a (text, length) pair where a negative length means zero-terminated, olog's
// user name that may carry the password and connect string as "user/password@connect", and
// odescr's output parameters.
#pragma once

#include "oci/ociv7.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace ociv7 {

// The text of a (pointer, length) argument; a null pointer is the empty string. A given
// length is the text: a zero byte within it stays in the text (a statement or name holding
// one is refused where it is read), it never makes a shorter text.
inline std::string text(const OraText *p, sword length) {
    if (!p)
        return std::string();
    const char *c = reinterpret_cast<const char *>(p);
    if (length < 0)
        return std::string(c);
    return std::string(c, static_cast<size_t>(length));
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

// One select-list column as odescr reports it.
struct ColumnDescription {
    sb4 dbsize = 0;
    sb2 dbtype = 0;
    std::string_view name;
    sb4 dsize = 0;
    sb2 prec = 0;
    sb2 scale = 0;
    sb2 nullok = 1;
};

// Fills odescr's output parameters, any of which may be null. The name is cut to the
// capacity the caller passed in *cbufl, which receives the length written.
inline void describeInto(const ColumnDescription &c, sb4 *dbsize, sb2 *dbtype, sb1 *cbuf,
                         sb4 *cbufl, sb4 *dsize, sb2 *prec, sb2 *scale, sb2 *nullok) {
    if (dbsize)
        *dbsize = c.dbsize;
    if (dbtype)
        *dbtype = c.dbtype;
    if (cbufl) {
        const size_t room = *cbufl > 0 ? static_cast<size_t>(*cbufl) : 0;
        const size_t n = cbuf ? std::min(room, c.name.size()) : 0;
        if (n)
            std::memcpy(cbuf, c.name.data(), n);
        *cbufl = static_cast<sb4>(n);
    }
    if (dsize)
        *dsize = c.dsize;
    if (prec)
        *prec = c.prec;
    if (scale)
        *scale = c.scale;
    if (nullok)
        *nullok = c.nullok;
}

} // namespace ociv7
