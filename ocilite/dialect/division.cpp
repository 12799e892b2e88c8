// Oracle refuses a division by zero (ORA-01476) where SQLite answers NULL: the right operand
// of each '/' goes through the engine's OCILITE_DIVISOR, which refuses a zero.
#include "ocilite/dialect/passes.h"

namespace ocilite {
namespace {

// The END that closes the CASE at `at`, or tokens.size().
size_t caseEnd(const Tokens &t, size_t at) {
    int depth = 0;
    for (size_t i = at; i < t.size(); ++i) {
        if (t[i].isWord("CASE"))
            ++depth;
        else if (t[i].isWord("END") && --depth == 0)
            return i;
    }
    return t.size();
}

// One past the right operand of the '/' at k (prefix signs, a CASE, a term); k + 1 when the
// operand has no shape the pass knows.
size_t divisorEnd(const Tokens &t, size_t k) {
    size_t j = k + 1;
    while (j < t.size() && (t[j].isOp("-") || t[j].isOp("+")))
        ++j;
    if (j >= t.size())
        return k + 1;
    if (t[j].isWord("CASE")) {
        const size_t end = caseEnd(t, j);
        return end < t.size() ? end + 1 : k + 1;
    }
    const size_t end = operandEnd(t, j - 1);
    return end > j ? end : k + 1;
}

} // namespace

void wrapDivisors(StatementTokens &st) {
    Insertions insertions;
    for (size_t k = 1; k < st.tokens.size(); ++k) {
        if (!st.tokens[k].isOp("/"))
            continue;
        const size_t end = divisorEnd(st.tokens, k);
        if (end > k + 1)
            insertions.wrap(k + 1, end, {word("OCILITE_DIVISOR"), op("(")}, {op(")")});
    }
    insertions.apply(st, true);
}

} // namespace ocilite
