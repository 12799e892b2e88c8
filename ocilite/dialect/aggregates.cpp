// SUM and AVG add what SQLite can read as a number, so SUM(ename) is 0 and AVG(hiredate) a
// year; Oracle refuses both. The argument of each becomes OCILITE_NUMBER(argument), which
// passes numbers as they are and converts text or refuses it with ORA-01722.
#include "ocilite/dialect/passes.h"

namespace ocilite {

void wrapAggregateArguments(StatementTokens &st) {
    const Tokens &t = st.tokens;
    Insertions insertions;
    for (size_t i = 0; i + 2 < t.size(); ++i) {
        if (!(t[i].isWord("SUM") || t[i].isWord("AVG")) || !t[i + 1].isOp("("))
            continue;
        const size_t close = matchingParen(t, i + 1, 1);
        if (close == SIZE_MAX)
            continue;
        size_t from = i + 2;
        if (t[from].isWord("DISTINCT") || t[from].isWord("ALL") || t[from].isWord("UNIQUE"))
            ++from;
        if (from < close)
            insertions.wrap(from, close, {word("OCILITE_NUMBER"), op("(")}, {op(")")});
    }
    insertions.apply(st, true);
}

} // namespace ocilite
