// The seal around every exported entry point's whole body (private header). Each side guards
// its own work and records errors in the area; whatever still escapes (a lock that cannot be
// taken, memory running out while an error is being recorded) is caught here and becomes an
// Oracle error number in the area and the return value. No exception crosses the C boundary.
#pragma once

#include "oci/ociv7.h"
#include "ocilite/engine/errors.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace ocilite::api {

// Leaves code in the area as the failed call's outcome; allocates nothing.
inline sword sealFailure(Cda_Def *area, int code) noexcept {
    if (area) {
        area->rc = static_cast<ub2>(code);
        area->v2_rc = static_cast<sb2>(-code);
    }
    return code;
}

template <typename F> sword sealed(Cda_Def *area, F &&body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc &) {
        return sealFailure(area, kOraOutOfMemory);
    } catch (...) {
        return sealFailure(area, kOraInternal);
    }
}

// For oerhms, whose outcome is the text: a fixed text when building the real one failed.
template <typename F> sword sealedText(OraText *buf, sword bufsiz, F &&body) noexcept {
    try {
        return body();
    } catch (...) {
        if (!buf || bufsiz <= 0)
            return 0;
        static const char kText[] = "ORA-00600: internal error code";
        const size_t n = std::min(sizeof kText - 1, static_cast<size_t>(bufsiz - 1));
        std::memcpy(buf, kText, n);
        buf[n] = '\0';
        return static_cast<sword>(n);
    }
}

} // namespace ocilite::api
