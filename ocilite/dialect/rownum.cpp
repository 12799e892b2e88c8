// ROWNUM in the forms queries use it. A condition ROWNUM <= n, ROWNUM < n or ROWNUM = n
// (or n >= ROWNUM ...) among the ANDed conditions of a query block's WHERE keeps the first
// rows the block produces: it leaves the WHERE and becomes LIMIT OCILITE_ROWNUM_LIMIT(n,
// 'op') at the end of the block. In the select list or ORDER BY, ROWNUM is the row's number
// (emission writes ROW_NUMBER() OVER ()). Other uses are refused with ORA-03001, naming them.
//
// Oracle numbers the rows before it sorts them, so that with ORDER BY in the same block it
// keeps some n rows and sorts those; which rows it keeps is left open, and the sorted first n
// rows kept here are one such answer. A block that groups (GROUP BY, DISTINCT, an aggregate)
// counts the rows ROWNUM admits: its one table becomes a subquery that keeps them.
#include "ocilite/dialect/passes.h"

#include "ocilite/engine/errors.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace ocilite {
namespace {

[[noreturn]] void refuse(const std::string &what) {
    throw OraError(kOraUnimplemented,
                   "ROWNUM " + what + " is not supported by the embedded database");
}

bool endsBlock(const Token &t) {
    return t.isWord("UNION") || t.isWord("INTERSECT") || t.isWord("MINUS") || t.isWord("EXCEPT");
}

bool endsWhere(const Token &t) {
    return endsBlock(t) || t.isWord("GROUP") || t.isWord("HAVING") || t.isWord("ORDER") ||
           t.isWord("CONNECT") || t.isWord("START") || t.isWord("FETCH") || t.isWord("OFFSET") ||
           t.isWord("LIMIT") || t.isWord("FOR") || t.isWord("WINDOW");
}

// A query block: SELECT at `select`, its clauses up to `end`, its WHERE at `where` and its
// conditions up to `whereTo`; compound when a set operator joins it to another.
struct Block {
    size_t select = 0, where = SIZE_MAX, whereTo = 0, end = 0;
    bool compound = false;
};

// Where the block that begins at `select` ends: the ')' around it, a set operator, or the
// statement's end.
size_t blockEnd(const Tokens &t, size_t select) {
    int depth = 0;
    for (size_t i = select + 1; i < t.size(); ++i) {
        if (t[i].isOp("("))
            ++depth;
        else if (t[i].isOp(")") && depth-- == 0)
            return i;
        else if (depth == 0 && endsBlock(t[i]))
            return i;
    }
    return t.size();
}

// The block's own WHERE: at its top level before its end (never searched past it, so a
// chain of many blocks is read once, not once a block).
size_t whereOf(const Tokens &t, size_t from, size_t end) {
    int depth = 0;
    for (size_t i = from; i < end; ++i) {
        if (t[i].isOp("("))
            ++depth;
        else if (t[i].isOp(")"))
            --depth;
        else if (depth == 0 && t[i].isWord("WHERE"))
            return i;
    }
    return end;
}

Block blockAt(const Tokens &t, size_t select) {
    Block b;
    b.select = select;
    b.end = blockEnd(t, select);
    b.compound = (b.end < t.size() && endsBlock(t[b.end])) ||
                 (select > 0 && endsBlock(t[select - 1])) ||
                 (select > 1 && t[select - 1].isOp("(") && endsBlock(t[select - 2]));
    const size_t where = whereOf(t, select + 1, b.end);
    if (where < b.end) {
        b.where = where;
        b.whereTo = std::min(b.end, topLevel(t, where + 1, endsWhere));
    }
    return b;
}

// The ANDed conditions of [from, to); the AND of a BETWEEN belongs to it.
std::vector<TokenRange> conjuncts(const Tokens &t, size_t from, size_t to) {
    std::vector<TokenRange> out;
    size_t start = from;
    int depth = 0;
    bool between = false;
    for (size_t i = from; i < to; ++i) {
        if (t[i].isOp("("))
            ++depth;
        else if (t[i].isOp(")"))
            --depth;
        else if (depth == 0 && t[i].isWord("BETWEEN"))
            between = true;
        else if (depth == 0 && t[i].isWord("AND") && !std::exchange(between, false)) {
            out.push_back({start, i});
            start = i + 1;
        }
    }
    out.push_back({start, to});
    return out;
}

bool hasRownum(const Tokens &t, TokenRange r) {
    for (size_t i = r.from; i < r.to; ++i)
        if (t[i].isWord("ROWNUM"))
            return true;
    return false;
}

bool isComparison(const Token &t, std::initializer_list<const char *> ops) {
    for (const char *o : ops)
        if (t.isOp(o))
            return true;
    return false;
}

// Whether [r.from, r.to) is a bound the same for every row: literals, binds, arithmetic and
// calls, no column and no condition.
bool isConstantBound(const Tokens &t, TokenRange r) {
    for (size_t i = r.from; i < r.to; ++i) {
        const bool call = i + 1 < r.to && t[i + 1].isOp("(");
        if ((isNameToken(t[i]) && !call && !t[i].isWord("NULL")) || isClauseWord(t[i]) ||
            isComparison(t[i], {"=", "<", ">", "<=", ">=", "<>", "!=", "^="}))
            return false;
    }
    return r.from < r.to;
}

// The limit a condition ROWNUM op n (or n op ROWNUM) sets, as tokens:
// OCILITE_ROWNUM_LIMIT(n, 'op'); nothing when the condition has another shape.
std::optional<Tokens> limitOf(const Tokens &t, TokenRange c) {
    if (c.to - c.from < 3)
        return std::nullopt;
    std::string relation;
    TokenRange bound;
    if (t[c.from].isWord("ROWNUM") && isComparison(t[c.from + 1], {"<=", "<", "="})) {
        relation = t[c.from + 1].text;
        bound = {c.from + 2, c.to};
    } else if (t[c.to - 1].isWord("ROWNUM") && isComparison(t[c.to - 2], {">=", ">", "="})) {
        const std::string &o = t[c.to - 2].text;
        relation = o == ">=" ? "<=" : o == ">" ? "<" : "=";
        bound = {c.from, c.to - 2};
    }
    if (relation.empty() || hasRownum(t, bound) || !isConstantBound(t, bound))
        return std::nullopt;
    Token kind = op(",");
    kind.kind = TokenKind::String;
    kind.text = relation;
    Tokens limit = {word("OCILITE_ROWNUM_LIMIT"), op("(")};
    append(limit, slice(t, bound.from, bound.to));
    append(limit, {op(","), kind, op(")")});
    return limit;
}

// Whether the block groups its rows: GROUP BY, DISTINCT, or an aggregate in its select list.
bool groups(const Tokens &t, const Block &b) {
    if (b.select + 1 < t.size() &&
        (t[b.select + 1].isWord("DISTINCT") || t[b.select + 1].isWord("UNIQUE")))
        return true;
    const size_t group =
        topLevel(t, b.select + 1, [](const Token &x) { return x.isWord("GROUP"); });
    if (group < b.end)
        return true;
    const size_t from = topLevel(t, b.select + 1, [](const Token &x) { return x.isWord("FROM"); });
    for (size_t i = b.select + 1; i + 1 < std::min(from, b.end); ++i)
        if (isAggregateName(t[i]) && t[i + 1].isOp("(")) {
            const size_t close = closingParen(t, i + 1);
            if (close + 1 >= t.size() || !t[close + 1].isWord("OVER"))
                return true;
        }
    return false;
}

// Takes the block's ROWNUM conditions out of its WHERE; returns the LIMIT they set (empty
// when there is none). Throws for a ROWNUM in a condition of another shape.
Tokens takeLimits(Tokens &t, Block &b) {
    std::vector<Tokens> limits;
    std::vector<TokenRange> kept;
    for (const TokenRange &c : conjuncts(t, b.where + 1, b.whereTo)) {
        if (!hasRownum(t, c)) {
            kept.push_back(c);
        } else if (auto limit = limitOf(t, c)) {
            limits.push_back(std::move(*limit));
        } else {
            refuse("in this condition");
        }
    }
    if (limits.empty())
        return {};
    Tokens where;
    for (const TokenRange &c : kept) {
        where.push_back(word(where.empty() ? "WHERE" : "AND"));
        append(where, slice(t, c.from, c.to));
    }
    t.erase(t.begin() + static_cast<long>(b.where), t.begin() + static_cast<long>(b.whereTo));
    t.insert(t.begin() + static_cast<long>(b.where), where.begin(), where.end());
    b.end = b.end - (b.whereTo - b.where) + where.size();
    b.whereTo = b.where + where.size();
    // An operator token: emission writes it as it stands, where the word LIMIT would be
    // quoted as Oracle's name LIMIT.
    Tokens limit = {op("LIMIT")};
    for (size_t k = 1; k < limits.size(); ++k)
        append(limit, {word("MIN"), op("(")});
    append(limit, limits[0]);
    for (size_t k = 1; k < limits.size(); ++k) {
        limit.push_back(op(","));
        append(limit, limits[k]);
        limit.push_back(op(")"));
    }
    return limit;
}

// Whether the block's FROM clause, [from + 1, where), is one table: [owner.]name [alias].
bool singleTable(const Tokens &t, size_t from, size_t where) {
    size_t i = from + 1;
    if (i >= where || !isNameToken(t[i]))
        return false;
    if (i + 2 < where && t[i + 1].isOp(".") && isNameToken(t[i + 2]))
        i += 2;
    if (i + 1 < where && isAliasToken(t[i + 1]))
        ++i;
    return i + 1 == where;
}

// A grouped block counts the rows ROWNUM admits: FROM t [alias] WHERE ... becomes
// FROM (SELECT * FROM t [alias] WHERE ... LIMIT n) alias, which only a block reading one
// table can do.
void limitSource(Tokens &t, const Block &b, Tokens limit) {
    const size_t from = topLevel(t, b.select + 1, [](const Token &x) { return x.isWord("FROM"); });
    if (!singleTable(t, from, b.where))
        refuse("in the WHERE clause of a grouped query that reads more than one table");
    Tokens source = {op("("), word("SELECT"), op("*"), word("FROM")};
    append(source, slice(t, from + 1, b.whereTo));
    append(source, limit);
    append(source, {op(")"), t[b.where - 1]}); // the alias, or the table's own name
    t.erase(t.begin() + static_cast<long>(from) + 1, t.begin() + static_cast<long>(b.whereTo));
    t.insert(t.begin() + static_cast<long>(from) + 1, source.begin(), source.end());
}

void rewriteBlock(Tokens &t, size_t select) {
    Block b = blockAt(t, select);
    if (b.where == SIZE_MAX)
        return;
    bool any = false;
    for (size_t i = b.where; i < b.whereTo && !any; ++i)
        any = t[i].isWord("ROWNUM");
    if (!any)
        return;
    if (b.compound)
        refuse("in a query joined by a set operator");
    Tokens limit = takeLimits(t, b);
    if (groups(t, b))
        return limitSource(t, b, std::move(limit));
    t.insert(t.begin() + static_cast<long>(b.end), limit.begin(), limit.end());
}

} // namespace

bool isAggregateName(const Token &t) {
    for (const char *name : {"COUNT", "SUM", "AVG", "MIN", "MAX", "STDDEV", "VARIANCE", "LISTAGG",
                             "OCILITE_LISTAGG", "MEDIAN", "COLLECT", "CORR", "COVAR_POP",
                             "COVAR_SAMP", "STDDEV_POP", "STDDEV_SAMP", "VAR_POP", "VAR_SAMP"})
        if (t.isWord(name))
            return true;
    return false;
}

void rewriteRownum(Tokens &tokens) {
    // Innermost blocks last is not needed: each block's rewrite keeps the positions of the
    // blocks before it, so the blocks are taken from the last back to the first.
    for (size_t i = tokens.size(); i-- > 0;)
        if (tokens[i].isWord("SELECT"))
            rewriteBlock(tokens, i);
    for (size_t i = 0; i < tokens.size(); ++i)
        if (tokens[i].isWord("ROWNUM") && i > 0 &&
            (tokens[i - 1].isWord("WHERE") || tokens[i - 1].isWord("AND") ||
             tokens[i - 1].isWord("OR") || tokens[i - 1].isWord("HAVING")))
            refuse("in this condition");
}

} // namespace ocilite
