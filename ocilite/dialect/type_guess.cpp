// The Oracle type of a select-list expression or an operand, guessed from its shape: a
// literal, a column of a table in scope, a known function, CASE, arithmetic, concatenation.
// Anything else is VARCHAR2(4000), which describe reports for an expression it cannot type.
#include "ocilite/dialect/passes.h"

#include <cstdlib>
#include <optional>
#include <set>
#include <vector>

namespace ocilite {
namespace {

const std::set<std::string, std::less<>> kNumberFunctions = {"COUNT",
                                                             "SUM",
                                                             "AVG",
                                                             "LENGTH",
                                                             "INSTR",
                                                             "ABS",
                                                             "MOD",
                                                             "SIGN",
                                                             "CEIL",
                                                             "SQRT",
                                                             "ASCII",
                                                             "STDDEV",
                                                             "LENGTHB",
                                                             "VSIZE",
                                                             "EXP",
                                                             "LN",
                                                             "LOG",
                                                             "POWER",
                                                             "FLOOR",
                                                             "MONTHS_BETWEEN",
                                                             "VARIANCE",
                                                             "TO_NUMBER",
                                                             "OCILITE_DATE_DIFF"};
const std::set<std::string, std::less<>> kDateFunctions = {"TO_DATE", "ADD_MONTHS", "LAST_DAY",
                                                           "NEXT_DAY", "OCILITE_DATE_ADD"};
// Functions whose result has the type of their first argument (NVL2: its second).
const std::set<std::string, std::less<>> kFirstArgumentFunctions = {
    "MIN",   "MAX",   "NVL",   "COALESCE", "GREATEST",
    "LEAST", "ROUND", "TRUNC", "NVL2",     "OCILITE_DIVISOR"};
const std::set<std::string, std::less<>> kCharacterFunctions = {"UPPER", "LOWER", "INITCAP", "TRIM",
                                                                "LTRIM", "RTRIM", "SUBSTR"};

// A CHAR value in an expression reads as VARCHAR2 of the same length.
OraType varying(OraType t) {
    if (t.code == OCIV7_TYPE_CHAR)
        t.code = OCIV7_TYPE_VARCHAR2;
    return t;
}

class Guesser {
public:
    Guesser(const Tokens &t, const FromTables &tables, const NameResolver &r)
        : m_t(t), m_tables(tables), m_resolver(r) {}

    // Iterative over prefix signs and operator chains; it recurses only into parentheses,
    // calls and CASE, whose nesting the translation bounds.
    OraType guess(size_t from, size_t to) const {
        for (;;) {
            while (to > from + 1 && m_t[from].isOp("(") && closingParen(m_t, from) == to - 1) {
                ++from;
                --to;
            }
            if (from >= to)
                return OraType::varchar2(4000);
            if (auto binary = guessBinary(from, to))
                return *binary;
            const Token &first = m_t[from];
            if (to - from == 1)
                return guessSingle(first);
            if (!(first.isOp("-") || first.isOp("+")))
                return guessTerm(from, to);
            ++from;
        }
    }

private:
    OraType guessTerm(size_t from, size_t to) const {
        const Token &first = m_t[from];
        if (isNameToken(first) && to - from == 3 && m_t[from + 1].isOp("."))
            return columnType(first.text, m_t[from + 2].text);
        if (first.isWord("CASE"))
            return guessCase(from, to);
        if (first.kind == TokenKind::Identifier && m_t[from + 1].isOp("("))
            return guessCall(from, to);
        return OraType::varchar2(4000);
    }

    // An arithmetic chain a op b op c ...: a DATE when a DATE is moved by a number (as
    // a op (b op (c ...)) reads), else a NUMBER; '||' anywhere makes text.
    std::optional<OraType> guessBinary(size_t from, size_t to) const {
        int depth = 0;
        std::vector<size_t> operators;
        size_t operandStart = from;
        for (size_t i = from; i < to; ++i) {
            const Token &t = m_t[i];
            if (t.isOp("("))
                ++depth;
            else if (t.isOp(")"))
                --depth;
            else if (depth == 0 && t.isOp("||"))
                return OraType::varchar2(4000);
            else if (depth == 0 && i > operandStart &&
                     (t.isOp("+") || t.isOp("-") || t.isOp("*") || t.isOp("/"))) {
                operators.push_back(i);
                operandStart = i + 1;
            }
        }
        if (operators.empty())
            return std::nullopt;
        OraType right = guess(operators.back() + 1, to);
        for (size_t k = operators.size(); k-- > 0;) {
            const OraType left = guess(k == 0 ? from : operators[k - 1] + 1, operators[k]);
            const bool moved = left.isDate() && !right.isDate() && !m_t[operators[k]].isOp("*");
            right = moved ? OraType::date() : OraType::number();
        }
        return right;
    }

