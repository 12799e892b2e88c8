#include "ocilite/scripts/sqlplus_settings.h"
#include "ocilite/scripts/sqlplus_words.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace ocilite {
namespace {

// SET's words: blanks separate them; a quoted value keeps its blanks.
std::vector<std::string> words(std::string_view s) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
        if (i >= s.size())
            break;
        if (s[i] == '\'' || s[i] == '"') {
            const char q = s[i];
            const size_t end = s.find(q, i + 1);
            const size_t stop = end == std::string_view::npos ? s.size() : end;
            out.emplace_back(s.substr(i + 1, stop - i - 1));
            i = stop + 1;
            continue;
        }
        const size_t start = i;
        while (i < s.size() && !std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
        out.emplace_back(s.substr(start, i - start));
    }
    if (!out.empty() && !out.back().empty() && out.back().back() == ';')
        out.back().pop_back();
    return out;
}

// SQL*Plus option names with their shortest abbreviation.
struct Option {
    const char *full;
    size_t minLength;
};

bool matches(const std::string &word, const Option &o) {
    const std::string_view full = o.full;
    return word.size() >= o.minLength && word.size() <= full.size() &&
           full.substr(0, word.size()) == word;
}

// Options we act on (their values are read below) and the ones SQL*Plus has that change
// nothing here. Each takes one value except where noted in takesRest.
bool is(const std::string &name, const char *full, size_t min) {
    return matches(name, Option{full, min});
}

constexpr Option kPassedOver[] = {
    {"APPINFO", 2},
    {"ARRAYSIZE", 5},
    {"AUTOPRINT", 5},
    {"AUTORECOVERY", 5},
    {"AUTOTRACE", 5},
    {"BLOCKTERMINATOR", 3},
    {"CMDSEP", 4},
    {"COLINVISIBLE", 6},
    {"COMPATIBILITY", 3},
    {"COPYCOMMIT", 5},
    {"COPYTYPECHECK", 5},
    {"DESCRIBE", 4},
    {"ECHO", 4},
    {"EDITFILE", 5},
    {"EMBEDDED", 3},
    {"ERRORLOGGING", 8},
    {"FLAGGER", 4},
    {"FLUSH", 3},
    {"HEADSEP", 5},
    {"INSTANCE", 4},
    {"LOBOFFSET", 4},
    {"LOBPREFETCH", 4},
    {"LOGSOURCE", 4},
    {"LONG", 4},
    {"LONGCHUNKSIZE", 5},
    {"MARKUP", 4},
    {"NEWPAGE", 4},
    {"NUMFORMAT", 4},
    {"PARAMETERS", 4},
    {"PAUSE", 3},
    {"RECSEP", 4},
    {"RECSEPCHAR", 7},
    {"ROWPREFETCH", 4},
    {"SECUREDCOL", 4},
    {"SHIFTINOUT", 5},
    {"SHOWMODE", 4},
    {"SQLBLANKLINES", 5},
    {"SQLCASE", 4},
    {"SQLCONTINUE", 5},
    {"SQLNUMBER", 4},
    {"SQLPLUSCOMPATIBILITY", 8},
    {"SQLPREFIX", 6},
    {"SQLPROMPT", 4},
    {"SQLTERMINATOR", 4},
    {"STATEMENTCACHE", 4},
    {"SUFFIX", 3},
    {"TAB", 3},
    {"TIME", 2},
    {"TIMING", 4},
    {"UNDERLINE", 3},
    {"WRAP", 3},
    {"XMLOPTIMIZATIONCHECK", 4},
    {"XQUERY", 6},
    {"CONNECTION", 4},
    {"HISTORY", 4},
    {"JSONPRINT", 4},
};

bool isMultiWord(std::string_view option) {
    return option == "AUTOTRACE" || option == "MARKUP" || option == "ERRORLOGGING" ||
           option == "HISTORY" || option == "XQUERY" || option == "DESCRIBE" ||
           option == "CONNECTION";
}

bool onOff(const std::string &value, bool &out) {
    const std::string v = upperWord(value);
    if (v == "ON")
        out = true;
    else if (v == "OFF")
        out = false;
    else
        return false;
    return true;
}

bool number(const std::string &value, int low, int high, int &out) {
    int n = 0;
    const auto r = std::from_chars(value.data(), value.data() + value.size(), n);
    if (r.ec != std::errc() || r.ptr != value.data() + value.size() || n < low || n > high)
        return false;
    out = n;
    return true;
}

// DEFINE, SCAN, CONCAT and ESCAPE take ON, OFF or a single character.
bool characterOption(const std::string &value, bool &enabled, char &c) {
    if (onOff(value, enabled))
        return true;
    if (value.size() != 1 || std::isalnum(static_cast<unsigned char>(value[0])) ||
        std::isspace(static_cast<unsigned char>(value[0])))
        return false;
    enabled = true;
    c = value[0];
    return true;
}

class SetParser {
public:
    SetParser(SqlPlusSettings &s, std::vector<std::string> w) : m_s(s), m_words(std::move(w)) {}

    bool run(std::string &error) {
        if (m_words.empty()) {
            error = "SP2-0265: SET option must be followed by a value";
            return false;
        }
        while (m_at < m_words.size()) {
            const std::string name = upperWord(m_words[m_at++]);
            if (!option(name, error))
                return false;
        }
        return true;
    }

private:
    bool value(std::string &out) {
        if (m_at >= m_words.size())
            return false;
        out = m_words[m_at++];
        return true;
    }

