// The top-level select list: each item's name as Oracle reports it (its alias, its column
// name, or its text in upper case without blanks), and the types of the items that are
// expressions, guessed once the rewrites are done.
#include "ocilite/dialect/passes.h"

#include "ocilite/engine/errors.h"

#include <cctype>

namespace ocilite {
namespace {

// The name Oracle gives an unaliased expression: its text in upper case without blanks.
std::string expressionName(const std::string &sql, const Tokens &t, TokenRange r) {
    if (r.from >= r.to)
        return std::string();
    const size_t start = t[r.from].offset;
    const size_t end = t[r.to - 1].offset + t[r.to - 1].length;
    std::string out;
    if (t[r.from].length == 0 || t[r.to - 1].length == 0 || end <= start) {
        for (size_t i = r.from; i < r.to; ++i)
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

// Where the first item of the outermost select list begins, or nothing for a statement
// that does not begin with SELECT. SELECT UNIQUE is spelled DISTINCT.
std::optional<size_t> selectListStart(Tokens &t) {
    size_t start = 0;
    while (start < t.size() && t[start].isOp("("))
        ++start;
    if (start >= t.size() || !t[start].isWord("SELECT"))
        return std::nullopt;
    ++start;
    if (start < t.size() &&
        (t[start].isWord("DISTINCT") || t[start].isWord("UNIQUE") || t[start].isWord("ALL"))) {
        if (t[start].isWord("UNIQUE"))
            t[start].text = "DISTINCT";
        ++start;
    }
    return start;
}

// The items between the list's start and FROM / INTO (or the list's closing parenthesis).
std::vector<TokenRange> itemRanges(const Tokens &t, size_t start) {
    std::vector<TokenRange> items;
    int depth = 0;
    size_t itemStart = start, i = start;
    for (; i < t.size(); ++i) {
        if (t[i].isOp("(")) {
            ++depth;
        } else if (t[i].isOp(")")) {
            if (--depth < 0)
                break;
        } else if (depth == 0 && t[i].isOp(",")) {
            items.push_back({itemStart, i});
            itemStart = i + 1;
        } else if (depth == 0 && (t[i].isWord("FROM") || t[i].isWord("INTO"))) {
            break;
        }
    }
    items.push_back({itemStart, i});
    return items;
}

// The item's name; `expression` is left as the item without its alias.
std::string itemName(const std::string &sql, const Tokens &t, TokenRange item,
                     TokenRange &expression) {
    const size_t from = item.from, to = item.to;
    const Token &last = t[to - 1];
    expression = item;
    if (to - from >= 2 && isAliasToken(last) && !t[to - 2].isOp(".") &&
        (t[to - 2].isWord("AS") || endsExpression(t[to - 2]))) {
        expression.to = t[to - 2].isWord("AS") ? to - 2 : to - 1;
        return last.text;
    }
    if ((to - from == 1 && isNameToken(last)) ||
        (to - from == 3 && isNameToken(last) && t[to - 2].isOp(".")))
        return last.text;
    return expressionName(sql, t, item);
}

// Writes "AS "NAME"" after each item at the given positions; the items' ranges stay those of
// their expressions.
void insertAliases(StatementTokens &st, const std::vector<std::pair<size_t, Token>> &aliases) {
    Insertions insertions;
    for (const auto &[at, alias] : aliases)
        insertions.add(at, {word("AS"), alias});
    insertions.apply(st, false);
}

// The type of a column of a table or view in scope, as the catalog knows it (a view's
// column written as a CAST has the CAST's type); nothing when the column is none of theirs.
std::optional<OraType> knownColumn(const Tokens &t, TokenRange r, const FromTables &tables,
                                   const NameResolver &resolver) {
    const std::string &name = t[r.to - 1].text;
    const std::string qualifier = r.to - r.from == 3 ? t[r.from].text : std::string();
    for (const FromTable &table : tables) {
        if (!qualifier.empty() && table.key != qualifier)
            continue;
        for (const auto &[column, type] : resolver.columnsOf(table.sqliteName))
            if (column == name)
                return type;
    }
    return std::nullopt;
}

} // namespace

void dropOuterParentheses(Tokens &tokens) {
    while (tokens.size() >= 2 && tokens[0].isOp("(") &&
           closingParen(tokens, 0) == tokens.size() - 1) {
        tokens.pop_back();
        tokens.erase(tokens.begin());
    }
}

void checkSelectHasFrom(const Tokens &tokens) {
    int depth = 0;
    bool select = false;
    for (const Token &t : tokens) {
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
        throw OraError(tokens.size() == 1 ? kOraMissingExpression : kOraFromNotFound);
}

std::vector<SelectItem> nameSelectList(const std::string &sql, StatementTokens &st) {
    const auto start = selectListStart(st.tokens);
    if (!start)
        return {};
    std::vector<SelectItem> items;
    std::vector<std::pair<size_t, Token>> aliases;
    bool star = false;
    for (const TokenRange item : itemRanges(st.tokens, *start)) {
        if (item.from >= item.to)
            throw OraError(kOraMissingExpression);
        if (st.tokens[item.to - 1].isOp("*")) {
            star = true;
            continue;
        }
        TokenRange expression;
        SelectItem named;
        named.name = itemName(sql, st.tokens, item, expression);
        if (expression.to == item.to) {
            Token alias;
            alias.kind = TokenKind::QuotedIdentifier;
            alias.text = named.name;
            alias.offset = st.tokens[item.to - 1].offset;
            aliases.emplace_back(item.to, alias);
        }
        st.items.push_back(expression);
        items.push_back(named);
    }
    insertAliases(st, aliases);
    if (star)
        items.clear();
    return items;
}

void typeSelectList(const StatementTokens &st, const FromTables &tables,
                    const NameResolver &resolver, std::vector<SelectItem> &items) {
    const Tokens &t = st.tokens;
    for (size_t k = 0; k < items.size() && k < st.items.size(); ++k) {
        const auto [from, to] = st.items[k];
        const bool column =
            (to - from == 1 && isNameToken(t[from])) || (to - from == 3 && t[from + 1].isOp("."));
        const bool pseudoColumn = t[to - 1].isWord("ROWID") || t[to - 1].isWord("SYSDATE") ||
                                  t[to - 1].isWord("USER") || t[to - 1].isWord("ROWNUM") ||
                                  t[to - 1].isWord("UID");
        if (!column || pseudoColumn)
            items[k].type = guessType(t, st.items[k], tables, resolver);
        else
            items[k].type = knownColumn(t, st.items[k], tables, resolver);
    }
}

} // namespace ocilite
