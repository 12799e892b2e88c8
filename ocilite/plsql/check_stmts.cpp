// Statements: the names in each statement's own expressions, then the statements nested in
// it. A statement with an error gets Oracle's "PL/SQL: Statement ignored" row after the error
// ("PL/SQL: SQL Statement ignored" for SQL and FETCH) and nothing nested in it is analysed;
// IF and CASE go branch by branch, and a condition in error ends the statement there.
#include "ocilite/plsql/checker.h"

#include <algorithm>

namespace ocilite::plsql {

// PLS-00428: a SELECT statement of PL/SQL must have INTO.
bool Checker::selectWithoutInto(const Node *s) const {
    const Node *select = s->child;
    if (!select || select->kind != NK::Select)
        return false;
    const Node *block = select->child;
    while (block && block->kind == NK::WithClause)
        block = block->next;
    if (!block || block->kind != NK::QueryBlock)
        return false;
    for (const Node *c = block->child; c; c = c->next)
        if (c->kind == NK::Into)
            return false;
    return true;
}

// PLS-00363 when an assignment's target is an IN parameter, a constant or a loop index.
int Checker::assignTarget(const Scope &scope, const Node *target) {
    if (!target || target->kind != NK::Name || !target->child || target->child->kind != NK::Part ||
        target->child->next)
        return 0;
    const std::string id = text(target->child);
    const Symbol *s = scope.find(id);
    if (!s || !s->readOnly || s->duplicate || s->later)
        return 0;
    addAt(Msg::NotAssignable, tok(target->child), {id});
    return 1;
}

// Oracle reports an item whose every use is an error once per statement.
bool Checker::firstInStatement(const std::string &id) {
    if (std::find(m_statementReported.begin(), m_statementReported.end(), id) !=
        m_statementReported.end())
        return false;
    m_statementReported.push_back(id);
    return true;
}

void Checker::statements(Scope &outer, const Node *list) {
    if (!list || list->kind != NK::StmtList)
        return;
    Scope scope{&outer, {}};
    for (const Node *s = list->child; s; s = s->next)
        if (s->kind == NK::Label)
            scope.names[text(s->tok)] = Symbol::of(SymKind::Label);
    for (const Node *s = list->child; s; s = s->next)
        statement(scope, s);
}

void Checker::block(Scope &outer, const Node *b) {
    Scope scope{&outer, {}};
    const Node *part = b->child;
    if (part && part->kind == NK::DeclList) {
        declarations(scope, part);
        forwardDeclarations(part);
        part = part->next;
    }
    for (; part; part = part->next)
        if (part->kind == NK::StmtList)
            statements(scope, part);
        else if (part->kind == NK::Block)
            block(scope, part);
}

// The expressions a statement holds itself: not its nested statements, not its SQL.
int Checker::ownExpressions(Scope &scope, const Node *s) {
    int errors = 0;
    for (const Node *c = s->child; c; c = c->next) {
        switch (c->kind) {
        case NK::Select:
        case NK::SqlStmt:
        case NK::Returning:
        case NK::StmtList:
            continue;
        case NK::Into:
            if (s->kind == NK::Fetch || s->kind == NK::ExecImmediate)
                errors += expressions(scope, c);
            continue;
        default:
            errors += expressions(scope, c);
        }
    }
    return errors;
}

// One condition of an IF or CASE (or a CASE's selector); true when it ended the statement.
bool Checker::branchCondition(Scope &scope, const Node *s, const Node *cond) {
    m_statementReported.clear();
    int errors = expressions(scope, cond);
    if (!errors && s->kind == NK::If)
        errors = condition(scope, cond);
    if (errors)
        add(Msg::StatementIgnored, s);
    return errors != 0;
}

void Checker::conditional(Scope &scope, const Node *s) {
    if (s->kind == NK::If)
        unreachableBranch(scope, s);
    for (const Node *c = s->child; c; c = c->next) {
        if (c->kind == NK::StmtList) {
            statements(scope, c);
            continue;
        }
        if (c->kind != NK::ElsifPart && c->kind != NK::WhenPart && c->kind != NK::ElsePart) {
            if (branchCondition(scope, s, c))
                return;
            continue;
        }
        for (const Node *g = c->child; g; g = g->next)
            if (g->kind == NK::StmtList)
                statements(scope, g);
            else if (branchCondition(scope, s, g))
                return;
    }
}

// A SQL statement: PLS-00428, then its INTO targets, then the dictionary.
void Checker::sqlStatement(Scope &scope, const Node *s) {
    if (selectWithoutInto(s))
        add(Msg::IntoExpected, s);
    else if (selectInto(scope, s) || sql(scope, s->child, s) || intoRecord(scope, s))
        add(Msg::SqlStatementIgnored, s);
}

void Checker::statement(Scope &scope, const Node *s) {
    m_statementReported.clear();
    switch (s->kind) {
    case NK::Block:
        return block(scope, s);
    case NK::Loop:
    case NK::While:
    case NK::ForNum:
    case NK::ForCursor:
        return loop(scope, s);
    case NK::If:
    case NK::Case:
        return conditional(scope, s);
    case NK::SqlStmt:
        return sqlStatement(scope, s);
    case NK::Label:
    case NK::Null:
    case NK::Goto:
    case NK::Pragma:
        return;
    case NK::Assign:
        if (assignTarget(scope, s->child))
            return add(Msg::StatementIgnored, s);
        break;
    default:
        break;
    }
    m_callTarget = s->kind == NK::CallStmt ? s->child : nullptr;
    int errors = ownExpressions(scope, s);
    m_callTarget = nullptr;
    if (!errors && s->kind == NK::Assign)
        errors = assignment(scope, s->child, s->child->next);
    if (!errors && s->kind == NK::Fetch)
        errors = fetchTargets(scope, s);
    if (!errors && (s->kind == NK::Exit || s->kind == NK::Continue) && s->child)
        errors = condition(scope, s->child);
    if (errors)
        return add(s->kind == NK::Fetch ? Msg::SqlStatementIgnored : Msg::StatementIgnored, s);
    for (const Node *c = s->child; c; c = c->next)
        if (c->kind == NK::StmtList)
            statements(scope, c);
        else if (c->kind == NK::SqlStmt)
            statement(scope, c);
}

} // namespace ocilite::plsql
