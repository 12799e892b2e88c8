// Shapes of token runs that several passes look for: clause words, names and aliases,
// parenthesised groups, the operands around an operator, a table reference.
#include "ocilite/dialect/passes.h"

#include <cstdint>
#include <set>

namespace ocilite {

bool isClauseWord(const Token &t) {
    static const std::set<std::string, std::less<>> kWords = {
        "WHERE",  "SET",       "GROUP",  "ORDER", "HAVING",   "UNION",  "INTERSECT", "MINUS",
        "EXCEPT", "CONNECT",   "START",  "JOIN",  "INNER",    "LEFT",   "RIGHT",     "FULL",
        "CROSS",  "NATURAL",   "OUTER",  "ON",    "USING",    "VALUES", "SELECT",    "FOR",
        "WITH",   "RETURNING", "FROM",   "INTO",  "LOG",      "WHEN",   "THEN",      "ELSE",
        "END",    "AND",       "OR",     "NOT",   "IS",       "IN",     "LIKE",      "BETWEEN",
        "AS",     "FETCH",     "OFFSET", "LIMIT", "PARTITION"};
    return t.kind == TokenKind::Identifier && kWords.count(t.text);
}

bool isNameToken(const Token &t) {
    return t.kind == TokenKind::Identifier || t.kind == TokenKind::QuotedIdentifier;
}

bool isAliasToken(const Token &t) {
    return t.kind == TokenKind::QuotedIdentifier ||
           (t.kind == TokenKind::Identifier && !isClauseWord(t));
}

bool endsExpression(const Token &t) {
    return t.kind == TokenKind::Number || t.kind == TokenKind::String ||
           t.kind == TokenKind::QuotedIdentifier || t.kind == TokenKind::Bind || t.isOp(")") ||
           (t.kind == TokenKind::Identifier && !isClauseWord(t)) || t.isWord("END");
}

Token word(const std::string &text, size_t offset) {
    Token t;
    t.kind = TokenKind::Identifier;
    t.text = text;
    t.offset = offset;
    return t;
}

Token op(const char *text) {
    Token t;
    t.kind = TokenKind::Operator;
    t.text = text;
    return t;
}

Token number(const char *text) {
    Token t;
    t.kind = TokenKind::Number;
    t.text = text;
    return t;
}

size_t topLevel(const Tokens &tokens, size_t from, const std::function<bool(const Token &)> &stop) {
    int depth = 0;
    for (size_t i = from; i < tokens.size(); ++i) {
        if (tokens[i].isOp("("))
            ++depth;
        else if (tokens[i].isOp(")"))
            --depth;
        else if (depth == 0 && stop(tokens[i]))
            return i;
    }
    return tokens.size();
}

std::vector<TokenRange> commaItems(const Tokens &t, size_t from, size_t to) {
    std::vector<TokenRange> items;
    size_t start = from;
    int depth = 0;
    for (size_t i = from; i < to; ++i) {
        if (t[i].isOp("("))
            ++depth;
        else if (t[i].isOp(")"))
            --depth;
        else if (depth == 0 && t[i].isOp(",")) {
            items.push_back({start, i});
            start = i + 1;
        }
    }
    if (start < to)
        items.push_back({start, to});
    return items;
}

Tokens slice(const Tokens &tokens, size_t from, size_t to) {
    return Tokens(tokens.begin() + static_cast<long>(from), tokens.begin() + static_cast<long>(to));
}

void append(Tokens &out, const Tokens &more) {
    out.insert(out.end(), more.begin(), more.end());
}

size_t closingParen(const Tokens &tokens, size_t open) {
    int depth = 0;
    for (size_t i = open; i < tokens.size(); ++i) {
        if (tokens[i].isOp("("))
            ++depth;
        else if (tokens[i].isOp(")") && --depth == 0)
            return i;
    }
    return tokens.size();
}

size_t matchingParen(const Tokens &tokens, size_t at, int step) {
    int depth = 0;
    for (size_t i = at; i < tokens.size(); i += static_cast<size_t>(step)) {
        if (tokens[i].isOp("("))
            depth += step;
        else if (tokens[i].isOp(")"))
            depth -= step;
        if (depth == 0)
            return i;
        if (i == 0 && step < 0)
            break;
    }
    return SIZE_MAX;
}

namespace {

bool isLiteralOrBind(const Token &t) {
    return t.kind == TokenKind::String || t.kind == TokenKind::Number || t.kind == TokenKind::Bind;
}

} // namespace

size_t operandStart(const Tokens &tokens, size_t k) {
    if (k == 0)
        return k;
    size_t j = k - 1;
    if (tokens[j].isOp(")")) {
        const size_t open = matchingParen(tokens, j, -1);
        if (open == SIZE_MAX)
            return k;
        const bool call = open > 0 && tokens[open - 1].kind == TokenKind::Identifier &&
                          !isClauseWord(tokens[open - 1]);
        return call ? open - 1 : open;
    }
    if (isNameToken(tokens[j])) {
        while (j >= 2 && tokens[j - 1].isOp(".") && isNameToken(tokens[j - 2]))
            j -= 2;
        return j;
    }
    return isLiteralOrBind(tokens[j]) ? j : k;
}

size_t operandEnd(const Tokens &tokens, size_t k) {
    size_t j = k + 1;
    if (j >= tokens.size())
        return j;
    const bool call =
        tokens[j].kind == TokenKind::Identifier && j + 1 < tokens.size() && tokens[j + 1].isOp("(");
    if (tokens[j].isOp("(") || call) {
        const size_t close = matchingParen(tokens, tokens[j].isOp("(") ? j : j + 1, 1);
        return close == SIZE_MAX ? k + 1 : close + 1;
    }
    if (isNameToken(tokens[j])) {
        while (j + 2 < tokens.size() && tokens[j + 1].isOp(".") && isNameToken(tokens[j + 2]))
            j += 2;
        return j + 1;
    }
    return isLiteralOrBind(tokens[j]) ? j + 1 : k + 1;
}

TableName readTableName(const Tokens &tokens, size_t &i, const std::string &schema) {
    TableName table{schema, tokens[i].text, std::string()};
    if (i + 2 < tokens.size() && tokens[i + 1].isOp(".") && isNameToken(tokens[i + 2])) {
        table.owner = table.name;
        table.name = tokens[i + 2].text;
        i += 2;
    }
    table.alias = table.name;
    if (i + 1 < tokens.size() && isAliasToken(tokens[i + 1]))
        table.alias = tokens[++i].text;
    return table;
}

std::set<std::string> subqueryNames(const Tokens &t) {
    std::set<std::string> names;
    for (size_t i = 0; i < t.size(); ++i) {
        if (!t[i].isWord("WITH"))
            continue;
        size_t j = i + 1;
        while (j < t.size() && isNameToken(t[j])) {
            size_t k = j + 1;
            if (k < t.size() && t[k].isOp("(")) // its column names
                k = closingParen(t, k) + 1;
            if (k + 1 >= t.size() || !t[k].isWord("AS") || !t[k + 1].isOp("("))
                break;
            names.insert(t[j].text);
            const size_t close = closingParen(t, k + 1);
            if (close + 1 >= t.size() || !t[close + 1].isOp(","))
                break;
            j = close + 2;
        }
    }
    return names;
}

FromTables namedTables(const Tokens &tokens, const std::string &schema,
                       const NameResolver &resolver) {
    FromTables tables;
    for (size_t i = 0; i + 1 < tokens.size(); ++i) {
        const Token &t = tokens[i];
        if (!(t.isWord("FROM") || t.isWord("JOIN") || t.isWord("INTO") || t.isWord("UPDATE")))
            continue;
        for (size_t j = i + 1; j < tokens.size() && isNameToken(tokens[j]);) {
            const TableName table = readTableName(tokens, j, schema);
            if (const auto sqliteName = resolver.tableFor(table.owner, table.name))
                tables.push_back({table.alias, *sqliteName});
            if (j + 1 < tokens.size() && tokens[j + 1].isOp(",") && t.isWord("FROM"))
                j += 2;
            else
                break;
        }
    }
    return tables;
}

} // namespace ocilite
