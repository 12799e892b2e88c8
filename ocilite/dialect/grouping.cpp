// Checks and rewrites of lists that Oracle reads differently from SQLite: an IN list holds at
// most 1000 expressions (ORA-01795); GROUP BY has no positions, so GROUP BY 1 groups by the
// constant 1; and every column of a grouped query's select list is grouped or inside an
// aggregate (ORA-00979).
#include "ocilite/dialect/passes.h"

#include "ocilite/engine/errors.h"

#include <algorithm>

namespace ocilite {
namespace {

constexpr size_t kMaxListExpressions = 1000;

bool startsQuery(const Tokens &t, size_t i) {
    return i < t.size() && (t[i].isWord("SELECT") || t[i].isWord("WITH"));
}

// The position just past the GROUP BY list that starts at `from`.
size_t groupListEnd(const Tokens &t, size_t from) {
    return topLevel(t, from, [](const Token &x) {
        return x.isWord("HAVING") || x.isWord("ORDER") || x.isWord("UNION") ||
               x.isWord("INTERSECT") || x.isWord("MINUS") || x.isWord("EXCEPT") ||
               x.isWord("FOR") || x.isWord("FETCH") || x.isWord("OFFSET");
    });
}

bool sameTokens(const Tokens &t, TokenRange a, size_t at) {
    if (at + (a.to - a.from) > t.size())
        return false;
    for (size_t k = 0; k < a.to - a.from; ++k)
        if (t[a.from + k].kind != t[at + k].kind || t[a.from + k].text != t[at + k].text)
            return false;
    return true;
}

} // namespace

void checkInLists(const Tokens &t) {
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        if (!t[i].isWord("IN") || !t[i + 1].isOp("(") || startsQuery(t, i + 2))
            continue;
        const size_t close = closingParen(t, i + 1);
        if (commaItems(t, i + 2, std::min(close, t.size())).size() > kMaxListExpressions)
            throw OraError(kOraListTooLong);
    }
}

void unpositionGroupBy(Tokens &t) {
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        if (!t[i].isWord("GROUP") || !t[i + 1].isWord("BY"))
            continue;
        // A lone number is a constant to Oracle, a column position to SQLite: as a text
        // literal it is a constant to both, and groups the rows alike.
        for (const TokenRange &item : commaItems(t, i + 2, groupListEnd(t, i + 2)))
            if (item.to == item.from + 1 && t[item.from].kind == TokenKind::Number)
                t[item.from].kind = TokenKind::String;
    }
}

namespace {

// The grouped query's facts: its GROUP BY expressions and the columns of its tables.
struct Grouping {
    const Tokens &t;
    std::vector<TokenRange> grouped;
    std::vector<std::string> columns; // every column of the outermost FROM tables

    bool isColumn(const std::string &name) const {
        return std::find(columns.begin(), columns.end(), name) != columns.end();
    }
    // A column name is grouped when a GROUP BY expression is that column, qualified or not.
    bool columnGrouped(const std::string &name) const {
        for (const TokenRange &g : grouped)
            if (isNameToken(t[g.to - 1]) && t[g.to - 1].text == name &&
                (g.to - g.from == 1 || (g.to - g.from == 3 && t[g.from + 1].isOp("."))))
                return true;
        return false;
    }
    size_t groupedAt(size_t at) const {
        for (const TokenRange &g : grouped)
            if (sameTokens(t, g, at))
                return at + (g.to - g.from);
        return at;
    }
};

// Throws ORA-00979 when a column of the item [from, to) is neither grouped nor inside an
// aggregate or a subquery.
void checkItem(const Grouping &g, size_t from, size_t to) {
    const Tokens &t = g.t;
    for (size_t i = from; i < to; ++i) {
        if (const size_t past = g.groupedAt(i); past != i) {
            i = past - 1;
        } else if ((isAggregateName(t[i]) && i + 1 < to && t[i + 1].isOp("(")) ||
                   (t[i].isOp("(") && startsQuery(t, i + 1))) {
            i = std::min(closingParen(t, t[i].isOp("(") ? i : i + 1), to);
        } else if (isNameToken(t[i]) && !(i + 1 < to && t[i + 1].isOp("("))) {
            const bool qualified = i + 2 < to && t[i + 1].isOp(".") && isNameToken(t[i + 2]);
            const std::string &name = qualified ? t[i + 2].text : t[i].text;
            if (g.isColumn(name) && !g.columnGrouped(name))
                throw OraError(kOraNotGroupByExpression).at(t[i].offset);
            i += qualified ? 2 : 0;
        }
    }
}

// Throws ORA-00979 when a '*' (or alias.*) at `at` brings a column that is not grouped.
void checkStar(const Grouping &g, size_t at, const FromTables &tables,
               const NameResolver &resolver) {
    const Tokens &t = g.t;
    const bool qualified = t[at - 1].isOp(".");
    for (const FromTable &table : tables) {
        if (qualified && table.key != t[at - 2].text)
            continue;
        for (const auto &column : resolver.columnsOf(table.sqliteName))
            if (!g.columnGrouped(column.first))
                throw OraError(kOraNotGroupByExpression).at(t[at].offset);
    }
}

} // namespace

void checkGroupedSelectList(const StatementTokens &st, const FromTables &tables,
                            const NameResolver &resolver) {
    const Tokens &t = st.tokens;
    const size_t group = topLevel(t, 0, [](const Token &x) { return x.isWord("GROUP"); });
    const size_t compound = topLevel(t, 0, [](const Token &x) {
        return x.isWord("UNION") || x.isWord("INTERSECT") || x.isWord("MINUS");
    });
    if (group + 1 >= t.size() || !t[group + 1].isWord("BY") || compound < t.size())
        return;
    Grouping g{t, commaItems(t, group + 2, groupListEnd(t, group + 2)), {}};
    for (const FromTable &table : tables)
        for (const auto &column : resolver.columnsOf(table.sqliteName))
            g.columns.push_back(column.first);
    const size_t select = topLevel(t, 0, [](const Token &x) { return x.isWord("SELECT"); });
    const size_t from = topLevel(t, select + 1, [](const Token &x) { return x.isWord("FROM"); });
    for (size_t i = select + 1; i < from && i < t.size(); ++i)
        if (t[i].isOp("*") &&
            (t[i - 1].isWord("SELECT") || t[i - 1].isOp(",") || (t[i - 1].isOp(".") && i >= 2)))
            checkStar(g, i, tables, resolver);
    for (const TokenRange &item : st.items)
        checkItem(g, item.from, item.to);
}

} // namespace ocilite
