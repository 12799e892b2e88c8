// SQL inside PL/SQL checked against the dictionary: every table, view or synonym a
// statement reads or writes must exist (PL/SQL: ORA-00942). Names of other schemas, of
// database links, of the dictionary and of table functions are left to the database.
#include "ocilite/plsql/checker.h"

#include "ocilite/plsql/catalogue.h"
#include "ocilite/plsql/keywords.h"

#include <algorithm>

namespace ocilite::plsql {

int Checker::tableRef(const Node *ref, const std::vector<std::string> &ctes) {
    const Node *n = ref->child;
    if (ref->flags || !n || n->kind != NK::Name || n->flags || !n->child)
        return 0;
    const Node *first = n->child;
    std::string owner = m_owner;
    const Node *table = first;
    if (first->next) {
        owner = text(first);
        table = first->next;
        if (owner != m_owner)
            return 0; // another schema: its grants decide
    }
    const std::string id = text(table);
    if (!first->next && std::find(ctes.begin(), ctes.end(), id) != ctes.end())
        return 0;
    if (Catalogue::isSuppliedName(id))
        return 0;
    if (const auto obj = m_schema.object(owner, id)) {
        depend(obj->owner, obj->name, obj->type);
        return 0;
    }
    addAt(Msg::TableMissing, tok(table));
    return 1;
}

// Walks a statement's tree; the first missing table ends the statement's analysis.
int Checker::tableRefs(const Node *n, std::vector<std::string> &ctes) {
    for (; n; n = n->next) {
        if (n->kind == NK::WithClause)
            for (const Node *item = n->child; item; item = item->next)
                ctes.push_back(text(item->tok));
        if (n->kind == NK::TableRef && tableRef(n, ctes))
            return 1;
        if (n->child && tableRefs(n->child, ctes))
            return 1;
    }
    return 0;
}

int Checker::sql(const Scope &scope, const Node *root, const Node *stmt) {
    if (!root)
        return 0;
    std::vector<std::string> ctes;
    // Only this statement's own subtree: its siblings are other parts of the parent.
    Node copy = *root;
    copy.next = nullptr;
    if (tableRefs(&copy, ctes))
        return 1;
    if (stmt && stmt->kind == NK::SqlStmt && stmt->op == uint16_t(Kw::INSERT))
        return valueCount(root);
    return columns(scope, root);
}

// ORA-00947 / ORA-00913 when INSERT ... VALUES (...) has fewer / more values than the
// columns it names (or than the table has), at the table's name as Oracle reports it.
int Checker::valueCount(const Node *insert) {
    const Node *table = insert->child;
    if (!table || table->kind != NK::TableRef || table->flags || !table->child)
        return 0;
    const Node *cols = table->next && table->next->kind == NK::ExprList ? table->next : nullptr;
    const Node *values = cols ? cols->next : table->next;
    if (!values || values->kind != NK::Values || !values->child || values->child->kind != NK::Paren)
        return 0;
    auto count = [](const Node *n) {
        size_t k = 0;
        for (const Node *c = n ? n->child : nullptr; c; c = c->next)
            ++k;
        return k;
    };
    size_t expected = count(cols);
    const Node *name = table->child->child;
    if (!cols) {
        if (!name || name->next)
            return 0;
        const auto columns = m_schema.columns(m_owner, text(name));
        if (!columns)
            return 0;
        expected = columns->size();
    }
    const size_t given = count(values->child);
    if (given == expected || !name)
        return 0;
    addAt(given < expected ? Msg::NotEnoughValues : Msg::TooManyValues, tok(name));
    return 1;
}

} // namespace ocilite::plsql
