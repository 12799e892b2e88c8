// Compile warnings, reported only as PLSQL_WARNINGS enables them (ATTRIBUTE 'WARNING'; as
// errors under ERROR:): PLW-05004 for a declaration named like a name of STANDARD or a SQL
// built-in, at the name; PLW-06002 for the branch of an IF whose condition is known when
// compiling (TRUE, FALSE, a comparison of two numbers, a BOOLEAN constant of TRUE or FALSE),
// at the branch's first statement.
#include "ocilite/plsql/checker.h"

#include "ocilite/plsql/catalogue.h"
#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql/lexer.h"

#include <cstdlib>

namespace ocilite::plsql {

void Checker::warn(Msg m, const Token &at, const std::vector<std::string_view> &params) {
    const WarningState state =
        m_warnings ? m_warnings->state(messageNumber(m)) : WarningState::Disable;
    if (state == WarningState::Disable)
        return;
    m_diags.add(m, at.line, at.col, params);
    if (state == WarningState::Enable)
        m_diags.markLastAsWarning();
}

void Checker::shadowsBuiltin(const Node *decl) {
    if (!m_warnings)
        return;
    const std::string id = text(decl->tok);
    const Catalogue &cat = Catalogue::instance();
    if (cat.isStandard(id) || cat.isSqlFunction(id))
        warn(Msg::ShadowsBuiltin, m_unit.tokens[decl->tok], {id});
}

// 1 for a condition certainly TRUE, 0 for one certainly FALSE, -1 when not known here.
int Checker::staticTruth(const Scope &scope, const Node *cond) const {
    if (!cond)
        return -1;
    if (cond->kind == NK::Paren)
        return cond->child && !cond->child->next ? staticTruth(scope, cond->child) : -1;
    if (cond->kind == NK::Literal)
        return isWord(tok(cond), Kw::TRUE_) ? 1 : isWord(tok(cond), Kw::FALSE_) ? 0 : -1;
    if (const Symbol *s = plainItem(scope, cond))
        return s->readOnly ? s->truth : -1;
    const Node *a = cond->kind == NK::Binary ? cond->child : nullptr;
    const Node *b = a ? a->next : nullptr;
    if (!b || a->kind != NK::Literal || b->kind != NK::Literal || tok(a).kind != Tok::Number ||
        tok(b).kind != Tok::Number)
        return -1;
    const double x = std::atof(std::string(tokenText(m_unit.source, tok(a))).c_str());
    const double y = std::atof(std::string(tokenText(m_unit.source, tok(b))).c_str());
    const std::string op(tokenText(m_unit.source, m_unit.tokens[a->end]));
    if (op == "=")
        return x == y;
    if (op == "<>" || op == "!=" || op == "~=" || op == "^=")
        return x != y;
    if (op == "<" || op == ">" || op == "<=" || op == ">=")
        return op == "<" ? x < y : op == ">" ? x > y : op == "<=" ? x <= y : x >= y;
    return -1;
}

// IF c THEN ... [ELSE ...] END IF (no ELSIF) whose condition is known: the branch never
// taken, at its first statement.
void Checker::unreachableBranch(const Scope &scope, const Node *s) {
    const Node *cond = s->child;
    const Node *thenPart = cond ? cond->next : nullptr;
    if (!m_warnings || !thenPart || thenPart->kind != NK::StmtList)
        return;
    const Node *elsePart = thenPart->next;
    if (elsePart && (elsePart->kind != NK::ElsePart || elsePart->next))
        return;
    const int truth = staticTruth(scope, cond);
    const Node *dead = truth == 0 ? thenPart : truth == 1 && elsePart ? elsePart->child : nullptr;
    if (dead && dead->kind == NK::StmtList && dead->child)
        warn(Msg::Unreachable, tok(dead->child));
}

} // namespace ocilite::plsql