    bool option(const std::string &name, std::string &error);
    bool substitutionOption(const std::string &name, const std::string &v, bool &ok);
    bool outputOption(const std::string &name, const std::string &v, bool &ok);
    bool transactionOption(const std::string &name, const std::string &v, bool &ok);
    bool serverOutput(std::string &error);
    bool bad(const std::string &name, std::string &error) {
        error = "SP2-0268: " + name + " option not a valid number or value";
        return false;
    }

    SqlPlusSettings &m_s;
    std::vector<std::string> m_words;
    size_t m_at = 0;
};

bool SetParser::option(const std::string &name, std::string &error) {
    if (is(name, "SERVEROUTPUT", 9))
        return serverOutput(error);
    std::string v;
    if (!value(v)) {
        error = "SP2-0265: " + name + " must be set ON or OFF";
        return false;
    }
    bool ok = true;
    if (substitutionOption(name, v, ok) || outputOption(name, v, ok) ||
        transactionOption(name, v, ok))
        return ok || bad(name, error);
    for (const Option &o : kPassedOver) {
        if (matches(name, o)) {
            // A few take several words (AUTOTRACE ON EXPLAIN, MARKUP HTML ON ...): the rest
            // of the command is theirs.
            if (isMultiWord(o.full))
                m_at = m_words.size();
            return true;
        }
    }
    error = "SP2-0158: unknown SET option \"" + name + "\"";
    return false;
}

// DEFINE, SCAN, CONCAT, ESCAPE, VERIFY: false when the name is none of them.
bool SetParser::substitutionOption(const std::string &name, const std::string &v, bool &ok) {
    SubstitutionSettings &sub = m_s.substitution;
    if (is(name, "DEFINE", 3))
        ok = characterOption(v, sub.enabled, sub.prefix);
    else if (is(name, "SCAN", 3))
        ok = onOff(v, sub.enabled);
    else if (is(name, "CONCAT", 3))
        ok = characterOption(v, sub.concatEnabled, sub.concat);
    else if (is(name, "ESCAPE", 3)) {
        bool on = sub.escape != 0;
        char c = sub.escape ? sub.escape : '\\';
        ok = characterOption(v, on, c);
        sub.escape = on ? c : 0;
    } else if (is(name, "VERIFY", 3))
        ok = onOff(v, m_s.verify);
    else
        return false;
    return true;
}

// The layout of output: false when the name is none of its options.
bool SetParser::outputOption(const std::string &name, const std::string &v, bool &ok) {
    if (is(name, "TERMOUT", 4))
        ok = onOff(v, m_s.termout);
    else if (is(name, "HEADING", 3))
        ok = onOff(v, m_s.heading);
    else if (is(name, "PAGESIZE", 5))
        ok = number(v, 0, 50000, m_s.pagesize);
    else if (is(name, "LINESIZE", 3))
        ok = number(v, 1, 32767, m_s.linesize);
    else if (is(name, "NUMWIDTH", 4))
        ok = number(v, 2, 50, m_s.numwidth);
    else if (is(name, "COLSEP", 6))
        m_s.colsep = v;
    else if (is(name, "NULL", 4))
        m_s.nullText = v;
    else if (is(name, "TRIMOUT", 5))
        ok = onOff(v, m_s.trimout);
    else if (is(name, "TRIMSPOOL", 5))
        ok = onOff(v, m_s.trimspool);
    else if (is(name, "FEEDBACK", 4)) {
        bool on = false;
        if (onOff(v, on))
            m_s.feedback = on ? 6 : 0;
        else if (upperWord(v) != "ONLY")
            ok = number(v, 0, 50000, m_s.feedback);
    } else
        return false;
    return true;
}

// AUTOCOMMIT ON | IMMEDIATE | n (committing after each statement here) | OFF | 0, and
// EXITCOMMIT: false when the name is neither.
bool SetParser::transactionOption(const std::string &name, const std::string &v, bool &ok) {
    if (is(name, "EXITCOMMIT", 5)) {
        ok = onOff(v, m_s.exitcommit);
        return true;
    }
    if (!is(name, "AUTOCOMMIT", 4))
        return false;
    int n = 0;
    if (onOff(v, m_s.autocommit))
        return true;
    if (upperWord(v) == "IMMEDIATE")
        m_s.autocommit = true;
    else if ((ok = number(v, 0, 2000000000, n)))
        m_s.autocommit = n > 0;
    return true;
}

// SET SERVEROUTPUT {ON|OFF} [SIZE {n|UNLIMITED}] [FOR[MAT] {WRA[PPED]|WOR[D_WRAPPED]|TRU[NCATED]}]
bool SetParser::serverOutput(std::string &error) {
    std::string v;
    if (!value(v) || !onOff(v, m_s.serveroutput)) {
        error = "SP2-0265: serveroutput must be set ON or OFF";
        return false;
    }
    while (m_at < m_words.size()) {
        const std::string word = upperWord(m_words[m_at]);
        if (word != "SIZE" && word.rfind("FOR", 0) != 0)
            break;
        m_at += 2;
    }
    return true;
}

} // namespace

bool SqlPlusSettings::apply(std::string_view arguments, std::string &error) {
    return SetParser(*this, words(arguments)).run(error);
}

} // namespace ocilite
