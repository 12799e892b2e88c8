// Declarations: each item's type and default are resolved; a failing item gets Oracle's
// "PL/SQL: Item ignored" row after its error (a variable's at its type, after the name; other
// items' at their start), and a failing parameter type ends analysis ("PL/SQL: Compilation
// unit analysis terminated"). An item whose type failed is malformed: every later use of it
// is PLS-00320. A name declared further down the same section is known before its
// declaration, so that using it early is PLS-00313 (a subprogram) or PLS-00320 (an item).
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

bool declaresName(NK k) {
    switch (k) {
    case NK::Variable:
    case NK::Exception:
    case NK::Subtype:
    case NK::RecordType:
    case NK::CollType:
    case NK::RefCursorType:
    case NK::Cursor:
    case NK::SubprogDecl:
    case NK::SubprogBody:
        return true;
    default:
        return false;
    }
}

bool isSubprogram(const Node *d) {
    return d->kind == NK::SubprogDecl || d->kind == NK::SubprogBody;
}

// What declarationErrors found: an error followed by "PL/SQL: Item ignored", or one alone.
constexpr int kItemIgnored = 1;
constexpr int kErrorAlone = 2;

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
    announceLater(scope, list);
    for (const Node *d = list->child; d; d = d->next)
        declaration(scope, d);
}

// Names of the section not declared outside it are known from its start, so that a use
// before the declaration is told apart from an undeclared name.
void Checker::announceLater(Scope &scope, const Node *list) {
    for (const Node *d = list->child; d; d = d->next) {
        if (!declaresName(d->kind))
            continue;
        const std::string id = text(d->tok);
        if (scope.find(id))
            continue;
        Symbol s;
        s.kind = isSubprogram(d) ? SymKind::Subprogram : SymKind::Item;
        s.later = true;
        scope.names.emplace(id, s);
    }
}

std::shared_ptr<std::vector<std::string>> Checker::recordFields(const ParsedUnit &unit,
                                                                const Node *record) {
    auto fields = std::make_shared<std::vector<std::string>>();
    for (const Node *f = record->child; f; f = f->next)
        if (f->kind == NK::Field)
            fields->push_back(nodeName(unit, f));
    return fields;
}

// A variable's or constant's errors. A string length out of range and NOT NULL without a
// value are reported alone; a constant without a value gets "Item ignored" (at CONSTANT) but
// stays a constant (PLS-00363 where assigned).
int Checker::variableErrors(Scope &scope, const Node *d, Symbol &sym) {
    sym.readOnly = (d->flags & kFlagConstant) != 0;
    sym.notNull = (d->flags & kFlagNotNull) != 0;
    if (!typeRef(scope, d->child, &sym)) {
        sym.malformed = true;
        return kItemIgnored;
    }
    if (sym.malformed)
        return 0;
    const Node *init = d->child ? d->child->next : nullptr;
    if (stringLength(d->child))
        return kErrorAlone;
    if (!init && sym.notNull && !sym.readOnly) {
        add(Msg::NotNullNoValue, d->child);
        return kErrorAlone;
    }
    if (!init && sym.readOnly) {
        add(Msg::ConstantNoValue, d, {text(d->tok)});
        return kItemIgnored;
    }
    if (init && (expressions(scope, init) || wrongType(scope, sym, init)))
        return kItemIgnored;
    if (init && sym.readOnly && init->kind == NK::Literal)
        sym.truth = isWord(tok(init), Kw::TRUE_) ? 1 : isWord(tok(init), Kw::FALSE_) ? 0 : -1;
    return 0;
}

// A record type's fields: each whose type fails is reported; the type stays usable, and only
// those fields are PLS-00320 where an item of the type uses them.
int Checker::recordFieldErrors(Scope &scope, const Node *record, Symbol &sym) {
    auto bad = std::make_shared<std::vector<std::string>>();
    for (const Node *f = record->child; f; f = f->next)
        if (f->kind == NK::Field && !typeRef(scope, f->child, nullptr))
            bad->push_back(nodeName(m_unit, f));
    if (bad->empty())
        return 0;
    sym.badFields = std::move(bad);
    return kItemIgnored;
}

// The errors of one declaration (0 when it is fine, else whether "Item ignored" follows);
// fills in what is known of the item.
int Checker::declarationErrors(Scope &scope, const Node *d, Symbol &sym) {
    switch (d->kind) {
    case NK::Variable:
        return variableErrors(scope, d, sym);
    case NK::Exception:
        sym.kind = SymKind::Exception;
        return 0;
    case NK::RecordType:
        sym.kind = SymKind::Type;
        sym.fields = recordFields(m_unit, d);
        sym.typeDecl = d;
        return recordFieldErrors(scope, d, sym);
    case NK::Subtype:
    case NK::CollType:
    case NK::RefCursorType:
        sym.kind = SymKind::Type;
        if (!typeRef(scope, d->child, &sym)) {
            sym.malformed = true;
            return kItemIgnored;
        }
        if (d->kind == NK::CollType)
            sym.typeDecl = d;
        return 0;
    default:
        return 0;
    }
}

// Enters the declaration into its section: a subprogram adds an overload, a second item of
// one name makes the name unusable (PLS-00371 where used).
void Checker::declare(Scope &scope, const Node *d, Symbol sym) {
    const std::string id = text(d->tok);
    auto known = scope.names.find(id);
    if (known != scope.names.end() && known->second.later) {
        scope.names.erase(known);
        known = scope.names.end();
    }
    if (isSubprogram(d)) {
        if (known != scope.names.end() && known->second.kind != SymKind::Subprogram)
            return;
        Overloads overloads;
        if (known != scope.names.end() && known->second.overloads)
            overloads = *known->second.overloads;
        addOverload(overloads, signatureOf(m_unit, d->kind == NK::SubprogBody ? d->child : d));
        sym.overloads = std::make_shared<Overloads>(std::move(overloads));
        scope.names[id] = sym;
        return;
    }
    if (known != scope.names.end() && known->second.kind != SymKind::Subprogram)
        sym.duplicate = true;
    if (known == scope.names.end() || sym.duplicate)
        scope.names[id] = sym;
}

