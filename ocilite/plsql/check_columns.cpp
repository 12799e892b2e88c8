// Column names in SQL inside PL/SQL (PL/SQL: ORA-00904 "X": invalid identifier): checked
// only where every table of the statement is the schema's own table or view with known
// columns and no subquery stands in FROM; a name that is no column may still be a PL/SQL
// item in scope, a built-in, a pseudocolumn or a schema function, and then it is fine.
#include "ocilite/plsql/checker.h"

#include "ocilite/plsql/catalogue.h"

#include <algorithm>

namespace ocilite::plsql {
namespace {

bool has(const std::vector<std::string> &list, const std::string &id) {
    return std::find(list.begin(), list.end(), id) != list.end();
}

} // namespace

// The table a FROM entry names, with its alias and columns; false when it cannot be known.
bool Checker::columnTable(const Node *ref, SqlTable &table) {
    const Node *n = ref->child;
    if (ref->kind != NK::TableRef || ref->flags || !n || n->kind != NK::Name || n->flags ||
        !n->child || n->child->next)
        return false;
    table.name = text(n->child);
    table.alias = ref->tok != ref->first ? text(ref->tok) : table.name;
    const auto obj = resolved(m_owner, table.name);
    if (!obj || (obj->type != "TABLE" && obj->type != "VIEW"))
        return false;
    auto cols = m_schema.columns(obj->owner, obj->name);
    if (!cols)
        return false;
    table.columns = std::move(*cols);
    return true;
}

// "X" or "E"."X": a name that is not a column of the statement's tables.
int Checker::columnName(const Scope &scope, const Node *n, const std::vector<SqlTable> &tables) {
    const Node *first = n->child;
    const Node *second = first->next;
    if (!second) {
        const std::string id = text(first);
        for (const SqlTable &t : tables)
            if (has(t.columns, id))
                return 0;
        const Catalogue &cat = Catalogue::instance();
        if (scope.find(id) || cat.isStandard(id) || cat.isSqlFunction(id) || isSyntaxFunction(id) ||
            resolved(m_owner, id))
            return 0;
        addAt(Msg::InvalidIdent, tok(first), {"\"" + id + "\""});
        return 1;
    }
    if (second->kind != NK::Part || (second->next && second->next->kind == NK::Part))
        return 0;
    const std::string qualifier = text(first);
    for (const SqlTable &t : tables) {
        if (t.alias != qualifier)
            continue;
        if (has(t.columns, text(second)))
            return 0;
        addAt(Msg::InvalidIdent, tok(first), {"\"" + qualifier + "\".\"" + text(second) + "\""});
        return 1;
    }
    return 0;
}

// Walks one query block's or DML statement's expressions; subqueries are left alone.
int Checker::columnNames(const Scope &scope, const Node *n, const std::vector<SqlTable> &tables) {
    for (; n; n = n->next) {
        switch (n->kind) {
        case NK::Subquery:
        case NK::Select:
        case NK::Into:
        case NK::BindVar:
        case NK::Literal:
        case NK::TableRef:
        case NK::NamedArg:
            continue;
        case NK::Name: {
            const Node *first = n->child;
            const bool call = first && first->next && first->next->kind == NK::Args;
            bool plain = first && first->kind == NK::Part;
            for (const Node *p = first; p; p = p->next)
                plain = plain && p->kind == NK::Part;
            if (plain && columnName(scope, n, tables))
                return 1;
            if (call && columnNames(scope, first->next->child, tables))
                return 1;
            continue;
        }
        default:
            if (columnNames(scope, n->child, tables))
                return 1;
        }
    }
    return 0;
}

// ORA-00904 for the statement's own query block or UPDATE / DELETE.
int Checker::columns(const Scope &scope, const Node *root) {
    const Node *block = root;
    if (root->kind == NK::Select) {
        block = root->child;
        if (!block || block->kind != NK::QueryBlock ||
            (block->next && block->next->kind != NK::OrderBy))
            return 0;
    }
    std::vector<SqlTable> tables;
    const Node *from = nullptr;
    for (const Node *c = block->child; c; c = c->next)
        if (c->kind == NK::Other && c->child && c->child->kind == NK::TableRef)
            from = c;
    const Node *refs =
        block->kind == NK::QueryBlock ? (from ? from->child : nullptr) : block->child;
    for (const Node *r = refs; r; r = r->next) {
        if (r->kind == NK::Where)
            continue;
        SqlTable t;
        if (r->kind != NK::TableRef || !columnTable(r, t))
            return 0;
        tables.push_back(std::move(t));
        if (block->kind != NK::QueryBlock)
            break;
    }
    if (tables.empty())
        return 0;
    return columnNames(scope, block->child, tables);
}

} // namespace ocilite::plsql
