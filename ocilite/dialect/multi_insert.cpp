// INSERT ALL / INSERT FIRST as the INSERT ... SELECT statements SQLite runs for them: each
// INTO clause inserts its VALUES for the rows of the subquery that its WHEN condition
// admits. Under FIRST a row goes to the first WHEN that holds; ELSE takes the rows no WHEN
// took. Each statement then goes through the ordinary DML passes.
#include "ocilite/dialect/passes.h"

#include "ocilite/engine/errors.h"

namespace ocilite {
namespace {

struct IntoClause {
    Tokens table;                // [owner .] name [alias]
    Tokens columns;              // ( ... ) with its parentheses, or empty
    Tokens values;               // inside VALUES ( ... ); empty: the subquery's columns
    Tokens when;                 // the condition of its WHEN, or empty
    std::vector<Tokens> earlier; // WHENs that must not hold: those before it under FIRST, all
                                 // of them under ELSE
};

// ( ... ) at i, parentheses included; i is left past it.
Tokens group(const Tokens &t, size_t &i) {
    const size_t close = closingParen(t, i);
    if (close == t.size())
        throw OraError(kOraMissingRightParen);
    Tokens out = slice(t, i, close + 1);
    i = close + 1;
    return out;
}

// INTO [owner .] name [alias] [( cols )] [VALUES ( ... )] at i.
IntoClause readInto(const Tokens &t, size_t &i) {
    IntoClause c;
    ++i; // INTO
    if (i >= t.size() || !isNameToken(t[i]))
        throw OraError(kOraInvalidTableName);
    c.table.push_back(t[i++]);
    if (i + 1 < t.size() && t[i].isOp(".") && isNameToken(t[i + 1])) {
        c.table.push_back(t[i++]);
        c.table.push_back(t[i++]);
    }
    if (i < t.size() && isAliasToken(t[i]) && !t[i].isWord("VALUES"))
        c.table.push_back(t[i++]);
    if (i < t.size() && t[i].isOp("("))
        c.columns = group(t, i);
    if (i < t.size() && t[i].isWord("VALUES")) {
        ++i;
        if (i >= t.size() || !t[i].isOp("("))
            throw OraError(kOraMissingLeftParen);
        Tokens values = group(t, i);
        c.values = slice(values, 1, values.size() - 1);
    }
    return c;
}

// The condition after WHEN, up to its THEN.
Tokens readWhen(const Tokens &t, size_t &i) {
    const size_t from = ++i;
    i = topLevel(t, from, [](const Token &w) { return w.isWord("THEN"); });
    if (i >= t.size() || i == from)
        throw OraError(i >= t.size() ? kOraMissingKeyword : kOraMissingExpression);
    Tokens condition = slice(t, from, i);
    ++i; // THEN
    return condition;
}

struct MultiInsert {
    std::vector<IntoClause> intos;
    Tokens subquery;
};

MultiInsert readMultiInsert(const Tokens &t) {
    MultiInsert m;
    const bool first = t[1].isWord("FIRST");
    size_t i = 2;
    std::vector<Tokens> whens; // every WHEN so far
    bool otherwise = false;
    while (i < t.size()) {
        if (t[i].isWord("WHEN")) {
            whens.push_back(readWhen(t, i));
            otherwise = false;
        } else if (t[i].isWord("ELSE") && !whens.empty()) {
            otherwise = true;
            ++i;
        } else if (t[i].isWord("INTO")) {
            IntoClause c = readInto(t, i);
            if (otherwise) {
                c.earlier = whens;
            } else if (!whens.empty()) {
                c.when = whens.back();
                if (first)
                    c.earlier.assign(whens.begin(), whens.end() - 1);
            }
            m.intos.push_back(std::move(c));
        } else {
            break;
        }
    }
    if (m.intos.empty())
        throw OraError(kOraMissingInto);
    if (i >= t.size())
        throw OraError(kOraMissingSelectKeyword);
    m.subquery = slice(t, i, t.size());
    return m;
}

// CASE WHEN (c) THEN 1 ELSE 0 END = 0: true also where c is unknown, as for a WHEN that
// does not hold.
void appendNotHeld(Tokens &out, const Tokens &condition) {
    out.push_back(word("CASE"));
    out.push_back(word("WHEN"));
    out.push_back(op("("));
    append(out, condition);
    for (Token t : {op(")"), word("THEN"), number("1"), word("ELSE"), number("0"), word("END"),
                    op("="), number("0")})
        out.push_back(t);
}

// INSERT INTO table [(cols)] SELECT values FROM (subquery) [WHERE ...].
Tokens insertStatement(const IntoClause &c, const Tokens &subquery) {
    Tokens n{word("INSERT"), word("INTO")};
    append(n, c.table);
    append(n, c.columns);
    n.push_back(word("SELECT"));
    if (c.values.empty())
        n.push_back(op("*"));
    else
        append(n, c.values);
    n.push_back(word("FROM"));
    n.push_back(op("("));
    append(n, subquery);
    n.push_back(op(")"));
    const char *joiner = "WHERE";
    if (!c.when.empty()) {
        n.push_back(word(joiner));
        n.push_back(op("("));
        append(n, c.when);
        n.push_back(op(")"));
        joiner = "AND";
    }
    for (const Tokens &condition : c.earlier) {
        n.push_back(word(joiner));
        appendNotHeld(n, condition);
        joiner = "AND";
    }
    return n;
}

} // namespace

Translation translateMultiInsert(const std::string &sql, const Tokens &tokens,
                                 const std::string &schema, const NameResolver &resolver) {
    const MultiInsert m = readMultiInsert(tokens);
    Translation tr;
    for (const IntoClause &c : m.intos) {
        Translation part = translateDml(sql, StatementTokens{insertStatement(c, m.subquery), {}},
                                        StatementKind::Insert, OCIV7_FT_INSERT, schema, resolver);
        if (tr.sql.empty()) {
            tr = std::move(part);
            tr.kind = StatementKind::Several; // several statements, run as one
            tr.functionType = OCIV7_FT_INSERT;
        } else {
            tr.parts.push_back({std::move(part.sql), std::move(part.binds)});
        }
    }
    return tr;
}

} // namespace ocilite
