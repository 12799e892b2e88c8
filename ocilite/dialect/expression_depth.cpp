// How deeply a statement nests its expressions: each parenthesis, each CASE and each prefix
// operator (- + NOT PRIOR) in a run takes a level. The passes recurse per level, and SQLite's
// parser refuses little more than a hundred, so a statement nested deeper is refused at once,
// with Oracle's error for an expression too complicated to parse.
#include "ocilite/dialect/passes.h"

#include "ocilite/engine/errors.h"

#include <string>
#include <vector>

namespace ocilite {
namespace {

bool isPrefixOperator(const Token &t, const Token *previous) {
    if (t.isWord("NOT") || t.isWord("PRIOR"))
        return true;
    return (t.isOp("-") || t.isOp("+")) && (!previous || !endsExpression(*previous));
}

} // namespace

void checkExpressionDepth(const Tokens &tokens) {
    int depth = 0;           // parentheses and CASE, with the prefix runs they opened after
    int pending = 0;         // prefix operators waiting for their operand
    std::vector<int> opened; // per open parenthesis or CASE: the levels it took
    const Token *previous = nullptr;
    for (const Token &t : tokens) {
        if (t.isOp("(") || t.isWord("CASE")) {
            opened.push_back(pending + 1);
            depth += pending + 1;
            pending = 0;
        } else if ((t.isOp(")") || t.isWord("END")) && !opened.empty()) {
            depth -= opened.back();
            opened.pop_back();
        } else if (isPrefixOperator(t, previous)) {
            ++pending;
        } else {
            pending = 0;
        }
        if (depth + pending > kMaxExpressionDepth)
            throw OraError(kOraExpressionTooDeep, std::to_string(kMaxExpressionDepth));
        previous = &t;
    }
}

} // namespace ocilite
