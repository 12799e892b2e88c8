// Object type specifications and bodies, and triggers (simple, INSTEAD OF, compound).
#include "ocilite/plsql/parser.h"

#include "ocilite/plsql/lexer.h"

namespace ocilite::plsql {

// One member of an object type's attribute and method list.
void Parser::typeMember(ChildList &members) {
    typeModifiers();
    if (isKw(Kw::MAP) || isKw(Kw::ORDER))
        ++m_i;
    if (acceptKw(Kw::MEMBER) || acceptKw(Kw::STATIC) || acceptKw(Kw::CONSTRUCTOR)) {
        const bool function = isKw(Kw::FUNCTION);
        if (!function && !isKw(Kw::PROCEDURE))
            fail(Expect::Generic);
        ++m_i;
        members.add(subprogramHeading(NK::SubprogDecl, function, true));
        finish(members.tail);
        if (isKw(Kw::IS) || isKw(Kw::AS)) {
            while (!atEof() && !isOp(',') && !isOp(')'))
                ++m_i; // external name clause
        }
        return;
    }
    if (acceptKw(Kw::PRAGMA)) {
        skipBalanced();
        return;
    }
    Node *a = mk(NK::Attribute, static_cast<uint32_t>(m_i));
    a->tok = static_cast<uint32_t>(m_i);
    if (!isAnyName())
        fail(Expect::Identifier);
    ++m_i;
    a->child = datatype();
    members.add(finish(a));
}

Node *Parser::typeSpec(uint32_t first) {
    Node *unit = mk(NK::TypeSpec, first);
    unitName(unit);
    acceptKw(Kw::FORCE);
    if (cur().kind == Tok::Word && identName(m_src, cur()) == "OID") {
        m_i += 2;
    }
    unitClauses(false);
    ChildList members;
    if (acceptKw(Kw::UNDER)) {
        members.add(sqlTableName());
    } else {
        if (!acceptKw(Kw::IS))
            expectKw(Kw::AS, Expect::SubprogramHeading);
        if (acceptKw(Kw::OBJECT)) {
        } else if (isKw(Kw::TABLE) || isKw(Kw::VARRAY) || isKw(Kw::VARYING) || isKw(Kw::REF)) {
            Node *t = datatype();
            members.add(t);
            typeModifiers();
            acceptOp(';');
            unit->child = members.head;
            return finish(unit);
        } else {
            fail(Expect::Generic);
        }
    }
    if (acceptOp('(')) {
        do {
            typeMember(members);
        } while (acceptOp(','));
        expectOp(')', Expect::Generic);
    }
    typeModifiers();
    acceptOp(';');
    unit->child = members.head;
    return finish(unit);
}

Node *Parser::typeBody(uint32_t first) {
    Node *unit = mk(NK::TypeBody, first);
    unitName(unit);
    if (!acceptKw(Kw::IS))
        expectKw(Kw::AS, Expect::SubprogramHeading);
    ChildList members;
    while (!isKw(Kw::END) && !atEof()) {
        typeModifiers();
        if (isKw(Kw::MAP) || isKw(Kw::ORDER))
            ++m_i;
        if (!acceptKw(Kw::MEMBER) && !acceptKw(Kw::STATIC) && !acceptKw(Kw::CONSTRUCTOR))
            fail(Expect::Generic);
        if (!isKw(Kw::FUNCTION) && !isKw(Kw::PROCEDURE))
            fail(Expect::Generic);
        members.add(subprogram(true));
    }
    unit->child = members.head;
    endUnit(Expect::Generic);
    return finish(unit);
}

// The heading up to the trigger's body: timing, events, ON ..., REFERENCING, FOR EACH ROW,
// FOLLOWS / PRECEDES, ENABLE / DISABLE, WHEN (condition).
void Parser::triggerHeading() {
    while (!atEof()) {
        if (isKw(Kw::DECLARE) || isKw(Kw::BEGIN) || isKw(Kw::COMPOUND) || isKw(Kw::CALL))
            return;
        if (acceptKw(Kw::WHEN)) {
            expectOp('(', Expect::Generic);
            expr();
            expectOp(')', Expect::Generic);
            continue;
        }
        ++m_i;
    }
}

Node *Parser::trigger(uint32_t first) {
    Node *unit = mk(NK::Trigger, first);
    unitName(unit);
    triggerHeading();
    if (acceptKw(Kw::CALL)) {
        unit->child = name();
        acceptOp(';');
        return finish(unit);
    }
    unit->child = isKw(Kw::COMPOUND) ? compoundTrigger(static_cast<uint32_t>(m_i))
                                     : block(static_cast<uint32_t>(m_i));
    acceptOp(';');
    return finish(unit);
}

// COMPOUND TRIGGER decls { timing-point IS BEGIN ... END timing-point; } END [name];
Node *Parser::compoundTrigger(uint32_t first) {
    Node *b = mk(NK::Block, first);
    expectKw(Kw::COMPOUND, Expect::Generic);
    expectKw(Kw::TRIGGER, Expect::Generic);
    ChildList parts;
    parts.add(declarations(false, true));
    while ((isKw(Kw::BEFORE) || isKw(Kw::AFTER) || isKw(Kw::INSTEAD)) && !atEof()) {
        while (!atEof() && !isKw(Kw::IS))
            ++m_i;
        expectKw(Kw::IS, Expect::Generic);
        Node *section = mk(NK::Block, static_cast<uint32_t>(m_i));
        expectKw(Kw::BEGIN, Expect::Generic);
        ChildList inner;
        inner.add(statements(Expect::FirstStatement));
        if (isKw(Kw::EXCEPTION))
            inner.add(handlers());
        section->child = inner.head;
        expectKw(Kw::END, Expect::StatementStart);
        while (!atEof() && !isOp(';'))
            ++m_i;
        expectOp(';', Expect::Semicolon);
        parts.add(finish(section));
    }
    b->child = parts.head;
    expectKw(Kw::END, Expect::Generic);
    if (isAnyName())
        ++m_i;
    return finish(b);
}

} // namespace ocilite::plsql
