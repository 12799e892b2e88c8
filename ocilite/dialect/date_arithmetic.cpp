// DATE + n, DATE - n and DATE - DATE as Oracle computes them, in days: the operator becomes
// a call of the engine's OCILITE_DATE_ADD or OCILITE_DATE_DIFF when an operand is a DATE.
// A chain a + b - c reads left to right: each call takes the one before it as its left
// operand.
#include "ocilite/dialect/passes.h"

#include <optional>

namespace ocilite {
namespace {

bool isBinaryOperand(const Token &t) {
    return isNameToken(t) || t.kind == TokenKind::Number || t.kind == TokenKind::String ||
           t.kind == TokenKind::Bind || t.isOp(")");
}

// A '+' or '-' between two operands, not the '+' of an outer-join mark.
bool isAdditive(const Tokens &t, size_t k) {
    if (!(t[k].isOp("+") || t[k].isOp("-")) || !isBinaryOperand(t[k - 1]))
        return false;
    return !(t[k].isOp("+") && t[k - 1].isOp(")") && k >= 2 && t[k - 2].isOp("("));
}

// The right operand of the operator at k, with the '*' and '/' that bind tighter.
size_t rightOperandEnd(const Tokens &t, size_t k) {
    size_t right = operandEnd(t, k);
    while (right + 1 < t.size() && (t[right].isOp("*") || t[right].isOp("/")))
        right = operandEnd(t, right);
    return right;
}

// One operator turned into a call: its operands [left, k) and (k, right).
struct DateCall {
    size_t left = 0;
    size_t right = 0;
    bool date = false; // the call's result: DATE_ADD gives a DATE, DATE_DIFF a NUMBER
};

class DateRewriter {
public:
    DateRewriter(StatementTokens &st, const std::string &schema, const NameResolver &resolver)
        : m_st(st), m_t(st.tokens), m_schema(schema), m_resolver(resolver) {}

    void run() {
        for (size_t k = 1; k + 1 < m_t.size(); ++k)
            if (isAdditive(m_t, k))
                consider(k);
        for (size_t k : m_commas)
            m_st.tokens[k] = op(",");
        m_insertions.apply(m_st, true);
    }

private:
    bool isDate(size_t from, size_t to) {
        if (!m_tables)
            m_tables = namedTables(m_t, m_schema, m_resolver);
        return guessType(m_t, {from, to}, *m_tables, m_resolver).isDate();
    }

    void consider(size_t k) {
        size_t left = operandStart(m_t, k);
        const size_t right = rightOperandEnd(m_t, k);
        if (left >= k || right <= k + 1)
            return;
        // The call made for the operator just before is this one's left operand.
        const bool chained = m_last && m_last->right == k;
        if (chained)
            left = m_last->left;
        const bool dateLeft = chained ? m_last->date : isDate(left, k);
        const bool dateRight = isDate(k + 1, right);
        if (dateLeft || dateRight)
            rewrite(left, k, right, dateLeft && dateRight);
    }

    // left OP right -> FUNCTION(left, right), with DATE - n as FUNCTION(left, -(n)).
    void rewrite(size_t left, size_t k, size_t right, bool bothDates) {
        const bool minus = m_t[k].isOp("-");
        const bool difference = bothDates && minus;
        m_commas.push_back(k);
        if (minus && !bothDates)
            m_insertions.wrap(k + 1, right, {op("-"), op("(")}, {op(")")});
        m_insertions.wrap(left, right,
                          {word(difference ? "OCILITE_DATE_DIFF" : "OCILITE_DATE_ADD"), op("(")},
                          {op(")")});
        m_last = DateCall{left, right, !difference};
    }

    StatementTokens &m_st;
    const Tokens &m_t;
    const std::string &m_schema;
    const NameResolver &m_resolver;
    std::optional<FromTables> m_tables; // looked up at the first candidate
    std::optional<DateCall> m_last;
    std::vector<size_t> m_commas;
    Insertions m_insertions;
};

} // namespace

void rewriteDateArithmetic(StatementTokens &st, const std::string &schema,
                           const NameResolver &resolver) {
    DateRewriter(st, schema, resolver).run();
}

} // namespace ocilite
