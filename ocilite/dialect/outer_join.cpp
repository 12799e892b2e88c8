// Oracle's old outer-join notation: a column marked with (+) belongs to the table that may
// be NULL-extended. Each query block with such marks is rewritten to comma-joined plain
// tables followed by one LEFT JOIN per marked table, its marked conditions moved to ON.
#include "ocilite/dialect/passes.h"

#include "ocilite/engine/errors.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>

namespace ocilite {
namespace {

bool isMark(const Tokens &t, size_t i) {
    return i + 2 < t.size() && t[i].isOp("(") && t[i + 1].isOp("+") && t[i + 2].isOp(")");
}

std::vector<int> depths(const Tokens &t) {
    std::vector<int> d(t.size());
    int depth = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i].isOp(")"))
            --depth;
        d[i] = depth;
        if (t[i].isOp("("))
            ++depth;
    }
    return d;
}

Token synthetic(TokenKind kind, const std::string &text, size_t offset) {
    Token t;
    t.kind = kind;
    t.text = text;
    t.offset = offset;
    return t;
}

bool isClauseEnd(const Token &t) {
    static const std::set<std::string> kEnds = {"GROUP", "ORDER",   "HAVING", "UNION", "INTERSECT",
                                                "MINUS", "CONNECT", "START",  "FOR",   "EXCEPT"};
    return t.kind == TokenKind::Identifier && kEnds.count(t.text);
}

struct Item {
    Tokens tokens;
    std::string key;   // alias, or the table's own name
    std::string table; // the table's name as written
};

struct Conjunct {
    Tokens tokens;
    std::string marked; // key of the outer-joined table, empty when unmarked
    std::set<std::string> partners;
};

class BlockRewriter {
public:
    BlockRewriter(Tokens &tokens, size_t mark) : m_t(tokens), m_d(depths(tokens)), m_mark(mark) {}

    void run() {
        locate();
        splitItems();
        splitConjuncts();
        rebuild();
    }

private:
    void locate() {
        const int depth = m_d[m_mark];
        size_t i = m_mark;
        bool haveWhere = false;
        while (i-- > 0) {
            if (m_d[i] < depth)
                break;
            if (m_d[i] != depth)
                continue;
            if (!haveWhere && m_t[i].isWord("ON"))
                throw OraError(kOraOuterJoinWithAnsi);
            if (!haveWhere && m_t[i].isWord("WHERE")) {
                m_where = i;
                haveWhere = true;
            } else if (!haveWhere && (m_t[i].isWord("SELECT") || m_t[i].isWord("FROM") ||
                                      isClauseEnd(m_t[i]) || m_t[i].isWord("SET"))) {
                break;
            } else if (haveWhere && m_t[i].isWord("FROM")) {
                m_from = i;
                break;
            }
        }
        if (!haveWhere || m_from == SIZE_MAX)
            throw OraError(kOraOuterJoinNotAllowed);
        m_depth = depth;
        m_end = m_where + 1;
        while (m_end < m_t.size() && m_d[m_end] >= depth &&
               !(m_d[m_end] == depth && isClauseEnd(m_t[m_end])))
            ++m_end;
    }

    void splitItems() {
        Item current;
        auto finish = [&] {
            if (current.tokens.empty())
                throw OraError(kOraTableNotFound);
            const Tokens &it = current.tokens;
            const Token &last = it.back();
            const bool aliased =
                it.size() >= 2 && !it[it.size() - 2].isOp(".") &&
                (last.kind == TokenKind::Identifier || last.kind == TokenKind::QuotedIdentifier);
            if (it[0].kind == TokenKind::Identifier || it[0].kind == TokenKind::QuotedIdentifier) {
                size_t nameAt = it.size() >= 3 && it[1].isOp(".") ? 2 : 0;
                current.table = it[nameAt].text;
            }
            current.key = aliased ? last.text : current.table;
            m_items.push_back(current);
            current = Item();
        };
        for (size_t i = m_from + 1; i < m_where; ++i) {
            if (m_d[i] == m_depth && m_t[i].isOp(",")) {
                finish();
                continue;
            }
            if (m_d[i] == m_depth && (m_t[i].isWord("JOIN") || m_t[i].isWord("ON")))
                throw OraError(kOraOuterJoinWithAnsi);
            current.tokens.push_back(m_t[i]);
        }
        finish();
    }

    bool isKey(const std::string &name) const {
        return std::any_of(m_items.begin(), m_items.end(),
                           [&](const Item &it) { return it.key == name; });
    }

    void splitConjuncts() {
        Conjunct current;
        bool between = false;
        for (size_t i = m_where + 1; i < m_end; ++i) {
            if (m_d[i] == m_depth && m_t[i].isWord("BETWEEN"))
                between = true;
            if (m_d[i] == m_depth && m_t[i].isWord("AND")) {
                if (between) {
                    between = false;
                } else {
                    m_conjuncts.push_back(analyse(current));
                    current = Conjunct();
                    continue;
                }
            }
            current.tokens.push_back(m_t[i]);
        }
        m_conjuncts.push_back(analyse(current));
    }

