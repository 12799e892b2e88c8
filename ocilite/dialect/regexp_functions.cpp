// Oracle's regular expression functions over SQLite: REGEXP_LIKE, REGEXP_SUBSTR,
// REGEXP_INSTR, REGEXP_REPLACE and REGEXP_COUNT, with their positions, occurrences,
// subexpressions and match parameters ('i', 'c', 'n', 'm', 'x'). Positions count characters;
// the text is matched as UTF-32 so that '.' is one character. Texts longer than a VARCHAR2
// in SQL are refused as not supported rather than matched with unbounded recursion.
#include "base/utf8.h"
#include "ocilite/dialect/sql_function_args.h"
#include "ocilite/dialect/sql_functions.h"

#include <regex>

namespace ocilite {
namespace {

constexpr size_t kMaxPatternBytes = 512;    // Oracle's limit (ORA-12733)
constexpr size_t kMaxTextCharacters = 4000; // longer texts are refused

std::wstring wide(const std::string &s) {
    std::wstring out;
    for (size_t i = 0; i < s.size();)
        out += static_cast<wchar_t>(velmora::utf8::next(s, i));
    return out;
}

std::string narrow(const std::wstring &w) {
    std::string out;
    for (const wchar_t c : w)
        velmora::utf8::append(out, static_cast<char32_t>(c));
    return out;
}

// The pattern as ECMAScript reads it under the match parameters: with 'n' a '.' outside
// brackets matches a line end too; with 'x' blanks outside brackets are dropped.
std::wstring rewritten(const std::wstring &pattern, bool dotAll, bool extended) {
    std::wstring out;
    bool inBracket = false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const wchar_t c = pattern[i];
        if (c == L'\\' && i + 1 < pattern.size()) {
            out += c;
            out += pattern[++i];
        } else if (inBracket) {
            out += c;
            inBracket = c != L']';
        } else if (c == L'[') {
            out += c;
            inBracket = true;
            if (i + 1 < pattern.size() && pattern[i + 1] == L'^')
                out += pattern[++i];
            if (i + 1 < pattern.size() && pattern[i + 1] == L']') { // a literal ']' first
                out += L"\\]";
                ++i;
            }
        } else if (dotAll && c == L'.') {
            out += L"[\\s\\S]";
        } else if (!(extended && (c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'))) {
            out += c;
        }
    }
    return out;
}

std::wregex compile(sqlite3_value *pattern, sqlite3_value *match) {
    const std::string text = argText(pattern);
    if (text.size() > kMaxPatternBytes)
        throw OraError(kOraRegexpTooLong);
    auto flags = std::regex_constants::ECMAScript;
    bool icase = false, dotAll = false, extended = false;
    for (const char c : match ? argText(match) : std::string()) {
        if (c == 'i' || c == 'c')
            icase = c == 'i';
        else if (c == 'n')
            dotAll = true;
        else if (c == 'm')
            flags |= std::regex_constants::multiline;
        else if (c == 'x')
            extended = true;
        else
            throw OraError(kOraIllegalArgument);
    }
    if (icase)
        flags |= std::regex_constants::icase;
    try {
        return std::wregex(rewritten(wide(text), dotAll, extended), flags);
    } catch (const std::regex_error &e) {
        if (e.code() == std::regex_constants::error_paren)
            throw OraError(kOraRegexpParentheses);
        if (e.code() == std::regex_constants::error_brack)
            throw OraError(kOraRegexpBracket);
        throw OraError(kOraUnimplemented, "the regular expression '" + text +
                                              "' is not supported by the embedded database");
    }
}

std::wstring source(sqlite3_value *v) {
    std::wstring text = wide(argText(v));
    if (text.size() > kMaxTextCharacters)
        throw OraError(kOraUnimplemented, "regular expressions over texts of more than 4000 "
                                          "characters are not supported by the embedded database");
    return text;
}

// The matches of the pattern in text from character `position` (1-based) on.
struct Matches {
    std::wstring text;
    std::wregex pattern;
    size_t start = 0;

    std::wsregex_iterator begin() const {
        const auto flags = start > 0 ? std::regex_constants::match_prev_avail
                                     : std::regex_constants::match_default;
        return std::wsregex_iterator(text.begin() + static_cast<long>(start), text.end(), pattern,
                                     flags);
    }
    // The occurrence-th match (1-based), or none.
    std::optional<std::wsmatch> nth(long long occurrence) const {
        for (auto it = begin(); it != std::wsregex_iterator(); ++it)
            if (--occurrence == 0)
                return *it;
        return std::nullopt;
    }
    size_t offset(const std::wsmatch &m, size_t group) const {
        return start + static_cast<size_t>(m.position(static_cast<long>(group)));
    }
};

// Reads (source, pattern, [position]) and the match parameter at argv[match] when given;
// false (with NULL as the result) when the source or pattern is NULL.
bool read(sqlite3_context *ctx, int argc, sqlite3_value **argv, int position, int match,
          Matches &m) {
    if (isNull(argv[0]) || isNull(argv[1]) || (argc > position && isNull(argv[position]))) {
        sqlite3_result_null(ctx);
        return false;
    }
    m.text = source(argv[0]);
    m.pattern = compile(argv[1], argc > match ? argv[match] : nullptr);
    const long long n = static_cast<long long>(m.text.size());
    const long long from = argc > position ? argInteger(argv[position], 0, n + 1) : 1;
    if (from < 1)
        throw OraError(kOraArgumentOutOfRange, std::to_string(from));
    m.start = static_cast<size_t>(std::min(from - 1, n));
    return true;
}

// The occurrence argument at argv[at]: `low` at the least; 1 when not given, but for
// REGEXP_REPLACE (low 0), whose default is every occurrence.
long long occurrenceArg(int argc, sqlite3_value **argv, int at, long long low) {
    const long long occurrence =
        argc > at ? argInteger(argv[at], -1, 1LL << 40) : (low == 0 ? 0 : 1);
    if (occurrence < low)
        throw OraError(kOraArgumentOutOfRange, std::to_string(occurrence));
    return occurrence;
}

void fnRegexpLike(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    guarded(ctx, [&] {
        Matches m;
        if (read(ctx, argc, argv, 99, 2, m))
            sqlite3_result_int(ctx, std::regex_search(m.text, m.pattern) ? 1 : 0);
    });
}

// REGEXP_SUBSTR(source, pattern [, position [, occurrence [, match [, subexpression]]]])
void fnRegexpSubstr(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    guarded(ctx, [&] {
        Matches m;
        if (!read(ctx, argc, argv, 2, 4, m))
            return;
        const auto match = m.nth(occurrenceArg(argc, argv, 3, 1));
        const long long group = argc > 5 ? argInteger(argv[5], -1, 10) : 0;
        if (group < 0 || group > 9)
            throw OraError(kOraArgumentOutOfRange, std::to_string(group));
        if (!match || static_cast<size_t>(group) >= match->size())
            return sqlite3_result_null(ctx);
        resultText(ctx, narrow(match->str(static_cast<size_t>(group))));
    });
}

// REGEXP_INSTR(source, pattern [, position [, occurrence [, return_option [, match
// [, subexpression]]]]])
void fnRegexpInstr(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    guarded(ctx, [&] {
        Matches m;
        if (!read(ctx, argc, argv, 2, 5, m))
            return;
        const auto match = m.nth(occurrenceArg(argc, argv, 3, 1));
        const bool after = argc > 4 && argInteger(argv[4], 0, 1) == 1;
        const long long group = argc > 6 ? argInteger(argv[6], -1, 10) : 0;
        if (group < 0 || group > 9)
            throw OraError(kOraArgumentOutOfRange, std::to_string(group));
        if (!match || static_cast<size_t>(group) >= match->size() ||
            !(*match)[static_cast<size_t>(group)].matched)
            return sqlite3_result_int(ctx, 0);
        const size_t at = m.offset(*match, static_cast<size_t>(group));
        const size_t length = static_cast<size_t>(match->length(static_cast<long>(group)));
        sqlite3_result_int64(ctx, static_cast<long long>(at + 1 + (after ? length : 0)));
    });
}

// Oracle's replacement: \1 .. \9 name groups, "\\" is a backslash, '$' is itself.
std::wstring replacement(const std::wstring &oracle) {
    std::wstring out;
    for (size_t i = 0; i < oracle.size(); ++i) {
        const wchar_t c = oracle[i];
        if (c == L'$') {
            out += L"$$";
        } else if (c == L'\\' && i + 1 < oracle.size() && oracle[i + 1] >= L'0' &&
                   oracle[i + 1] <= L'9') {
            out += L'$';
            out += oracle[++i];
        } else if (c == L'\\' && i + 1 < oracle.size() && oracle[i + 1] == L'\\') {
            out += oracle[++i];
        } else {
            out += c;
        }
    }
    return out;
}

// REGEXP_REPLACE(source, pattern [, replacement [, position [, occurrence [, match]]]]):
// occurrence 0 replaces every match.
void fnRegexpReplace(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    guarded(ctx, [&] {
        if (isNull(argv[1]) && !isNull(argv[0]))
            return resultText(ctx, argText(argv[0]));
        Matches m;
        if (!read(ctx, argc, argv, 3, 5, m))
            return;
        const std::wstring with = argc > 2 ? replacement(wide(argText(argv[2]))) : std::wstring();
        const long long occurrence = occurrenceArg(argc, argv, 4, 0);
        std::wstring out = m.text.substr(0, m.start);
        size_t done = m.start;
        long long seen = 0;
        for (auto it = m.begin(); it != std::wsregex_iterator(); ++it) {
            if (occurrence != 0 && ++seen != occurrence)
                continue;
            const size_t at = m.offset(*it, 0);
            out += m.text.substr(done, at - done);
            out += it->format(with);
            done = at + static_cast<size_t>(it->length(0));
            if (occurrence != 0)
                break;
        }
        out += m.text.substr(done);
        resultText(ctx, narrow(out));
    });
}

// REGEXP_COUNT(source, pattern [, position [, match]])
void fnRegexpCount(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    guarded(ctx, [&] {
        Matches m;
        if (!read(ctx, argc, argv, 2, 3, m))
            return;
        sqlite3_result_int64(
            ctx, static_cast<long long>(std::distance(m.begin(), std::wsregex_iterator())));
    });
}

} // namespace

void registerRegexpFunctions(sqlite3 *db) {
    struct Function {
        const char *name;
        int minArgs, maxArgs;
        void (*fn)(sqlite3_context *, int, sqlite3_value **);
    };
    static const Function kFunctions[] = {
        {"REGEXP_LIKE", 2, 3, fnRegexpLike},   {"REGEXP_SUBSTR", 2, 6, fnRegexpSubstr},
        {"REGEXP_INSTR", 2, 7, fnRegexpInstr}, {"REGEXP_REPLACE", 2, 6, fnRegexpReplace},
        {"REGEXP_COUNT", 2, 4, fnRegexpCount},
    };
    for (const Function &f : kFunctions)
        for (int n = f.minArgs; n <= f.maxArgs; ++n)
            sqlite3_create_function_v2(db, f.name, n, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                       f.fn, nullptr, nullptr, nullptr);
}

} // namespace ocilite
