// Program variables into statement parameters, one function per external type.
#include "ocilite/engine/conversions.h"

#include "oci/ociv7.h"
#include "ocilite/dialect/text_form.h"

#include <cstring>

namespace ocilite {

void bindInteger(sqlite3_stmt *stmt, int index, const BindSpec &spec) {
    long long v = 0;
    if (spec.length == 1) {
        v = *reinterpret_cast<const signed char *>(spec.value);
    } else if (spec.length == 2) {
        short sh = 0;
        std::memcpy(&sh, spec.value, 2);
        v = sh;
    } else if (spec.length == 8) {
        std::memcpy(&v, spec.value, 8);
    } else {
        int i = 0;
        std::memcpy(&i, spec.value, sizeof i);
        v = i;
    }
    sqlite3_bind_int64(stmt, index, v);
}

void bindFloat(sqlite3_stmt *stmt, int index, const BindSpec &spec) {
    double d = 0;
    if (spec.length == 4) {
        float f = 0;
        std::memcpy(&f, spec.value, 4);
        d = f;
    } else {
        std::memcpy(&d, spec.value, sizeof d);
    }
    checkNumberRange(d);
    sqlite3_bind_double(stmt, index, d);
}

// Oracle's 7-byte DATE: century+100, year+100, month, day, hour+1, minute+1, second+1;
// a field out of its range is refused as Oracle refuses it (storedDate).
void bindInternalDate(sqlite3_stmt *stmt, int index, const BindSpec &spec) {
    const unsigned char *b = spec.value;
    const DateTime d{(b[0] - 100) * 100 + (b[1] - 100), b[2], b[3], b[4] - 1, b[5] - 1, b[6] - 1};
    const std::string text = storedDate(d);
    sqlite3_bind_text(stmt, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void bindText(sqlite3_stmt *stmt, int index, const BindSpec &spec) {
    const char *value = reinterpret_cast<const char *>(spec.value);
    int length = spec.length;
    const bool terminated =
        spec.externalType == OCIV7_EXT_STR || spec.externalType == OCIV7_EXT_AVC;
    if (length < 0) {
        length = static_cast<int>(std::strlen(value));
    } else if (terminated) {
        // Zero-terminated within the given length.
        const void *nul = std::memchr(value, 0, static_cast<size_t>(length));
        if (nul)
            length = static_cast<int>(static_cast<const char *>(nul) - value);
    }
    if (length == 0)
        sqlite3_bind_null(stmt, index);
    else
        sqlite3_bind_text(stmt, index, value, length, SQLITE_TRANSIENT);
}

} // namespace ocilite
