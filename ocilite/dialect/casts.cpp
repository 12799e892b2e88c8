// CAST to a number, a date or a text: SQLite's CAST reads the leading digits of any text (CAST
// ('abc' AS NUMBER) is 0, a date cast to DATE is its year), Oracle converts or refuses. Each
// CAST whose type is one word with optional (p) or (p, s) becomes OCILITE_CAST(expression,
// 'TYPE'[, p[, s], NULL]), which converts as Oracle does; other CASTs stay SQLite's.
#include "ocilite/dialect/passes.h"

#include <set>
#include <string>

namespace ocilite {
namespace {

bool isCastType(const Token &t) {
    static const std::set<std::string, std::less<>> kTypes = {
        "NUMBER", "INTEGER", "INT",      "SMALLINT", "DECIMAL", "DEC",       "NUMERIC", "FLOAT",
        "REAL",   "DATE",    "VARCHAR2", "VARCHAR",  "CHAR",    "NVARCHAR2", "NCHAR"};
    return t.kind == TokenKind::Identifier && kTypes.count(t.text);
}

Token typeName(const Token &t) {
    Token name = t;
    name.kind = TokenKind::String;
    return name;
}

// Rewrites the CAST whose '(' is at `open` and ')' at `close`; false when its type has
// another shape.
bool rewriteCast(Tokens &t, size_t open, size_t close, Insertions &insertions) {
    auto isNumber = [&](size_t i) { return t[i].kind == TokenKind::Number; };
    size_t type = close - 1; // AS TYPE )
    size_t parameters = 0;
    if (close >= open + 5 && t[close - 1].isOp(")") && isNumber(close - 2) &&
        t[close - 3].isOp("(")) {
        type = close - 4; // AS TYPE ( p )
        parameters = 1;
    } else if (close >= open + 7 && t[close - 1].isOp(")") && isNumber(close - 2) &&
               t[close - 3].isOp(",") && isNumber(close - 4) && t[close - 5].isOp("(")) {
        type = close - 6; // AS TYPE ( p , s )
        parameters = 2;
    }
    if (type < open + 3 || !isCastType(t[type]) || !t[type - 1].isWord("AS"))
        return false;
    t[type - 1] = op(",");
    t[type] = typeName(t[type]);
    if (parameters > 0) {
        t[type + 1] = op(",");
        t[close - 1] = op(",");
        insertions.add(close, {word("NULL")});
    }
    return true;
}

} // namespace

void rewriteCasts(StatementTokens &st) {
    Tokens &t = st.tokens;
    Insertions insertions;
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        if (!t[i].isWord("CAST") || !t[i + 1].isOp("("))
            continue;
        const size_t close = matchingParen(t, i + 1, 1);
        if (close != SIZE_MAX && rewriteCast(t, i + 1, close, insertions))
            t[i] = word("OCILITE_CAST", t[i].offset);
    }
    insertions.apply(st, true);
}

} // namespace ocilite
