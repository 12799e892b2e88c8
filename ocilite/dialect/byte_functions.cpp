// The functions that read a value's bytes: LENGTHB (the bytes of its text), VSIZE (the bytes
// of Oracle's internal form) and DUMP (the type code, the length and the bytes themselves).
// A number's internal form is Oracle's NUMBER (type 2), a date's the seven bytes of DATE (type
// 12), a text's its UTF-8 bytes (type 1) and a RAW's its bytes (type 23).
#include "ocilite/dialect/sql_function_args.h"
#include "ocilite/dialect/sql_functions.h"
#include "ocilite/engine/oracle_number.h"

#include <cstdio>
#include <vector>

namespace ocilite {
namespace {

struct InternalForm {
    int type = 1;
    std::vector<unsigned char> bytes;
};

std::vector<unsigned char> numberBytes(sqlite3_value *v) {
    const Decimal d = sqlite3_value_type(v) == SQLITE_INTEGER
                          ? decimalOf(static_cast<long long>(sqlite3_value_int64(v)))
                          : decimalOf(sqlite3_value_double(v));
    unsigned char out[kNumberBytes];
    const size_t length = encodeNumber(d, out);
    return {out, out + length};
}

std::vector<unsigned char> dateBytes(const DateTime &d) {
    return {static_cast<unsigned char>(d.year / 100 + 100),
            static_cast<unsigned char>(d.year % 100 + 100),
            static_cast<unsigned char>(d.month),
            static_cast<unsigned char>(d.day),
            static_cast<unsigned char>(d.hour + 1),
            static_cast<unsigned char>(d.minute + 1),
            static_cast<unsigned char>(d.second + 1)};
}

InternalForm internalForm(sqlite3_value *v) {
    const int type = sqlite3_value_type(v);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
        return {2, numberBytes(v)};
    const auto *data = static_cast<const unsigned char *>(
        type == SQLITE_BLOB ? sqlite3_value_blob(v) : sqlite3_value_text(v));
    const auto size = static_cast<size_t>(sqlite3_value_bytes(v));
    if (type == SQLITE_BLOB)
        return {23, {data, data + size}};
    if (auto date = argDate(v))
        return {12, dateBytes(*date)};
    return {1, {data, data + size}};
}

// LENGTHB: the bytes of the value as text (a number in its text form, a date in the
// session's date format).
void fnLengthb(sqlite3_context *ctx, int, sqlite3_value **argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        std::string text;
        if (type == SQLITE_INTEGER)
            text = numberText(static_cast<int64_t>(sqlite3_value_int64(argv[0])));
        else if (type == SQLITE_FLOAT)
            text = numberText(sqlite3_value_double(argv[0]));
        else if (auto date = argDate(argv[0]))
            text = formatDate(*date, sessionDateFormat(ctx));
        else
            text = argText(argv[0]);
        const size_t bytes = type == SQLITE_BLOB ? text.size() * 2 : text.size();
        if (bytes == 0)
            return sqlite3_result_null(ctx);
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(bytes));
    });
}

void fnVsize(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const size_t size = internalForm(argv[0]).bytes.size();
        if (size == 0)
            return sqlite3_result_null(ctx);
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(size));
    });
}

// One byte as DUMP writes it in the base `format` names: 8, 10, 16, or 17 (the character
// itself when it is printable).
std::string dumpByte(unsigned char byte, int format) {
    char buf[8];
    if (format == 17 && byte >= 0x20 && byte < 0x7F)
        std::snprintf(buf, sizeof buf, "%c", byte);
    else if (format == 8)
        std::snprintf(buf, sizeof buf, "%o", byte);
    else if (format == 16 || format == 17)
        std::snprintf(buf, sizeof buf, "%x", byte);
    else
        std::snprintf(buf, sizeof buf, "%u", byte);
    return buf;
}

// DUMP(expr [, format [, start [, length]]]): "Typ=2 Len=3: 194,2,24"; a format of 1008,
// 1010, 1016 or 1017 also names the character set; start and length pick the bytes shown.
void fnDump(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    if (isNull(argv[0]))
        return sqlite3_result_text(ctx, "NULL", -1, SQLITE_STATIC);
    guarded(ctx, [&] {
        const InternalForm form = internalForm(argv[0]);
        const long long n = static_cast<long long>(form.bytes.size());
        const long long format = argc > 1 && !isNull(argv[1]) ? argInteger(argv[1], 0, 9999) : 10;
        long long start = argc > 2 && !isNull(argv[2]) ? argInteger(argv[2], -n, n) : 1;
        if (start <= 0)
            start = start == 0 ? 1 : n + start + 1;
        const long long length = argc > 3 && !isNull(argv[3]) ? argInteger(argv[3], 0, n) : n;
        std::string out = "Typ=" + std::to_string(form.type) + " Len=" + std::to_string(n);
        if (format >= 1000 && form.type == 1)
            out += " CharacterSet=AL32UTF8";
        out += ": ";
        for (long long i = start - 1; i < n && i < start - 1 + length; ++i)
            out += (i >= start ? "," : "") +
                   dumpByte(form.bytes[static_cast<size_t>(i)], static_cast<int>(format % 1000));
        resultText(ctx, out);
    });
}

} // namespace

void registerByteFunctions(sqlite3 *db, const SqlSession *session) {
    auto *data = const_cast<SqlSession *>(session);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(db, "LENGTHB", 1, flags, data, fnLengthb, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "VSIZE", 1, flags, nullptr, fnVsize, nullptr, nullptr, nullptr);
    for (int args = 1; args <= 4; ++args)
        sqlite3_create_function_v2(db, "DUMP", args, flags, nullptr, fnDump, nullptr, nullptr,
                                   nullptr);
}

} // namespace ocilite
