// One element of a bind into a statement parameter, by external type: characters and raw
// bytes in their layout (an empty value is NULL, as Oracle takes it), numbers exactly (an
// integer when integral, else a double), Oracle's 7-byte date, a row address as its text.
#include "ocilite/engine/host_values.h"

#include "oci/ociv7.h"
#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/fetch_forms.h"
#include "ocilite/engine/oracle_number.h"

#include <algorithm>
#include <cstring>

namespace ocilite {
namespace {

// The data of a character or raw variable, without its length prefix or terminator.
std::string_view dataOf(const BindSource &s) {
    const char *p = reinterpret_cast<const char *>(s.value);
    const int prefix = s.type.prefix();
    if (prefix) {
        long n = 0;
        if (prefix == 2) {
            unsigned short n2 = 0;
            std::memcpy(&n2, p, 2);
            n = n2;
        } else {
            int n4 = 0;
            std::memcpy(&n4, p, 4);
            n = n4;
        }
        if (n < 0 || (s.length >= 0 && n > s.length - prefix))
            throw OraError(kOraInvalidVarLength);
        return std::string_view(p + prefix, static_cast<size_t>(n));
    }
    if (s.length < 0)
        return std::string_view(p);
    if (s.type.terminated()) {
        const void *nul = std::memchr(p, 0, static_cast<size_t>(s.length));
        if (nul)
            return std::string_view(p, static_cast<size_t>(static_cast<const char *>(nul) - p));
    }
    return std::string_view(p, static_cast<size_t>(s.length));
}

template <typename T> T read(const unsigned char *p) {
    T t{};
    std::memcpy(&t, p, sizeof t);
    return t;
}

Decimal integerOf(const BindSource &s) {
    const bool isSigned = s.type.code == OCIV7_EXT_INT;
    switch (s.length) {
    case 1:
        return decimalOf(isSigned ? static_cast<long long>(read<signed char>(s.value))
                                  : static_cast<long long>(read<unsigned char>(s.value)));
    case 2:
        return decimalOf(isSigned ? static_cast<long long>(read<short>(s.value))
                                  : static_cast<long long>(read<unsigned short>(s.value)));
    case 4:
        return decimalOf(isSigned ? static_cast<long long>(read<int>(s.value))
                                  : static_cast<long long>(read<unsigned>(s.value)));
    default: {
        const auto u = read<unsigned long long>(s.value);
        if (isSigned || u <= 0x7FFFFFFFFFFFFFFFULL)
            return decimalOf(static_cast<long long>(u));
        return decimalOf(static_cast<double>(u));
    }
    }
}

Decimal numberOf(const BindSource &s) {
    switch (s.type.code) {
    case OCIV7_EXT_NUM:
        return decodeNumber(s.value, static_cast<size_t>(std::min(s.length, 22L)));
    case OCIV7_EXT_VNU:
        if (s.value[0] == 0 || s.value[0] > s.length - 1)
            throw OraError(kOraInvalidNumber);
        return decodeNumber(s.value + 1, s.value[0]);
    case OCIV7_EXT_FLT:
        return decimalOf(s.length == 4 ? static_cast<double>(read<float>(s.value))
                                       : read<double>(s.value));
    case OCIV7_EXT_PDN:
        return decodePacked(s.value, static_cast<size_t>(s.length), s.scale);
    case OCIV7_EXT_SLS:
        return decodeDisplay(s.value, static_cast<size_t>(s.length), s.scale);
    default:
        return integerOf(s);
    }
}

void bindNumber(sqlite3_stmt *stmt, int index, const BindSource &s) {
    const Decimal d = numberOf(s);
    long long i = 0;
    if (asInteger(d, i))
        sqlite3_bind_int64(stmt, index, i);
    else {
        const double value = asDouble(d);
        checkNumberRange(value);
        sqlite3_bind_double(stmt, index, value);
    }
}

void bindText(sqlite3_stmt *stmt, int index, std::string_view text) {
    sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// Oracle's 7-byte DATE: century+100, year+100, month, day, hour+1, minute+1, second+1.
void bindDate(sqlite3_stmt *stmt, int index, const BindSource &s) {
    const unsigned char *b = s.value;
    const DateTime d{(b[0] - 100) * 100 + (b[1] - 100), b[2], b[3], b[4] - 1, b[5] - 1, b[6] - 1};
    bindText(stmt, index, storedDate(d));
}

} // namespace

void bindValue(sqlite3_stmt *stmt, int index, const BindSource &s) {
    if (s.null || !s.value) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (s.type.family) {
    case ExternalFamily::Number:
        return bindNumber(stmt, index, s);
    case ExternalFamily::Date:
        return bindDate(stmt, index, s);
    case ExternalFamily::Rowid:
        return bindText(stmt, index, rowidText(s.value));
    case ExternalFamily::Raw:
    case ExternalFamily::Text:
        break;
    }
    const std::string_view data = dataOf(s);
    if (data.empty())
        sqlite3_bind_null(stmt, index);
    else if (s.type.family == ExternalFamily::Raw)
        sqlite3_bind_blob(stmt, index, data.data(), static_cast<int>(data.size()),
                          SQLITE_TRANSIENT);
    else
        bindText(stmt, index, data);
}

} // namespace ocilite
