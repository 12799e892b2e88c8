#include "ocilite/engine/fetch_forms.h"

#include "oci/ociv7.h"
#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/errors.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace ocilite {
namespace {

const char *const kMonthAbbreviations[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                           "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// What the stored value is, by the column's type and SQLite's storage class.
enum class Held { Number, Text, Date, Raw, Rowid };

bool rawColumn(const OraType &column) {
    return column.code == OCIV7_TYPE_RAW || column.code == OCIV7_TYPE_LONG_RAW ||
           column.code == OCIV7_TYPE_BLOB;
}

Held heldAs(sqlite3_value *v, const OraType &column) {
    const int type = sqlite3_value_type(v);
    if (rawColumn(column) || type == SQLITE_BLOB)
        return Held::Raw;
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
        return Held::Number;
    if (column.isDate())
        return Held::Date;
    return column.code == OCIV7_TYPE_ROWID ? Held::Rowid : Held::Text;
}

std::string storedText(sqlite3_value *v) {
    const auto *p = reinterpret_cast<const char *>(sqlite3_value_text(v));
    return std::string(p ? p : "", static_cast<size_t>(sqlite3_value_bytes(v)));
}

std::string storedBlob(sqlite3_value *v) {
    const auto *p = static_cast<const char *>(sqlite3_value_blob(v));
    return std::string(p ? p : "", static_cast<size_t>(sqlite3_value_bytes(v)));
}

[[noreturn]] void inconsistent() {
    throw OraError(kOraInconsistentDatatypes);
}

// "YYYY-MM-DD HH24:MI:SS" -> "DD-MON-RR" without building a format model per value.
bool defaultDateText(const std::string &stored, std::string &out) {
    if (stored.size() != 19 || stored[4] != '-' || stored[7] != '-')
        return false;
    const int month = (stored[5] - '0') * 10 + (stored[6] - '0');
    if (month < 1 || month > 12)
        return false;
    out = stored.substr(8, 2) + '-' + kMonthAbbreviations[month - 1] + '-' + stored.substr(2, 2);
    return true;
}

std::string numberTextOf(sqlite3_value *v) {
    if (sqlite3_value_type(v) == SQLITE_INTEGER) {
        char number[24];
        const auto r = std::to_chars(number, number + sizeof number,
                                     static_cast<long long>(sqlite3_value_int64(v)));
        return std::string(number, r.ptr);
    }
    checkNumberRange(sqlite3_value_double(v));
    return numberText(sqlite3_value_double(v));
}

DateTime dateOf(sqlite3_value *v, Held held, const std::string &dateFormat) {
    if (held == Held::Date) {
        if (const auto d = parseStoredDate(storedText(v)))
            return *d;
        throw OraError(kOraLiteralMismatch);
    }
    if (held != Held::Text)
        inconsistent();
    return dateFormat.empty() ? parseDate(storedText(v)) : parseDate(storedText(v), dateFormat);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    throw OraError(kOraInvalidHex);
}

long long fieldValue(std::string_view text) {
    long long n = 0;
    for (char c : text)
        n = n * 16 + hexDigit(c);
    return n;
}

} // namespace

std::string textForm(sqlite3_value *v, const OraType &column, const std::string &dateFormat) {
    switch (heldAs(v, column)) {
    case Held::Number:
        return numberTextOf(v);
    case Held::Raw:
        return sqlite3_value_type(v) == SQLITE_BLOB ? bytesToHex(storedBlob(v))
                                                    : bytesToHex(rawBytes(v, column));
    case Held::Date: {
        const std::string stored = storedText(v);
        if (!dateFormat.empty()) {
            const auto date = parseStoredDate(stored);
            return date ? formatDate(*date, dateFormat) : stored;
        }
        std::string out;
        return defaultDateText(stored, out) ? out : stored;
    }
    default:
        break;
    }
    std::string text = storedText(v);
    // CHAR(n) values are blank-padded to their length.
    if (column.code == OCIV7_TYPE_CHAR && text.size() < static_cast<size_t>(column.size))
        text.append(static_cast<size_t>(column.size) - text.size(), ' ');
    return text;
}

std::string rawBytes(sqlite3_value *v, const OraType &column) {
    const Held held = heldAs(v, column);
    if (sqlite3_value_type(v) == SQLITE_BLOB)
        return storedBlob(v);
    if (held == Held::Raw || held == Held::Text || held == Held::Rowid)
        return hexToBytes(storedText(v));
    inconsistent();
}

Decimal valueDecimal(sqlite3_value *v, const OraType &column) {
    switch (heldAs(v, column)) {
    case Held::Number:
        if (sqlite3_value_type(v) == SQLITE_INTEGER)
            return decimalOf(static_cast<long long>(sqlite3_value_int64(v)));
        checkNumberRange(sqlite3_value_double(v));
        return decimalOf(sqlite3_value_double(v));
    case Held::Text:
        return decimalOfText(storedText(v));
    default:
        inconsistent();
    }
}

DateForm dateForm(sqlite3_value *v, const OraType &column, const std::string &dateFormat) {
    const DateTime d = dateOf(v, heldAs(v, column), dateFormat);
    DateForm form;
    const int fields[] = {d.year / 100 + 100, d.year % 100 + 100, d.month,     d.day,
                          d.hour + 1,         d.minute + 1,       d.second + 1};
    for (size_t i = 0; i < 7; ++i)
        form.bytes[i] = static_cast<unsigned char>(fields[i]);
    return form;
}

RowidForm rowidForm(sqlite3_value *v, const OraType &column) {
    const Held held = heldAs(v, column);
    if (held != Held::Rowid && held != Held::Text)
        inconsistent();
    const std::string text = storedText(v);
    if (text.size() != 18 || text[8] != '.' || text[13] != '.')
        throw OraError(kOraInvalidRowid);
    try {
        const auto block = static_cast<unsigned>(fieldValue(std::string_view(text).substr(0, 8)));
        const auto row =
            static_cast<unsigned short>(fieldValue(std::string_view(text).substr(9, 4)));
        const auto file =
            static_cast<unsigned short>(fieldValue(std::string_view(text).substr(14, 4)));
        RowidForm form;
        std::memcpy(form.bytes, &block, 4);
        std::memcpy(form.bytes + 4, &row, 2);
        std::memcpy(form.bytes + 6, &file, 2);
        return form;
    } catch (const OraError &) {
        throw OraError(kOraInvalidRowid);
    }
}

std::string rowidText(const unsigned char *bytes) {
    unsigned block = 0;
    unsigned short row = 0, file = 0;
    std::memcpy(&block, bytes, 4);
    std::memcpy(&row, bytes + 4, 2);
    std::memcpy(&file, bytes + 6, 2);
    char text[24];
    std::snprintf(text, sizeof text, "%08X.%04X.%04X", block, row, static_cast<unsigned>(file));
    return text;
}

std::string hexToBytes(std::string_view hex) {
    std::string out((hex.size() + 1) / 2, '\0');
    size_t at = 0;
    if (hex.size() % 2)
        out[at++] = static_cast<char>(hexDigit(hex[0]));
    for (size_t i = hex.size() % 2; i < hex.size(); i += 2)
        out[at++] = static_cast<char>(hexDigit(hex[i]) * 16 + hexDigit(hex[i + 1]));
    return out;
}

std::string bytesToHex(std::string_view bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out(bytes.size() * 2, '0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[2 * i] = kDigits[b >> 4];
        out[2 * i + 1] = kDigits[b & 15];
    }
    return out;
}

} // namespace ocilite
