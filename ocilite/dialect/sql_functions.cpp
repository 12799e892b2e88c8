#include "ocilite/dialect/sql_functions.h"

#include "base/utf8.h"

#include "ocilite/dialect/calendar.h"
#include "ocilite/dialect/sql_function_args.h"
#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/errors.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace ocilite {
namespace {

int utf8Length(unsigned char lead) {
    return velmora::utf8::sequenceLength(lead);
}

size_t charCount(const std::string &s) {
    size_t n = 0;
    for (size_t i = 0; i < s.size(); i += utf8Length(static_cast<unsigned char>(s[i])))
        ++n;
    return n;
}

// Byte offset of character index k (0-based).
size_t byteOffset(const std::string &s, size_t k) {
    size_t i = 0;
    while (k-- > 0 && i < s.size())
        i += utf8Length(static_cast<unsigned char>(s[i]));
    return std::min(i, s.size());
}

// The longest text a SQL function returns, as VARCHAR2 in SQL: 4000 characters.
constexpr long long kMaxTextCharacters = 4000;

void fnLike(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    if (isNull(argv[0]) || isNull(argv[1]) || (argc == 3 && isNull(argv[2])))
        return sqlite3_result_null(ctx);
    int escape = -1;
    if (argc == 3) {
        const std::string e = argText(argv[2]);
        if (charCount(e) != 1)
            return resultError(ctx, OraError(kOraEscapeCharacter));
        escape = static_cast<unsigned char>(e[0]);
    }
    const std::string pattern = argText(argv[0]);
    const std::string text = argText(argv[1]);
    sqlite3_result_int(ctx, likeMatch(pattern.c_str(), text.c_str(), escape) ? 1 : 0);
}

void fnNvl(sqlite3_context *ctx, int, sqlite3_value **argv) {
    sqlite3_result_value(ctx, isNull(argv[0]) ? argv[1] : argv[0]);
}

void fnNvl2(sqlite3_context *ctx, int, sqlite3_value **argv) {
    sqlite3_result_value(ctx, isNull(argv[0]) ? argv[2] : argv[1]);
}

void fnDecode(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    if (argc < 3)
        return resultError(ctx, OraError(kOraNotEnoughArguments));
    sqlite3_value *expr = argv[0];
    int i = 1;
    for (; i + 1 < argc; i += 2) {
        sqlite3_value *search = argv[i];
        // DECODE treats two NULLs as equal.
        const bool match = (isNull(expr) && isNull(search)) ||
                           (!isNull(expr) && !isNull(search) &&
                            ((sqlite3_value_numeric_type(expr) != SQLITE_TEXT &&
                              sqlite3_value_numeric_type(search) != SQLITE_TEXT)
                                 ? sqlite3_value_double(expr) == sqlite3_value_double(search)
                                 : argText(expr) == argText(search)));
        if (match)
            return sqlite3_result_value(ctx, argv[i + 1]);
    }
    if (i < argc)
        return sqlite3_result_value(ctx, argv[i]);
    sqlite3_result_null(ctx);
}

void fnSysdate(sqlite3_context *ctx, int, sqlite3_value **) {
    resultText(ctx, storedDate(currentDate()));
}

void fnToDate(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    if (isNull(argv[0]) || (argc > 1 && isNull(argv[1])))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        if (auto stored = argDate(argv[0]); stored && argc == 1)
            return resultText(ctx, storedDate(*stored));
        const std::string format = argc > 1 ? argText(argv[1]) : sessionDateFormat(ctx);
        resultText(ctx, storedDate(parseDate(argText(argv[0]), format)));
    });
}

// An argument of GREATEST or LEAST as text compared byte by byte: a number in Oracle's text
// form, a date in its stored form (text read in the session's date format).
std::string comparedText(sqlite3_context *ctx, sqlite3_value *v, bool asDate) {
    const int type = sqlite3_value_type(v);
    const bool number = type == SQLITE_INTEGER || type == SQLITE_FLOAT;
    if (asDate) {
        if (number)
            throw OraError(kOraInconsistentDatatypes);
        if (auto stored = argDate(v))
            return storedDate(*stored);
        return storedDate(parseDate(argText(v), sessionDateFormat(ctx)));
    }
    if (type == SQLITE_INTEGER)
        return numberText(static_cast<int64_t>(sqlite3_value_int64(v)));
    return type == SQLITE_FLOAT ? numberText(sqlite3_value_double(v)) : argText(v);
}

