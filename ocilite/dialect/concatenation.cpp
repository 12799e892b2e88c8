// Oracle's || treats NULL as an empty string, SQLite's yields NULL: each operand of || is
// wrapped in IFNULL(operand, '').
#include "ocilite/dialect/passes.h"

namespace ocilite {
namespace {

// Emitted as '' itself (a String token '' would become NULL).
Token emptyText() {
    return word("''");
}

// IFNULL( before `from` and , '') before `to`.
void wrap(StatementTokens &st, size_t from, size_t to) {
    st.insert(to, op(")"));
    st.insert(to, emptyText());
    st.insert(to, op(","));
    st.insert(from, op("("));
    st.insert(from, word("IFNULL"));
}

} // namespace

void wrapConcatenations(StatementTokens &st) {
    for (size_t k = 0; k < st.tokens.size(); ++k) {
        if (!st.tokens[k].isOp("||"))
            continue;
        const size_t left = operandStart(st.tokens, k);
        const size_t right = operandEnd(st.tokens, k);
        if (left >= k || right <= k + 1)
            continue;
        wrap(st, k + 1, right);
        wrap(st, left, k);
        k += 6; // the five tokens before || and the ones just inserted after it
    }
}

} // namespace ocilite
