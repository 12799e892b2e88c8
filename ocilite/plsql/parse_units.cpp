// Compilation units: package specs and bodies, standalone procedures and functions, object
// type specs and bodies, triggers; subprogram headings and their clauses.
#include "ocilite/plsql/parser.h"

#include "ocilite/plsql/lexer.h"

namespace ocilite::plsql {

// [schema.]name; the node's tok is the name.
void Parser::unitName(Node *unit) {
    unit->tok = expectIdentifier(Expect::Identifier);
    if (acceptOp('.'))
        unit->tok = expectIdentifier(Expect::Identifier);
}

// SHARING, DEFAULT COLLATION, AUTHID, ACCESSIBLE BY and the function clauses, any order.
void Parser::unitClauses(bool function) {
    for (;;) {
        if (isKw(Kw::SHARING) && peekOp(1, '=')) {
            m_i += 3;
        } else if (isKw(Kw::DEFAULT) && peekKw(1, Kw::COLLATION)) {
            m_i += 3;
        } else if (acceptKw(Kw::AUTHID)) {
            ++m_i;
        } else if (acceptKw(Kw::ACCESSIBLE)) {
            expectKw(Kw::BY, Expect::Generic);
            skipBalanced();
        } else if (function && (isKw(Kw::DETERMINISTIC) || isKw(Kw::PIPELINED))) {
            ++m_i;
        } else if (function && acceptKw(Kw::PARALLEL_ENABLE)) {
            if (isOp('(') && !peekKw(1, Kw::PARTITION)) // (PARTITION p BY ...) only
                fail(Expect::Generic);
            if (isOp('('))
                skipBalanced();
        } else if (function && acceptKw(Kw::RESULT_CACHE)) {
            if (acceptKw(Kw::RELIES_ON))
                skipBalanced();
        } else if (function && isKw(Kw::AGGREGATE) && peekKw(1, Kw::USING)) {
            m_i += 2;
            name();
        } else {
            return;
        }
    }
}

// What may follow END [name]: after END a name or ';', after the name only ';'.
Expect Parser::afterEnd() const {
    return prev().kind == Tok::Word && prev().kw == uint16_t(Kw::END) ? Expect::AfterEnd
                                                                      : Expect::Semicolon;
}

// END [name] ; end-of-file
void Parser::endUnit(Expect e) {
    expectKw(Kw::END, e);
    if (isAnyName() && !isKw(Kw::END))
        ++m_i;
    expectSemicolon(afterEnd());
}

Node *Parser::packageSpec(uint32_t first) {
    Node *unit = mk(NK::PackageSpec, first);
    unitName(unit);
    unitClauses(false);
    if (!acceptKw(Kw::IS))
        expectKw(Kw::AS, Expect::SubprogramHeading);
    m_inSpec = true;
    unit->child = declarations(true, false);
    m_inSpec = false;
    endUnit(Expect::PackageItem);
    return finish(unit);
}

Node *Parser::packageBody(uint32_t first) {
    Node *unit = mk(NK::PackageBody, first);
    unitName(unit);
    unitClauses(false);
    if (!acceptKw(Kw::IS))
        expectKw(Kw::AS, Expect::SubprogramHeading);
    ChildList parts;
    parts.add(declarations(true, true));
    if (acceptKw(Kw::BEGIN)) {
        parts.add(statements(Expect::FirstStatement));
        if (isKw(Kw::EXCEPTION))
            parts.add(handlers());
    }
    unit->child = parts.head;
    endUnit(Expect::Declaration);
    return finish(unit);
}

Node *Parser::standaloneSubprogram(uint32_t first, bool function) {
    Node *unit = mk(function ? NK::Function : NK::Procedure, first);
    unit->tok = expectIdentifier(Expect::Identifier);
    if (acceptOp('.'))
        unit->tok = expectIdentifier(Expect::Identifier);
    Node *heading = mk(NK::SubprogDecl, first);
    heading->tok = unit->tok;
    heading->flags = function ? kFlagFunction : 0;
    ChildList parts;
    if (isOp('('))
        parts.add(parameterList());
    if (function) {
        expectKw(Kw::RETURN, Expect::Return);
        parts.add(returnType());
    }
    heading->child = parts.head;
    unitClauses(function);
    bool assumeIs = false;
    if (!isKw(Kw::IS) && !isKw(Kw::AS)) {
        failExpecting(Expect::SubprogramHeading, "is");
        assumeIs = true; // repaired: read as though IS stood before the symbol
    }
    Node *body = subprogramRest(finish(heading), false, assumeIs);
    expectSemicolon(afterEnd());
    unit->child = body;
    return finish(unit);
}

Node *Parser::parameterList() {
    Node *list = mk(NK::DeclList, static_cast<uint32_t>(m_i));
    expectOp('(', Expect::Generic);
    ChildList params;
    do {
        params.add(parameter());
    } while (acceptOp(','));
    expectOp(')', Expect::Generic);
    list->child = params.head;
    return finish(list);
}

Node *Parser::parameter() {
    Node *p = mk(NK::Param, static_cast<uint32_t>(m_i));
    p->tok = expectIdentifier(Expect::Identifier);
    if (acceptKw(Kw::IN))
        p->flags |= kFlagIn;
    if (acceptKw(Kw::OUT))
        p->flags |= kFlagOut;
    if (!(p->flags & kFlagOut))
        p->flags |= kFlagIn;
    acceptKw(Kw::NOCOPY);
    ChildList parts;
    parts.add(datatype());
    if (Node *d = defaultValue()) {
        p->flags |= kFlagHasInit;
        parts.add(d);
    }
    p->child = parts.head;
    return finish(p);
}

// PROCEDURE name [(params)] | FUNCTION name [(params)] RETURN type, after the keyword.
Node *Parser::subprogramHeading(NK kind, bool function, bool method) {
    Node *h = mk(kind, static_cast<uint32_t>(m_i - 1));
    h->flags = function ? kFlagFunction : 0;
    h->tok = isAnyName() && (method || isIdentifier()) ? static_cast<uint32_t>(m_i++)
                                                       : expectIdentifier(Expect::Identifier);
    ChildList parts;
    if (isOp('('))
        parts.add(parameterList());
    if (function) {
        expectKw(Kw::RETURN, Expect::Return);
        if (method && isKw(Kw::SELF) && peekKw(1, Kw::AS)) {
            m_i += 3; // SELF AS RESULT
        } else {
            parts.add(returnType());
        }
    }
    h->child = parts.head;
    unitClauses(function);
    return h;
}

// After a heading: ';' (a declaration) or IS/AS and a body, LANGUAGE or EXTERNAL.
Node *Parser::subprogramRest(Node *heading, bool method, bool assumeIs) {
    (void)method;
    if (!assumeIs && !isKw(Kw::IS) && !isKw(Kw::AS)) {
        heading->end = static_cast<uint32_t>(m_i);
        return heading;
    }
    if (!assumeIs)
        ++m_i;
    Node *body = mk(NK::SubprogBody, heading->first);
    body->tok = heading->tok;
    body->flags = heading->flags;
    ChildList parts;
    parts.add(heading);
    if (m_inSpec && !isKw(Kw::LANGUAGE)) // a specification holds no bodies
        fail(Expect::CallSpec);
    if (acceptKw(Kw::LANGUAGE)) {
        const std::string language = cur().kind == Tok::Word ? identName(m_src, cur()) : "";
        if (language != "C" && language != "JAVA")
            fail(Expect::Generic);
        while (!atEof() && !isOp(';'))
            ++m_i;
    } else if (isKw(Kw::EXTERNAL)) {
        while (!atEof() && !isOp(';'))
            ++m_i;
    } else {
        parts.add(declarations(false, true));
        expectKw(Kw::BEGIN, Expect::Declaration);
        parts.add(statements(Expect::FirstStatement));
        if (isKw(Kw::EXCEPTION))
            parts.add(handlers());
        expectKw(Kw::END, Expect::StatementStart);
        // Oracle reads FUNCTION and PROCEDURE as a subprogram's END name too: "end function
        // f1" lacks its ';' at F1
        if (isIdentifier() || isKw(Kw::FUNCTION) || isKw(Kw::PROCEDURE))
            ++m_i;
    }
    body->child = parts.head;
    return finish(body);
}

// PROCEDURE ... / FUNCTION ... in a declare section or a type body, through its ';'.
Node *Parser::subprogram(bool method) {
    const bool function = isKw(Kw::FUNCTION);
    ++m_i;
    Node *heading = subprogramHeading(NK::SubprogDecl, function, method);
    Node *n = subprogramRest(heading, method);
    expectSemicolon(n->kind == NK::SubprogDecl ? Expect::SpecHeading : afterEnd());
    return finish(n);
}

// [NOT] FINAL / INSTANTIABLE / OVERRIDING / PERSISTABLE modifiers of a type or a method.
void Parser::typeModifiers() {
    for (;;) {
        const size_t at = m_i;
        acceptKw(Kw::NOT);
        if (acceptKw(Kw::FINAL) || acceptKw(Kw::INSTANTIABLE) || acceptKw(Kw::OVERRIDING))
            continue;
        if (cur().kind == Tok::Word && identName(m_src, cur()) == "PERSISTABLE") {
            ++m_i;
            continue;
        }
        m_i = at;
        return;
    }
}

} // namespace ocilite::plsql
