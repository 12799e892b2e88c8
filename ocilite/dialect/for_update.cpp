// SELECT ... FOR UPDATE [OF columns] [NOWAIT | WAIT n | SKIP LOCKED]: Oracle locks the rows
// it reads. The embedded database has one writer at a time, whose transaction already keeps
// others from changing them, so the clause is read and dropped.
#include "ocilite/dialect/passes.h"

#include "ocilite/engine/errors.h"

namespace ocilite {

void dropForUpdate(Tokens &t) {
    const auto isFor = [](const Token &w) { return w.isWord("FOR"); };
    size_t at = topLevel(t, 0, isFor);
    while (at + 1 < t.size() && !t[at + 1].isWord("UPDATE"))
        at = topLevel(t, at + 1, isFor);
    if (at + 1 >= t.size())
        return;
    size_t i = at + 2;
    if (i < t.size() && t[i].isWord("OF")) {
        // column [, column ...], each possibly qualified
        do {
            ++i;
            while (i < t.size() && (isNameToken(t[i]) || t[i].isOp(".")))
                ++i;
        } while (i < t.size() && t[i].isOp(","));
    }
    if (i < t.size() && t[i].isWord("NOWAIT"))
        ++i;
    else if (i + 1 < t.size() && t[i].isWord("WAIT") && t[i + 1].kind == TokenKind::Number)
        i += 2;
    else if (i + 1 < t.size() && t[i].isWord("SKIP") && t[i + 1].isWord("LOCKED"))
        i += 2;
    if (i < t.size())
        throw OraError(kOraNotProperlyEnded);
    t.erase(t.begin() + static_cast<long>(at), t.end());
}

} // namespace ocilite