// GREATEST (sign 1) and LEAST (sign -1): the first argument's type decides how all compare
// (a number: the others read as numbers; a date: as dates; text: byte by byte as text); a
// NULL among them gives NULL.
void extreme(sqlite3_context *ctx, int argc, sqlite3_value **argv, int sign) {
    if (argc == 0)
        return resultError(ctx, OraError(kOraNotEnoughArguments));
    for (int i = 0; i < argc; ++i)
        if (isNull(argv[i]))
            return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const int type = sqlite3_value_type(argv[0]);
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
            double best = argNumber(argv[0]);
            for (int i = 1; i < argc; ++i)
                if (const double v = argNumber(argv[i]); sign > 0 ? v > best : v < best)
                    best = v;
            return resultNumber(ctx, best);
        }
        const bool asDate = argDate(argv[0]).has_value();
        std::string best = comparedText(ctx, argv[0], asDate);
        for (int i = 1; i < argc; ++i) {
            std::string v = comparedText(ctx, argv[i], asDate);
            if (sign > 0 ? v > best : v < best)
                best = std::move(v);
        }
        resultText(ctx, best);
    });
}

void fnGreatest(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    extreme(ctx, argc, argv, 1);
}

void fnLeast(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    extreme(ctx, argc, argv, -1);
}

void fnToChar(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const int type = sqlite3_value_type(argv[0]);
        const std::string format = argc > 1 && !isNull(argv[1]) ? argText(argv[1]) : "";
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
            const double v = sqlite3_value_double(argv[0]);
            checkNumberRange(v);
            if (format.empty())
                return resultText(ctx, type == SQLITE_INTEGER ? numberText(static_cast<int64_t>(
                                                                    sqlite3_value_int64(argv[0])))
                                                              : numberText(v));
            return resultText(ctx, formatNumber(v, format));
        }
        if (auto date = argDate(argv[0]))
            return resultText(ctx,
                              formatDate(*date, format.empty() ? sessionDateFormat(ctx) : format));
        if (!format.empty())
            return resultText(ctx, formatNumber(argNumber(argv[0]), format));
        resultText(ctx, argText(argv[0]));
    });
}

void fnToNumber(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] { resultNumber(ctx, argNumber(argv[0])); });
}

// The argument of SUM and AVG: a number as it is (an integer stays exact), a text read as a
// number or refused (ORA-01722), a date refused (ORA-00932).
void fnNumber(sqlite3_context *ctx, int, sqlite3_value **argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL || type == SQLITE_INTEGER || type == SQLITE_FLOAT)
        return sqlite3_result_value(ctx, argv[0]);
    guarded(ctx, [&] {
        if (argDate(argv[0]))
            throw OraError(kOraInconsistentDatatypes);
        resultNumber(ctx, argNumber(argv[0]));
    });
}

void fnIsDate(sqlite3_context *ctx, int, sqlite3_value **argv) {
    sqlite3_result_int(ctx, isNull(argv[0]) || argDate(argv[0]).has_value());
}

void fnRowid(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    // Oracle7's block.row.file form, hexadecimal 8.4.4.
    char buf[32];
    const auto id = static_cast<unsigned long long>(sqlite3_value_int64(argv[0]));
    std::snprintf(buf, sizeof buf, "%08llX.%04llX.%04X", id >> 16, id & 0xFFFF, 1);
    resultText(ctx, buf);
}

void fnSubstr(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    for (int i = 0; i < argc; ++i)
        if (isNull(argv[i]))
            return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const std::string s = argText(argv[0]);
        const long long n = static_cast<long long>(charCount(s));
        long long pos = argInteger(argv[1], -n - 1, n + 1);
        if (pos == 0)
            pos = 1;
        if (pos < 0)
            pos = n + pos + 1;
        if (pos < 1 || pos > n)
            return sqlite3_result_null(ctx);
        long long len = n - pos + 1;
        if (argc > 2) {
            const long long want = argInteger(argv[2], 0, n + 1);
            if (want < 1)
                return sqlite3_result_null(ctx);
            len = std::min(len, want);
        }
        const size_t from = byteOffset(s, static_cast<size_t>(pos - 1));
        const size_t to = byteOffset(s, static_cast<size_t>(pos - 1 + len));
        resultText(ctx, s.substr(from, to - from));
    });
}

