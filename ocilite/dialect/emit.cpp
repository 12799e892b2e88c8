// The last pass: writes the SQLite text of a query or DML statement. Table references become
// the schema's SQLite tables with their alias, '' becomes NULL, binds become numbered
// parameters, and Oracle's operators and pseudo-columns take SQLite's spelling.
#include "ocilite/dialect/passes.h"

#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/oracle_number.h"
#include "ocilite/engine/sqlite_util.h"

#include <cstdint>
#include <cstdlib>
#include <map>

namespace ocilite {
namespace {

// Per parenthesis level: what the next tokens mean for table names.
enum class TableMode { None, Expect, After };

struct Level {
    bool function = false; // the parentheses of a call: FROM inside is TRIM(... FROM ...)
    TableMode mode = TableMode::None;
    bool list = false; // a FROM list: ',' brings the next table
};

// Words that may follow a table reference without ending a FROM list.
bool continuesJoin(const Token &t) {
    for (const char *w :
         {"JOIN", "ON", "USING", "LEFT", "RIGHT", "INNER", "CROSS", "FULL", "NATURAL", "OUTER"})
        if (t.isWord(w))
            return true;
    return false;
}

// A number literal SQLite carries exactly: an integer of 64 bits, or a number whose digits a
// double keeps. One beyond NUMBER's range is refused as Oracle refuses it (ORA-01426); one
// with more digits than SQLite can carry is refused rather than rounded.
void checkLiteral(const std::string &text) {
    const double value = std::strtod(text.c_str(), nullptr);
    checkNumberRange(value);
    const Decimal exact = decimalOfText(text);
    long long integer = 0;
    if (asInteger(exact, integer))
        return;
    const Decimal carried = decimalOf(value);
    if (carried.digits != exact.digits || carried.exponent != exact.exponent)
        throw OraError(kOraUnimplemented, "the number " + text +
                                              " has more digits than the embedded database "
                                              "keeps (an integer up to 9223372036854775807, or "
                                              "15 significant digits)");
}

class Emitter {
public:
    Emitter(const std::string &sql, const Tokens &t, StatementKind kind, const std::string &schema,
            const NameResolver &resolver)
        : m_t(t), m_kind(kind), m_schema(schema), m_resolver(resolver),
          m_subqueries(subqueryNames(t)) {
        m_out.sql.reserve(sql.size() + 64);
    }

    Emitted run() {
        for (size_t i = 0; i < m_t.size(); ++i) {
            if (i == m_skip || tableContext(i))
                continue;
            token(i);
        }
        if (m_levels.size() != 1)
            throw OraError(m_levels.size() > 1 ? kOraMissingRightParen : kOraNotProperlyEnded);
        if (m_levels.back().mode == TableMode::Expect)
            throw OraError(kOraInvalidTableName);
        return std::move(m_out);
    }

private:
    void put(const std::string &text) {
        std::string &out = m_out.sql;
        if (!out.empty() && out.back() != '(' && text != ")" && text != "," && text != "." &&
            out.back() != '.')
            out += ' ';
        out += text;
    }

    // Handles the token at i where a table name is expected or may be followed by an alias
    // or the next table of a FROM list; false when the token is an ordinary one.
    bool tableContext(size_t &i) {
        const Token &t = m_t[i];
        Level &level = m_levels.back();
        if (level.mode == TableMode::Expect) {
            level.mode = TableMode::After;
            if (t.isOp("(")) {
                put("(");
                m_levels.push_back(Level());
            } else {
                i = tableReference(i, m_levels.size() == 1);
            }
            return true;
        }
        if (level.mode != TableMode::After)
            return false;
        level.mode = TableMode::None;
        if (t.isOp(",") && level.list) {
            put(",");
            level.mode = TableMode::Expect;
            return true;
        }
        if (isAliasToken(t)) {
            put(t.kind == TokenKind::QuotedIdentifier ? quoteName(t.text) : t.text);
            level.mode = TableMode::After;
            return true;
        }
        if (!continuesJoin(t))
            level.list = false;
        return false;
    }

