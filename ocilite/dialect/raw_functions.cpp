// Oracle's conversions between raw bytes and hexadecimal text in SQL: HEXTORAW (ORA-01465 for
// text that is no hexadecimal number; an odd count of digits reads as if led by a zero) and
// RAWTOHEX (upper-case digits; text given to it is read as raw first, as Oracle does).
#include "ocilite/dialect/sql_functions.h"

#include "ocilite/engine/errors.h"
#include "ocilite/engine/fetch_forms.h"

namespace ocilite {
namespace {

std::string rawArgument(sqlite3_value *v) {
    if (sqlite3_value_type(v) == SQLITE_BLOB) {
        const auto *p = static_cast<const char *>(sqlite3_value_blob(v));
        return std::string(p ? p : "", static_cast<size_t>(sqlite3_value_bytes(v)));
    }
    const auto *p = reinterpret_cast<const char *>(sqlite3_value_text(v));
    return hexToBytes(std::string_view(p ? p : "", static_cast<size_t>(sqlite3_value_bytes(v))));
}

template <typename F> void withRaw(sqlite3_context *ctx, sqlite3_value *v, F &&result) {
    if (sqlite3_value_type(v) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    try {
        const std::string raw = rawArgument(v);
        if (raw.empty())
            return sqlite3_result_null(ctx);
        result(raw);
    } catch (const OraError &e) {
        sqlite3_result_error(ctx, e.what(), -1);
    }
}

void fnHexToRaw(sqlite3_context *ctx, int, sqlite3_value **argv) {
    withRaw(ctx, argv[0], [&](const std::string &raw) {
        sqlite3_result_blob(ctx, raw.data(), static_cast<int>(raw.size()), SQLITE_TRANSIENT);
    });
}

void fnRawToHex(sqlite3_context *ctx, int, sqlite3_value **argv) {
    withRaw(ctx, argv[0], [&](const std::string &raw) {
        const std::string hex = bytesToHex(raw);
        sqlite3_result_text(ctx, hex.data(), static_cast<int>(hex.size()), SQLITE_TRANSIENT);
    });
}

} // namespace

void registerRawFunctions(sqlite3 *db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(db, "HEXTORAW", 1, flags, nullptr, fnHexToRaw, nullptr, nullptr,
                               nullptr);
    sqlite3_create_function_v2(db, "RAWTOHEX", 1, flags, nullptr, fnRawToHex, nullptr, nullptr,
                               nullptr);
}

} // namespace ocilite