void fnInstr(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    for (int i = 0; i < argc; ++i)
        if (isNull(argv[i]))
            return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const std::string s = argText(argv[0]);
        const std::string sub = argText(argv[1]);
        const long long length = static_cast<long long>(s.size());
        long long start = argc > 2 ? argInteger(argv[2], -length - 1, length + 1) : 1;
        long long occurrence = argc > 3 ? argInteger(argv[3], 0, length + 1) : 1;
        if (start == 0 || occurrence < 1)
            return sqlite3_result_int(ctx, 0);
        size_t at = std::string::npos;
        if (start > 0) {
            size_t from = byteOffset(s, static_cast<size_t>(start - 1));
            while (occurrence-- > 0) {
                at = s.find(sub, from);
                if (at == std::string::npos)
                    return sqlite3_result_int(ctx, 0);
                from = at + 1;
            }
        } else {
            const long long startChar = static_cast<long long>(charCount(s)) + start;
            if (startChar < 0)
                return sqlite3_result_int(ctx, 0);
            size_t from = byteOffset(s, static_cast<size_t>(startChar));
            while (occurrence-- > 0) {
                at = s.rfind(sub, from);
                if (at == std::string::npos || (occurrence > 0 && at == 0))
                    return sqlite3_result_int(ctx, 0);
                if (occurrence > 0)
                    from = at - 1;
            }
        }
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(charCount(s.substr(0, at)) + 1));
    });
}

void fnPad(sqlite3_context *ctx, int argc, sqlite3_value **argv, bool left) {
    for (int i = 0; i < argc; ++i)
        if (isNull(argv[i]))
            return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const std::string s = argText(argv[0]);
        const long long want = argInteger(argv[1], 0, kMaxTextCharacters);
        const std::string fill = argc > 2 ? argText(argv[2]) : " ";
        if (want <= 0 || fill.empty())
            return sqlite3_result_null(ctx);
        const auto n = static_cast<long long>(charCount(s));
        if (n >= want)
            return resultText(ctx, s.substr(0, byteOffset(s, static_cast<size_t>(want))));
        std::string pad;
        const auto fillChars = static_cast<long long>(charCount(fill));
        for (long long k = 0; k < want - n; ++k) {
            const size_t from = byteOffset(fill, static_cast<size_t>(k % fillChars));
            const size_t to = byteOffset(fill, static_cast<size_t>(k % fillChars + 1));
            pad += fill.substr(from, to - from);
        }
        resultText(ctx, left ? pad + s : s + pad);
    });
}

void fnLpad(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    fnPad(ctx, argc, argv, true);
}
void fnRpad(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    fnPad(ctx, argc, argv, false);
}

void fnConcat(sqlite3_context *ctx, int, sqlite3_value **argv) {
    resultText(ctx, argText(argv[0]) + argText(argv[1]));
}

void fnChr(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    const auto c = static_cast<unsigned>(sqlite3_value_int64(argv[0]));
    std::string s;
    velmora::utf8::append(s, c <= 0x10FFFF ? c : velmora::utf8::kReplacement);
    sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

void fnMod(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const double a = argNumber(argv[0]);
        const double b = argNumber(argv[1]);
        resultNumber(ctx, b == 0 ? a : std::fmod(a, b));
    });
}

void fnInitcap(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    std::string s = argText(argv[0]);
    bool start = true;
    for (char &c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u)) {
            c = static_cast<char>(start ? std::toupper(u) : std::tolower(u));
            start = false;
        } else {
            start = u < 0x80;
        }
    }
    resultText(ctx, s);
}

// The characters of a text, each as its UTF-8 bytes.
std::vector<std::string> characters(const std::string &s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        const size_t n =
            std::min<size_t>(utf8Length(static_cast<unsigned char>(s[i])), s.size() - i);
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

// TRANSLATE: each character of `from` becomes the one at its place in `to`, or goes when `to`
// is shorter; the first place of a repeated character counts. Any NULL gives NULL.
void fnTranslate(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]) || isNull(argv[1]) || isNull(argv[2]))
        return sqlite3_result_null(ctx);
    const std::vector<std::string> from = characters(argText(argv[1]));
    const std::vector<std::string> to = characters(argText(argv[2]));
    std::string out;
    for (const std::string &c : characters(argText(argv[0]))) {
        const auto at = std::find(from.begin(), from.end(), c);
        if (at == from.end())
            out += c;
        else if (const auto k = static_cast<size_t>(at - from.begin()); k < to.size())
            out += to[k];
    }
    if (out.empty())
        return sqlite3_result_null(ctx);
    resultText(ctx, out);
}

