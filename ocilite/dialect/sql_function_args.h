// What Oracle's SQL functions over SQLite share: reading their arguments, giving their
// result, and turning an OraError into the error SQLite reports (private header).
#pragma once

#include "ocilite/dialect/sql_functions.h"
#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/errors.h"

#include <sqlite3.h>

#include <cmath>
#include <optional>
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

// The session a function was registered with.
inline const SqlSession *session(sqlite3_context *ctx) {
    return static_cast<const SqlSession *>(sqlite3_user_data(ctx));
}

// The session's NLS_DATE_FORMAT, Oracle's default without one.
inline std::string sessionDateFormat(sqlite3_context *ctx) {
    const SqlSession *s = session(ctx);
    return s && s->dateFormat && !s->dateFormat->empty() ? *s->dateFormat : kDefaultDateFormat;
}

// A number result: an integer when it is whole and exact as one, else a double; beyond
// NUMBER's range, ORA-01426.
inline void resultNumber(sqlite3_context *ctx, double value) {
    checkNumberRange(value);
    if (value == std::floor(value) && std::fabs(value) < 9e15)
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(value));
    else
        sqlite3_result_double(ctx, value);
}

// A date argument: text in the engine's stored form; anything else is no date.
inline std::optional<DateTime> argDate(sqlite3_value *v) {
    if (sqlite3_value_type(v) != SQLITE_TEXT)
        return std::nullopt;
    return parseStoredDate(argText(v));
}

// A date argument that must be one: ORA-01861 otherwise.
inline DateTime dateArgument(sqlite3_value *value) {
    auto date = argDate(value);
    if (!date)
        throw OraError(kOraLiteralMismatch);
    return *date;
}

} // namespace ocilite
