// Units: a package body against its specification (PLS-00304, PLS-00323), forward
// declarations (PLS-00328), standalone subprograms, type bodies and triggers.
#include "ocilite/plsql/checker.h"

#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql/lexer.h"

#include <algorithm>

namespace ocilite::plsql {

Checker::Checker(const ParsedUnit &unit, std::string owner, const SchemaLookup &schema,
                 CompileResult &result, const TriggerInfo *trigger)
    : m_unit(unit), m_owner(std::move(owner)), m_schema(schema), m_result(result),
      m_trigger(trigger) {}

void Checker::run() {
    const Node *root = m_unit.root;
    depend("SYS", "STANDARD", "PACKAGE");
    try {
        switch (root->kind) {
        case NK::PackageSpec:
            packageSpec(root);
            break;
        case NK::PackageBody:
            packageBody(root);
            break;
        case NK::TypeBody:
            typeBody(root);
            break;
        case NK::Procedure:
        case NK::Function: {
            Scope scope;
            scope.names[text(root->tok)] = Symbol::of(SymKind::Unit);
            if (root->child && root->child->kind == NK::SubprogBody)
                subprogramBody(scope, root->child);
            break;
        }
        case NK::Trigger:
        case NK::Block: {
            Scope scope;
            scope.names[text(root->tok)] = Symbol::of(SymKind::Unit);
            const Node *b = root->kind == NK::Block ? root : root->child;
            if (b && b->kind == NK::Block)
                block(scope, b);
            break;
        }
        default:
            break;
        }
    } catch (const AnalysisTerminated &) {
        m_diags.add(Msg::AnalysisTerminated, 0, 0);
    }
    m_result.errors = m_diags.take();
}

void Checker::packageSpec(const Node *unit) {
    Scope scope;
    scope.names[text(unit->tok)] = Symbol::of(SymKind::Unit);
    declarations(scope, unit->child);
}

// The package specification's declarations, parsed from the stored source; false when the package
// has no specification (or only a broken one).
bool Checker::loadSpec(const std::string &name, Scope &scope,
                       std::vector<const Node *> &subprograms) {
    std::optional<std::string> source = m_schema.source(m_owner, name, "PACKAGE");
    if (!source)
        return false;
    m_specSources.push_back(std::move(*source));
    m_specs.push_back(parseUnit(m_specSources.back()));
    const ParsedUnit &spec = *m_specs.back();
    if (!spec.root || spec.root->kind != NK::PackageSpec)
        return false;
    m_ownSpec = &spec;
    for (const Node *d = spec.root->child ? spec.root->child->child : nullptr; d; d = d->next) {
        if (d->kind == NK::Pragma)
            continue;
        const std::string id = nodeName(spec, d);
        if (d->kind == NK::SubprogDecl || d->kind == NK::Cursor)
            subprograms.push_back(d);
        Symbol &sym = scope.names[id];
        if (d->kind == NK::SubprogDecl) {
            sym.kind = SymKind::Subprogram;
            if (!sym.overloads)
                sym.overloads = std::make_shared<Overloads>();
            addOverload(*sym.overloads, signatureOf(spec, d));
            continue;
        }
        if (d->kind == NK::RecordType || d->kind == NK::CollType || d->kind == NK::Subtype ||
            d->kind == NK::RefCursorType)
            sym.kind = SymKind::Type;
        if (d->kind == NK::Cursor)
            sym.kind = SymKind::Cursor;
        if (d->kind == NK::RecordType)
            sym.fields = recordFields(spec, d);
    }
    return true;
}

void Checker::packageBody(const Node *unit) {
    const std::string pkg = text(unit->tok);
    const std::optional<SchemaObject> spec = m_schema.object(m_owner, pkg);
    Scope specScope;
    std::vector<const Node *> specSubprograms;
    const bool haveSpec = spec && spec->type == "PACKAGE" && !spec->invalid &&
                          loadSpec(pkg, specScope, specSubprograms);
    if (!haveSpec) {
        const Token &name = m_unit.tokens[unit->tok];
        if (spec && spec->type == "PACKAGE")
            addAt(Msg::ObjectInvalid, name, {m_owner + "." + pkg});
        else
            addAt(Msg::MustBeDeclared, name, {pkg});
        addAt(Msg::NoSpec, name, {pkg});
        throw AnalysisTerminated{};
    }
    depend(m_owner, pkg, "PACKAGE");
    specScope.names[pkg] = Symbol::of(SymKind::Unit);
    Scope scope{&specScope, {}};
    const Node *decls = unit->child;
    declarations(scope, decls);
    forwardDeclarations(decls);
    for (const Node *part = decls ? decls->next : nullptr; part; part = part->next)
        statements(scope, part);
    definedInBody(specSubprograms, decls);
}

// A type body sees its type's attributes and methods, and those of every supertype,
// without a prefix; until types are resolved through their whole hierarchy the body's
// names are not checked, so a valid body never gets a false error. Its methods are matched
// with those its specification declares (check_objects.cpp).
void Checker::typeBody(const Node *unit) {
    const std::string type = text(unit->tok);
    const auto obj = m_schema.object(m_owner, type);
    if (!obj || obj->type != "TYPE")
        return;
    depend(m_owner, type, "TYPE");
    typeMethodsDefined(type, unit);
}

// heading, declarations, statements, handlers
void Checker::subprogramBody(Scope &outer, const Node *body) {
    Scope scope{&outer, {}};
    const Node *heading = body->child;
    if (!heading)
        return;
    scope.names[text(heading->tok)] = Symbol::of(SymKind::Subprogram);
    parameters(scope, heading);
    const Node *decls = heading->next;
    if (!decls)
        return;
    declarations(scope, decls);
    forwardDeclarations(decls);
    for (const Node *part = decls->next; part; part = part->next)
        statements(scope, part);
}

} // namespace ocilite::plsql

