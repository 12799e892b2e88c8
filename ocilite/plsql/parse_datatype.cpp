// Datatypes as declarations write them: names with %TYPE / %ROWTYPE, built-in types with
// their constraints (VARCHAR2(10 CHAR), NUMBER(5,2), TIMESTAMP WITH TIME ZONE ...),
// collections (TABLE OF, VARRAY), REF CURSOR and REF types.
#include "ocilite/plsql/parser.h"

#include "ocilite/plsql/lexer.h"

namespace ocilite::plsql {
namespace {

bool wordIs(std::string_view src, const Token &t, std::string_view upper) {
    if (t.kind != Tok::Word || t.length != upper.size())
        return false;
    for (size_t i = 0; i < upper.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(src[t.offset + i])) != upper[i])
            return false;
    return true;
}

} // namespace

// (n [BYTE|CHAR]) | (p [, s]) | RANGE a .. b | CHARACTER SET x; op = 1 when given.
void Parser::typeConstraint(Node *type) {
    if (isOp('(') && m_returnType)
        fail(Expect::ReturnType);
    if (isOp('(')) {
        type->op = 1;
        ++m_i;
        Node *length = mk(NK::Literal, static_cast<uint32_t>(m_i));
        if (cur().kind == Tok::Number || isOp('*') || isOp('-'))
            ++m_i;
        else
            expr();
        ChildList parts;
        parts.add(type->child);
        parts.add(finish(length));
        type->child = parts.head;
        if (acceptOp(','))
            expr();
        if (isKw(Kw::BYTE) || isKw(Kw::CHAR))
            ++m_i;
        expectOp(')', Expect::Generic);
    }
    if (acceptKw(Kw::RANGE)) {
        type->op = 1;
        additive();
        expectOp2("..", Expect::Generic);
        additive();
    }
    if (isKw(Kw::CHARACTER) && peekKw(1, Kw::SET)) {
        type->op = 1;
        m_i += 2;
        ++m_i;
        if (acceptOp('%'))
            ++m_i;
    }
}

// TABLE OF t [NOT NULL] [INDEX BY t] | VARRAY (n) OF t | VARYING ARRAY (n) OF t
Node *Parser::collectionType(Node *type) {
    if (acceptKw(Kw::VARYING))
        ++m_i; // ARRAY
    else if (acceptKw(Kw::VARRAY))
        skipBalanced();
    else
        ++m_i;
    expectKw(Kw::OF, Expect::Generic);
    type->child = datatype();
    if (acceptKw(Kw::NOT))
        expectKw(Kw::NULL_, Expect::Generic);
    if (acceptKw(Kw::INDEX)) {
        expectKw(Kw::BY, Expect::IndexBy);
        type->child->next = datatype();
    }
    type->op = 1;
    return finish(type);
}

Node *Parser::datatype() {
    Node *type = mk(NK::TypeRef, static_cast<uint32_t>(m_i));
    if (isKw(Kw::REF) && peekKw(1, Kw::CURSOR)) {
        m_i += 2;
        if (acceptKw(Kw::RETURN))
            type->child = datatype();
        type->op = 1;
        return finish(type);
    }
    if (isKw(Kw::TABLE) || isKw(Kw::VARRAY) || isKw(Kw::VARYING))
        return collectionType(type);
    acceptKw(Kw::REF);
    Node *n = mk(NK::Name, static_cast<uint32_t>(m_i));
    ChildList parts;
    if (!isAnyName())
        fail(Expect::Identifier);
    // Two-word built-in types.
    const bool twoWords =
        (wordIs(m_src, cur(), "LONG") && wordIs(m_src, peek(), "RAW")) ||
        (wordIs(m_src, cur(), "DOUBLE") && peekKw(1, Kw::PRECISION)) ||
        ((isKw(Kw::CHARACTER) || isKw(Kw::CHAR) || isKw(Kw::NCHAR)) && peekKw(1, Kw::VARYING));
    Node *p = mk(NK::Part, static_cast<uint32_t>(m_i++));
    parts.add(finish(p));
    if (twoWords)
        ++m_i;
    if (wordIs(m_src, m_t[p->first], "NATIONAL")) {
        ++m_i;
        acceptKw(Kw::VARYING);
    }
    while (isOp('.') && (peek().kind == Tok::Word || peek().kind == Tok::QuotedIdent)) {
        ++m_i;
        parts.add(finish(mk(NK::Part, static_cast<uint32_t>(m_i++))));
    }
    if (isOp('%') && peek().kind == Tok::Word) {
        ++m_i;
        parts.add(finish(mk(NK::Attr, static_cast<uint32_t>(m_i++))));
    }
    n->child = parts.head;
    type->child = finish(n);
    const bool timeType =
        wordIs(m_src, m_t[p->first], "TIMESTAMP") || wordIs(m_src, m_t[p->first], "INTERVAL");
    typeConstraint(type);
    if (timeType) {
        while (isKw(Kw::WITH) || isKw(Kw::TIME) || isKw(Kw::ZONE) || isKw(Kw::TO) ||
               isKw(Kw::YEAR) || isKw(Kw::MONTH) || isKw(Kw::DAY) || isKw(Kw::SECOND) ||
               wordIs(m_src, cur(), "LOCAL")) {
            ++m_i;
            if (isOp('('))
                skipBalanced();
        }
    }
    return finish(type);
}

// A function's RETURN type: a type name, never with a length or precision.
Node *Parser::returnType() {
    m_returnType = true;
    Node *type = datatype();
    m_returnType = false;
    return type;
}

} // namespace ocilite::plsql
