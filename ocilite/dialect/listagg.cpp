// LISTAGG(x [, delimiter]) [WITHIN GROUP (ORDER BY key [ASC | DESC] [NULLS FIRST | LAST], ...)]
// as a call of the engine's aggregate: OCILITE_LISTAGG(distinct, x, delimiter, key, 'AL', ...),
// each key followed by its order (A or D, then where NULLs go: F or L). LISTAGG(DISTINCT x ...)
// sets the first argument. The overflow clause and LISTAGG as an analytic function (OVER) are
// refused with ORA-03001.
#include "ocilite/dialect/passes.h"

#include "ocilite/engine/errors.h"

namespace ocilite {
namespace {

[[noreturn]] void refuse(const std::string &what) {
    throw OraError(kOraUnimplemented, what + " is not supported by the embedded database");
}

Token text(const std::string &value) {
    Token t = op(",");
    t.kind = TokenKind::String;
    t.text = value;
    return t;
}

// One ORDER BY key: its expression, then its order as 'AL', 'AF', 'DL' or 'DF'.
Tokens orderKey(const Tokens &t, TokenRange key) {
    bool descending = false;
    int nulls = 0; // 1 first, -1 last, 0 as the direction says
    size_t end = key.to;
    if (end - key.from >= 3 && t[end - 2].isWord("NULLS") &&
        (t[end - 1].isWord("FIRST") || t[end - 1].isWord("LAST"))) {
        nulls = t[end - 1].isWord("FIRST") ? 1 : -1;
        end -= 2;
    }
    if (end - key.from >= 2 && (t[end - 1].isWord("ASC") || t[end - 1].isWord("DESC"))) {
        descending = t[end - 1].isWord("DESC");
        --end;
    }
    if (nulls == 0)
        nulls = descending ? 1 : -1;
    Tokens out = slice(t, key.from, end);
    append(out, {op(","), text(std::string(descending ? "D" : "A") + (nulls > 0 ? "F" : "L"))});
    return out;
}

// The keys of WITHIN GROUP (ORDER BY ...) whose '(' is at `open`; returns its ')'.
size_t withinGroup(const Tokens &t, size_t open, Tokens &keys) {
    if (open + 2 >= t.size() || !t[open].isOp("(") || !t[open + 1].isWord("ORDER") ||
        !t[open + 2].isWord("BY"))
        throw OraError(kOraMissingKeyword);
    const size_t close = closingParen(t, open);
    if (close >= t.size())
        throw OraError(kOraMissingRightParen);
    for (const TokenRange &key : commaItems(t, open + 3, close)) {
        keys.push_back(op(","));
        append(keys, orderKey(t, key));
    }
    return close;
}

// Rewrites the LISTAGG at `at`; the call keeps the first and last tokens' places in the
// statement, so that its column is named by its text as Oracle names it.
void rewriteCall(Tokens &t, size_t at) {
    const size_t close = closingParen(t, at + 1);
    if (close >= t.size())
        return; // emission reports the missing parenthesis
    std::vector<TokenRange> args = commaItems(t, at + 2, close);
    const bool distinct = !args.empty() && t[args[0].from].isWord("DISTINCT");
    if (!args.empty() && (distinct || t[args[0].from].isWord("ALL")))
        ++args[0].from;
    if (args.empty() || args.size() > 2 || args[0].from >= args[0].to)
        throw OraError(kOraArgumentCount);
    for (const TokenRange &a : args)
        if (topLevel(t, a.from, [](const Token &x) { return x.isWord("ON"); }) < a.to)
            refuse("LISTAGG ... ON OVERFLOW");
    Tokens keys;
    size_t end = close;
    if (close + 2 < t.size() && t[close + 1].isWord("WITHIN") && t[close + 2].isWord("GROUP"))
        end = withinGroup(t, close + 3, keys);
    if (end + 1 < t.size() && t[end + 1].isWord("OVER"))
        refuse("LISTAGG ... OVER (the analytic form)");
    Token name = t[at];
    name.text = "OCILITE_LISTAGG";
    Tokens call = {name, op("("), number(distinct ? "1" : "0"), op(",")};
    append(call, slice(t, args[0].from, args[0].to));
    call.push_back(op(","));
    append(call, args.size() > 1 ? slice(t, args[1].from, args[1].to) : Tokens{word("NULL")});
    append(call, keys);
    call.push_back(t[end]);
    t.erase(t.begin() + static_cast<long>(at), t.begin() + static_cast<long>(end) + 1);
    t.insert(t.begin() + static_cast<long>(at), call.begin(), call.end());
}

} // namespace

void rewriteListagg(Tokens &tokens) {
    // From the last to the first, so that a rewrite leaves the positions before it alone.
    for (size_t i = tokens.size(); i-- > 0;)
        if (tokens[i].isWord("LISTAGG") && i + 1 < tokens.size() && tokens[i + 1].isOp("(") &&
            !(i > 0 && tokens[i - 1].isOp(".")))
            rewriteCall(tokens, i);
}

} // namespace ocilite
