// The conversions between SQLite values and the caller's program variables, one function per
// external type (private header): a fetched column into a define's buffer, a bound variable
// into a statement parameter. Statement (statement.cpp) picks the function by the type.
#pragma once

#include "ocilite/engine/statement.h"

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace ocilite {

// ---- fetch (fetch_conversions.cpp) --------------------------------------------------

// A NULL: indicator -1, return code 1405, length 0, and an empty string for the types that
// are zero-terminated.
void fetchNull(const DefineSpec &spec);
// A number into a binary integer (1, 2, 4 or 8 bytes) or float (4 or 8 bytes).
void fetchBinaryNumber(sqlite3_stmt *stmt, int col, const DefineSpec &spec);
// A stored date into Oracle's 7-byte form; ORA-01861 when the text is not a date.
void fetchInternalDate(std::string_view stored, const DefineSpec &spec);
// The value's text as Oracle shows it: numbers in Oracle's text form, dates in the
// session's NLS_DATE_FORMAT (DD-MON-RR when empty), CHAR(n) blank-padded. `scratch` holds
// the text when it is not SQLite's own.
std::string_view fetchedText(sqlite3_stmt *stmt, int col, int sqliteType, const OraType &type,
                             const std::string &dateFormat, std::string &scratch);
// Text into a character buffer (CHR, STR, AFC, AVC); cut is set when it did not fit.
void fetchText(std::string_view text, const DefineSpec &spec, bool &cut);

// ---- bind (bind_conversions.cpp) ----------------------------------------------------

void bindInteger(sqlite3_stmt *stmt, int index, const BindSpec &spec);
void bindFloat(sqlite3_stmt *stmt, int index, const BindSpec &spec);
void bindInternalDate(sqlite3_stmt *stmt, int index, const BindSpec &spec);
// Character types; Oracle binds an empty string as NULL.
void bindText(sqlite3_stmt *stmt, int index, const BindSpec &spec);

} // namespace ocilite
