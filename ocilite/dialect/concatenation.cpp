// Oracle's || treats NULL as an empty string and writes numbers its own way, where SQLite's
// yields NULL and writes 0.25: each operand of || is wrapped in OCILITE_TEXT(operand). Oracle
// also ranks || with + and - (left to right) and below * and /, where SQLite ranks it above
// them all: an operand reaches over * and / on its right and over the whole chain of
// + - * / || on its left, so that the wrap keeps Oracle's reading.
#include "ocilite/dialect/passes.h"

#include <set>
#include <string>
#include <vector>

namespace ocilite {
namespace {

// OCILITE_TEXT( before `from` and ) before `to`.
void wrap(Insertions &insertions, size_t from, size_t to) {
    insertions.wrap(from, to, {word("OCILITE_TEXT"), op("(")}, {op(")")});
}

bool isSign(const Token &t) {
    return t.isOp("+") || t.isOp("-");
}

bool isFactorOperator(const Token &t) {
    return t.isOp("*") || t.isOp("/");
}

bool isChainOperator(const Token &t) {
    return isSign(t) || isFactorOperator(t) || t.isOp("||");
}

// Words that are never an operand of their own.
bool isKeyword(const Token &t) {
    static const std::set<std::string, std::less<>> kMore = {
        "DISTINCT", "ALL", "PRIOR", "BY", "ESCAPE", "CASE", "EXISTS", "ANY", "SOME", "UNIQUE"};
    return isClauseWord(t) || (t.kind == TokenKind::Identifier && kMore.count(t.text));
}

// The partner of each parenthesis and of each CASE and END (SIZE_MAX for the others and
// for those without one), found in one pass.
std::vector<size_t> partners(const Tokens &t) {
    std::vector<size_t> of(t.size(), SIZE_MAX);
    std::vector<size_t> open;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i].isOp("(") || t[i].isWord("CASE")) {
            open.push_back(i);
        } else if ((t[i].isOp(")") || t[i].isWord("END")) && !open.empty() &&
                   t[open.back()].isOp("(") == t[i].isOp(")")) {
            of[i] = open.back();
            of[open.back()] = i;
            open.pop_back();
        }
    }
    return of;
}

// The operands of a statement's || operators. Left operands are found left to right so that
// each chain is walked once: m_start[k] is one past where the operand of the || at k begins,
// m_arithmetic[k] whether the chain up to k holds + - * / (without them the nearest operand
// is enough, as SQLite reads a chain of || alone as Oracle does).
class Operands {
public:
    explicit Operands(const Tokens &t)
        : m_t(t), m_partner(partners(t)), m_start(t.size()), m_arithmetic(t.size()) {}

    size_t leftStart(size_t k) {
        size_t start = before(k);
        const size_t nearest = start;
        bool arithmetic = false;
        while (start < k) {
            size_t p = start;
            while (p > 0 && isChainOperator(m_t[p - 1])) {
                --p;
                if (m_t[p].isOp("||") && m_start[p] != 0) { // a chain already walked
                    arithmetic = arithmetic || m_arithmetic[p];
                    start = p = m_start[p] - 1;
                    break;
                }
                arithmetic = arithmetic || !m_t[p].isOp("||");
            }
            if (p == start)
                break;
            if (const size_t operand = before(p); operand < p) {
                start = operand;
                continue;
            }
            // No operand before the operators: the signs next to the operand are its own,
            // unless what stands there is an operand this pass cannot delimit.
            if (p == 0 || !endsExpression(m_t[p - 1]))
                while (start > p && isSign(m_t[start - 1]))
                    --start;
            break;
        }
        m_start[k] = start + 1;
        m_arithmetic[k] = arithmetic;
        return arithmetic ? start : nearest;
    }

    // One past the right operand of the || at k: its term (operands joined by * and /, with
    // their signs), or k + 1.
    size_t rightEnd(size_t k) const {
        size_t end = k + 1;
        for (bool first = true; first || (end < m_t.size() && isFactorOperator(m_t[end]));
             first = false) {
            size_t at = end + (first ? 0 : 1);
            while (at < m_t.size() && isSign(m_t[at]))
                ++at;
            const size_t next = after(at);
            if (next == at)
                return first ? k + 1 : end;
            end = next;
        }
        return end;
    }

private:
    bool isName(size_t i) const { return isNameToken(m_t[i]) && !isKeyword(m_t[i]); }

    // Where the operand that ends just before `at` begins, or `at` when none does.
    size_t before(size_t at) const {
        if (at == 0)
            return at;
        size_t j = at - 1;
        if (m_t[j].isOp(")") || m_t[j].isWord("END")) {
            const size_t open = m_partner[j];
            if (open == SIZE_MAX)
                return at;
            return m_t[j].isOp(")") && open > 0 && isName(open - 1) ? open - 1 : open;
        }
        if (m_t[j].kind == TokenKind::String || m_t[j].kind == TokenKind::Number ||
            m_t[j].kind == TokenKind::Bind)
            return j;
        if (!isName(j))
            return at;
        while (j >= 2 && m_t[j - 1].isOp(".") && isName(j - 2))
            j -= 2;
        return j;
    }

    // One past the operand that begins at `at`, or `at` when none does.
    size_t after(size_t at) const {
        if (at >= m_t.size())
            return at;
        const Token &t = m_t[at];
        if (t.isOp("(") || t.isWord("CASE"))
            return m_partner[at] == SIZE_MAX ? at : m_partner[at] + 1;
        if (t.kind == TokenKind::String || t.kind == TokenKind::Number || t.kind == TokenKind::Bind)
            return at + 1;
        if (!isName(at))
            return at;
        if (at + 1 < m_t.size() && m_t[at + 1].isOp("("))
            return m_partner[at + 1] == SIZE_MAX ? at : m_partner[at + 1] + 1;
        size_t j = at;
        while (j + 2 < m_t.size() && m_t[j + 1].isOp(".") && isName(j + 2))
            j += 2;
        return j + 1;
    }

    const Tokens &m_t;
    std::vector<size_t> m_partner;
    std::vector<size_t> m_start;
    std::vector<bool> m_arithmetic;
};

} // namespace

void wrapConcatenations(StatementTokens &st) {
    Insertions insertions;
    Operands operands(st.tokens);
    for (size_t k = 0; k < st.tokens.size(); ++k) {
        if (!st.tokens[k].isOp("||"))
            continue;
        const size_t left = operands.leftStart(k);
        const size_t right = operands.rightEnd(k);
        if (left >= k || right <= k + 1)
            continue;
        wrap(insertions, left, k);
        wrap(insertions, k + 1, right);
    }
    insertions.apply(st, true);
}

} // namespace ocilite