void Checker::declaration(Scope &scope, const Node *d) {
    if (!declaresName(d->kind))
        return;
    m_statementReported.clear();
    shadowsBuiltin(d);
    Symbol sym;
    if (declarationErrors(scope, d, sym) == kItemIgnored)
        addAt(Msg::ItemIgnored, d->kind == NK::Variable && d->first + 1 < m_unit.tokens.size()
                                    ? m_unit.tokens[d->first + 1]
                                    : tok(d));
    if (d->kind == NK::Cursor) {
        sym.kind = SymKind::Cursor;
        Scope params{&scope, {}};
        for (const Node *c = d->child; c; c = c->next)
            if (c->kind == NK::DeclList) {
                parameters(params, d);
            } else if (c->kind == NK::Select) {
                sym.query = c;
                if (sql(params, c, d)) {
                    add(Msg::SqlStatementIgnored, c);
                    sym.failedQuery = true;
                }
            }
    } else if (isSubprogram(d)) {
        sym.kind = SymKind::Subprogram;
    }
    declare(scope, d, sym);
    if (d->kind == NK::SubprogDecl) {
        Scope params{&scope, {}};
        parameters(params, d);
    } else if (d->kind == NK::SubprogBody) {
        subprogramBody(scope, d);
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

// PLS-00206: %TYPE of something that is no variable, column, field or attribute (a cursor,
// a type, an exception), at the name. A constant is an item here: whether Oracle takes its
// %TYPE is not documented either way, so it is not reported.
int Checker::typeAttribute(const Scope &scope, const Node *n) {
    const Node *first = n->child;
    const Node *attr = first ? first->next : nullptr;
    if (!attr || attr->kind != NK::Attr || attr->next || text(attr) != "TYPE")
        return 0;
    const Symbol *s = scope.find(text(first));
    if (!s || s->later || s->duplicate)
        return 0;
    if (s->kind == SymKind::Item || s->kind == SymKind::Unit || s->kind == SymKind::Label)
        return 0;
    addAt(Msg::TypeOfNonItem, tok(first), {text(first)});
    return 1;
}

// Resolves a datatype; what is known of it goes into `into`. False after reporting an error.
bool Checker::typeRef(const Scope &scope, const Node *type, Symbol *into) {
    if (!type || type->kind != NK::TypeRef)
        return true;
    if (type->child && type->child->kind == NK::TypeRef)
        return typeRef(scope, type->child, nullptr) && typeRef(scope, type->child->next, nullptr);
    const Node *n = typeName(type);
    if (!n || !n->child || n->child->kind != NK::Part)
        return true;
    // INTERVAL YEAR TO MONTH and INTERVAL DAY TO SECOND are named by keywords, not by STANDARD.
    if (!n->child->next && isWord(tok(n->child), Kw::INTERVAL))
        return true;
    // Of a type that is itself malformed: the item is, without a row of its own.
    const Symbol *s = scope.find(text(n->child));
    if (s && s->kind == SymKind::Type && s->malformed && !n->child->next) {
        if (into)
            into->malformed = true;
        return true;
    }
    if (typeAttribute(scope, n) || name(scope, n) > 0)
        return false;
    if (into)
        typeOf(scope, n, *into);
    return true;
}

// What a resolved type name tells of the items declared with it.
void Checker::typeOf(const Scope &scope, const Node *n, Symbol &into) {
    const Node *first = n->child;
    const Node *last = first;
    while (last->next)
        last = last->next;
    const std::string id = text(first);
    if (last->kind == NK::Attr && first->next == last) {
        const std::string attr = text(last);
        if (attr == "ROWTYPE") {
            if (auto cols = m_schema.columns(m_owner, id)) {
                into.fields = std::make_shared<std::vector<std::string>>(std::move(*cols));
                into.tableRow = true;
            }
        } else if (const Symbol *s = scope.find(id); attr == "TYPE" && s) {
            into.value = s->value;
            into.typeDecl = s->typeDecl;
            into.fields = s->fields;
            into.tableRow = s->tableRow;
            into.oneValue = s->oneValue;
        }
        return;
    }
    if (last != first) {
        into.oneValue = last->kind == NK::Attr && text(last) == "TYPE" && columnType(first);
        return;
    }
    if (const Symbol *s = scope.find(id)) {
        if (s->kind == SymKind::Type) {
            into.fields = s->fields;
            into.badFields = s->badFields;
            into.typeDecl = s->typeDecl;
            into.value = s->value;
            into.oneValue = s->oneValue;
        }
        return;
    }
    into.value = builtinValue(id);
    into.oneValue = into.value != ValueKind::Unknown;
}

// table.column%TYPE of one of the schema's tables or views (not a package's item, which may
// be a record).
bool Checker::columnType(const Node *first) {
    const Node *column = first->next;
    if (!column || column->kind != NK::Part || !column->next || column->next->kind != NK::Attr)
        return false;
    const std::string table = text(first);
    const auto obj = m_schema.object(m_owner, table);
    return obj && obj->owner == m_owner && (obj->type == "TABLE" || obj->type == "VIEW");
}

} // namespace ocilite::plsql