// ASCII: the first character's code in the database character set (AL32UTF8: its bytes read
// as one number, so 'é' is 50089).
void fnAscii(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    const std::vector<std::string> chars = characters(argText(argv[0]));
    if (chars.empty())
        return sqlite3_result_null(ctx);
    long long code = 0;
    for (const char byte : chars.front())
        code = code * 256 + static_cast<unsigned char>(byte);
    sqlite3_result_int64(ctx, code);
}

// The last day of a month stays the last day of the month it moves to, as Oracle's ADD_MONTHS
// does (28-FEB-2023 plus one month is 31-MAR-2023); other days are kept where the month has them.
void fnAddMonths(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        DateTime d = dateArgument(argv[0]);
        const bool lastDay = d.day == daysInMonth(d.year, d.month);
        // Far enough either way to leave every year a date can have.
        const long long months =
            d.year * 12LL + (d.month - 1) + argInteger(argv[1], -200000, 200000);
        const long long year = months >= 0 ? months / 12 : -((-months + 11) / 12);
        d.year = static_cast<int>(year);
        d.month = static_cast<int>(months - year * 12) + 1;
        if (d.year < 1 || d.year > 9999)
            throw OraError(d.year == 0 || d.year > 9999 ? kOraYearRange : kOraUnimplemented,
                           d.year == 0 || d.year > 9999 ? "" : "dates before the year 1");
        const int last = daysInMonth(d.year, d.month);
        d.day = lastDay ? last : std::min(d.day, last);
        resultText(ctx, storedDate(d));
    });
}

// LAST_DAY keeps the time of day.
void fnLastDay(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        DateTime d = dateArgument(argv[0]);
        d.day = daysInMonth(d.year, d.month);
        resultText(ctx, storedDate(d));
    });
}

// MONTHS_BETWEEN: whole months when both dates have the same day or both are the last days of
// their months; otherwise the rest counts in 31-day months, time of day included.
void fnMonthsBetween(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const DateTime a = dateArgument(argv[0]);
        const DateTime b = dateArgument(argv[1]);
        const double months = (a.year - b.year) * 12.0 + (a.month - b.month);
        const bool bothLast =
            a.day == daysInMonth(a.year, a.month) && b.day == daysInMonth(b.year, b.month);
        if (a.day == b.day || bothLast)
            return resultNumber(ctx, months);
        const auto seconds = [](const DateTime &d) {
            return d.day * 86400.0 + d.hour * 3600.0 + d.minute * 60.0 + d.second;
        };
        resultNumber(ctx, months + (seconds(a) - seconds(b)) / (31 * 86400.0));
    });
}

void fnDateAdd(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        auto date = argDate(argv[0]);
        sqlite3_value *days = argv[1];
        if (!date) {
            date = argDate(argv[1]);
            days = argv[0];
        }
        if (!date)
            throw OraError(kOraInconsistentDatatypes);
        const double offset = argNumber(days);
        // No date is four million days from another.
        if (!(std::fabs(offset) < 4e6))
            throw OraError(kOraYearRange);
        const DateTime d = civilFromSeconds(secondsOf(*date) + std::llround(offset * 86400.0));
        resultText(ctx, storedDate(d));
    });
}

void fnDateDiff(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const auto a = argDate(argv[0]);
        const auto b = argDate(argv[1]);
        if (!a || !b)
            throw OraError(kOraInconsistentDatatypes);
        resultNumber(ctx, static_cast<double>(secondsOf(*a) - secondsOf(*b)) / 86400.0);
    });
}

// CAST(x AS NUMBER(p, s)): the number rounded to s places (0 for the integer types and for
// DECIMAL and NUMERIC without a scale), refused when it needs more than p digits.
void castNumber(sqlite3_context *ctx, const std::string &type, int argc, sqlite3_value **argv) {
    double v = argNumber(argv[0]);
    const bool integer = type == "INTEGER" || type == "INT" || type == "SMALLINT";
    const bool ansi = type == "DECIMAL" || type == "DEC" || type == "NUMERIC";
    const bool decimal = type == "NUMBER" || ansi;
    int scale = -1;
    if (integer || (ansi && argc < 5) || (decimal && argc == 4))
        scale = 0;
    if (decimal && argc == 5)
        scale = static_cast<int>(argInteger(argv[3], -84, 127));
    if (scale >= 0) {
        const double factor = std::pow(10.0, scale);
        if (std::isfinite(v * factor))
            v = std::round(v * factor) / factor;
    }
    if (decimal && argc >= 4 && scale >= 0) {
        const long long precision = argInteger(argv[2], 1, 38);
        if (std::fabs(v) >= std::pow(10.0, static_cast<double>(precision - scale)))
            throw OraError(kOraPrecisionExceeded);
    }
    resultNumber(ctx, v);
}

