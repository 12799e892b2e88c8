#include "ocilite/plsql_run/support_check.h"

#include "ocilite/dictionary/catalog.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/sqlite_util.h"
#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql/lexer.h"
#include "ocilite/plsql_run/value.h"

namespace ocilite::plsql_run {
namespace {

using plsql::NK;
using plsql::Node;

class SupportCheck {
public:
    SupportCheck(Database &db, const plsql::ParsedUnit &unit) : m_db(db), m_unit(unit) {}

    std::optional<Unsupported> run() {
        collect(m_unit.root);
        try {
            walk(m_unit.root, false);
        } catch (const Unsupported &u) {
            return u;
        }
        return std::nullopt;
    }

private:
    void collect(const Node *n);
    void walk(const Node *n, bool inSql);
    bool check(const Node *n, bool inSql);
    bool declarationKind(const Node *n);
    void typeRef(const Node *t);
    void callStatement(const Node *s);
    void name(const Node *n, bool inSql);
    bool storedUnit(const std::string &name);
    std::string word(uint32_t token) const {
        return plsql::identName(m_unit.source, m_unit.tokens[token]);
    }
    [[noreturn]] void refuse(const Node *n, const std::string &what) const {
        throw Unsupported{what, m_unit.tokens[n->first].line};
    }

