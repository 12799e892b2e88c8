// Loops: WHILE and FOR headers and the index a FOR declares. PLS-00364 where a numeric FOR's
// bounds name its own index, and at every use of a cursor FOR loop's record when the
// cursor's query has errors; PLS-00402 at the FOR when the cursor's select list repeats a
// column name. A header in error ends the loop's analysis ("PL/SQL: Statement ignored").
#include "ocilite/plsql/checker.h"

#include <algorithm>

namespace ocilite::plsql {

void Checker::loop(Scope &outer, const Node *s) {
    Symbol index;
    if (loopHeader(outer, s, index)) {
        add(Msg::StatementIgnored, s);
        return;
    }
    Scope scope{&outer, {}};
    if (s->kind == NK::ForNum || s->kind == NK::ForCursor)
        scope.names[text(s->tok)] = index;
    for (const Node *c = s->child; c; c = c->next)
        if (c->kind == NK::StmtList)
            statements(scope, c);
}

// The loop's header; a cursor FOR loop over a failed query gets an index that is an error
// wherever it is used.
int Checker::loopHeader(Scope &outer, const Node *s, Symbol &index) {
    const Node *head = s->child && s->child->kind != NK::StmtList ? s->child : nullptr;
    if (s->kind == NK::While) {
        const int errors = expressions(outer, head);
        return errors ? errors : condition(outer, head);
    }
    if (s->kind == NK::ForNum) {
        index.readOnly = true;
        index.value = ValueKind::Scalar;
        int errors = 0;
        for (const Node *b = head; b && b->kind != NK::StmtList; b = b->next)
            errors += boundsUseIndex(b, text(s->tok));
        for (const Node *b = head; !errors && b && b->kind != NK::StmtList; b = b->next)
            errors += expressions(outer, b);
        return errors;
    }
    if (s->kind != NK::ForCursor || !head)
        return 0;
    if (head->kind == NK::Select) {
        if (sql(outer, head, s)) {
            add(Msg::SqlStatementIgnored, head);
            index.badIndex = true;
            return 0;
        }
        return duplicateColumns(outer, head, s);
    }
    if (const int errors = expressions(outer, head))
        return errors;
    const Node *first = head->kind == NK::Name ? head->child : nullptr;
    const Symbol *cursor = first && first->kind == NK::Part ? outer.find(text(first)) : nullptr;
    if (!cursor || cursor->kind != SymKind::Cursor)
        return 0;
    if (cursor->failedQuery) {
        index.badIndex = true;
        return 0;
    }
    return cursor->query ? duplicateColumns(outer, cursor->query, s) : 0;
}

// PLS-00364 for each use of the index in the bounds of its own FOR loop.
int Checker::boundsUseIndex(const Node *n, const std::string &index) {
    if (!n)
        return 0;
    if (n->kind == NK::Name && n->child && n->child->kind == NK::Part && text(n->child) == index) {
        addAt(Msg::LoopIndexUse, tok(n->child), {index});
        return 1;
    }
    int errors = 0;
    for (const Node *c = n->child; c; c = c->next)
        errors += boundsUseIndex(c, index);
    return errors;
}

// PLS-00402 when two columns of the cursor's select list have one name (an alias, or the
// last identifier of a column reference); a list with * or unnamed expressions is only
// checked among its named columns.
int Checker::duplicateColumns(const Scope &scope, const Node *query, const Node *loop) {
    (void)scope;
    const Node *block = query->child;
    while (block && block->kind == NK::WithClause)
        block = block->next;
    if (!block || block->kind != NK::QueryBlock)
        return 0;
    std::vector<std::string> names;
    for (const Node *item = block->child; item && item->kind == NK::SelectItem; item = item->next) {
        std::string name;
        if (item->tok != item->first) {
            name = text(item->tok);
        } else if (const Node *e = item->child; e && e->kind == NK::Name) {
            const Node *last = e->child;
            bool plain = last && last->kind == NK::Part;
            while (plain && last->next)
                plain = (last = last->next)->kind == NK::Part;
            if (!plain)
                continue;
            name = text(last);
        } else {
            continue;
        }
        if (std::find(names.begin(), names.end(), name) != names.end()) {
            add(Msg::AliasRequired, loop);
            return 1;
        }
        names.push_back(name);
    }
    return 0;
}

} // namespace ocilite::plsql
