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
        scope.names[text(s->tok)] = Symbol{};
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
        if (sql(scope, s->child, s))
            add(Msg::SqlStatementIgnored, s);
        return;
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