    OraType guessSingle(const Token &t) const {
        switch (t.kind) {
        case TokenKind::Number:
            return OraType::number();
        case TokenKind::String:
            return t.text.empty() ? OraType::varchar2(0)
                                  : OraType::charType(static_cast<int>(t.text.size()));
        case TokenKind::Bind:
            return OraType::varchar2(4000);
        default:
            break;
        }
        if (t.isWord("SYSDATE"))
            return OraType::date();
        if (t.isWord("USER"))
            return OraType::varchar2(128);
        if (t.isWord("ROWID"))
            return OraType::rowid();
        if (t.isWord("NULL"))
            return OraType::varchar2(0);
        if (t.isWord("ROWNUM") || t.isWord("LEVEL") || t.isWord("UID"))
            return OraType::number();
        return columnType("", t.text);
    }

    OraType columnType(const std::string &qualifier, const std::string &column) const {
        if (column == "ROWID")
            return OraType::rowid();
        for (const FromTable &table : m_tables) {
            if (!qualifier.empty() && table.key != qualifier)
                continue;
            for (const auto &[name, type] : m_resolver.columnsOf(table.sqliteName))
                if (name == column)
                    return type;
        }
        return OraType::varchar2(4000);
    }

    // Arguments of the call whose name is at `from`.
    std::vector<TokenRange> arguments(size_t from) const {
        return commaItems(m_t, from + 2, closingParen(m_t, from + 1));
    }

    OraType guessCall(size_t from, size_t to) const {
        const std::string &name = m_t[from].text;
        if (closingParen(m_t, from + 1) != to - 1)
            return OraType::varchar2(4000);
        if (kNumberFunctions.count(name))
            return OraType::number();
        if (kDateFunctions.count(name))
            return OraType::date();
        if (name == "TO_CHAR")
            return OraType::varchar2(80);
        const auto args = arguments(from);
        if (name == "OCILITE_CAST" && args.size() >= 2)
            return castType(args);
        if (kFirstArgumentFunctions.count(name) && !args.empty())
            return guessFirstArgument(name, args);
        if (name == "DECODE" && args.size() >= 3)
            return guess(args[2].from, args[2].to);
        if (kCharacterFunctions.count(name) && !args.empty()) {
            const OraType t = guess(args[0].from, args[0].to);
            if (t.isCharacter() && t.size > 0)
                return OraType::varchar2(t.size);
        }
        return OraType::varchar2(4000);
    }

    // OCILITE_CAST(x, 'TYPE'[, p[, s], NULL]).
    OraType castType(const std::vector<TokenRange> &args) const {
        const std::string &type = m_t[args[1].from].text;
        if (type == "DATE")
            return OraType::date();
        if (type.find("CHAR") == std::string::npos)
            return OraType::number();
        const bool sized = args.size() >= 4 && m_t[args[2].from].kind == TokenKind::Number;
        const long size = sized ? std::strtol(m_t[args[2].from].text.c_str(), nullptr, 10) : 0;
        return OraType::varchar2(size > 0 && size <= 4000 ? static_cast<int>(size) : 4000);
    }

    OraType guessFirstArgument(const std::string &name, const std::vector<TokenRange> &args) const {
        const size_t pick = name == "NVL2" && args.size() > 1 ? 1 : 0;
        OraType t = guess(args[pick].from, args[pick].to);
        // NVL('', x) and COALESCE(NULL, x) take the type of what replaces the NULL.
        if ((name == "NVL" || name == "COALESCE") && t.code == OCIV7_TYPE_VARCHAR2 && t.size == 0 &&
            args.size() > 1)
            t = guess(args[1].from, args[1].to);
        return varying(t);
    }

    // The type of the first THEN branch.
    OraType guessCase(size_t from, size_t to) const {
        int depth = 0;
        for (size_t i = from + 1; i < to; ++i) {
            if (m_t[i].isOp("("))
                ++depth;
            else if (m_t[i].isOp(")"))
                --depth;
            else if (depth == 0 && m_t[i].isWord("THEN"))
                return varying(guess(i + 1, branchEnd(i + 1, to)));
        }
        return OraType::varchar2(4000);
    }

    size_t branchEnd(size_t from, size_t to) const {
        int depth = 0;
        size_t end = from;
        for (; end < to; ++end) {
            if (m_t[end].isOp("("))
                ++depth;
            else if (m_t[end].isOp(")"))
                --depth;
            else if (depth == 0 &&
                     (m_t[end].isWord("WHEN") || m_t[end].isWord("ELSE") || m_t[end].isWord("END")))
                break;
        }
        return end;
    }

    const Tokens &m_t;
    const FromTables &m_tables;
    const NameResolver &m_resolver;
};

} // namespace

OraType guessType(const Tokens &tokens, TokenRange range, const FromTables &tables,
                  const NameResolver &resolver) {
    return Guesser(tokens, tables, resolver).guess(range.from, range.to);
}

} // namespace ocilite
