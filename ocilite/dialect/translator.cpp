#include "ocilite/dialect/translator.h"

#include "oci/ociv7.h"
#include "ocilite/dialect/tokenizer.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace ocilite {
namespace {

using Tokens = std::vector<Token>;

const std::set<std::string> &clauseWords() {
    static const std::set<std::string> kWords = {
        "WHERE",  "SET",       "GROUP",  "ORDER", "HAVING",   "UNION",  "INTERSECT", "MINUS",
        "EXCEPT", "CONNECT",   "START",  "JOIN",  "INNER",    "LEFT",   "RIGHT",     "FULL",
        "CROSS",  "NATURAL",   "OUTER",  "ON",    "USING",    "VALUES", "SELECT",    "FOR",
        "WITH",   "RETURNING", "FROM",   "INTO",  "LOG",      "WHEN",   "THEN",      "ELSE",
        "END",    "AND",       "OR",     "NOT",   "IS",       "IN",     "LIKE",      "BETWEEN",
        "AS",     "FETCH",     "OFFSET", "LIMIT", "PARTITION"};
    return kWords;
}

bool isNameToken(const Token &t) {
    return t.kind == TokenKind::Identifier || t.kind == TokenKind::QuotedIdentifier;
}

bool isAliasToken(const Token &t) {
    return t.kind == TokenKind::QuotedIdentifier ||
           (t.kind == TokenKind::Identifier && !clauseWords().count(t.text));
}

Token word(const std::string &w, size_t offset = 0) {
    Token t;
    t.kind = TokenKind::Identifier;
    t.text = w;
    t.offset = offset;
    return t;
}

// The name Oracle gives an unaliased expression: its text in upper case without blanks.
std::string expressionName(const std::string &sql, const Tokens &t, size_t from, size_t to) {
    if (from >= to)
        return std::string();
    const size_t start = t[from].offset;
    const size_t end = t[to - 1].offset + t[to - 1].length;
    std::string out;
    if (t[from].length == 0 || t[to - 1].length == 0 || end <= start) {
        for (size_t i = from; i < to; ++i)
            out += t[i].text;
        return out;
    }
    char quote = 0;
    for (size_t i = start; i < end && i < sql.size(); ++i) {
        const char c = sql[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            continue;
        }
        out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

struct FromTable {
    std::string key;        // alias or name in the statement
    std::string sqliteName; // what SQLite knows it by
};

// Guesses the Oracle type of a select-list expression from its shape.
class TypeGuesser {
public:
    TypeGuesser(const Tokens &t, const std::vector<FromTable> &tables, const NameResolver &r)
        : m_t(t), m_tables(tables), m_resolver(r) {}

    OraType guess(size_t from, size_t to) const {
        while (to > from + 1 && m_t[from].isOp("(") && closeOf(from) == to - 1) {
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
        if (first.isOp("-") || first.isOp("+"))
            return guess(from + 1, to);
        if (isNameToken(first) && to - from == 3 && m_t[from + 1].isOp("."))
            return columnType(first.text, m_t[from + 2].text);
        if (first.isWord("CASE"))
            return guessCase(from, to);
        if (first.kind == TokenKind::Identifier && m_t[from + 1].isOp("("))
            return guessCall(from, to);
        return OraType::varchar2(4000);
    }

private:
    size_t closeOf(size_t open) const {
        int depth = 0;
        for (size_t i = open; i < m_t.size(); ++i) {
            if (m_t[i].isOp("("))
                ++depth;
            else if (m_t[i].isOp(")") && --depth == 0)
                return i;
        }
        return m_t.size();
    }

    std::optional<OraType> guessBinary(size_t from, size_t to) const {
        int depth = 0;
        std::optional<size_t> arithmetic;
        for (size_t i = from; i < to; ++i) {
            const Token &t = m_t[i];
            if (t.isOp("("))
                ++depth;
            else if (t.isOp(")"))
                --depth;
            else if (depth == 0 && t.isOp("||"))
                return OraType::varchar2(4000);
            else if (depth == 0 && i > from &&
                     (t.isOp("+") || t.isOp("-") || t.isOp("*") || t.isOp("/")) && !arithmetic)
                arithmetic = i;
        }
        if (!arithmetic)
            return std::nullopt;
        const OraType left = guess(from, *arithmetic);
        const OraType right = guess(*arithmetic + 1, to);
        if (left.isDate() && !right.isDate() && !m_t[*arithmetic].isOp("*"))
            return OraType::date();
        return OraType::number();
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
        if (t.isWord("ROWNUM") || t.isWord("LEVEL"))
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
    std::vector<std::pair<size_t, size_t>> arguments(size_t from) const {
        std::vector<std::pair<size_t, size_t>> args;
        const size_t close = closeOf(from + 1);
        size_t start = from + 2;
        int depth = 0;
        for (size_t i = start; i < close; ++i) {
            if (m_t[i].isOp("("))
                ++depth;
            else if (m_t[i].isOp(")"))
                --depth;
            else if (depth == 0 && m_t[i].isOp(",")) {
                args.emplace_back(start, i);
                start = i + 1;
            }
        }
        if (start < close)
            args.emplace_back(start, close);
        return args;
    }

    OraType guessCall(size_t from, size_t to) const {
        const std::string &name = m_t[from].text;
        const auto args = arguments(from);
        static const std::set<std::string> kNumber = {"COUNT",
                                                      "SUM",
                                                      "AVG",
                                                      "LENGTH",
                                                      "INSTR",
                                                      "ABS",
                                                      "MOD",
                                                      "TO_NUMBER",
                                                      "SIGN",
                                                      "CEIL",
                                                      "FLOOR",
                                                      "POWER",
                                                      "SQRT",
                                                      "ASCII",
                                                      "STDDEV",
                                                      "VARIANCE",
                                                      "MONTHS_BETWEEN",
                                                      "LENGTHB",
                                                      "EXP",
                                                      "LN",
                                                      "LOG",
                                                      "OCILITE_DATE_DIFF"};
        static const std::set<std::string> kDate = {"TO_DATE", "ADD_MONTHS", "LAST_DAY", "NEXT_DAY",
                                                    "OCILITE_DATE_ADD"};
        static const std::set<std::string> kFirst = {
            "MIN", "MAX", "NVL", "COALESCE", "GREATEST", "LEAST", "ROUND", "TRUNC", "NVL2"};
        if (closeOf(from + 1) != to - 1)
            return OraType::varchar2(4000);
        if (kNumber.count(name))
            return OraType::number();
        if (kDate.count(name))
            return OraType::date();
        if (name == "TO_CHAR")
            return OraType::varchar2(80);
        if (kFirst.count(name) && !args.empty()) {
            const size_t pick = name == "NVL2" && args.size() > 1 ? 1 : 0;
            OraType t = guess(args[pick].first, args[pick].second);
            if ((name == "NVL" || name == "COALESCE") && t.code == OCIV7_TYPE_VARCHAR2 &&
                t.size == 0 && args.size() > 1)
                t = guess(args[1].first, args[1].second);
            if (t.code == OCIV7_TYPE_CHAR)
                t.code = OCIV7_TYPE_VARCHAR2;
            return t;
        }
        if (name == "DECODE" && args.size() >= 3)
            return guess(args[2].first, args[2].second);
        if (!args.empty() &&
            (name == "UPPER" || name == "LOWER" || name == "INITCAP" || name == "TRIM" ||
             name == "LTRIM" || name == "RTRIM" || name == "SUBSTR")) {
            OraType t = guess(args[0].first, args[0].second);
            if (t.isCharacter() && t.size > 0)
                return OraType::varchar2(t.size);
        }
        return OraType::varchar2(4000);
    }

    OraType guessCase(size_t from, size_t to) const {
        int depth = 0;
        for (size_t i = from + 1; i < to; ++i) {
            if (m_t[i].isOp("("))
                ++depth;
            else if (m_t[i].isOp(")"))
                --depth;
            else if (depth == 0 && m_t[i].isWord("THEN")) {
                size_t end = i + 1;
                int d = 0;
                for (; end < to; ++end) {
                    if (m_t[end].isOp("("))
                        ++d;
                    else if (m_t[end].isOp(")"))
                        --d;
                    else if (d == 0 && (m_t[end].isWord("WHEN") || m_t[end].isWord("ELSE") ||
                                        m_t[end].isWord("END")))
                        break;
                }
                OraType t = guess(i + 1, end);
                if (t.code == OCIV7_TYPE_CHAR)
                    t.code = OCIV7_TYPE_VARCHAR2;
                return t;
            }
        }
        return OraType::varchar2(4000);
    }

    const Tokens &m_t;
    const std::vector<FromTable> &m_tables;
    const NameResolver &m_resolver;
};

// Per parenthesis level: what the next tokens mean for table names.
enum class TableMode { None, Expect, After };

struct Level {
    bool function = false;
    TableMode mode = TableMode::None;
    bool list = false; // a FROM list: ',' brings the next table
};

class Translator {
public:
    Translator(const std::string &sql, const std::string &schema, const NameResolver &resolver)
        : m_sql(sql), m_schema(schema), m_resolver(resolver) {}

    Translation run() {
        Tokens head = firstTokens();
        if (head.empty())
            throw OraError(kOraInvalidSql);
        const Token &first = head[0];
        if (first.isWord("BEGIN") || first.isWord("DECLARE"))
            throw OraError(kOraUnimplemented, "the embedded database cannot run PL/SQL blocks");
        if (first.isWord("CREATE"))
            return create(head);
        m_t = tokenize(m_sql);
        const Token &lead = m_t[0];
        if (lead.isWord("SELECT") || lead.isWord("WITH") || lead.isOp("("))
            return query();
        if (lead.isWord("INSERT"))
            return dml(StatementKind::Insert, OCIV7_FT_INSERT);
        if (lead.isWord("UPDATE"))
            return dml(StatementKind::Update, OCIV7_FT_UPDATE);
        if (lead.isWord("DELETE"))
            return dml(StatementKind::Delete, OCIV7_FT_DELETE);
        if (lead.isWord("DROP"))
            return drop();
        if (lead.isWord("COMMIT") || lead.isWord("ROLLBACK"))
            return transaction(lead.isWord("COMMIT"));
        throw OraError(kOraInvalidSql);
    }

private:
    // The first few tokens: a program unit's body is PL/SQL, which the SQL tokenizer
    // does not need to understand.
    Tokens firstTokens() {
        if (!isValidUtf8(m_sql))
            throw OraError(kOraPartialMultibyte);
        Tokens out;
        size_t pos = skipBlanksAndComments(m_sql, 0);
        while (pos < m_sql.size() && out.size() < 8) {
            size_t end = pos;
            // Cut one token out by tokenizing up to the next blank outside quotes.
            char quote = 0;
            while (end < m_sql.size()) {
                const char c = m_sql[end];
                if (quote) {
                    if (c == quote)
                        quote = 0;
                } else if (c == '\'' || c == '"') {
                    quote = c;
                } else if (std::isspace(static_cast<unsigned char>(c)) || c == '(' || c == ';') {
                    break;
                }
                ++end;
            }
            if (end == pos)
                ++end;
            Tokens part;
            try {
                part = tokenize(std::string_view(m_sql).substr(pos, end - pos));
            } catch (const OraError &) {
                break;
            }
            for (Token &t : part) {
                t.offset += pos;
                out.push_back(t);
            }
            pos = skipBlanksAndComments(m_sql, end);
        }
        return out;
    }

    Translation transaction(bool commit) {
        if (m_t.size() > 2 || (m_t.size() == 2 && !m_t[1].isWord("WORK")))
            throw OraError(kOraNotProperlyEnded);
        Translation tr;
        tr.kind = commit ? StatementKind::Commit : StatementKind::Rollback;
        tr.functionType = commit ? OCIV7_FT_COMMIT : OCIV7_FT_ROLLBACK;
        return tr;
    }

    // ---- program units and tables --------------------------------------------------
    Translation create(const Tokens &head) {
        size_t i = 1;
        Translation tr;
        if (i + 1 < head.size() && head[i].isWord("OR") && head[i + 1].isWord("REPLACE")) {
            tr.orReplace = true;
            i += 2;
        }
        if (i >= head.size())
            throw OraError(kOraInvalidCreate);
        const Token &what = head[i];
        if (what.isWord("TABLE") && !tr.orReplace)
            return createTable();
        if (what.isWord("PACKAGE") && i + 1 < head.size() && head[i + 1].isWord("BODY"))
            return createUnit(tr, head, i, i + 2, "PACKAGE BODY", OCIV7_FT_CREATE_PACKAGE_BODY);
        if (what.isWord("PACKAGE"))
            return createUnit(tr, head, i, i + 1, "PACKAGE", OCIV7_FT_CREATE_PACKAGE);
        if (what.isWord("PROCEDURE"))
            return createUnit(tr, head, i, i + 1, "PROCEDURE", OCIV7_FT_CREATE_PROCEDURE);
        if (what.isWord("FUNCTION"))
            return createUnit(tr, head, i, i + 1, "FUNCTION", OCIV7_FT_CREATE_FUNCTION);
        static const std::set<std::string> kKnown = {"VIEW", "INDEX",   "SEQUENCE", "TRIGGER",
                                                     "TYPE", "SYNONYM", "USER",     "UNIQUE"};
        if (what.kind == TokenKind::Identifier && kKnown.count(what.text))
            throw OraError(kOraUnimplemented, "CREATE " + what.text);
        throw OraError(kOraInvalidCreate);
    }

    std::string ownName(const Tokens &t, size_t &i, int missing) const {
        if (i >= t.size() || !isNameToken(t[i]))
            throw OraError(missing);
        std::string name = t[i++].text;
        if (i + 1 < t.size() && t[i].isOp(".") && isNameToken(t[i + 1])) {
            if (name != m_schema)
                throw OraError(kOraInsufficientPrivileges);
            name = t[i + 1].text;
            i += 2;
        }
        return name;
    }

    Translation createUnit(Translation tr, const Tokens &head, size_t typeAt, size_t nameAt,
                           const char *type, int ft) {
        tr.kind = StatementKind::CreateUnit;
        tr.functionType = ft;
        tr.objectType = type;
        tr.objectName = ownName(head, nameAt, kOraInvalidSql);
        // Oracle keeps the text from the unit's type keyword on, each line with its LF.
        std::string text = m_sql.substr(head[typeAt].offset);
        while (!text.empty() &&
               (std::isspace(static_cast<unsigned char>(text.back())) || text.back() == '\0'))
            text.pop_back();
        if (text.size() > 1 && text.back() == '/' &&
            text.find_last_not_of(" \t\r", text.size() - 2) != std::string::npos &&
            text[text.find_last_not_of(" \t\r", text.size() - 2)] == '\n') {
            text.pop_back();
            while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
                text.pop_back();
        }
        size_t start = 0;
        while (start <= text.size()) {
            const size_t eol = text.find('\n', start);
            if (eol == std::string::npos) {
                tr.sourceLines.push_back(text.substr(start) + "\n");
                break;
            }
            tr.sourceLines.push_back(text.substr(start, eol - start + 1));
            start = eol + 1;
        }
        return tr;
    }

    Translation createTable() {
        m_t = tokenize(m_sql);
        Translation tr;
        tr.kind = StatementKind::CreateTable;
        tr.functionType = OCIV7_FT_CREATE_TABLE;
        tr.objectType = "TABLE";
        size_t i = 2;
        tr.objectName = ownName(m_t, i, kOraInvalidTableName);
        if (i >= m_t.size() || !m_t[i].isOp("(")) {
            if (i < m_t.size() && m_t[i].isWord("AS"))
                throw OraError(kOraUnimplemented, "CREATE TABLE ... AS SELECT");
            throw OraError(kOraMissingLeftParen);
        }
        ++i;
        for (;;) {
            if (i >= m_t.size())
                throw OraError(kOraMissingRightParen);
            if (m_t[i].isWord("CONSTRAINT") || m_t[i].isWord("PRIMARY") ||
                m_t[i].isWord("UNIQUE") || m_t[i].isWord("CHECK") || m_t[i].isWord("FOREIGN"))
                tableConstraint(tr, i);
            else
                columnDefinition(tr, i);
            if (i < m_t.size() && m_t[i].isOp(",")) {
                ++i;
                continue;
            }
            if (i < m_t.size() && m_t[i].isOp(")")) {
                ++i;
                break;
            }
            throw OraError(kOraMissingRightParen);
        }
        if (i < m_t.size())
            throw OraError(kOraNotProperlyEnded);
        std::set<std::string> seen;
        for (const ColumnSpec &c : tr.columns)
            if (!seen.insert(c.name).second)
                throw OraError(kOraDuplicateColumn);
        for (const std::string &k : tr.tableKey)
            if (!seen.count(k))
                throw OraError(kOraInvalidIdentifier, "\"" + k + "\"");
        return tr;
    }

    // Skips a parenthesised group starting at i; returns the tokens inside.
    Tokens group(size_t &i) {
        if (i >= m_t.size() || !m_t[i].isOp("("))
            throw OraError(kOraMissingLeftParen);
        int depth = 0;
        Tokens inside;
        for (; i < m_t.size(); ++i) {
            if (m_t[i].isOp("("))
                ++depth;
            else if (m_t[i].isOp(")") && --depth == 0) {
                ++i;
                return inside;
            }
            if (depth > 1 || !m_t[i].isOp("("))
                inside.push_back(m_t[i]);
        }
        throw OraError(kOraMissingRightParen);
    }

    void tableConstraint(Translation &tr, size_t &i) {
        if (m_t[i].isWord("CONSTRAINT"))
            i += 2;
        if (i < m_t.size() && (m_t[i].isWord("PRIMARY") || m_t[i].isWord("UNIQUE"))) {
            const bool primary = m_t[i].isWord("PRIMARY");
            i += primary ? 2 : 1;
            Tokens names = group(i);
            std::vector<std::string> key;
            for (const Token &t : names)
                if (isNameToken(t))
                    key.push_back(t.text);
            if (primary)
                tr.tableKey = key;
            else if (key.size() == 1)
                for (ColumnSpec &c : tr.columns)
                    if (c.name == key[0])
                        c.unique = true;
            return;
        }
        // CHECK and FOREIGN KEY constraints are accepted and not enforced.
        while (i < m_t.size() && !m_t[i].isOp(",") && !m_t[i].isOp(")")) {
            if (m_t[i].isOp("("))
                group(i);
            else
                ++i;
        }
    }

    void columnDefinition(Translation &tr, size_t &i) {
        ColumnSpec c;
        if (!isNameToken(m_t[i]))
            throw OraError(kOraInvalidIdentifier);
        c.name = m_t[i++].text;
        std::string declared;
        while (i < m_t.size() && m_t[i].kind == TokenKind::Identifier &&
               (declared.empty() || m_t[i].isWord("RAW") || m_t[i].isWord("PRECISION"))) {
            declared += (declared.empty() ? "" : " ") + m_t[i++].text;
        }
        if (i < m_t.size() && m_t[i].isOp("(")) {
            declared += "(";
            for (const Token &t : group(i))
                declared += t.text + (t.kind == TokenKind::Identifier ? " " : "");
            declared += ")";
        }
        const auto type = parseDeclaredType(declared);
        if (!type)
            throw OraError(kOraInvalidDatatype);
        c.type = *type;
        while (i < m_t.size() && !m_t[i].isOp(",") && !m_t[i].isOp(")")) {
            const Token &t = m_t[i];
            if (t.isWord("NOT") && i + 1 < m_t.size() && m_t[i + 1].isWord("NULL")) {
                c.nullable = false;
                i += 2;
            } else if (t.isWord("NULL")) {
                ++i;
            } else if (t.isWord("PRIMARY") && i + 1 < m_t.size() && m_t[i + 1].isWord("KEY")) {
                c.primaryKey = true;
                c.nullable = false;
                i += 2;
            } else if (t.isWord("UNIQUE")) {
                c.unique = true;
                ++i;
            } else if (t.isWord("CONSTRAINT")) {
                i += 2;
            } else if (t.isWord("DEFAULT")) {
                c.defaultSql = defaultValue(++i);
            } else if (t.isWord("CHECK") || t.isWord("REFERENCES")) {
                ++i;
                if (i < m_t.size() && isNameToken(m_t[i]))
                    ++i;
                if (i < m_t.size() && m_t[i].isOp("("))
                    group(i);
            } else {
                throw OraError(kOraMissingRightParen);
            }
        }
        tr.columns.push_back(c);
    }

    std::string defaultValue(size_t &i) {
        if (i >= m_t.size())
            throw OraError(kOraMissingExpression);
        const Token &t = m_t[i++];
        if (t.kind == TokenKind::Number)
            return t.text;
        if (t.kind == TokenKind::String)
            return t.text.empty() ? "NULL" : quoteText(t.text);
        if (t.isWord("NULL"))
            return "NULL";
        if (t.isWord("SYSDATE"))
            return "(SYSDATE())";
        if ((t.isOp("-") || t.isOp("+")) && i < m_t.size() && m_t[i].kind == TokenKind::Number)
            return t.text + m_t[i++].text;
        throw OraError(kOraUnimplemented, "this DEFAULT expression");
    }

    Translation drop() {
        Translation tr;
        size_t i = 1;
        if (i >= m_t.size())
            throw OraError(kOraInvalidSql);
        if (m_t[i].isWord("TABLE")) {
            ++i;
            tr.kind = StatementKind::DropTable;
            tr.functionType = OCIV7_FT_DROP_TABLE;
            tr.objectType = "TABLE";
            tr.objectName = ownName(m_t, i, kOraInvalidTableName);
            if (i < m_t.size() && m_t[i].isWord("CASCADE"))
                i += 2;
            if (i < m_t.size() && m_t[i].isWord("PURGE"))
                ++i;
        } else {
            tr.kind = StatementKind::DropUnit;
            if (m_t[i].isWord("PACKAGE") && i + 1 < m_t.size() && m_t[i + 1].isWord("BODY")) {
                tr.objectType = "PACKAGE BODY";
                tr.functionType = OCIV7_FT_DROP_PACKAGE_BODY;
                i += 2;
            } else if (m_t[i].isWord("PACKAGE")) {
                tr.objectType = "PACKAGE";
                tr.functionType = OCIV7_FT_DROP_PACKAGE;
                ++i;
            } else if (m_t[i].isWord("PROCEDURE")) {
                tr.objectType = "PROCEDURE";
                tr.functionType = OCIV7_FT_DROP_PROCEDURE;
                ++i;
            } else if (m_t[i].isWord("FUNCTION")) {
                tr.objectType = "FUNCTION";
                tr.functionType = OCIV7_FT_DROP_FUNCTION;
                ++i;
            } else {
                throw OraError(kOraInvalidDropOption);
            }
            tr.objectName = ownName(m_t, i, kOraInvalidSql);
        }
        if (i < m_t.size())
            throw OraError(kOraNotProperlyEnded);
        return tr;
    }

    // ---- queries and DML -----------------------------------------------------------
    Translation query() {
        Translation tr;
        tr.kind = StatementKind::Select;
        tr.functionType = OCIV7_FT_SELECT;
        rewriteOuterJoins(m_t);
        checkSelectHasFrom();
        nameSelectList(tr);
        wrapConcatenations();
        rewriteDateArithmetic();
        emit(tr);
        typeSelectList(tr);
        return tr;
    }

    Translation dml(StatementKind kind, int ft) {
        Translation tr;
        tr.kind = kind;
        tr.functionType = ft;
        rewriteOuterJoins(m_t);
        if (kind == StatementKind::Delete && m_t.size() > 1 && !m_t[1].isWord("FROM"))
            m_t.insert(m_t.begin() + 1, word("FROM", m_t[1].offset));
        if (kind == StatementKind::Insert && (m_t.size() < 2 || !m_t[1].isWord("INTO")))
            throw OraError(kOraMissingInto);
        wrapConcatenations();
        rewriteDateArithmetic();
        emit(tr);
        return tr;
    }

    void checkSelectHasFrom() {
        int depth = 0;
        bool select = false;
        for (const Token &t : m_t) {
            if (t.isOp("("))
                ++depth;
            else if (t.isOp(")"))
                --depth;
            else if (depth == 0 && t.isWord("SELECT"))
                select = true;
            else if (depth == 0 && t.isWord("FROM"))
                return;
        }
        if (select)
            throw OraError(m_t.size() == 1 ? kOraMissingExpression : kOraFromNotFound);
    }

    // Gives every top-level select item the name Oracle reports for it, as an alias,
    // so that "order by LINE" finds the select-list column as Oracle does.
    void nameSelectList(Translation &tr) {
        size_t start = 0;
        while (start < m_t.size() && m_t[start].isOp("("))
            ++start;
        if (start >= m_t.size() || !m_t[start].isWord("SELECT"))
            return;
        ++start;
        if (start < m_t.size() && (m_t[start].isWord("DISTINCT") || m_t[start].isWord("UNIQUE") ||
                                   m_t[start].isWord("ALL"))) {
            if (m_t[start].isWord("UNIQUE"))
                m_t[start].text = "DISTINCT";
            ++start;
        }
        std::vector<std::pair<size_t, size_t>> items;
        int depth = 0;
        size_t itemStart = start, i = start;
        for (; i < m_t.size(); ++i) {
            if (m_t[i].isOp("("))
                ++depth;
            else if (m_t[i].isOp(")")) {
                if (--depth < 0)
                    break;
            } else if (depth == 0 && m_t[i].isOp(",")) {
                items.emplace_back(itemStart, i);
                itemStart = i + 1;
            } else if (depth == 0 && (m_t[i].isWord("FROM") || m_t[i].isWord("INTO")))
                break;
        }
        items.emplace_back(itemStart, i);
        std::vector<std::pair<size_t, Token>> inserts;
        for (const auto &[from, to] : items) {
            if (from >= to)
                throw OraError(kOraMissingExpression);
            if (m_t[to - 1].isOp("*")) {
                m_hasStar = true;
                continue;
            }
            SelectItem item;
            size_t exprEnd = to;
            const Token &last = m_t[to - 1];
            if (to - from >= 2 && isAliasToken(last) && !m_t[to - 2].isOp(".") &&
                (m_t[to - 2].isWord("AS") || endsExpression(m_t[to - 2]))) {
                item.name = last.text;
                exprEnd = m_t[to - 2].isWord("AS") ? to - 2 : to - 1;
            } else if (to - from == 1 && isNameToken(last)) {
                item.name = last.text;
            } else if (to - from == 3 && isNameToken(last) && m_t[to - 2].isOp(".")) {
                item.name = last.text;
            } else {
                item.name = expressionName(m_sql, m_t, from, to);
            }
            if (exprEnd == to) {
                Token alias;
                alias.kind = TokenKind::QuotedIdentifier;
                alias.text = item.name;
                alias.offset = m_t[to - 1].offset;
                inserts.emplace_back(to, alias);
            }
            m_itemRanges.emplace_back(from, exprEnd);
            tr.items.push_back(item);
        }
        for (auto it = inserts.rbegin(); it != inserts.rend(); ++it) {
            m_t.insert(m_t.begin() + static_cast<long>(it->first), it->second);
            m_t.insert(m_t.begin() + static_cast<long>(it->first), word("AS"));
            // Later ranges moved by two tokens.
            for (auto &range : m_itemRanges)
                if (range.first >= it->first) {
                    range.first += 2;
                    range.second += 2;
                }
        }
        if (m_hasStar)
            tr.items.clear();
    }

    // Oracle's || treats NULL as an empty string; SQLite's yields NULL. Each operand of ||
    // is wrapped in IFNULL(operand, '').
    void wrapConcatenations() {
        for (size_t k = 0; k < m_t.size(); ++k) {
            if (!m_t[k].isOp("||"))
                continue;
            const size_t left = operandStart(k);
            const size_t right = operandEnd(k);
            if (left >= k || right <= k + 1)
                continue;
            insertToken(right, op(")"));
            insertToken(right, emptyText());
            insertToken(right, op(","));
            insertToken(k + 1, op("("));
            insertToken(k + 1, word("IFNULL"));
            insertToken(k, op(")"));
            insertToken(k, emptyText());
            insertToken(k, op(","));
            insertToken(left, op("("));
            insertToken(left, word("IFNULL"));
            k += 6;
        }
    }

    // Every table the statement names, for typing operands before the emission.
    std::vector<FromTable> namedTables() const {
        std::vector<FromTable> tables;
        for (size_t i = 0; i + 1 < m_t.size(); ++i) {
            const Token &t = m_t[i];
            if (!(t.isWord("FROM") || t.isWord("JOIN") || t.isWord("INTO") || t.isWord("UPDATE")))
                continue;
            for (size_t j = i + 1; j < m_t.size() && isNameToken(m_t[j]);) {
                std::string owner = m_schema, name = m_t[j].text;
                if (j + 2 < m_t.size() && m_t[j + 1].isOp(".") && isNameToken(m_t[j + 2])) {
                    owner = name;
                    name = m_t[j + 2].text;
                    j += 2;
                }
                std::string alias = name;
                if (j + 1 < m_t.size() && isAliasToken(m_t[j + 1]))
                    alias = m_t[++j].text;
                if (const auto sqliteName = m_resolver.tableFor(owner, name))
                    tables.push_back({alias, *sqliteName});
                if (j + 1 < m_t.size() && m_t[j + 1].isOp(",") && t.isWord("FROM"))
                    j += 2;
                else
                    break;
            }
        }
        return tables;
    }

    static bool isBinaryOperand(const Token &t) {
        return isNameToken(t) || t.kind == TokenKind::Number || t.kind == TokenKind::String ||
               t.kind == TokenKind::Bind || t.isOp(")");
    }

    // DATE + n, DATE - n and DATE - DATE as Oracle computes them, in days.
    void rewriteDateArithmetic() {
        std::vector<FromTable> tables;
        bool tablesKnown = false;
        for (size_t k = 1; k + 1 < m_t.size(); ++k) {
            if (!(m_t[k].isOp("+") || m_t[k].isOp("-")) || !isBinaryOperand(m_t[k - 1]))
                continue;
            if (m_t[k].isOp("+") && m_t[k - 1].isOp(")") && k >= 2 && m_t[k - 2].isOp("("))
                continue; // (+)
            const size_t left = operandStart(k);
            size_t right = operandEnd(k);
            while (right + 1 < m_t.size() && (m_t[right].isOp("*") || m_t[right].isOp("/")))
                right = operandEnd(right);
            if (left >= k || right <= k + 1)
                continue;
            if (!tablesKnown) {
                tables = namedTables();
                tablesKnown = true;
            }
            TypeGuesser guesser(m_t, tables, m_resolver);
            const bool dateLeft = guesser.guess(left, k).isDate();
            const bool dateRight = guesser.guess(k + 1, right).isDate();
            const bool minus = m_t[k].isOp("-");
            if (!dateLeft && !dateRight)
                continue;
            const char *function =
                dateLeft && dateRight && minus ? "OCILITE_DATE_DIFF" : "OCILITE_DATE_ADD";
            m_t[k] = op(",");
            if (minus && !(dateLeft && dateRight)) {
                insertToken(right, op(")"));
                insertToken(k + 1, op("("));
                insertToken(k + 1, op("-"));
                right += 3;
            }
            insertToken(right, op(")"));
            insertToken(left, op("("));
            insertToken(left, word(function));
            k = left + 1;
        }
    }

    static Token op(const char *text) {
        Token t;
        t.kind = TokenKind::Operator;
        t.text = text;
        return t;
    }

    // Emitted as '' itself (a String token '' would become NULL).
    static Token emptyText() { return word("''"); }

    size_t matching(size_t at, int step) const {
        int depth = 0;
        for (size_t i = at; i < m_t.size(); i += static_cast<size_t>(step)) {
            if (m_t[i].isOp("("))
                depth += step;
            else if (m_t[i].isOp(")"))
                depth -= step;
            if (depth == 0)
                return i;
            if (i == 0 && step < 0)
                break;
        }
        return SIZE_MAX;
    }

    size_t operandStart(size_t k) const {
        if (k == 0)
            return k;
        size_t j = k - 1;
        if (m_t[j].isOp(")")) {
            const size_t open = matching(j, -1);
            if (open == SIZE_MAX)
                return k;
            return open > 0 && m_t[open - 1].kind == TokenKind::Identifier &&
                           !clauseWords().count(m_t[open - 1].text)
                       ? open - 1
                       : open;
        }
        if (isNameToken(m_t[j])) {
            while (j >= 2 && m_t[j - 1].isOp(".") && isNameToken(m_t[j - 2]))
                j -= 2;
            return j;
        }
        if (m_t[j].kind == TokenKind::String || m_t[j].kind == TokenKind::Number ||
            m_t[j].kind == TokenKind::Bind)
            return j;
        return k;
    }

    size_t operandEnd(size_t k) const {
        size_t j = k + 1;
        if (j >= m_t.size())
            return j;
        if (m_t[j].isOp("(") ||
            (m_t[j].kind == TokenKind::Identifier && j + 1 < m_t.size() && m_t[j + 1].isOp("("))) {
            const size_t close = matching(m_t[j].isOp("(") ? j : j + 1, 1);
            return close == SIZE_MAX ? k + 1 : close + 1;
        }
        if (isNameToken(m_t[j])) {
            while (j + 2 < m_t.size() && m_t[j + 1].isOp(".") && isNameToken(m_t[j + 2]))
                j += 2;
            return j + 1;
        }
        if (m_t[j].kind == TokenKind::String || m_t[j].kind == TokenKind::Number ||
            m_t[j].kind == TokenKind::Bind)
            return j + 1;
        return k + 1;
    }

    void insertToken(size_t at, const Token &t) {
        m_t.insert(m_t.begin() + static_cast<long>(at), t);
        // Tokens inserted at an item's edges belong to the item.
        for (auto &range : m_itemRanges) {
            if (range.first > at)
                ++range.first;
            if (range.second >= at)
                ++range.second;
        }
    }

    static bool endsExpression(const Token &t) {
        return t.kind == TokenKind::Number || t.kind == TokenKind::String ||
               t.kind == TokenKind::QuotedIdentifier || t.kind == TokenKind::Bind || t.isOp(")") ||
               (t.kind == TokenKind::Identifier && !clauseWords().count(t.text)) || t.isWord("END");
    }

    void typeSelectList(Translation &tr) {
        if (tr.items.empty())
            return;
        TypeGuesser guesser(m_t, m_fromTables, m_resolver);
        for (size_t k = 0; k < tr.items.size() && k < m_itemRanges.size(); ++k) {
            const auto [from, to] = m_itemRanges[k];
            const bool column = (to - from == 1 && isNameToken(m_t[from])) ||
                                (to - from == 3 && m_t[from + 1].isOp("."));
            if (!column || m_t[to - 1].isWord("ROWID") || m_t[to - 1].isWord("SYSDATE") ||
                m_t[to - 1].isWord("USER"))
                tr.items[k].type = guesser.guess(from, to);
        }
    }

    // ---- emission ----------------------------------------------------------------
    void emit(Translation &tr) {
        std::vector<Level> levels(1);
        std::string &out = tr.sql;
        out.reserve(m_sql.size() + 64);
        std::map<std::string, int> bindIndex;
        auto put = [&](const std::string &text) {
            if (!out.empty() && out.back() != '(' && text != ")" && text != "," && text != "." &&
                out.back() != '.')
                out += ' ';
            out += text;
        };
        for (size_t i = 0; i < m_t.size(); ++i) {
            if (i == m_skip)
                continue;
            const Token &t = m_t[i];
            Level &level = levels.back();
            if (level.mode == TableMode::Expect) {
                if (t.isOp("(")) {
                    put("(");
                    level.mode = TableMode::After;
                    levels.push_back(Level());
                    continue;
                }
                i = tableReference(i, levels.size() == 1, out, put);
                level.mode = TableMode::After;
                continue;
            }
            if (level.mode == TableMode::After) {
                level.mode = TableMode::None;
                if (t.isOp(",") && level.list) {
                    put(",");
                    level.mode = TableMode::Expect;
                    continue;
                }
                if (isAliasToken(t)) {
                    put(t.kind == TokenKind::QuotedIdentifier ? quoteName(t.text) : t.text);
                    level.mode = TableMode::After;
                    continue;
                }
                if (!t.isWord("JOIN") && !t.isWord("ON") && !t.isWord("USING") &&
                    !t.isWord("LEFT") && !t.isWord("RIGHT") && !t.isWord("INNER") &&
                    !t.isWord("CROSS") && !t.isWord("FULL") && !t.isWord("NATURAL") &&
                    !t.isWord("OUTER"))
                    level.list = false;
            }
            switch (t.kind) {
            case TokenKind::String:
                // Oracle treats the empty string as NULL.
                put(t.text.empty() ? "NULL" : quoteText(t.text));
                break;
            case TokenKind::Number:
                put(t.text);
                break;
            case TokenKind::QuotedIdentifier:
                put(quoteName(t.text));
                break;
            case TokenKind::Bind: {
                auto [it, added] = bindIndex.emplace(t.text, static_cast<int>(tr.binds.size()) + 1);
                if (added)
                    tr.binds.push_back(t.text);
                put("?" + std::to_string(it->second));
                break;
            }
            case TokenKind::Operator:
                operatorToken(i, levels, put);
                break;
            case TokenKind::Identifier:
                identifier(i, tr, levels, put);
                break;
            }
        }
        if (levels.size() != 1)
            throw OraError(levels.size() > 1 ? kOraMissingRightParen : kOraNotProperlyEnded);
        if (levels.back().mode == TableMode::Expect)
            throw OraError(kOraInvalidTableName);
    }

    template <typename Put> void operatorToken(size_t i, std::vector<Level> &levels, Put &put) {
        const Token &t = m_t[i];
        if (t.isOp("(")) {
            Level next;
            next.function = i > 0 && m_t[i - 1].kind == TokenKind::Identifier &&
                            !clauseWords().count(m_t[i - 1].text) && !m_t[i - 1].isWord("EXISTS") &&
                            !m_t[i - 1].isWord("ANY") && !m_t[i - 1].isWord("ALL");
            levels.push_back(next);
            put("(");
            return;
        }
        if (t.isOp(")")) {
            if (levels.size() == 1)
                throw OraError(kOraNotProperlyEnded);
            levels.pop_back();
            put(")");
            return;
        }
        if (t.isOp("!=") || t.isOp("^="))
            return put("<>");
        if (t.isOp("+") && i > 0 && i + 1 < m_t.size() && m_t[i - 1].isOp("(") &&
            m_t[i + 1].isOp(")"))
            throw OraError(kOraOuterJoinNotAllowed);
        if (t.isOp(":=") || t.isOp("=>") || t.isOp("**") || t.isOp(".."))
            throw OraError(kOraInvalidCharacter);
        // NUMBER division is exact, SQLite's integer division is not.
        if (t.isOp("/"))
            return put("* 1.0 /");
        put(t.text);
    }

    template <typename Put>
    void identifier(size_t i, Translation &tr, std::vector<Level> &levels, Put &put) {
        const Token &t = m_t[i];
        Level &level = levels.back();
        const bool qualified = i > 0 && m_t[i - 1].isOp(".");
        if (!qualified) {
            if (t.isWord("FROM") && !level.function) {
                put("FROM");
                level.mode = TableMode::Expect;
                level.list = true;
                return;
            }
            if (t.isWord("JOIN")) {
                put("JOIN");
                level.mode = TableMode::Expect;
                return;
            }
            if ((t.isWord("INTO") && tr.kind == StatementKind::Insert && i == 1) ||
                (t.isWord("UPDATE") && i == 0)) {
                put(t.text);
                level.mode = TableMode::Expect;
                return;
            }
            if (t.isWord("SYSDATE"))
                return put("SYSDATE()");
            if (t.isWord("USER"))
                return put(quoteText(m_schema));
            if (t.isWord("MINUS"))
                return put("EXCEPT");
            if (t.isWord("ROWNUM") || t.isWord("LEVEL") || t.isWord("PRIOR"))
                throw OraError(kOraUnimplemented, t.text);
            if (t.isWord("DATE") && i + 1 < m_t.size() && m_t[i + 1].kind == TokenKind::String &&
                m_t[i + 1].length > 0) {
                // ANSI date literal: DATE '2024-01-31'.
                put("TO_DATE(" + quoteText(m_t[i + 1].text) + ", 'YYYY-MM-DD')");
                m_skip = i + 1;
                return;
            }
        }
        if (t.isWord("ROWID")) {
            if (qualified) {
                // "E." is already out: wrap it with the conversion.
                std::string &out = tr.sql;
                const size_t dot = out.rfind('.');
                size_t start = out.rfind(' ', dot);
                start = start == std::string::npos ? 0 : start + 1;
                const std::string qualifier = out.substr(start, dot - start);
                out.erase(start);
                out += "OCILITE_ROWID(" + qualifier + ".ROWID)";
                return;
            }
            return put("OCILITE_ROWID(ROWID)");
        }
        put(t.text);
    }

    // Maps [owner.]name [alias] to the table SQLite knows; returns the last index used.
    template <typename Put>
    size_t tableReference(size_t i, bool outermost, std::string &, Put &put) {
        if (!isNameToken(m_t[i]))
            throw OraError(kOraInvalidTableName);
        std::string owner = m_schema;
        std::string name = m_t[i].text;
        if (i + 2 < m_t.size() && m_t[i + 1].isOp(".") && isNameToken(m_t[i + 2])) {
            owner = name;
            name = m_t[i + 2].text;
            i += 2;
        }
        const auto sqliteName = m_resolver.tableFor(owner, name);
        if (!sqliteName)
            throw OraError(kOraTableNotFound);
        std::string alias = name;
        if (i + 1 < m_t.size() && isAliasToken(m_t[i + 1]) &&
            !(m_t[i + 1].kind == TokenKind::Identifier && m_t[i + 1].isWord("SET"))) {
            alias = m_t[++i].text;
        }
        if (outermost)
            m_fromTables.push_back({alias, *sqliteName});
        put(quoteName(*sqliteName) + " AS " + quoteName(alias));
        return i;
    }

    const std::string &m_sql;
    std::string m_schema;
    const NameResolver &m_resolver;
    Tokens m_t;
    bool m_hasStar = false;
    size_t m_skip = SIZE_MAX;
    std::vector<std::pair<size_t, size_t>> m_itemRanges;
    std::vector<FromTable> m_fromTables;
};

} // namespace

Translation translate(const std::string &sql, const std::string &schema,
                      const NameResolver &resolver) {
    return Translator(sql, schema, resolver).run();
}

} // namespace ocilite
