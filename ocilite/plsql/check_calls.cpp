// Calls checked against the subprograms they name (PLS-00306): the unit's own and its
// package's, the schema's standalone procedures and functions and its packages' members, and
// the supplied packages the catalogue describes in full. The number of arguments and the
// names of named ones are compared, and BOOLEAN against the other built-in types (which no
// implicit conversion joins); other types are left alone, so a call is reported only when no
// declaration under the name could take it.
#include "ocilite/plsql/checker.h"

#include "ocilite/plsql/catalogue.h"

#include "ocilite/plsql/lexer.h"

namespace ocilite::plsql {
namespace {} // namespace

// The call's arguments: positional ones, named ones, and what is known of their values.
CallShape Checker::shapeOf(const Node *args) const {
    CallShape call;
    std::vector<ValueKind> named;
    for (const Node *a = args ? args->child : nullptr; a; a = a->next) {
        const bool isNamed = a->kind == NK::NamedArg;
        const Node *value = isNamed ? a->child : a;
        const ValueKind v =
            m_nameScope && value ? valueOf(*m_nameScope, value) : ValueKind::Unknown;
        if (isNamed) {
            call.named.push_back(identName(m_unit.source, m_unit.tokens[a->first]));
            named.push_back(v);
        } else {
            ++call.positional;
            call.values.push_back(v);
        }
    }
    call.values.insert(call.values.end(), named.begin(), named.end());
    return call;
}

// `n` is the whole name (the error stands at its start), `named` the part naming the
// subprogram, `args` its argument list or null. A call statement calls procedures, an
// expression functions; with no declaration of the right kind nothing is decided here.
int Checker::call(const Node *n, const Node *named, const Node *args, const Overloads &overloads) {
    if (args && (args->kind != NK::Args || args->flags))
        return 0; // not a plain argument list
    const bool procedure = n == m_callTarget;
    const CallShape shape = shapeOf(args);
    bool anyOfKind = false;
    for (const Signature &s : overloads) {
        if (s.function == procedure)
            continue;
        anyOfKind = true;
        if (accepts(s, shape))
            return 0;
        // f(i) of a function without parameters may index the collection it returns.
        if (s.function && s.params.empty() && shape.named.empty())
            return 0;
    }
    if (!anyOfKind && !(procedure && !overloads.empty()))
        return 0;
    // Only functions under the name, called as a statement: PLS-00221.
    addAt(anyOfKind ? Msg::WrongArgs : Msg::NotProcedure, tok(n), {text(named)});
    return 1;
}

// A function of STANDARD (LPAD, ...) called as a statement: PLS-00221.
int Checker::standardCall(const Node *n, const Node *first) {
    const CataloguePackage *standard = Catalogue::instance().package("STANDARD");
    if (n != m_callTarget || !standard)
        return 0;
    const auto it = standard->subprograms.find(text(first));
    if (it == standard->subprograms.end())
        return 0;
    return call(n, first, first->next, it->second);
}

// pkg.member(args) for a package of the schema.
int Checker::packageCall(const Node *n, const Node *memberPart, const PackageInfo &pkg) {
    if (!memberPart || memberPart->kind != NK::Part)
        return 0;
    const auto it = pkg.subprograms.find(text(memberPart));
    const Node *args = memberPart->next;
    if (it == pkg.subprograms.end() || (args && args->kind != NK::Args))
        return 0;
    return call(n, memberPart, args, it->second);
}

// The names and subprograms a package specification of the schema declares (cached).
const PackageInfo &Checker::packageInfo(const std::string &owner, const std::string &name) {
    const std::string key = owner + "." + name;
    if (auto it = m_packages.find(key); it != m_packages.end())
        return it->second;
    PackageInfo info;
    if (std::optional<std::string> src = m_schema.source(owner, name, "PACKAGE")) {
        m_specSources.push_back(std::move(*src));
        auto spec = parseUnit(m_specSources.back());
        if (spec->root && spec->root->child)
            for (const Node *d = spec->root->child->child; d; d = d->next) {
                if (d->kind == NK::Pragma)
                    continue;
                info.members.push_back(nodeName(*spec, d));
                if (d->kind == NK::SubprogDecl)
                    addOverload(info.subprograms[nodeName(*spec, d)], signatureOf(*spec, d));
            }
        m_specs.push_back(std::move(spec));
    }
    return m_packages[key] = std::move(info);
}

// The signature of a standalone procedure or function of the schema, from its source.
const Overloads *Checker::standaloneSubprogram(const SchemaObject &obj) {
    const std::string key = obj.owner + "." + obj.name;
    if (auto it = m_standalone.find(key); it != m_standalone.end())
        return it->second ? &*it->second : nullptr;
    std::optional<Overloads> overloads;
    if (std::optional<std::string> src = m_schema.source(obj.owner, obj.name, obj.type)) {
        m_specSources.push_back(std::move(*src));
        auto unit = parseUnit(m_specSources.back());
        const Node *body = unit->root ? unit->root->child : nullptr;
        const Node *heading = body && body->kind == NK::SubprogBody ? body->child : body;
        if (heading && heading->kind == NK::SubprogDecl)
            overloads = Overloads{signatureOf(*unit, heading)};
        m_specs.push_back(std::move(unit));
    }
    auto &slot = m_standalone[key] = std::move(overloads);
    return slot ? &*slot : nullptr;
}

} // namespace ocilite::plsql
