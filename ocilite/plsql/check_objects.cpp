// An object type body against its object type specification: a method the body defines that
// the type specification does not declare is PLS-00539 (at the method in the body); one the
// type specification declares that the body does not define is PLS-00538 (at its declaration
// there), unless it needs no body (NOT INSTANTIABLE, or a call specification).
// Methods are matched by name alone, so that headings written differently never give a false
// error.
#include "ocilite/plsql/checker.h"

#include "ocilite/plsql/keywords.h"
#include "ocilite/plsql/lexer.h"

#include <algorithm>

namespace ocilite::plsql {
namespace {

bool isOpToken(const ParsedUnit &unit, const Token &t, char c) {
    return t.kind == Tok::Op && tokenText(unit.source, t) == std::string_view(&c, 1);
}

// NOT INSTANTIABLE among the words before the method (back to the previous member), or
// IS / AS (a call specification: LANGUAGE, EXTERNAL) after its heading.
bool needsBody(const ParsedUnit &unit, const Node *decl) {
    const std::vector<Token> &t = unit.tokens;
    for (uint32_t i = decl->first; i > 0; --i) {
        const Token &before = t[i - 1];
        if (isOpToken(unit, before, ',') || isOpToken(unit, before, '('))
            break;
        if (isWord(before, Kw::INSTANTIABLE) && i >= 2 && isWord(t[i - 2], Kw::NOT))
            return false;
    }
    for (uint32_t i = decl->end; i < t.size(); ++i) {
        if (isOpToken(unit, t[i], ',') || isOpToken(unit, t[i], ')'))
            break;
        if (isWord(t[i], Kw::IS) || isWord(t[i], Kw::AS))
            return false;
    }
    return true;
}

} // namespace

void Checker::typeMethodsDefined(const std::string &type, const Node *body) {
    std::optional<std::string> source = m_schema.source(m_owner, type, "TYPE");
    if (!source)
        return;
    m_specSources.push_back(std::move(*source));
    m_specs.push_back(parseUnit(m_specSources.back()));
    const ParsedUnit &spec = *m_specs.back();
    if (!spec.root || spec.root->kind != NK::TypeSpec)
        return;
    std::vector<std::string> declared, defined;
    for (const Node *d = spec.root->child; d; d = d->next)
        if (d->kind == NK::SubprogDecl)
            declared.push_back(nodeName(spec, d));
    for (const Node *d = body->child; d; d = d->next) {
        if (d->kind != NK::SubprogBody && d->kind != NK::SubprogDecl)
            continue;
        const std::string id = nodeName(m_unit, d);
        defined.push_back(id);
        if (std::find(declared.begin(), declared.end(), id) == declared.end())
            addAt(Msg::TypeMethodNotInSpec, m_unit.tokens[d->tok], {id});
    }
    for (const Node *d = spec.root->child; d; d = d->next) {
        const std::string id = d->kind == NK::SubprogDecl ? nodeName(spec, d) : "";
        if (id.empty() || std::find(defined.begin(), defined.end(), id) != defined.end() ||
            !needsBody(spec, d))
            continue;
        const Token &at = spec.tokens[d->tok];
        m_diags.add(Msg::TypeMethodNoBody, at.line, at.col, {id});
        defined.push_back(id); // once for all overloads of the name
    }
}

} // namespace ocilite::plsql
