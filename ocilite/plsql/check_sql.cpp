// SQL inside PL/SQL checked against the dictionary: every table, view or synonym a
// statement reads or writes must exist (PL/SQL: ORA-00942; in a FROM list the last missing
// one is reported, as Oracle resolves the list from its end), every sequence it reads
// (PL/SQL: ORA-02289), and SELECT ... INTO targets must resolve. Names of other schemas, of
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
    if (const auto obj = resolved(owner, id)) {
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
        if (n->kind == NK::Other && n->child && n->child->kind == NK::TableRef) {
            if (fromList(n, ctes))
                return 1;
            continue;
        }
        if (n->kind == NK::TableRef && tableRef(n, ctes))
            return 1;
        if (n->child && tableRefs(n->child, ctes))
            return 1;
    }
    return 0;
}

// A FROM list: its tables from the last to the first, then what is nested in its entries.
int Checker::fromList(const Node *from, std::vector<std::string> &ctes) {
    std::vector<const Node *> refs;
    for (const Node *c = from->child; c; c = c->next)
        if (c->kind == NK::TableRef)
            refs.push_back(c);
    for (auto it = refs.rbegin(); it != refs.rend(); ++it)
        if (tableRef(*it, ctes))
            return 1;
    for (const Node *c = from->child; c; c = c->next)
        if (c->child && tableRefs(c->child, ctes))
            return 1;
    return 0;
}

// PL/SQL: ORA-02289 for seq.NEXTVAL / seq.CURRVAL when the schema has no such object.
int Checker::sequences(const Scope &scope, const Node *n) {
    for (; n; n = n->next) {
        const Node *first = n->kind == NK::Name ? n->child : nullptr;
        const Node *second = first ? first->next : nullptr;
        if (first && first->kind == NK::Part && second && second->kind == NK::Part &&
            !second->next && (text(second) == "NEXTVAL" || text(second) == "CURRVAL")) {
            const std::string id = text(first);
            if (const auto obj = resolved(m_owner, id)) {
                depend(obj->owner, obj->name, obj->type);
            } else if (!scope.find(id) && !Catalogue::isSuppliedName(id)) {
                addAt(Msg::SequenceMissing, tok(first));
                return 1;
            }
        }
        if (n->child && sequences(scope, n->child))
            return 1;
    }
    return 0;
}

// SELECT ... INTO targets that do not resolve: their errors, then "PL/SQL: ORA-00904: :
// invalid identifier" at the word after the INTO list, as Oracle reports them.
namespace {

// The query block of SELECT ... INTO and its INTO list, or null.
const Node *intoOf(const Node *stmt, const Node **block) {
    const Node *b = stmt->child && stmt->child->kind == NK::Select ? stmt->child->child : nullptr;
    while (b && b->kind == NK::WithClause)
        b = b->next;
    *block = b;
    for (const Node *c = b && b->kind == NK::QueryBlock ? b->child : nullptr; c; c = c->next)
        if (c->kind == NK::Into)
            return c;
    return nullptr;
}

} // namespace

int Checker::selectInto(const Scope &scope, const Node *stmt) {
    const Node *block = nullptr;
    const Node *into = intoOf(stmt, &block);
    if (!into)
        return 0;
    m_intoTargets = true;
    const int errors = expressions(scope, into);
    m_intoTargets = false;
    if (!errors)
        return 0;
    if (into->end < m_unit.tokens.size())
        addAt(Msg::InvalidIdent, m_unit.tokens[into->end], {""});
    return 1;
}

namespace {

// The number of values a SELECT list gives; 0 when a * leaves it to the tables.
size_t selectListSize(const Node *block) {
    size_t columns = 0;
    for (const Node *item = block->child; item && item->kind == NK::SelectItem;
         item = item->next, ++columns) {
        const Node *e = item->child;
        const Node *last = e && e->kind == NK::Name ? e->child : e;
        while (last && last->next)
            last = last->next;
        if (!e || (last && last->kind == NK::Star))
            return 0;
    }
    return columns;
}

} // namespace

// SELECT ... INTO whose list of values does not fit its targets, at the word after the INTO
// list (Oracle checks the count there): PL/SQL: ORA-00913 when the targets take more values
// than the query gives, ORA-00947 when they take fewer. A single record takes one value a
// field; several targets count only when each certainly takes one value.
int Checker::intoRecord(const Scope &scope, const Node *stmt) {
    const Node *block = nullptr;
    const Node *into = intoOf(stmt, &block);
    const Node *target = into ? into->child : nullptr;
    const Node *from = into ? into->next : nullptr;
    const size_t columns = target && from ? selectListSize(block) : 0;
    if (!columns)
        return 0;
    const Symbol *record = !target->next ? plainItem(scope, target) : nullptr;
    if (!record || !record->fields || record->fields->empty())
        return intoCount(scope, into, columns);
    const size_t fields = record->fields->size();
    if (columns < fields)
        add(Msg::TooManyValues, from);
    else if (columns > fields && record->tableRow)
        add(Msg::NotEnoughValues, from);
    else
        return 0;
    return 1;
}

int Checker::intoCount(const Scope &scope, const Node *into, size_t columns) {
    size_t targets = 0;
    for (const Node *t = into->child; t; t = t->next, ++targets) {
        const Symbol *s = t->kind == NK::BindVar ? nullptr : plainItem(scope, t);
        if (t->kind != NK::BindVar && (!s || !s->oneValue || s->fields))
            return 0;
    }
    if (targets == columns)
        return 0;
    add(targets > columns ? Msg::TooManyValues : Msg::NotEnoughValues, into->next);
    return 1;
}

// INSERT INTO t (a, b): PL/SQL: ORA-00904 at the first column the table does not have.
int Checker::insertColumns(const Node *insert) {
    const Node *table = insert->child;
    const Node *cols =
        table && table->next && table->next->kind == NK::ExprList ? table->next : nullptr;
    SqlTable t;
    if (!cols || !columnTable(table, t))
        return 0;
    for (const Node *c = cols->child; c; c = c->next) {
        const Node *part = c->kind == NK::Name ? c->child : nullptr;
        if (!part || part->kind != NK::Part || part->next)
            continue;
        if (std::find(t.columns.begin(), t.columns.end(), text(part)) == t.columns.end()) {
            addAt(Msg::InvalidIdent, tok(part), {"\"" + text(part) + "\""});
            return 1;
        }
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
    if (tableRefs(&copy, ctes) || sequences(scope, &copy))
        return 1;
    if (stmt && stmt->kind == NK::SqlStmt && stmt->op == uint16_t(Kw::INSERT))
        return insertColumns(root) ? 1 : valueCount(root);
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
