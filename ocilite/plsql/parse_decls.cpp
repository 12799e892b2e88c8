// Declarations: variables, constants, exceptions, subtypes, record / collection / ref
// cursor types, cursors, pragmas, nested subprograms; datatypes with their constraints.
#include "ocilite/plsql/parser.h"

#include "ocilite/plsql/lexer.h"

namespace ocilite::plsql {

// Items up to BEGIN or END. Oracle accepts only subprograms and pragmas after the first
// subprogram body of a declare section.
Node *Parser::declarations(bool package, bool body) {
    Node *list = mk(NK::DeclList, static_cast<uint32_t>(m_i));
    ChildList items;
    bool afterBody = false;
    while (!atEof() && !isKw(Kw::BEGIN) && !isKw(Kw::END)) {
        if (afterBody && !isKw(Kw::PROCEDURE) && !isKw(Kw::FUNCTION) && !isKw(Kw::PRAGMA))
            fail(package ? Expect::AfterSubprogramPkg : Expect::AfterSubprogram);
        Node *d = declaration(package, body);
        afterBody = afterBody || (d && d->kind == NK::SubprogBody);
        items.add(d);
        listItemDone(list->first);
    }
    if (atEof())
        fail(package && !body ? Expect::PackageItem : Expect::Declaration);
    list->child = items.head;
    return finish(list);
}

Node *Parser::declaration(bool package, bool body) {
    (void)body;
    if (isKw(Kw::PROCEDURE) || isKw(Kw::FUNCTION))
        return subprogram(false);
    if (isKw(Kw::PRAGMA))
        return pragma();
    if (isKw(Kw::CURSOR))
        return cursorDecl();
    if (isKw(Kw::TYPE))
        return typeDecl();
    if (isKw(Kw::SUBTYPE))
        return subtypeDecl();
    if (!isIdentifier())
        fail(package && !body ? Expect::PackageItem : Expect::Declaration);
    return variable();
}

Node *Parser::defaultValue() {
    if (!acceptOp2(":=") && !acceptKw(Kw::DEFAULT))
        return nullptr;
    return expr();
}

// name [CONSTANT] type [NOT NULL] [:= expr];  or  name EXCEPTION;
Node *Parser::variable() {
    const uint32_t first = static_cast<uint32_t>(m_i);
    ++m_i;
    if (acceptKw(Kw::EXCEPTION)) {
        Node *e = mk(NK::Exception, first);
        expectSemicolon(Expect::Semicolon);
        return finish(e);
    }
    Node *v = mk(NK::Variable, first);
    if (acceptKw(Kw::CONSTANT))
        v->flags |= kFlagConstant;
    ChildList parts;
    Node *type = datatype();
    parts.add(type);
    if (acceptKw(Kw::NOT)) {
        expectKw(Kw::NULL_, Expect::Generic);
        v->flags |= kFlagNotNull;
    }
    if (Node *d = defaultValue()) {
        v->flags |= kFlagHasInit;
        parts.add(d);
    }
    v->child = parts.head;
    expectSemicolon(type->op ? Expect::VariableType : Expect::VariableTypeName);
    return finish(v);
}

Node *Parser::pragma() {
    Node *p = mk(NK::Pragma, static_cast<uint32_t>(m_i));
    ++m_i;
    p->tok = expectIdentifier(Expect::Identifier);
    if (isOp('('))
        p->child = arguments();
    expectSemicolon(Expect::Semicolon);
    return finish(p);
}

// CURSOR name [(params)] [RETURN type] [IS query];
Node *Parser::cursorDecl() {
    Node *c = mk(NK::Cursor, static_cast<uint32_t>(m_i));
    ++m_i;
    c->tok = expectIdentifier(Expect::Identifier);
    ChildList parts;
    if (isOp('('))
        parts.add(parameterList());
    if (acceptKw(Kw::RETURN))
        parts.add(datatype());
    if (acceptKw(Kw::IS)) {
        const uint32_t start = static_cast<uint32_t>(m_i);
        parts.add(selectStatement(false));
        if (!sqlEnded(start)) {
            c->child = parts.head;
            return finish(c);
        }
    }
    c->child = parts.head;
    expectSemicolon(Expect::Semicolon);
    return finish(c);
}

// SUBTYPE name IS type [RANGE a..b] [NOT NULL];
Node *Parser::subtypeDecl() {
    Node *s = mk(NK::Subtype, static_cast<uint32_t>(m_i));
    ++m_i;
    s->tok = expectIdentifier(Expect::Identifier);
    expectKw(Kw::IS, Expect::Generic);
    s->child = datatype();
    if (acceptKw(Kw::NOT)) {
        expectKw(Kw::NULL_, Expect::Generic);
        s->flags |= kFlagNotNull;
    }
    expectSemicolon(Expect::Semicolon);
    return finish(s);
}

Node *Parser::recordFields() {
    expectOp('(', Expect::Generic);
    ChildList fields;
    do {
        Node *f = mk(NK::Field, static_cast<uint32_t>(m_i));
        if (!isAnyName())
            fail(Expect::Identifier);
        f->tok = static_cast<uint32_t>(m_i++);
        ChildList parts;
        parts.add(datatype());
        if (acceptKw(Kw::NOT)) {
            expectKw(Kw::NULL_, Expect::Generic);
            f->flags |= kFlagNotNull;
        }
        parts.add(defaultValue());
        f->child = parts.head;
        fields.add(finish(f));
    } while (acceptOp(','));
    expectOp(')', Expect::Generic);
    return fields.head;
}

// TYPE name IS RECORD (...) | TABLE OF ... | VARRAY (n) OF ... | REF CURSOR ... | OBJECT;
Node *Parser::typeDecl() {
    const uint32_t first = static_cast<uint32_t>(m_i);
    ++m_i;
    const uint32_t nameTok = expectIdentifier(Expect::Identifier);
    if (!acceptKw(Kw::IS))
        expectKw(Kw::AS, Expect::Generic);
    Node *t;
    if (acceptKw(Kw::RECORD)) {
        t = mk(NK::RecordType, first);
        t->child = recordFields();
    } else if (isKw(Kw::REF) && peekKw(1, Kw::CURSOR)) {
        t = mk(NK::RefCursorType, first);
        t->child = datatype();
    } else {
        t = mk(NK::CollType, first);
        t->child = datatype();
    }
    t->tok = nameTok;
    expectSemicolon(Expect::Semicolon);
    return finish(t);
}

} // namespace ocilite::plsql
