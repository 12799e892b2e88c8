// MERGE as the statements SQLite runs for it: the WHEN MATCHED clause becomes an UPDATE of
// the target FROM the source, the WHEN NOT MATCHED clause an INSERT of the source rows that
// match no target row. The UPDATE runs first; since Oracle refuses to update the columns the
// ON condition reads (ORA-38104), the rows it leaves matched are the ones matched before it.
// Each statement then goes through the ordinary DML passes.
#include "ocilite/dialect/passes.h"

#include "ocilite/engine/errors.h"

namespace ocilite {
namespace {

constexpr int kMergeCommand = 189; // Oracle's command code for MERGE

struct MergeClauses {
    Tokens target;      // [owner .] name
    Tokens targetAlias; // the alias, when one is given
    std::string targetQualifier;
    Tokens source; // [owner .] name, or ( subquery )
    Tokens sourceAlias;
    Tokens on; // the condition inside ON ( ... )
    bool update = false;
    Tokens set; // col = expr, ...
    Tokens updateWhere;
    bool insert = false;
    Tokens insertColumns; // inside the parentheses; empty without a column list
    Tokens values;        // inside VALUES ( ... )
    Tokens insertWhere;
};

// Reads [owner .] name at i (advanced past it) into out.
void readName(const Tokens &t, size_t &i, Tokens &out) {
    if (i >= t.size() || !isNameToken(t[i]))
        throw OraError(kOraInvalidTableName);
    out.push_back(t[i++]);
    if (i + 1 < t.size() && t[i].isOp(".") && isNameToken(t[i + 1])) {
        out.push_back(t[i++]);
        out.push_back(t[i++]);
    }
    if (i < t.size() && t[i].isOp("@"))
        throw OraError(kOraUnimplemented,
                       "database links are not supported by the embedded database");
}

// An alias at i, unless the word is `stop`.
void readAlias(const Tokens &t, size_t &i, const char *stop, Tokens &out) {
    if (i < t.size() && isAliasToken(t[i]) && !t[i].isWord(stop))
        out.push_back(t[i++]);
}

// The tokens from i up to the first top-level one of the stop words (or the end).
Tokens until(const Tokens &t, size_t &i, std::initializer_list<const char *> stops) {
    const size_t from = i;
    int depth = 0;
    for (; i < t.size(); ++i) {
        if (t[i].isOp("("))
            ++depth;
        else if (t[i].isOp(")"))
            --depth;
        if (depth != 0)
            continue;
        for (const char *w : stops)
            if (t[i].isWord(w))
                return slice(t, from, i);
    }
    return slice(t, from, i);
}

void expectWord(const Tokens &t, size_t &i, const char *w, int error) {
    if (i >= t.size() || !t[i].isWord(w))
        throw OraError(error);
    ++i;
}

// ( ... ) at i: the tokens inside; i is left past the ')'.
Tokens parenthesised(const Tokens &t, size_t &i) {
    if (i >= t.size() || !t[i].isOp("("))
        throw OraError(kOraMissingLeftParen);
    const size_t close = closingParen(t, i);
    if (close == t.size())
        throw OraError(kOraMissingRightParen);
    Tokens inside = slice(t, i + 1, close);
    i = close + 1;
    return inside;
}

void refuseUnsupported(const Tokens &t, size_t i) {
    if (i < t.size() && t[i].isWord("DELETE"))
        throw OraError(kOraUnimplemented,
                       "MERGE ... DELETE WHERE is not supported by the embedded database");
    if (i < t.size() && t[i].isWord("LOG"))
        throw OraError(kOraUnimplemented, "LOG ERRORS is not supported by the embedded database");
}

void readWhenClause(const Tokens &t, size_t &i, MergeClauses &m) {
    ++i; // WHEN
    const bool matched = !(i < t.size() && t[i].isWord("NOT"));
    if (!matched)
        ++i;
    expectWord(t, i, "MATCHED", kOraMissingKeyword);
    expectWord(t, i, "THEN", kOraMissingKeyword);
    if (matched) {
        if (m.update)
            throw OraError(kOraMissingKeyword);
        m.update = true;
        expectWord(t, i, "UPDATE", kOraMissingKeyword);
        expectWord(t, i, "SET", kOraMissingKeyword);
        m.set = until(t, i, {"WHERE", "DELETE", "WHEN", "LOG"});
        if (m.set.empty())
            throw OraError(kOraInvalidIdentifier);
        if (i < t.size() && t[i].isWord("WHERE"))
            m.updateWhere = until(t, ++i, {"DELETE", "WHEN", "LOG"});
    } else {
        if (m.insert)
            throw OraError(kOraMissingKeyword);
        m.insert = true;
        expectWord(t, i, "INSERT", kOraMissingKeyword);
        if (i < t.size() && t[i].isOp("("))
            m.insertColumns = parenthesised(t, i);
        expectWord(t, i, "VALUES", kOraMissingValuesKeyword);
        m.values = parenthesised(t, i);
        if (i < t.size() && t[i].isWord("WHERE"))
            m.insertWhere = until(t, ++i, {"WHEN", "LOG"});
    }
    refuseUnsupported(t, i);
}

MergeClauses readMerge(const Tokens &t) {
    MergeClauses m;
    size_t i = 1;
    expectWord(t, i, "INTO", kOraMissingInto);
    readName(t, i, m.target);
    readAlias(t, i, "USING", m.targetAlias);
    m.targetQualifier = m.targetAlias.empty() ? m.target.back().text : m.targetAlias[0].text;
    expectWord(t, i, "USING", kOraMissingKeyword);
    if (i < t.size() && t[i].isOp("(")) {
        const size_t close = closingParen(t, i);
        if (close == t.size())
            throw OraError(kOraMissingRightParen);
        m.source = slice(t, i, close + 1);
        i = close + 1;
    } else {
        readName(t, i, m.source);
    }
    readAlias(t, i, "ON", m.sourceAlias);
    expectWord(t, i, "ON", kOraMissingOnKeyword);
    m.on = parenthesised(t, i);
    while (i < t.size() && t[i].isWord("WHEN"))
        readWhenClause(t, i, m);
    if (i < t.size())
        throw OraError(t[i].isWord("WHEN") ? kOraMissingKeyword : kOraNotProperlyEnded);
    if (!m.update && !m.insert)
        throw OraError(kOraMissingKeyword);
    return m;
}

// The column named at the start of a SET item or in a column list, without its qualifier:
// "D.NAME" and "NAME" both give NAME. i is left past the name.
Token columnName(const Tokens &t, size_t &i) {
    if (i >= t.size() || !isNameToken(t[i]))
        throw OraError(kOraInvalidIdentifier);
    while (i + 2 < t.size() && t[i + 1].isOp(".") && isNameToken(t[i + 2]))
        i += 2;
    return t[i++];
}

// A column list without qualifiers.
Tokens plainColumns(const Tokens &list) {
    Tokens out;
    for (size_t i = 0; i < list.size();) {
        out.push_back(columnName(list, i));
        if (i < list.size()) {
            if (!list[i].isOp(","))
                throw OraError(kOraMissingComma);
            out.push_back(list[i++]);
        }
    }
    return out;
}

// Whether the ON condition reads the target's column `name`.
bool onReads(const MergeClauses &m, const std::string &name) {
    const Tokens &on = m.on;
    for (size_t i = 0; i < on.size(); ++i) {
        if (!isNameToken(on[i]) || on[i].text != name)
            continue;
        const bool qualified = i >= 2 && on[i - 1].isOp(".");
        if (!qualified || on[i - 2].text == m.targetQualifier)
            return true;
    }
    return false;
}

// UPDATE target [alias] SET ... FROM source [alias] WHERE (on) [AND (where)].
Tokens updateStatement(const MergeClauses &m) {
    Tokens u{word("UPDATE")};
    append(u, m.target);
    append(u, m.targetAlias);
    u.push_back(word("SET"));
    // The SET items with their columns unqualified; no column the ON condition reads.
    const Tokens &s = m.set;
    for (size_t i = 0; i < s.size();) {
        const Token column = columnName(s, i);
        if (onReads(m, column.text))
            throw OraError(kOraMergeOnColumnUpdated,
                           "\"" + m.targetQualifier + "\".\"" + column.text + "\"");
        u.push_back(column);
        // The expression runs to the next top-level ','.
        const size_t end = topLevel(s, i, [](const Token &t) { return t.isOp(","); });
        append(u, slice(s, i, end));
        i = end;
        if (i < s.size())
            u.push_back(s[i++]); // ','
    }
    u.push_back(word("FROM"));
    append(u, m.source);
    append(u, m.sourceAlias);
    u.push_back(word("WHERE"));
    u.push_back(op("("));
    append(u, m.on);
    u.push_back(op(")"));
    if (!m.updateWhere.empty()) {
        u.push_back(word("AND"));
        u.push_back(op("("));
        append(u, m.updateWhere);
        u.push_back(op(")"));
    }
    return u;
}

// INSERT INTO target [(cols)] SELECT values FROM source [alias]
//   WHERE NOT EXISTS (SELECT 1 FROM target [alias] WHERE on) [AND (where)].
Tokens insertStatement(const MergeClauses &m) {
    Tokens n{word("INSERT"), word("INTO")};
    append(n, m.target);
    if (!m.insertColumns.empty()) {
        n.push_back(op("("));
        append(n, plainColumns(m.insertColumns));
        n.push_back(op(")"));
    }
    n.push_back(word("SELECT"));
    append(n, m.values);
    n.push_back(word("FROM"));
    append(n, m.source);
    append(n, m.sourceAlias);
    n.push_back(word("WHERE"));
    n.push_back(word("NOT"));
    n.push_back(word("EXISTS"));
    n.push_back(op("("));
    n.push_back(word("SELECT"));
    n.push_back(number("1"));
    n.push_back(word("FROM"));
    append(n, m.target);
    append(n, m.targetAlias);
    n.push_back(word("WHERE"));
    append(n, m.on);
    n.push_back(op(")"));
    if (!m.insertWhere.empty()) {
        n.push_back(word("AND"));
        n.push_back(op("("));
        append(n, m.insertWhere);
        n.push_back(op(")"));
    }
    return n;
}

} // namespace

Translation translateMerge(const std::string &sql, const Tokens &tokens, const std::string &schema,
                           const NameResolver &resolver) {
    const MergeClauses m = readMerge(tokens);
    std::vector<Translation> parts;
    if (m.update)
        parts.push_back(translateDml(sql, StatementTokens{updateStatement(m), {}},
                                     StatementKind::Update, 0, schema, resolver));
    if (m.insert)
        parts.push_back(translateDml(sql, StatementTokens{insertStatement(m), {}},
                                     StatementKind::Insert, 0, schema, resolver));
    Translation tr;
    tr.kind = StatementKind::Several;
    tr.functionType = kMergeCommand;
    tr.sql = std::move(parts[0].sql);
    tr.binds = std::move(parts[0].binds);
    for (size_t i = 1; i < parts.size(); ++i)
        tr.parts.push_back({std::move(parts[i].sql), std::move(parts[i].binds)});
    return tr;
}

} // namespace ocilite