    Conjunct analyse(Conjunct c) {
        Tokens &t = c.tokens;
        if (t.empty())
            throw OraError(kOraMissingExpression);
        std::set<std::string> marked;
        bool hasMark = false;
        for (size_t i = 0; i < t.size(); ++i) {
            if (!isMark(t, i))
                continue;
            hasMark = true;
            if (i < 1 || (t[i - 1].kind != TokenKind::Identifier &&
                          t[i - 1].kind != TokenKind::QuotedIdentifier))
                throw OraError(kOraOuterJoinNotAllowed);
            if (i >= 3 && t[i - 2].isOp("."))
                marked.insert(t[i - 3].text);
            else
                marked.insert(ownerOfColumn(t[i - 1].text));
        }
        if (!hasMark)
            return c;
        if (marked.size() > 1)
            throw OraError(kOraOuterJoinPredicate);
        for (const Token &tok : t)
            if (tok.isWord("OR") || tok.isWord("IN"))
                throw OraError(kOraOuterJoinOr);
        c.marked = *marked.begin();
        if (!isKey(c.marked))
            throw OraError(kOraInvalidIdentifier, "\"" + c.marked + "\"");
        Tokens plain;
        for (size_t i = 0; i < t.size(); ++i) {
            if (isMark(t, i)) {
                i += 2;
                continue;
            }
            if (i + 2 < t.size() && t[i + 1].isOp(".") && t[i].kind != TokenKind::String &&
                isKey(t[i].text) && t[i].text != c.marked)
                c.partners.insert(t[i].text);
            plain.push_back(t[i]);
        }
        t = plain;
        return c;
    }

    // An unmarked qualifier: the only table of the block, else the column is ambiguous.
    std::string ownerOfColumn(const std::string &) const {
        if (m_items.size() == 1)
            return m_items[0].key;
        throw OraError(kOraColumnAmbiguous);
    }

    void place(const std::string &key, const std::map<std::string, std::set<std::string>> &partners,
               std::vector<std::string> &order, std::set<std::string> &visiting) {
        if (std::find(order.begin(), order.end(), key) != order.end())
            return;
        if (!visiting.insert(key).second)
            throw OraError(kOraOuterJoinCycle);
        auto found = partners.find(key);
        if (found != partners.end())
            for (const std::string &p : found->second)
                if (partners.count(p))
                    place(p, partners, order, visiting);
        order.push_back(key);
    }

    void rebuild() {
        std::map<std::string, std::set<std::string>> partners;
        for (const Conjunct &c : m_conjuncts)
            if (!c.marked.empty())
                partners[c.marked].insert(c.partners.begin(), c.partners.end());
        for (const auto &[key, set] : partners)
            if (set.size() > 1)
                throw OraError(kOraOuterJoinTwoTables);
        Tokens out{m_t[m_from]};
        plainTables(partners, out);
        std::vector<std::string> order;
        std::set<std::string> visiting;
        for (const auto &[key, set] : partners)
            place(key, partners, order, visiting);
        for (const std::string &key : order)
            leftJoin(key, out);
        filters(out);
        m_t.erase(m_t.begin() + static_cast<long>(m_from), m_t.begin() + static_cast<long>(m_end));
        m_t.insert(m_t.begin() + static_cast<long>(m_from), out.begin(), out.end());
    }

    Token wordAt(const char *w) const {
        return synthetic(TokenKind::Identifier, w, m_t[m_from].offset);
    }
    Token opAt(const char *o) const {
        return synthetic(TokenKind::Operator, o, m_t[m_from].offset);
    }

    // The tables no marked condition outer-joins, comma-joined as written.
    void plainTables(const std::map<std::string, std::set<std::string>> &partners,
                     Tokens &out) const {
        bool first = true;
        for (const Item &it : m_items) {
            if (partners.count(it.key))
                continue;
            if (!first)
                out.push_back(opAt(","));
            out.insert(out.end(), it.tokens.begin(), it.tokens.end());
            first = false;
        }
        if (first)
            throw OraError(kOraOuterJoinCycle);
    }

    // LEFT JOIN table ON (condition) AND (condition) ... for one outer-joined table.
    void leftJoin(const std::string &key, Tokens &out) const {
        const auto item = std::find_if(m_items.begin(), m_items.end(),
                                       [&](const Item &it) { return it.key == key; });
        out.push_back(wordAt("LEFT"));
        out.push_back(wordAt("JOIN"));
        out.insert(out.end(), item->tokens.begin(), item->tokens.end());
        out.push_back(wordAt("ON"));
        bool firstCondition = true;
        for (const Conjunct &c : m_conjuncts) {
            if (c.marked != key)
                continue;
            if (!firstCondition)
                out.push_back(wordAt("AND"));
            appendParenthesised(c.tokens, out);
            firstCondition = false;
        }
    }

    // WHERE (condition) AND ... for the unmarked conditions.
    void filters(Tokens &out) const {
        bool firstFilter = true;
        for (const Conjunct &c : m_conjuncts) {
            if (!c.marked.empty())
                continue;
            out.push_back(firstFilter ? m_t[m_where] : wordAt("AND"));
            appendParenthesised(c.tokens, out);
            firstFilter = false;
        }
    }

    void appendParenthesised(const Tokens &tokens, Tokens &out) const {
        out.push_back(opAt("("));
        out.insert(out.end(), tokens.begin(), tokens.end());
        out.push_back(opAt(")"));
    }

    Tokens &m_t;
    std::vector<int> m_d;
    size_t m_mark;
    int m_depth = 0;
    size_t m_from = SIZE_MAX;
    size_t m_where = SIZE_MAX;
    size_t m_end = 0;
    std::vector<Item> m_items;
    std::vector<Conjunct> m_conjuncts;
};

} // namespace

void rewriteOuterJoins(std::vector<Token> &tokens) {
    for (;;) {
        size_t mark = SIZE_MAX;
        for (size_t i = 0; i < tokens.size(); ++i)
            if (isMark(tokens, i)) {
                mark = i;
                break;
            }
        if (mark == SIZE_MAX)
            return;
        BlockRewriter(tokens, mark).run();
    }
}

} // namespace ocilite
