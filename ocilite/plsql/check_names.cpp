// Resolution of a name as PL/SQL resolves it: the scopes of the unit (innermost first),
// then STANDARD and DBMS_STANDARD, then the catalogue's supplied packages, then the
// schema's objects. PLS-00201 / PLS-00302 / PLS-00905 where Oracle reports them; nothing
// where the name cannot be decided (another schema, a supplied package not described).
#include "ocilite/plsql/checker.h"

#include "ocilite/plsql/catalogue.h"
#include "ocilite/plsql/lexer.h"

#include <algorithm>

namespace ocilite::plsql {
namespace {

bool contains(const std::vector<std::string> &list, const std::string &id) {
    return std::find(list.begin(), list.end(), id) != list.end();
}

} // namespace

// Built-ins whose argument lists are syntax rather than parameters; STANDARD does not
// declare them (catalogue/README.md, "SYNTAX:").
bool isSyntaxFunction(const std::string &id) {
    static const char *const kNames[] = {"CAST",
                                         "TREAT",
                                         "EXTRACT",
                                         "TRIM",
                                         "TRANSLATE",
                                         "CHR",
                                         "COALESCE",
                                         "GREATEST",
                                         "LEAST",
                                         "NULLIF",
                                         "CARDINALITY",
                                         "SET",
                                         "NVL",
                                         "CURRENT_DATE",
                                         "CURRENT_TIMESTAMP",
                                         "LOCALTIMESTAMP",
                                         "MULTISET",
                                         "TO_NUMBER",
                                         "TO_DATE",
                                         "TO_TIMESTAMP",
                                         "TO_TIMESTAMP_TZ",
                                         "TO_DSINTERVAL",
                                         "TO_YMINTERVAL",
                                         "TO_BINARY_FLOAT",
                                         "TO_BINARY_DOUBLE",
                                         "VALIDATE_CONVERSION",
                                         "SQLCODE",
                                         "SQLERRM",
                                         "SYSDATE",
                                         "SYSTIMESTAMP",
                                         "USER",
                                         "UID",
                                         "DECODE",
                                         "DUMP",
                                         "VSIZE",
                                         "NVL2",
                                         "LNNVL"};
    for (const char *n : kNames)
        if (id == n)
            return true;
    return id.rfind("JSON_", 0) == 0 || id.rfind("XML", 0) == 0;
}

std::string Checker::text(const Node *n) const {
    return text(n->kind == NK::Part || n->kind == NK::Attr ? n->first : n->tok);
}

std::string Checker::text(uint32_t t) const {
    return identName(m_unit.source, m_unit.tokens[t]);
}

void Checker::add(Msg m, const Node *at, const std::vector<std::string_view> &params) {
    addAt(m, m_unit.tokens[at->first], params);
}

void Checker::addAt(Msg m, const Token &t, const std::vector<std::string_view> &params) {
    m_diags.add(m, t.line, t.col, params);
}

void Checker::depend(const std::string &owner, const std::string &name, const std::string &type) {
    const Dependency d{owner, name, type};
    if (std::find(m_result.dependencies.begin(), m_result.dependencies.end(), d) ==
        m_result.dependencies.end())
        m_result.dependencies.push_back(d);
}

// An object of the schema (or a public synonym) with its synonyms followed to what they
// name; each synonym passed is a dependency. A synonym whose target is not known here (a
// database link, or gone) stands for itself, so nothing is reported about it.
std::optional<SchemaObject> Checker::resolved(const std::string &owner, const std::string &name) {
    std::optional<SchemaObject> obj = m_schema.object(owner, name);
    for (int hops = 0; obj && obj->type == "SYNONYM" && hops < kMaxSynonymHops; ++hops) {
        depend(obj->owner, obj->name, obj->type);
        const auto target = m_schema.synonymTarget(obj->owner, obj->name);
        std::optional<SchemaObject> next =
            target ? m_schema.object(target->first, target->second) : std::nullopt;
        if (!next || (next->owner == obj->owner && next->name == obj->name))
            return obj;
        obj = std::move(next);
    }
    return obj;
}

// PLS-00302 when `part` (the component after a package) is not among its members.
int Checker::member(const std::vector<std::string> &members, const Node *part) {
    if (!part || part->kind != NK::Part || members.empty() || contains(members, text(part)))
        return 0;
    addAt(Msg::ComponentMissing, tok(part), {text(part)});
    return 1;
}

// PLS-00201 naming what Oracle names: the identifier, or schema-and-object when a second
// component follows; once per statement for one name, as Oracle reports it.
int Checker::undeclared(const Node *first) {
    std::string id = text(first);
    if (first->next && first->next->kind == NK::Part)
        id += "." + text(first->next);
    if (firstInStatement(id))
        addAt(Msg::MustBeDeclared, tok(first), {id});
    return 1;
}

int Checker::schemaName(const Node *n, const Node *first, const std::string &id) {
    const std::optional<SchemaObject> obj = resolved(m_owner, id);
    if (!obj) {
        if (m_schema.userExists(id) || Catalogue::isSuppliedName(id))
            return 0;
        return undeclared(first);
    }
    depend(obj->owner, obj->name, obj->type);
    const bool unit = obj->type == "PACKAGE" || obj->type == "PROCEDURE" ||
                      obj->type == "FUNCTION" || obj->type == "TYPE";
    if (unit && obj->invalid) {
        addAt(Msg::ObjectInvalid, tok(first), {obj->owner + "." + obj->name});
        return 1;
    }
    const Node *next = first->next;
    if (obj->type == "PACKAGE" && obj->owner == m_owner) {
        const PackageInfo &pkg = packageInfo(obj->owner, obj->name);
        return member(pkg.members, next) || packageCall(n, next, pkg);
    }
    if (obj->type == "PROCEDURE" || obj->type == "FUNCTION") {
        const Overloads *overloads = standaloneSubprogram(*obj);
        if (overloads && (!next || next->kind == NK::Args))
            return call(n, first, next, *overloads);
    }
    if ((obj->type == "TABLE" || obj->type == "VIEW") && next && next->kind == NK::Part) {
        if (auto cols = m_schema.columns(obj->owner, obj->name))
            return member(*cols, next);
    }
    return 0;
}

// PLS-00208 for name%X where X is no cursor attribute (in an expression).
int Checker::cursorAttribute(const Node *attr) {
    static const char *const kAttributes[] = {"FOUND",    "NOTFOUND",      "ISOPEN",
                                              "ROWCOUNT", "BULK_ROWCOUNT", "BULK_EXCEPTIONS",
                                              "TYPE",     "ROWTYPE"};
    if (!attr || attr->kind != NK::Attr)
        return 0;
    const std::string id = text(attr);
    for (const char *a : kAttributes)
        if (id == a)
            return 0;
    addAt(Msg::BadCursorAttr, tok(attr), {id});
    return 1;
}

// A name found in the unit's scopes: the uses Oracle rejects, a record's field, a call.
int Checker::scopedName(const Node *n, const Node *first, const Symbol &s) {
    const std::string id = text(first);
    if (s.later) {
        addAt(s.kind == SymKind::Subprogram ? Msg::NotInScope : Msg::Incomplete, tok(first), {id});
        return 1;
    }
    if (s.duplicate) {
        if (firstInStatement(id))
            addAt(Msg::OneDeclaration, tok(first), {id});
        return 1;
    }
    if (s.malformed || s.badIndex) {
        if (firstInStatement(id))
            addAt(s.malformed ? Msg::Incomplete : Msg::LoopIndexUse, tok(first), {id});
        return 1;
    }
    const Node *next = first->next;
    if (s.badFields && next && next->kind == NK::Part && contains(*s.badFields, text(next))) {
        // Inside SQL Oracle names the record, in PL/SQL the field.
        if (firstInStatement(id + "." + text(next)))
            addAt(Msg::Incomplete, tok(m_intoTargets ? first : next));
        return 1;
    }
    if (s.fields && !s.fields->empty() && next && next->kind == NK::Part &&
        !contains(*s.fields, text(next))) {
        addAt(Msg::ComponentMissing, tok(next), {text(next)});
        return 1;
    }
    if (s.overloads && (!next || next->kind == NK::Args))
        return call(n, first, next, *s.overloads);
    return cursorAttribute(next);
}

// A supplied package the catalogue describes: its members and their calls.
int Checker::catalogueName(const Node *n, const Node *first, const std::string &id) {
    const CataloguePackage *pkg = Catalogue::instance().package(id);
    depend("PUBLIC", id, "SYNONYM");
    if (pkg->partial)
        return 0; // the catalogue lists only some of its members
    const std::vector<std::string> members(pkg->members.begin(), pkg->members.end());
    const Node *part = first->next;
    if (member(members, part))
        return 1;
    if (!part || part->kind != NK::Part)
        return 0;
    const auto it = pkg->subprograms.find(text(part));
    const Node *args = part->next;
    if (it == pkg->subprograms.end() || (args && args->kind != NK::Args))
        return 0;
    return call(n, part, args, it->second);
}

// Resolves a Name node and the expressions in its argument lists; the number of errors.
int Checker::name(const Scope &scope, const Node *n) {
    int errors = 0;
    for (const Node *p = n->child; p; p = p->next)
        if (p->kind == NK::Args)
            errors += expressions(scope, p);
    const Node *first = n->child;
    if (errors || !first || first->kind != NK::Part)
        return errors;
    const std::string id = text(first);
    m_nameScope = &scope;
    if (const Symbol *s = scope.find(id))
        return scopedName(n, first, *s);
    const Catalogue &cat = Catalogue::instance();
    if (const CataloguePackage *pkg = cat.package(id); pkg && id != "STANDARD")
        return catalogueName(n, first, id);
    if (id == "SQL")
        return cursorAttribute(first->next);
    if (cat.isStandard(id))
        return standardCall(n, first);
    if (cat.isSqlFunction(id) || isSyntaxFunction(id) || id == "SELF")
        return 0;
    // APEX's V() and NV() are public synonyms of any database with APEX installed.
    if ((id == "V" || id == "NV") && first->next && first->next->kind == NK::Args)
        return 0;
    return schemaName(n, first, id);
}

// PLS-00049 once per distinct bad bind variable of a trigger: a bind that is not NEW, OLD
// or PARENT (or their REFERENCING names), or a column its table does not have. Adds no
// "Statement ignored": the statement's other errors decide that.
int Checker::bindVariable(const Node *bind, const Node *field) {
    if (!m_trigger)
        return 0;
    std::string id = text(bind->first).substr(1);
    const bool known = contains(m_trigger->binds, id);
    const bool hasField = field && field->kind == NK::Part;
    if (known && (!hasField || !m_trigger->columns || contains(*m_trigger->columns, text(field))))
        return 0;
    if (hasField)
        id += "." + text(field);
    if (contains(m_badBinds, id))
        return 0;
    m_badBinds.push_back(id);
    addAt(Msg::BadBind, tok(bind), {id});
    return 0;
}

// Every name in an expression tree (not inside SQL, which resolves against columns first).
int Checker::expressions(const Scope &scope, const Node *n) {
    if (!n)
        return 0;
    switch (n->kind) {
    case NK::Name:
        if (n->child && n->child->kind == NK::BindVar)
            return bindVariable(n->child, n->child->next) + expressions(scope, n->child->next);
        return name(scope, n);
    case NK::BindVar:
        return bindVariable(n, nullptr);
    case NK::Literal:
    case NK::Star:
    case NK::Subquery:
    case NK::Select:
        return 0;
    case NK::NamedArg:
        return expressions(scope, n->child);
    default:
        break;
    }
    int errors = 0;
    for (const Node *c = n->child; c; c = c->next)
        errors += expressions(scope, c);
    return errors;
}

} // namespace ocilite::plsql