namespace ocilite::plsql {
namespace {

// A datatype as written, word for word (names in their stored case), whitespace aside.
std::string spelling(const ParsedUnit &unit, const Node *type) {
    std::string out;
    for (uint32_t i = type->first; i < type->end && i < unit.tokens.size(); ++i) {
        const Token &t = unit.tokens[i];
        out += ' ';
        out += t.kind == Tok::Word ? identName(unit.source, t)
                                   : std::string(tokenText(unit.source, t));
    }
    return out;
}

// A subprogram's identity for matching a declaration to its body. Oracle wants the two
// headings to match word for word: the name, each parameter's name, mode and type as
// written, and the return type as written (a default value is left out).
std::string signature(const ParsedUnit &unit, const Node *decl) {
    const Node *heading = decl->kind == NK::SubprogBody ? decl->child : decl;
    std::string sig = nodeName(unit, heading);
    for (const Node *part = heading->child; part; part = part->next) {
        if (part->kind == NK::TypeRef)
            sig += " RETURN" + spelling(unit, part);
        if (part->kind != NK::DeclList)
            continue;
        for (const Node *p = part->child; p; p = p->next) {
            sig += "," + nodeName(unit, p) + (p->flags & kFlagIn ? " IN" : "") +
                   (p->flags & kFlagOut ? " OUT" : "");
            if (p->child && p->child->kind == NK::TypeRef)
                sig += spelling(unit, p->child);
        }
    }
    return sig;
}

// A body whose END names another subprogram does not define its own one in Oracle's eyes.
bool endNamesAnother(const ParsedUnit &unit, const Node *body) {
    uint32_t last = body->end;
    if (last > 0 && last <= unit.tokens.size() && unit.tokens[last - 1].kind == Tok::Op)
        --last; // the body's ';'
    if (last < 2 || last > unit.tokens.size())
        return false;
    const Token &label = unit.tokens[last - 1];
    const Token &end = unit.tokens[last - 2];
    return end.kind == Tok::Word && end.kw == uint16_t(Kw::END) && label.kind == Tok::Word &&
           label.kw != uint16_t(Kw::END) &&
           identName(unit.source, label) != nodeName(unit, body->child);
}

} // namespace

// PLS-00323 for each subprogram or cursor of the package specification with no body here, at its
// place in that specification.
void Checker::definedInBody(const std::vector<const Node *> &specSubprograms, const Node *body) {
    if (!body || !m_ownSpec)
        return;
    const ParsedUnit &spec = *m_ownSpec;
    std::vector<std::string> defined;
    for (const Node *d = body->child; d; d = d->next)
        if ((d->kind == NK::SubprogBody && !endNamesAnother(m_unit, d)) ||
            (d->kind == NK::Cursor && d->child))
            defined.push_back(d->kind == NK::Cursor ? nodeName(m_unit, d) : signature(m_unit, d));
    for (const Node *d : specSubprograms) {
        if (d->kind == NK::Cursor) {
            bool hasQuery = false;
            for (const Node *c = d->child; c; c = c->next)
                hasQuery = hasQuery || c->kind == NK::Select;
            if (hasQuery ||
                std::find(defined.begin(), defined.end(), nodeName(spec, d)) != defined.end())
                continue;
        } else if (std::find(defined.begin(), defined.end(), signature(spec, d)) != defined.end()) {
            continue;
        }
        const Token &t = spec.tokens[d->tok];
        m_diags.add(Msg::NotDefinedInBody, t.line, t.col, {nodeName(spec, d)});
    }
}

// PLS-00328 for a forward declaration with no body later in the same declare section.
void Checker::forwardDeclarations(const Node *declList) {
    if (!declList || declList->kind != NK::DeclList)
        return;
    std::vector<std::string> bodies;
    for (const Node *d = declList->child; d; d = d->next)
        if (d->kind == NK::SubprogBody)
            bodies.push_back(signature(m_unit, d));
    for (const Node *d = declList->child; d; d = d->next)
        if (d->kind == NK::SubprogDecl &&
            std::find(bodies.begin(), bodies.end(), signature(m_unit, d)) == bodies.end())
            addAt(Msg::ForwardNoBody, m_unit.tokens[d->tok], {text(d->tok)});
}

} // namespace ocilite::plsql
