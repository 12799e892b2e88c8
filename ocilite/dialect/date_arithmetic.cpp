// DATE + n, DATE - n and DATE - DATE as Oracle computes them, in days: the operator becomes
// a call of the engine's OCILITE_DATE_ADD or OCILITE_DATE_DIFF when an operand is a DATE.
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

// left OP right -> FUNCTION(left, right), with DATE - n as FUNCTION(left, -(n)).
// Returns where the scan goes on.
size_t rewrite(StatementTokens &st, size_t left, size_t k, size_t right, bool dateLeft,
               bool dateRight) {
    const bool minus = st.tokens[k].isOp("-");
    const char *function =
        dateLeft && dateRight && minus ? "OCILITE_DATE_DIFF" : "OCILITE_DATE_ADD";
    st.tokens[k] = op(",");
    if (minus && !(dateLeft && dateRight)) {
        st.insert(right, op(")"));
        st.insert(k + 1, op("("));
        st.insert(k + 1, op("-"));
        right += 3;
    }
    st.insert(right, op(")"));
    st.insert(left, op("("));
    st.insert(left, word(function));
    return left + 1;
}

} // namespace

void rewriteDateArithmetic(StatementTokens &st, const std::string &schema,
                           const NameResolver &resolver) {
    std::optional<FromTables> tables; // looked up at the first candidate
    for (size_t k = 1; k + 1 < st.tokens.size(); ++k) {
        if (!isAdditive(st.tokens, k))
            continue;
        const size_t left = operandStart(st.tokens, k);
        const size_t right = rightOperandEnd(st.tokens, k);
        if (left >= k || right <= k + 1)
            continue;
        if (!tables)
            tables = namedTables(st.tokens, schema, resolver);
        const bool dateLeft = guessType(st.tokens, {left, k}, *tables, resolver).isDate();
        const bool dateRight = guessType(st.tokens, {k + 1, right}, *tables, resolver).isDate();
        if (dateLeft || dateRight)
            k = rewrite(st, left, k, right, dateLeft, dateRight);
    }
}

} // namespace ocilite
