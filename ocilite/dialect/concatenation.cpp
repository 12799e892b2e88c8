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
void wrap(Insertions &insertions, size_t from, size_t to) {
    insertions.wrap(from, to, {word("IFNULL"), op("(")}, {op(","), emptyText(), op(")")});
}

} // namespace

void wrapConcatenations(StatementTokens &st) {
    Insertions insertions;
    for (size_t k = 0; k < st.tokens.size(); ++k) {
        if (!st.tokens[k].isOp("||"))
            continue;
        const size_t left = operandStart(st.tokens, k);
        const size_t right = operandEnd(st.tokens, k);
        if (left >= k || right <= k + 1)
            continue;
        wrap(insertions, left, k);
        wrap(insertions, k + 1, right);
    }
    insertions.apply(st, true);
}

} // namespace ocilite