    void token(size_t i) {
        const Token &t = m_t[i];
        switch (t.kind) {
        case TokenKind::String:
            // Oracle treats the empty string as NULL.
            return put(t.text.empty() ? "NULL" : quoteText(t.text));
        case TokenKind::Number:
            checkLiteral(t.text);
            return put(t.text);
        case TokenKind::QuotedIdentifier:
            return put(quoteName(t.text));
        case TokenKind::Bind:
            return bind(t.text);
        case TokenKind::Operator:
            return operatorToken(i);
        case TokenKind::Identifier:
            return identifier(i);
        }
    }

    void bind(const std::string &name) {
        const int next = static_cast<int>(m_out.binds.size()) + 1;
        const auto [it, added] = m_bindIndex.emplace(name, next);
        if (added)
            m_out.binds.push_back(name);
        // Oracle's limit of placeholders in one statement.
        if (m_out.binds.size() > 65535)
            throw OraError(kOraBadBindName);
        put("?" + std::to_string(it->second));
    }

    void operatorToken(size_t i) {
        const Token &t = m_t[i];
        if (t.isOp("(")) {
            Level next;
            next.function = i > 0 && m_t[i - 1].kind == TokenKind::Identifier &&
                            !isClauseWord(m_t[i - 1]) && !m_t[i - 1].isWord("EXISTS") &&
                            !m_t[i - 1].isWord("ANY") && !m_t[i - 1].isWord("ALL");
            m_levels.push_back(next);
            return put("(");
        }
        if (t.isOp(")")) {
            if (m_levels.size() == 1)
                throw OraError(kOraNotProperlyEnded);
            m_levels.pop_back();
            return put(")");
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

    void identifier(size_t i) {
        const bool qualified = i > 0 && m_t[i - 1].isOp(".");
        if (!qualified)
            refuseQualifiedCall(i);
        if (!qualified && keyword(i))
            return;
        if (m_t[i].isWord("ROWID"))
            return rowid(qualified);
        const bool call = i + 1 < m_t.size() && m_t[i + 1].isOp("(");
        put(!call && isSqliteKeyword(m_t[i].text) ? quoteName(m_t[i].text) : m_t[i].text);
    }

    // A qualified name called as a function (PKG.F(...), OWNER.F(...), SYS.DBMS_X.F(...)) is
    // PL/SQL, which Oracle would run and the embedded database does not.
    void refuseQualifiedCall(size_t i) const {
        std::string name = m_t[i].text;
        size_t j = i;
        while (j + 2 < m_t.size() && m_t[j + 1].isOp(".") && isNameToken(m_t[j + 2])) {
            j += 2;
            name += "." + m_t[j].text;
        }
        if (j != i && j + 1 < m_t.size() && m_t[j + 1].isOp("("))
            throw OraError(kOraUnimplemented, "calling PL/SQL (" + name +
                                                  ") from SQL is not supported by the embedded "
                                                  "database");
    }

    // Names Oracle allows (USER_CONSTRAINTS.DEFERRABLE ...) that SQLite reads as keywords.
    static bool isSqliteKeyword(const std::string &word) {
        for (const char *k : {"DEFERRABLE", "NOTHING", "RAISE", "AUTOINCREMENT", "ISNULL",
                              "NOTNULL", "TRANSACTION", "LIMIT"})
            if (word == k)
                return true;
        return false;
    }

    // An unqualified word with a meaning of its own; false when it is an ordinary name.
    bool keyword(size_t i) {
        const Token &t = m_t[i];
        Level &level = m_levels.back();
        const bool tableFollows = (t.isWord("FROM") && !level.function) || t.isWord("JOIN") ||
                                  (t.isWord("INTO") && m_kind == StatementKind::Insert && i == 1) ||
                                  (t.isWord("UPDATE") && i == 0);
        if (tableFollows) {
            put(t.text);
            level.mode = TableMode::Expect;
            if (t.isWord("FROM"))
                level.list = true;
        } else if (t.isWord("SYSDATE")) {
            put("SYSDATE()");
        } else if (t.isWord("USER")) {
            put("OCILITE_SCHEMA()");
        } else if (t.isWord("UID") && !(i + 1 < m_t.size() && m_t[i + 1].isOp("("))) {
            put("(SELECT USER_ID FROM main.OCILITE_USERS WHERE USERNAME = OCILITE_SCHEMA())");
        } else if (t.isWord("SYSTIMESTAMP") || t.isWord("CURRENT_TIMESTAMP") ||
                   t.isWord("LOCALTIMESTAMP")) {
            put("SYSTIMESTAMP()");
        } else if (t.isWord("CURRENT_DATE")) {
            put("SYSDATE()");
        } else if (t.isWord("MINUS")) {
            put("EXCEPT");
        } else if (t.isWord("WITHIN") && i + 1 < m_t.size() && m_t[i + 1].isWord("GROUP")) {
            throw OraError(kOraUnimplemented, "WITHIN GROUP (LISTAGG, PERCENTILE_CONT ...) is not "
                                              "supported by the embedded database");
        } else if (t.isWord("ROWNUM")) {
            // Left in the select list or ORDER BY: the row's number (rownum.cpp).
            put("ROW_NUMBER() OVER ()");
        } else if (t.isWord("LEVEL") || t.isWord("PRIOR") || t.isWord("SYS_CONNECT_BY_PATH") ||
                   (i + 1 < m_t.size() && m_t[i + 1].isWord("BY") && t.isWord("CONNECT"))) {
            throw OraError(kOraUnimplemented, "hierarchical queries (CONNECT BY, " + t.text +
                                                  ") are not supported by the embedded database");
        } else if (t.isWord("DATE") && i + 1 < m_t.size() && m_t[i + 1].kind == TokenKind::String &&
                   m_t[i + 1].length > 0) {
            // ANSI date literal: DATE '2024-01-31'.
            put("TO_DATE(" + quoteText(m_t[i + 1].text) + ", 'YYYY-MM-DD')");
            m_skip = i + 1;
        } else {
            return false;
        }
        return true;
    }

    void rowid(bool qualified) {
        if (!qualified)
            return put("OCILITE_ROWID(ROWID)");
        // "E." is already out: wrap it with the conversion.
        std::string &out = m_out.sql;
        const size_t dot = out.rfind('.');
        size_t start = out.rfind(' ', dot);
        start = start == std::string::npos ? 0 : start + 1;
        const std::string qualifier = out.substr(start, dot - start);
        out.erase(start);
        out += "OCILITE_ROWID(" + qualifier + ".ROWID)";
    }

    // Maps [owner.]name [alias] to the table SQLite knows; returns the last index used.
    size_t tableReference(size_t i, bool outermost) {
        if (!isNameToken(m_t[i]))
            throw OraError(kOraInvalidTableName);
        const size_t start = i;
        const bool qualified = i + 1 < m_t.size() && m_t[i + 1].isOp(".");
        const TableName table = readTableName(m_t, i, m_schema);
        if (!qualified && m_subqueries.count(table.name)) { // a name WITH gave
            put(quoteName(table.name) + " AS " + quoteName(table.alias));
            return i;
        }
        const auto sqliteName = m_resolver.tableFor(table.owner, table.name);
        if (!sqliteName)
            throw OraError(kOraTableNotFound).at(m_t[start].offset);
        if (outermost)
            m_out.fromTables.push_back({table.alias, *sqliteName});
        put(quoteName(*sqliteName) + " AS " + quoteName(table.alias));
        return i;
    }

    const Tokens &m_t;
    const StatementKind m_kind;
    const std::string &m_schema;
    const NameResolver &m_resolver;
    const std::set<std::string> m_subqueries; // the names WITH gives
    std::vector<Level> m_levels = std::vector<Level>(1);
    std::map<std::string, int> m_bindIndex;
    size_t m_skip = SIZE_MAX; // the string of a DATE literal, already written
    Emitted m_out;
};

} // namespace

Emitted emit(const std::string &sql, const Tokens &tokens, StatementKind kind,
             const std::string &schema, const NameResolver &resolver) {
    return Emitter(sql, tokens, kind, schema, resolver).run();
}

} // namespace ocilite
