// UPDATE emp e SET e.sal = ..., (e.a, e.b) = (SELECT ...): Oracle lets the columns of SET
// carry the table's alias or name; SQLite wants them bare.
#include "ocilite/dialect/passes.h"

namespace ocilite {
namespace {

// Drops the qualifiers of the name starting at i ("A.B.C" -> "C"); returns the position
// after the name.
size_t unqualify(Tokens &t, size_t i) {
    if (i >= t.size() || !isNameToken(t[i]))
        return i;
    while (i + 2 < t.size() && t[i + 1].isOp(".") && isNameToken(t[i + 2]))
        t.erase(t.begin() + static_cast<long>(i), t.begin() + static_cast<long>(i) + 2);
    return i + 1;
}

bool endsSetList(const Token &t) {
    return t.isWord("WHERE") || t.isWord("RETURNING") || t.isWord("RETURN") || t.isWord("LOG") ||
           t.isWord("FROM");
}

} // namespace

void unqualifySetColumns(Tokens &t) {
    size_t i = topLevel(t, 0, [](const Token &w) { return w.isWord("SET"); });
    int depth = 0;
    bool itemStart = true;
    for (++i; i < t.size(); ++i) {
        if (itemStart) {
            itemStart = false;
            if (t[i].isOp("(")) {
                for (size_t j = i + 1; j < t.size() && !t[j].isOp(")");) {
                    const size_t next = unqualify(t, j);
                    j = next == j ? j + 1 : next;
                }
            } else {
                unqualify(t, i);
            }
        }
        if (t[i].isOp("("))
            ++depth;
        else if (t[i].isOp(")"))
            --depth;
        else if (depth == 0 && t[i].isOp(","))
            itemStart = true;
        else if (depth == 0 && endsSetList(t[i]))
            return;
    }
}

} // namespace ocilite
