// CREATE TABLE: column names, declared types, NOT NULL, DEFAULT, PRIMARY KEY and UNIQUE,
// described for the catalog. CHECK and FOREIGN KEY constraints are accepted and not
// enforced; CREATE TABLE ... AS SELECT is not supported.
#include "ocilite/dialect/ddl/ddl.h"

#include "oci/ociv7.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <set>

namespace ocilite {
namespace {

class TableParser {
public:
    TableParser(const std::string &sql, const std::string &schema)
        : m_t(tokenize(sql)), m_schema(schema) {}

    Translation run() {
        Translation tr;
        tr.kind = StatementKind::CreateTable;
        tr.functionType = OCIV7_FT_CREATE_TABLE;
        tr.objectType = "TABLE";
        m_i = 2;
        tr.objectName = ownObjectName(m_t, m_i, m_schema, kOraInvalidTableName);
        if (!at("(")) {
            if (m_i < m_t.size() && m_t[m_i].isWord("AS"))
                throw OraError(kOraUnimplemented, "CREATE TABLE ... AS SELECT");
            throw OraError(kOraMissingLeftParen);
        }
        ++m_i;
        elements(tr);
        if (m_i < m_t.size())
            throw OraError(kOraNotProperlyEnded);
        checkNames(tr);
        return tr;
    }

private:
    bool at(const char *op) const { return m_i < m_t.size() && m_t[m_i].isOp(op); }
    bool atWord(const char *w) const { return m_i < m_t.size() && m_t[m_i].isWord(w); }

    // Column definitions and table constraints up to the closing parenthesis.
    void elements(Translation &tr) {
        for (;;) {
            if (m_i >= m_t.size())
                throw OraError(kOraMissingRightParen);
            if (atWord("CONSTRAINT") || atWord("PRIMARY") || atWord("UNIQUE") || atWord("CHECK") ||
                atWord("FOREIGN"))
                tableConstraint(tr);
            else
                tr.columns.push_back(column());
            if (at(",")) {
                ++m_i;
                continue;
            }
            if (at(")")) {
                ++m_i;
                return;
            }
            throw OraError(kOraMissingRightParen);
        }
    }

    static void checkNames(const Translation &tr) {
        std::set<std::string> seen;
        for (const ColumnSpec &c : tr.columns)
            if (!seen.insert(c.name).second)
                throw OraError(kOraDuplicateColumn);
        for (const std::string &k : tr.tableKey)
            if (!seen.count(k))
                throw OraError(kOraInvalidIdentifier, "\"" + k + "\"");
    }

    // Skips a parenthesised group; returns the tokens inside (nested parentheses included).
    Tokens group() {
        if (!at("("))
            throw OraError(kOraMissingLeftParen);
        int depth = 0;
        Tokens inside;
        for (; m_i < m_t.size(); ++m_i) {
            if (m_t[m_i].isOp("("))
                ++depth;
            else if (m_t[m_i].isOp(")") && --depth == 0) {
                ++m_i;
                return inside;
            }
            if (depth > 1 || !m_t[m_i].isOp("("))
                inside.push_back(m_t[m_i]);
        }
        throw OraError(kOraMissingRightParen);
    }

    void tableConstraint(Translation &tr) {
        if (atWord("CONSTRAINT"))
            m_i += 2;
        if (atWord("PRIMARY") || atWord("UNIQUE")) {
            const bool primary = atWord("PRIMARY");
            m_i += primary ? 2 : 1;
            std::vector<std::string> key;
            for (const Token &t : group())
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
        while (m_i < m_t.size() && !at(",") && !at(")")) {
            if (at("("))
                group();
            else
                ++m_i;
        }
    }

    ColumnSpec column() {
        ColumnSpec c;
        if (!isNameToken(m_t[m_i]))
            throw OraError(kOraInvalidIdentifier);
        c.name = m_t[m_i++].text;
        const auto type = parseDeclaredType(declaredType());
        if (!type)
            throw OraError(kOraInvalidDatatype);
        c.type = *type;
        while (m_i < m_t.size() && !at(",") && !at(")"))
            columnAttribute(c);
        return c;
    }

    // "NUMBER(7,2)", "LONG RAW", "DOUBLE PRECISION" as written.
    std::string declaredType() {
        std::string declared;
        while (m_i < m_t.size() && m_t[m_i].kind == TokenKind::Identifier &&
               (declared.empty() || atWord("RAW") || atWord("PRECISION")))
            declared += (declared.empty() ? "" : " ") + m_t[m_i++].text;
        if (at("(")) {
            declared += "(";
            for (const Token &t : group())
                declared += t.text + (t.kind == TokenKind::Identifier ? " " : "");
            declared += ")";
        }
        return declared;
    }

    void columnAttribute(ColumnSpec &c) {
        if (atWord("NOT") && m_i + 1 < m_t.size() && m_t[m_i + 1].isWord("NULL")) {
            c.nullable = false;
            m_i += 2;
        } else if (atWord("NULL")) {
            ++m_i;
        } else if (atWord("PRIMARY") && m_i + 1 < m_t.size() && m_t[m_i + 1].isWord("KEY")) {
            c.primaryKey = true;
            c.nullable = false;
            m_i += 2;
        } else if (atWord("UNIQUE")) {
            c.unique = true;
            ++m_i;
        } else if (atWord("CONSTRAINT")) {
            m_i += 2;
        } else if (atWord("DEFAULT")) {
            ++m_i;
            c.defaultSql = defaultValue();
        } else if (atWord("CHECK") || atWord("REFERENCES")) {
            ++m_i;
            if (m_i < m_t.size() && isNameToken(m_t[m_i]))
                ++m_i;
            if (at("("))
                group();
        } else {
            throw OraError(kOraMissingRightParen);
        }
    }

    // The SQLite text of a DEFAULT: a literal, NULL, SYSDATE or a signed number.
    std::string defaultValue() {
        if (m_i >= m_t.size())
            throw OraError(kOraMissingExpression);
        const Token &t = m_t[m_i++];
        if (t.kind == TokenKind::Number)
            return t.text;
        if (t.kind == TokenKind::String)
            return t.text.empty() ? "NULL" : quoteText(t.text);
        if (t.isWord("NULL"))
            return "NULL";
        if (t.isWord("SYSDATE"))
            return "(SYSDATE())";
        if ((t.isOp("-") || t.isOp("+")) && m_i < m_t.size() && m_t[m_i].kind == TokenKind::Number)
            return t.text + m_t[m_i++].text;
        throw OraError(kOraUnimplemented, "this DEFAULT expression");
    }

    const Tokens m_t;
    const std::string &m_schema;
    size_t m_i = 0;
};

} // namespace

Translation translateCreateTable(const std::string &sql, const std::string &schema) {
    return TableParser(sql, schema).run();
}

} // namespace ocilite
