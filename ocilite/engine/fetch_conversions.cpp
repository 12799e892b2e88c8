// Fetched column values into the caller's buffers, one function per external type, with the
// indicator, returned length and column return code Oracle sets.
#include "ocilite/engine/conversions.h"

#include "oci/ociv7.h"
#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace ocilite {
namespace {

const char *const kMonthAbbreviations[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                           "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// "YYYY-MM-DD HH24:MI:SS" -> "DD-MON-RR" without building a format model per value.
bool defaultDateText(std::string_view stored, std::string &out) {
    if (stored.size() != 19 || stored[4] != '-' || stored[7] != '-')
        return false;
    const int month = (stored[5] - '0') * 10 + (stored[6] - '0');
    if (month < 1 || month > 12)
        return false;
    out.assign(stored.data() + 8, 2);
    out += '-';
    out += kMonthAbbreviations[month - 1];
    out += '-';
    out.append(stored.data() + 2, 2);
    return true;
}

// Whether an integer fits the define's width; Oracle refuses the row otherwise (ORA-01455).
bool fitsInteger(long long i, int width) {
    switch (width) {
    case 1:
        return i >= -128 && i <= 127;
    case 2:
        return i >= -32768 && i <= 32767;
    case 4:
        return i >= -2147483648LL && i <= 2147483647LL;
    default:
        return true;
    }
}

// The integer a fetched number becomes: rounded, within the define's width.
long long fetchedInteger(sqlite3_stmt *stmt, int col, int sqliteType, double v, int width) {
    long long i = 0;
    if (sqliteType == SQLITE_INTEGER) {
        i = sqlite3_column_int64(stmt, col);
    } else {
        if (!(std::fabs(v) < 9.2e18))
            throw OraError(kOraIntegerOverflow);
        i = std::llround(v);
    }
    if (!fitsInteger(i, width))
        throw OraError(kOraIntegerOverflow);
    return i;
}

void writeInteger(long long i, const DefineSpec &spec) {
    if (spec.length == 1) {
        const auto b = static_cast<signed char>(i);
        std::memcpy(spec.buffer, &b, 1);
    } else if (spec.length == 2) {
        const auto s = static_cast<short>(i);
        std::memcpy(spec.buffer, &s, 2);
    } else if (spec.length >= 8) {
        std::memcpy(spec.buffer, &i, 8);
    } else if (spec.length >= 4) {
        const auto n = static_cast<int>(i);
        std::memcpy(spec.buffer, &n, 4);
    }
}

void writeFloat(double v, const DefineSpec &spec) {
    if (spec.length == 4) {
        const auto f = static_cast<float>(v);
        std::memcpy(spec.buffer, &f, 4);
    } else if (spec.length >= 8) {
        std::memcpy(spec.buffer, &v, 8);
    }
}

} // namespace

void fetchNull(const DefineSpec &spec) {
    if (spec.indicator)
        *spec.indicator = -1;
    if (spec.returnCode)
        *spec.returnCode = kOraNullFetched;
    if (spec.returnedLength)
        *spec.returnedLength = 0;
    const bool terminated =
        spec.externalType == OCIV7_EXT_STR || spec.externalType == OCIV7_EXT_AVC;
    if (terminated && spec.length > 0)
        spec.buffer[0] = '\0';
}

void fetchBinaryNumber(sqlite3_stmt *stmt, int col, const DefineSpec &spec) {
    const int type = sqlite3_column_type(stmt, col);
    const bool numeric = type == SQLITE_INTEGER || type == SQLITE_FLOAT;
    const double v =
        numeric ? sqlite3_column_double(stmt, col)
                : parseNumber(reinterpret_cast<const char *>(sqlite3_column_text(stmt, col)));
    checkNumberRange(v);
    if (spec.externalType == OCIV7_EXT_INT)
        writeInteger(fetchedInteger(stmt, col, type, v, spec.length), spec);
    else
        writeFloat(v, spec);
    if (spec.indicator)
        *spec.indicator = 0;
    if (spec.returnCode)
        *spec.returnCode = 0;
    if (spec.returnedLength)
        *spec.returnedLength = static_cast<unsigned short>(spec.length);
}

// Oracle's 7-byte DATE: century+100, year+100, month, day, hour+1, minute+1, second+1.
void fetchInternalDate(std::string_view stored, const DefineSpec &spec) {
    const auto d = parseStoredDate(std::string(stored));
    if (!d)
        throw OraError(kOraLiteralMismatch);
    const unsigned char raw[7] = {
        static_cast<unsigned char>(d->year / 100 + 100),
        static_cast<unsigned char>(d->year % 100 + 100),
        static_cast<unsigned char>(d->month),
        static_cast<unsigned char>(d->day),
        static_cast<unsigned char>(d->hour + 1),
        static_cast<unsigned char>(d->minute + 1),
        static_cast<unsigned char>(d->second + 1),
    };
    std::memcpy(spec.buffer, raw, static_cast<size_t>(std::min(spec.length, 7)));
    if (spec.indicator)
        *spec.indicator = 0;
    if (spec.returnedLength)
        *spec.returnedLength = 7;
}

std::string_view fetchedText(sqlite3_stmt *stmt, int col, int sqliteType, const OraType &type,
                             const std::string &dateFormat, std::string &scratch) {
    if (sqliteType == SQLITE_INTEGER) {
        char number[24];
        const auto r = std::to_chars(number, number + sizeof number,
                                     static_cast<long long>(sqlite3_column_int64(stmt, col)));
        scratch.assign(number, r.ptr);
        return scratch;
    }
    if (sqliteType == SQLITE_FLOAT) {
        checkNumberRange(sqlite3_column_double(stmt, col));
        scratch = numberText(sqlite3_column_double(stmt, col));
        return scratch;
    }
    const std::string_view text(reinterpret_cast<const char *>(sqlite3_column_text(stmt, col)),
                                static_cast<size_t>(sqlite3_column_bytes(stmt, col)));
    if (type.isDate() && !dateFormat.empty()) {
        const auto date = parseStoredDate(std::string(text));
        if (!date)
            return text;
        scratch = formatDate(*date, dateFormat);
        return scratch;
    }
    if (type.isDate())
        return defaultDateText(text, scratch) ? std::string_view(scratch) : text;
    if (type.code == OCIV7_TYPE_CHAR && text.size() < static_cast<size_t>(type.size)) {
        // CHAR(n) values are blank-padded to their length.
        scratch.assign(text);
        scratch.append(static_cast<size_t>(type.size) - text.size(), ' ');
        return scratch;
    }
    return text;
}

void fetchText(std::string_view text, const DefineSpec &spec, bool &cut) {
    const bool terminated =
        spec.externalType == OCIV7_EXT_STR || spec.externalType == OCIV7_EXT_AVC;
    const bool padded = spec.externalType == OCIV7_EXT_AFC || spec.externalType == OCIV7_EXT_AVC;
    const size_t room =
        spec.length > 0 ? static_cast<size_t>(spec.length) - (terminated ? 1 : 0) : 0;
    const size_t copied = std::min(text.size(), room);
    cut = text.size() > room;
    if (copied)
        std::memcpy(spec.buffer, text.data(), copied);
    size_t end = copied;
    if (padded) {
        std::memset(spec.buffer + copied, ' ', room - copied);
        end = room;
    }
    if (terminated && spec.length > 0)
        spec.buffer[end] = '\0';
    if (spec.indicator)
        *spec.indicator = cut ? static_cast<short>(std::min<size_t>(text.size(), 32767)) : 0;
    if (spec.returnCode)
        *spec.returnCode = cut ? kOraTruncated : 0;
    if (spec.returnedLength)
        *spec.returnedLength = static_cast<unsigned short>(std::min<size_t>(copied, 65535));
}

} // namespace ocilite