    Database &m_db;
    const plsql::ParsedUnit &m_unit;
    std::set<std::string> m_declared; // every name the block declares, in any of its scopes
    std::set<std::string> m_types;    // every record and table type it declares
};

void SupportCheck::collect(const Node *n) {
    for (; n; n = n->next) {
        switch (n->kind) {
        case NK::RecordType:
        case NK::CollType:
            m_types.insert(word(n->tok));
            break;
        case NK::Variable:
        case NK::Exception:
        case NK::Cursor:
        case NK::ForNum:
        case NK::ForCursor:
            m_declared.insert(word(n->tok));
            break;
        default:
            break;
        }
        collect(n->child);
    }
}

void SupportCheck::walk(const Node *n, bool inSql) {
    for (; n; n = n->next) {
        if (!check(n, inSql))
            continue;
        const bool sql =
            inSql || n->kind == NK::SqlStmt || n->kind == NK::Select || n->kind == NK::Subquery;
        walk(n->child, sql);
    }
}

// Whether the walk goes on into the node's children (false: the node is wholly checked).
bool SupportCheck::check(const Node *n, bool inSql) {
    switch (n->kind) {
    case NK::Open:
    case NK::OpenFor:
    case NK::Fetch:
    case NK::Close:
    case NK::Forall:
    case NK::PipeRow:
    case NK::Goto:
        refuse(n, "the statement " + word(n->first));
    case NK::BindVar:
        refuse(n, "a bind variable");
    case NK::TypeRef:
        typeRef(n);
        return false;
    case NK::CallStmt:
        callStatement(n);
        return false;
    case NK::Name:
        name(n, inSql);
        return true;
    case NK::Raise:
    case NK::Pragma:
    case NK::Into:
        return false;
    case NK::Handler:
        for (const Node *c = n->child; c; c = c->next)
            if (c->kind == NK::StmtList)
                walk(c, inSql);
        return false;
    default:
        return declarationKind(n);
    }
}

bool SupportCheck::declarationKind(const Node *n) {
    switch (n->kind) {
    case NK::SubprogDecl:
    case NK::SubprogBody:
        refuse(n, "a local subprogram");
    case NK::RecordType:
        for (const Node *f = n->child; f; f = f->next)
            if (f->kind == NK::Field && f->child && f->child->next)
                refuse(f, "a record field with a default");
        return true;
    case NK::CollType: {
        const Node *element = n->child ? n->child->child : nullptr;
        if (!element || !element->next)
            refuse(n, "a nested table or VARRAY type");
        return true;
    }
    case NK::RefCursorType:
    case NK::ObjectType:
        refuse(n, "a TYPE declaration");
    case NK::Subtype:
        refuse(n, "a SUBTYPE declaration");
    case NK::Cursor:
        for (const Node *c = n->child; c; c = c->next)
            if (c->kind == NK::DeclList)
                refuse(n, "a cursor with parameters");
        return true;
    case NK::ForCursor:
        if (n->child->kind == NK::Name)
            for (const Node *p = n->child->child; p; p = p->next)
                if (p->kind == NK::Args)
                    refuse(n, "a cursor with parameters");
        return true;
    default:
        return true;
    }
}

void SupportCheck::typeRef(const Node *t) {
    if (t->child && t->child->kind == NK::TypeRef) { // TABLE OF element [INDEX BY key]
        for (const Node *c = t->child; c; c = c->next)
            typeRef(c);
        return;
    }
    const Node *name = t->child;
    if (!name || name->kind != NK::Name)
        refuse(t, "this type");
    const Node *last = name->child;
    while (last->next)
        last = last->next;
    if (last->kind == NK::Attr) {
        const bool rowtype =
            word(last->first) == "ROWTYPE" && name->child->next == last &&
            m_db.catalog().tableFor(m_db.currentSchema(), word(name->child->first));
        if (word(last->first) != "TYPE" && !rowtype)
            refuse(t, "%" + word(last->first));
        return;
    }
    if (!name->child->next && m_types.count(word(name->child->first)))
        return;
    if (name->child->next || baseOfTypeName(word(name->child->first)) == VarType::Base::Any)
        refuse(t, "a variable of type " +
                      std::string(plsql::tokenText(m_unit.source, m_unit.tokens[name->first])));
}

void SupportCheck::callStatement(const Node *s) {
    const Node *name = s->child;
    std::vector<std::string> parts;
    const Node *args = nullptr;
    for (const Node *p = name->kind == NK::Name ? name->child : nullptr; p; p = p->next)
        if (p->kind == NK::Part)
            parts.push_back(word(p->first));
        else if (p->kind == NK::Args)
            args = p;
    if (parts.size() == 3 && parts[0] == "SYS")
        parts.erase(parts.begin()); // SYS.DBMS_OUTPUT.PUT_LINE
    static const std::set<std::string> kOutput = {"PUT_LINE", "PUT", "NEW_LINE", "ENABLE",
                                                  "DISABLE"};
    const bool allowed =
        (parts.size() == 2 && parts[0] == "DBMS_OUTPUT" && kOutput.count(parts[1])) ||
        (parts.size() == 2 && parts[1] == "DELETE" && m_declared.count(parts[0])) ||
        (parts.size() == 1 && parts[0] == "RAISE_APPLICATION_ERROR");
    if (!allowed) {
        std::string called;
        for (const std::string &p : parts)
            called += (called.empty() ? "" : ".") + p;
        refuse(s, "the call of " + (called.empty() ? std::string("a procedure") : called));
    }
    if (args)
        walk(args->child, false);
}

// A name outside SQL is a variable, a loop record's field, SQL%attribute or a SQL function;
// a stored unit or a package's member is not run. In SQL, a call of a stored unit is refused.
void SupportCheck::name(const Node *n, bool inSql) {
    const Node *first = n->child;
    if (!first || first->kind != NK::Part)
        return;
    const std::string id = word(first->first);
    const Node *second = first->next;
    if (m_declared.count(id) || (id == "SQL" && second && second->kind == NK::Attr))
        return;
    const bool dotted = second && second->kind == NK::Part;
    const bool called = dotted ? second->next && second->next->kind == NK::Args
                               : second && second->kind == NK::Args;
    const std::string shown = dotted ? id + "." + word(second->first) : id;
    if (dotted && !inSql)
        refuse(n, "the use of " + shown);
    if ((!inSql || called) &&
        (storedUnit(id) || (dotted && (id.rfind("DBMS_", 0) == 0 || id.rfind("UTL_", 0) == 0))))
        refuse(n, "the call of " + shown);
}

bool SupportCheck::storedUnit(const std::string &name) {
    Prepared q(m_db.handle(),
               "SELECT 1 FROM main.OCILITE_OBJECTS WHERE OWNER IN (?1, 'PUBLIC') AND "
               "OBJECT_NAME = ?2 AND OBJECT_TYPE IN ('FUNCTION', 'PROCEDURE', 'PACKAGE', 'TYPE', "
               "'SYNONYM') LIMIT 1");
    q.bind(1, m_db.currentSchema()).bind(2, name);
    return q.step();
}

} // namespace

std::optional<Unsupported> findUnsupported(Database &db, const plsql::ParsedUnit &unit) {
    return SupportCheck(db, unit).run();
}

} // namespace ocilite::plsql_run
