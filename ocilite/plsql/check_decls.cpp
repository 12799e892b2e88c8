// Declarations: each item's type and default are resolved; a failing item gets Oracle's
// "PL/SQL: Item ignored" row after its error, and a failing parameter type ends analysis
// ("PL/SQL: Compilation unit analysis terminated").
#include "ocilite/plsql/checker.h"

#include "ocilite/plsql/catalogue.h"

#include <cstdlib>

namespace ocilite::plsql {
namespace {

const Node *typeName(const Node *type) {
    while (type && type->kind == NK::TypeRef)
        type = type->child;
    return type && type->kind == NK::Name ? type : nullptr;
}

} // namespace

// PLS-00215 for VARCHAR2, VARCHAR, NVARCHAR2 and RAW without a length, and for a length
// outside 1 .. 32767 (CHAR alone means CHAR(1)).
int Checker::stringLength(const Node *type) {
    const Node *n = typeName(type);
    if (!n || !n->child || n->child->next)
        return 0;
    const std::string id = text(n->child);
    const bool needsLength =
        id == "VARCHAR2" || id == "VARCHAR" || id == "NVARCHAR2" || id == "RAW";
    const bool character = needsLength || id == "CHAR" || id == "NCHAR";
    if (!character)
        return 0;
    const Node *length = n->next;
    if (!length) {
        if (!needsLength)
            return 0;
        add(Msg::StringLength, n);
        return 1;
    }
    const Token &t = tok(length);
    if (t.kind != Tok::Number)
        return 0;
    const double value = std::atof(std::string(tokenText(m_unit.source, t)).c_str());
    if (value >= 1 && value <= 32767)
        return 0;
    addAt(Msg::StringLength, t);
    return 1;
}

void Checker::declarations(Scope &scope, const Node *list) {
    if (!list || list->kind != NK::DeclList)
        return;
    for (const Node *d = list->child; d; d = d->next)
        declaration(scope, d);
}

std::shared_ptr<std::vector<std::string>> Checker::recordFields(const ParsedUnit &unit,
                                                                const Node *record) {
    auto fields = std::make_shared<std::vector<std::string>>();
    for (const Node *f = record->child; f; f = f->next)
        if (f->kind == NK::Field)
            fields->push_back(nodeName(unit, f));
    return fields;
}

void Checker::declaration(Scope &scope, const Node *d) {
    const std::string id = text(d->tok);
    Symbol sym;
    int errors = 0;
    switch (d->kind) {
    case NK::Variable:
        errors = typeRef(scope, d->child, &sym) ? 0 : 1;
        if (!errors && d->child && d->child->next)
            errors = expressions(scope, d->child->next);
        break;
    case NK::Exception:
        sym.kind = SymKind::Exception;
        break;
    case NK::RecordType:
        sym.kind = SymKind::Type;
        sym.fields = recordFields(m_unit, d);
        for (const Node *f = d->child; f && !errors; f = f->next)
            errors = typeRef(scope, f->child, nullptr) ? 0 : 1;
        break;
    case NK::Subtype:
    case NK::CollType:
    case NK::RefCursorType:
        sym.kind = SymKind::Type;
        errors = typeRef(scope, d->child, &sym) ? 0 : 1;
        break;
    case NK::Cursor:
        sym.kind = SymKind::Cursor;
        break;
    case NK::SubprogDecl:
    case NK::SubprogBody:
        sym.kind = SymKind::Subprogram;
        break;
    default:
        return;
    }
    if (!errors && d->kind == NK::Variable)
        errors = stringLength(d->child);
    if (errors)
        add(Msg::ItemIgnored, d);
    sym.readOnly = d->kind == NK::Variable && (d->flags & kFlagConstant);
    const auto known = scope.names.find(id);
    const bool subprogram = d->kind == NK::SubprogDecl || d->kind == NK::SubprogBody;
    if (known != scope.names.end() && !subprogram && known->second.kind != SymKind::Subprogram)
        sym.duplicate = true;
    if (known == scope.names.end() || d->kind == NK::SubprogBody || sym.duplicate)
        scope.names[id] = sym;
    if (d->kind == NK::SubprogDecl) {
        Scope params{&scope, {}};
        parameters(params, d);
    } else if (d->kind == NK::SubprogBody) {
        subprogramBody(scope, d);
    } else if (d->kind == NK::Cursor) {
        Scope params{&scope, {}};
        for (const Node *c = d->child; c; c = c->next)
            if (c->kind == NK::DeclList)
                parameters(params, d);
            else if (c->kind == NK::Select && sql(params, c, d))
                add(Msg::SqlStatementIgnored, c);
    }
}

// A subprogram's parameters go into its scope; a type that does not resolve ends analysis.
void Checker::parameters(Scope &scope, const Node *heading) {
    for (const Node *part = heading->child; part; part = part->next) {
        if (part->kind == NK::TypeRef && !typeRef(scope, part, nullptr))
            throw AnalysisTerminated{};
        if (part->kind != NK::DeclList)
            continue;
        for (const Node *p = part->child; p; p = p->next) {
            Symbol sym;
            if (!typeRef(scope, p->child, &sym))
                throw AnalysisTerminated{};
            sym.readOnly = !(p->flags & kFlagOut);
            scope.names[text(p->tok)] = sym;
        }
    }
}

// Resolves a datatype; records' fields go into `into`. False after reporting an error.
bool Checker::typeRef(const Scope &scope, const Node *type, Symbol *into) {
    if (!type || type->kind != NK::TypeRef)
        return true;
    if (type->child && type->child->kind == NK::TypeRef)
        return typeRef(scope, type->child, nullptr) && typeRef(scope, type->child->next, nullptr);
    const Node *n = typeName(type);
    if (!n || !n->child || n->child->kind != NK::Part)
        return true;
    if (name(scope, n) > 0)
        return false;
    if (!into)
        return true;
    const Node *last = n->child;
    while (last->next)
        last = last->next;
    const std::string first = text(n->child);
    if (last->kind == NK::Attr && text(last) == "ROWTYPE" && n->child->next == last) {
        if (auto cols = m_schema.columns(m_owner, first))
            into->fields = std::make_shared<std::vector<std::string>>(std::move(*cols));
    } else if (last == n->child) {
        if (const Symbol *s = scope.find(first); s && s->kind == SymKind::Type)
            into->fields = s->fields;
    }
    return true;
}

} // namespace ocilite::plsql