// CAST(x AS VARCHAR2(n)) and CHAR(n): a number in Oracle's text form, a date in the session's
// format; refused when longer than n characters; CHAR pads to n.
void castText(sqlite3_context *ctx, const std::string &type, int argc, sqlite3_value **argv) {
    const int valueType = sqlite3_value_type(argv[0]);
    std::string text = argText(argv[0]);
    if (valueType == SQLITE_INTEGER)
        text = numberText(static_cast<int64_t>(sqlite3_value_int64(argv[0])));
    else if (valueType == SQLITE_FLOAT)
        text = numberText(sqlite3_value_double(argv[0]));
    else if (auto date = argDate(argv[0]))
        text = formatDate(*date, sessionDateFormat(ctx));
    const bool fixed = type == "CHAR" || type == "NCHAR";
    const long long size = argc >= 4 ? argInteger(argv[2], 0, 32767) : (fixed ? 1 : 0);
    const size_t count = charCount(text);
    if (size > 0 && count > static_cast<size_t>(size))
        throw OraError(kOraDataOutOfRange);
    if (fixed && count < static_cast<size_t>(size))
        text.append(static_cast<size_t>(size) - count, ' ');
    resultText(ctx, text);
}

void fnCast(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    if (argc < 2 || isNull(argv[0]))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const std::string type = argText(argv[1]);
        if (type.find("CHAR") != std::string::npos)
            return castText(ctx, type, argc, argv);
        if (type != "DATE")
            return castNumber(ctx, type, argc, argv);
        const int valueType = sqlite3_value_type(argv[0]);
        if (valueType == SQLITE_INTEGER || valueType == SQLITE_FLOAT)
            throw OraError(kOraInconsistentDatatypes);
        if (auto date = argDate(argv[0]))
            return resultText(ctx, storedDate(*date));
        resultText(ctx, storedDate(parseDate(argText(argv[0]), sessionDateFormat(ctx))));
    });
}

// An operand of ||: NULL is the empty text and a number the text Oracle writes for it (.25,
// not SQLite's 0.25); anything else stays as it is.
void fnConcatText(sqlite3_context *ctx, int, sqlite3_value **argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL)
        return sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);
    if (type == SQLITE_INTEGER)
        return resultText(ctx, numberText(static_cast<int64_t>(sqlite3_value_int64(argv[0]))));
    if (type != SQLITE_FLOAT)
        return sqlite3_result_value(ctx, argv[0]);
    guarded(ctx, [&] {
        const double v = sqlite3_value_double(argv[0]);
        checkNumberRange(v);
        resultText(ctx, numberText(v));
    });
}

// The right operand of '/': a zero divisor is Oracle's ORA-01476, not SQLite's NULL.
void fnDivisor(sqlite3_context *ctx, int, sqlite3_value **argv) {
    const int type = sqlite3_value_numeric_type(argv[0]);
    if ((type == SQLITE_INTEGER || type == SQLITE_FLOAT) && sqlite3_value_double(argv[0]) == 0)
        return resultError(ctx, OraError(kOraDivisorZero));
    sqlite3_result_value(ctx, argv[0]);
}

struct Function {
    const char *name;
    int args;
    void (*fn)(sqlite3_context *, int, sqlite3_value **);
};

// One character further on, never past the terminating zero (a cut sequence ends there).
const char *nextCharacter(const char *s) {
    const int n = utf8Length(static_cast<unsigned char>(*s));
    for (int i = 0; i < n && *s; ++i)
        ++s;
    return s;
}

} // namespace

