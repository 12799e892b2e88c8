// What Oracle's SQL functions over SQLite share: reading their arguments, giving their
// result, and turning an OraError into the error SQLite reports (private header).
#pragma once

#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/errors.h"

#include <sqlite3.h>

#include <cmath>
#include <string>

namespace ocilite {

inline std::string argText(sqlite3_value *v) {
    const auto *p = reinterpret_cast<const char *>(sqlite3_value_text(v));
    return p ? std::string(p, static_cast<size_t>(sqlite3_value_bytes(v))) : std::string();
}

inline bool isNull(sqlite3_value *v) {
    return sqlite3_value_type(v) == SQLITE_NULL;
}

inline void resultText(sqlite3_context *ctx, const std::string &text) {
    // Oracle has no empty strings: they are NULL.
    if (text.empty())
        sqlite3_result_null(ctx);
    else
        sqlite3_result_text(ctx, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

inline void resultError(sqlite3_context *ctx, const OraError &e) {
    sqlite3_result_error(ctx, e.what(), -1);
}

// Runs a function body and turns an OraError into the SQL error SQLite reports.
template <typename F> void guarded(sqlite3_context *ctx, F &&body) {
    try {
        body();
    } catch (const OraError &e) {
        resultError(ctx, e);
    } catch (const std::exception &e) {
        resultError(ctx, OraError(kOraInternal, e.what()));
    }
}

inline double argNumber(sqlite3_value *v) {
    const int type = sqlite3_value_type(v);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
        return sqlite3_value_double(v);
    return parseNumber(argText(v));
}

// A whole number argument (a position, a count, a number of months) clamped into
// [low, high] before it becomes an integer; NaN counts as 0.
inline long long argInteger(sqlite3_value *v, long long low, long long high) {
    const double d = std::trunc(argNumber(v));
    if (!(d == d))
        return 0;
    if (d <= static_cast<double>(low))
        return low;
    if (d >= static_cast<double>(high))
        return high;
    return static_cast<long long>(d);
}

} // namespace ocilite
