// The conversions between the engine's values and a version-7 program's variables (private to
// the engine), for every external type: a fetched column value into one element of a define,
// one element of a bind into a statement parameter. Oracle's rules: text forms of numbers and
// dates, hexadecimal text for raw bytes, the indicator / returned length / column return code
// of every fetched value, and ORA-00932, ORA-01722, ORA-01465, ORA-01455 ... where a value
// cannot become the type asked for.
#pragma once

#include "ocilite/dialect/types.h"
#include "ocilite/engine/external_types.h"

#include <sqlite3.h>

#include <string>

namespace ocilite {

// Where one row's value of a column goes.
struct FetchTarget {
    unsigned char *buffer = nullptr;
    long length = 0;
    ExternalType type;
    int scale = 0;
    short *indicator = nullptr;
    unsigned short *returnedLength = nullptr;
    unsigned short *returnCode = nullptr;
};

// What a fetched value did: it was NULL, or it was cut to the buffer; the length it left in
// the buffer and its column return code.
struct FetchOutcome {
    bool null = false;
    bool cut = false;
    long length = 0;
    int code = 0;
};

// Writes a column value (of the described column type) into the target, with its indicator,
// returned length and column return code; throws OraError when the value cannot be converted.
// Dates read and print in the session's date format (DD-MON-RR when empty).
FetchOutcome fetchValue(sqlite3_value *value, const OraType &column, const FetchTarget &target,
                        const std::string &dateFormat);

// The value in the external type's family without a layout: the characters of a text type,
// the bytes of a raw type (for long and piecewise fetches). Throws like fetchValue.
std::string externalBytes(sqlite3_value *value, const OraType &column, const ExternalType &type,
                          const std::string &dateFormat);

// Fills what a value delivered in pieces leaves in the define's own variables.
void fetchedPiecewise(const FetchTarget &target, bool null, long length);

// One element of a bind: the program variable's bytes and the type they are in.
struct BindSource {
    const unsigned char *value = nullptr;
    long length = 0; // bytes of the variable, or its actual length; negative: zero-terminated
    ExternalType type;
    int scale = 0;
    bool null = false;
};

// Binds the element to parameter `index` of the statement; throws OraError when the bytes
// are not a value of the type.
void bindValue(sqlite3_stmt *stmt, int index, const BindSource &source);

} // namespace ocilite