// Greedy with one point to come back to: a '%' takes as little as it can, and when the rest
// fails to match it takes one character more. Time in proportion to the pattern times the
// text, however many '%' the pattern holds, and no recursion.
bool likeMatch(const char *pattern, const char *text, int escape) {
    const char *starPattern = nullptr; // just past the last '%' met
    const char *starText = nullptr;    // where the text resumes when that '%' takes more
    for (;;) {
        const auto p = static_cast<unsigned char>(*pattern);
        const bool escaped = escape >= 0 && p == escape;
        if (p == '%' && !escaped) {
            while (*pattern == '%')
                ++pattern;
            starPattern = pattern;
            starText = text;
            continue;
        }
        bool step = false;
        if (p != 0 && *text) {
            if (escaped)
                step = pattern[1] != '\0' && pattern[1] == *text;
            else
                step = p == '_' || *pattern == *text;
        }
        if (step) {
            text = p == '_' && !escaped ? nextCharacter(text) : text + 1;
            pattern += escaped ? 2 : 1;
            continue;
        }
        if (p == 0 && *text == '\0')
            return true;
        if (!starPattern || *starText == '\0')
            return false;
        starText = nextCharacter(starText);
        pattern = starPattern;
        text = starText;
    }
}

void registerSqlFunctions(sqlite3 *db, const SqlSession *session) {
    static const Function kFunctions[] = {
        {"LIKE", 2, fnLike},
        {"LIKE", 3, fnLike},
        {"NVL", 2, fnNvl},
        {"NVL2", 3, fnNvl2},
        {"DECODE", -1, fnDecode},
        {"GREATEST", -1, fnGreatest},
        {"LEAST", -1, fnLeast},
        {"TO_DATE", 1, fnToDate},
        {"TO_DATE", 2, fnToDate},
        {"TO_CHAR", 1, fnToChar},
        {"TO_CHAR", 2, fnToChar},
        {"TO_NUMBER", 1, fnToNumber},
        {"OCILITE_NUMBER", 1, fnNumber},
        {"OCILITE_ISDATE", 1, fnIsDate},
        {"OCILITE_ROWID", 1, fnRowid},
        {"SUBSTR", 2, fnSubstr},
        {"SUBSTR", 3, fnSubstr},
        {"INSTR", 2, fnInstr},
        {"INSTR", 3, fnInstr},
        {"INSTR", 4, fnInstr},
        {"LPAD", 2, fnLpad},
        {"LPAD", 3, fnLpad},
        {"RPAD", 2, fnRpad},
        {"RPAD", 3, fnRpad},
        {"CONCAT", 2, fnConcat},
        {"CHR", 1, fnChr},
        {"MOD", 2, fnMod},
        {"INITCAP", 1, fnInitcap},
        {"ADD_MONTHS", 2, fnAddMonths},
        {"LAST_DAY", 1, fnLastDay},
        {"MONTHS_BETWEEN", 2, fnMonthsBetween},
        {"TRANSLATE", 3, fnTranslate},
        {"ASCII", 1, fnAscii},
        {"OCILITE_DATE_ADD", 2, fnDateAdd},
        {"OCILITE_DATE_DIFF", 2, fnDateDiff},
        {"OCILITE_DIVISOR", 1, fnDivisor},
        {"OCILITE_TEXT", 1, fnConcatText},
        {"OCILITE_CAST", -1, fnCast},
    };
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    auto *data = const_cast<SqlSession *>(session);
    for (const Function &f : kFunctions)
        sqlite3_create_function_v2(db, f.name, f.args, flags, data, f.fn, nullptr, nullptr,
                                   nullptr);
    sqlite3_create_function_v2(
        db, "SYS_GUID", 0, SQLITE_UTF8, nullptr,
        [](sqlite3_context *ctx, int, sqlite3_value **) {
            unsigned char raw[16];
            sqlite3_randomness(sizeof raw, raw);
            sqlite3_result_blob(ctx, raw, sizeof raw, SQLITE_TRANSIENT);
        },
        nullptr, nullptr, nullptr);
    registerRawFunctions(db);
    sqlite3_create_function_v2(db, "SYSDATE", 0, SQLITE_UTF8, nullptr, fnSysdate, nullptr, nullptr,
                               nullptr);
    sqlite3_create_function_v2(
        db, "SYSTIMESTAMP", 0, SQLITE_UTF8, nullptr,
        [](sqlite3_context *ctx, int, sqlite3_value **) {
            resultText(ctx, storedDate(currentDate()) + ".000000");
        },
        nullptr, nullptr, nullptr);
    registerRegexpFunctions(db);
    registerRoundingFunctions(db);
    registerSessionFunctions(db, session);
    registerByteFunctions(db, session);
    registerRowFunctions(db, session);
}

} // namespace ocilite
