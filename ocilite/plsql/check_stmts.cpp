// Statements: the names in each statement's own expressions, then the statements nested in
// it; a statement with an error gets Oracle's "PL/SQL: Statement ignored" row after the
// error ("PL/SQL: SQL Statement ignored" for SQL).
#include "ocilite/plsql/checker.h"

namespace ocilite::plsql {
namespace {

bool nested(NK k) {
    return k == NK::StmtList || k == NK::ElsifPart || k == NK::ElsePart || k == NK::WhenPart ||
           k == NK::Handler;
}

} // namespace

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
    if (!s || !s->readOnly || s->duplicate)
        return 0;
    addAt(Msg::NotAssignable, tok(target->child), {id});
    return 1;
}

void Checker::statements(Scope &outer, const Node *list) {
    if (!list || list->kind != NK::StmtList)
        return;
    Scope scope{&outer, {}};
    for (const Node *s = list->child; s; s = s->next)
        if (s->kind == NK::Label)
            scope.names[text(s->tok)] = Symbol{SymKind::Label, {}};
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

void Checker::loop(Scope &outer, const Node *s) {
    Scope scope{&outer, {}};
    int errors = 0;
    if (s->kind == NK::ForNum || s->kind == NK::ForCursor) {
        for (const Node *c = s->child; c && c->kind != NK::StmtList; c = c->next)
            errors += c->kind == NK::Select ? sql(outer, c, s) : expressions(outer, c);
        Symbol index;
        index.readOnly = s->kind == NK::ForNum;
        scope.names[text(s->tok)] = index;
    } else if (s->kind == NK::While) {
        errors = expressions(outer, s->child);
    }
    if (errors)
        add(s->child && s->child->kind == NK::Select ? Msg::SqlStatementIgnored
                                                     : Msg::StatementIgnored,
            s);
    for (const Node *c = s->child; c; c = c->next)
        if (c->kind == NK::StmtList)
            statements(scope, c);
}

void Checker::statement(Scope &scope, const Node *s) {
    switch (s->kind) {
    case NK::Block:
        block(scope, s);
        return;
    case NK::Loop:
    case NK::While:
    case NK::ForNum:
    case NK::ForCursor:
        loop(scope, s);
        return;
    case NK::SqlStmt:
        if (selectWithoutInto(s))
            add(Msg::IntoExpected, s);
        else if (sql(scope, s->child, s))
            add(Msg::SqlStatementIgnored, s);
        return;
    case NK::Assign:
        if (assignTarget(scope, s->child)) {
            add(Msg::StatementIgnored, s);
            return;
        }
        break;
    case NK::Label:
    case NK::Null:
    case NK::Goto:
    case NK::Pragma:
        return;
    default:
        break;
    }
    int errors = 0;
    for (const Node *c = s->child; c; c = c->next) {
        if (c->kind == NK::Select || c->kind == NK::SqlStmt || c->kind == NK::Into ||
            c->kind == NK::Returning)
            continue;
        if (c->kind == NK::StmtList)
            continue;
        if (nested(c->kind)) {
            for (const Node *g = c->child; g; g = g->next)
                if (!nested(g->kind))
                    errors += expressions(scope, g);
        } else {
            errors += expressions(scope, c);
        }
    }
    if (errors)
        add(Msg::StatementIgnored, s);
    for (const Node *c = s->child; c; c = c->next) {
        if (c->kind == NK::StmtList)
            statements(scope, c);
        else if (nested(c->kind))
            for (const Node *g = c->child; g; g = g->next)
                if (g->kind == NK::StmtList)
                    statements(scope, g);
        if (c->kind == NK::SqlStmt)
            statement(scope, c);
    }
}

} // namespace ocilite::plsql
