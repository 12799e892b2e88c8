// Statements of a block: control flow, loops, cursors, dynamic SQL, calls and assignments,
// exception handlers. SQL statements are in parse_sql.cpp.
#include "ocilite/plsql/parser.h"

#include "ocilite/plsql/lexer.h"

namespace ocilite::plsql {
// [DECLARE decls] BEGIN stmts [EXCEPTION handlers] END [label]
Node *Parser::block(uint32_t first) {
    Node *b = mk(NK::Block, first);
    ChildList parts;
    if (acceptKw(Kw::DECLARE))
        parts.add(declarations(false, true));
    expectKw(Kw::BEGIN, Expect::Declaration);
    parts.add(statements(Expect::FirstStatement));
    if (isKw(Kw::EXCEPTION))
        parts.add(handlers());
    b->child = parts.head;
    expectKw(Kw::END, Expect::StatementStart);
    if (isIdentifier())
        ++m_i;
    return finish(b);
}

// One or more statements, up to END / EXCEPTION / ELSE / ELSIF / WHEN.
Node *Parser::statements(Expect e) {
    Node *list = mk(NK::StmtList, static_cast<uint32_t>(m_i));
    ChildList stmts;
    if (!startsStatement())
        fail(e);
    while (!atEof() && !endsStatementList()) {
        if (!startsStatement())
            fail(Expect::StatementStart);
        stmts.add(statement());
        listItemDone(list->first);
    }
    if (atEof())
        fail(Expect::StatementStart);
    list->child = stmts.head;
    return finish(list);
}

void Parser::endBlock(Expect e) {
    (void)e;
    if (isIdentifier())
        ++m_i;
    expectSemicolon(Expect::AfterEnd);
}

Node *Parser::statement() {
    Nested level(*this);
    const uint32_t first = static_cast<uint32_t>(m_i);
    if (isOp2("<<"))
        return labelled();
    if (isKw(Kw::BEGIN) || isKw(Kw::DECLARE)) {
        Node *b = block(first);
        endBlock(Expect::AfterEnd);
        return finish(b);
    }
    switch (Kw(cur().kind == Tok::Word ? cur().kw : 0)) {
    case Kw::IF:
        return ifStatement();
    case Kw::CASE:
        return caseStatement();
    case Kw::LOOP:
        return loopStatement(mk(NK::Loop, first), first);
    case Kw::WHILE:
        return whileLoop();
    case Kw::FOR:
        return forLoop();
    case Kw::FORALL:
        return forall();
    case Kw::EXIT:
        return exitOrContinue(NK::Exit);
    case Kw::CONTINUE:
        return exitOrContinue(NK::Continue);
    case Kw::GOTO:
        return gotoStatement();
    case Kw::NULL_: {
        ++m_i;
        Node *n = mk(NK::Null, first);
        expectSemicolon(Expect::Semicolon);
        return finish(n);
    }
    case Kw::RAISE:
        return raiseStatement();
    case Kw::RETURN:
        return returnStatement();
    case Kw::OPEN:
        return openStatement();
    case Kw::FETCH:
        return fetchStatement();
    case Kw::CLOSE:
        return closeStatement();
    case Kw::EXECUTE:
        return executeImmediate();
    case Kw::PIPE:
        return pipeRow();
    case Kw::PRAGMA:
        return pragma();
    default:
        break;
    }
    if (startsSql())
        return sqlStatement();
    return nameStatement();
}

Node *Parser::labelled() {
    Node *l = mk(NK::Label, static_cast<uint32_t>(m_i));
    ++m_i;
    l->tok = expectIdentifier(Expect::Identifier);
    expectOp2(">>", Expect::Generic);
    finish(l);
    if (endsStatementList() && !isKw(Kw::END))
        fail(Expect::FirstStatement);
    return l;
}

// The list after a condition: a bare name may still go on (. ( @ % and every operator).
Expect Parser::thenAfter(const Node *condition) const {
    if (condition && condition->kind == NK::Name) {
        const Node *last = condition->child;
        while (last && last->next)
            last = last->next;
        if (last && last->kind == NK::Part)
            return Expect::ThenAfterName;
    }
    return Expect::Then;
}

Node *Parser::ifStatement() {
    Node *n = mk(NK::If, static_cast<uint32_t>(m_i));
    ++m_i;
    ChildList parts;
    parts.add(expr());
    expectKw(Kw::THEN, thenAfter(parts.tail));
    parts.add(statements(Expect::FirstStatement));
    while (isKw(Kw::ELSIF)) {
        Node *e = mk(NK::ElsifPart, static_cast<uint32_t>(m_i++));
        ChildList ep;
        ep.add(expr());
        expectKw(Kw::THEN, thenAfter(ep.tail));
        ep.add(statements(Expect::FirstStatement));
        e->child = ep.head;
        parts.add(finish(e));
    }
    if (isKw(Kw::ELSE)) {
        Node *e = mk(NK::ElsePart, static_cast<uint32_t>(m_i++));
        e->child = statements(Expect::FirstStatement);
        parts.add(finish(e));
    }
    n->child = parts.head;
    expectKw(Kw::END, Expect::InnerStatement);
    expectKw(Kw::IF, Expect::EndIf);
    expectSemicolon(Expect::Semicolon);
    return finish(n);
}

Node *Parser::caseStatement() {
    Node *n = mk(NK::Case, static_cast<uint32_t>(m_i));
    ++m_i;
    ChildList parts;
    if (!isKw(Kw::WHEN))
        parts.add(expr());
    while (isKw(Kw::WHEN)) {
        Node *w = mk(NK::WhenPart, static_cast<uint32_t>(m_i++));
        ChildList wp;
        wp.add(expr());
        expectKw(Kw::THEN, Expect::Then);
        wp.add(statements(Expect::FirstStatement));
        w->child = wp.head;
        parts.add(finish(w));
    }
    if (isKw(Kw::ELSE)) {
        Node *e = mk(NK::ElsePart, static_cast<uint32_t>(m_i++));
        e->child = statements(Expect::FirstStatement);
        parts.add(finish(e));
    }
    n->child = parts.head;
    expectKw(Kw::END, Expect::InnerStatement);
    expectKw(Kw::CASE, Expect::EndCase);
    const bool label = isIdentifier();
    if (label)
        ++m_i;
    expectSemicolon(label ? Expect::Semicolon : Expect::AfterEnd);
    return finish(n);
}

// LOOP stmts END LOOP [label];  (head holds the WHILE / FOR part already parsed)
Node *Parser::loopStatement(Node *head, uint32_t first) {
    (void)first;
    expectKw(Kw::LOOP, Expect::Loop);
    ChildList parts;
    parts.add(head->child);
    parts.add(statements(Expect::FirstStatement));
    head->child = parts.head;
    expectKw(Kw::END, Expect::InnerStatement);
    expectKw(Kw::LOOP, Expect::EndLoop);
    const bool label = isIdentifier();
    if (label)
        ++m_i;
    expectSemicolon(label ? Expect::Semicolon : Expect::AfterEnd);
    return finish(head);
}

Node *Parser::whileLoop() {
    const uint32_t first = static_cast<uint32_t>(m_i);
    Node *n = mk(NK::While, first);
    ++m_i;
    n->child = expr();
    return loopStatement(n, first);
}

// FOR i IN [REVERSE] a .. b | FOR r IN cursor [(args)] | FOR r IN (query)
Node *Parser::forLoop() {
    const uint32_t first = static_cast<uint32_t>(m_i);
    ++m_i;
    const uint32_t index = expectIdentifier(Expect::Identifier);
    expectKw(Kw::IN, Expect::Generic);
    acceptKw(Kw::REVERSE);
    Node *n;
    if (isOp('(') && (peekKw(1, Kw::SELECT) || peekKw(1, Kw::WITH) || peekOp(1, '('))) {
        n = mk(NK::ForCursor, first);
        ++m_i;
        n->child = selectStatement(false);
        expectOp(')', Expect::Generic);
    } else {
        Node *from = additive();
        if (acceptOp2("..")) {
            n = mk(NK::ForNum, first);
            from->next = additive();
        } else {
            n = mk(NK::ForCursor, first);
        }
        n->child = from;
    }
    n->tok = index;
    return loopStatement(n, first);
}

// FORALL i IN a..b | INDICES OF x [BETWEEN a AND b] | VALUES OF x [SAVE EXCEPTIONS] dml
Node *Parser::forall() {
    Node *n = mk(NK::Forall, static_cast<uint32_t>(m_i));
    ++m_i;
    n->tok = expectIdentifier(Expect::Identifier);
    expectKw(Kw::IN, Expect::Generic);
    ChildList parts;
    if (acceptKw(Kw::INDICES) || acceptKw(Kw::VALUES)) {
        expectKw(Kw::OF, Expect::Generic);
        parts.add(name());
        if (acceptKw(Kw::BETWEEN)) {
            parts.add(additive());
            expectKw(Kw::AND, Expect::Generic);
            parts.add(additive());
        }
    } else {
        parts.add(additive());
        expectOp2("..", Expect::Generic);
        parts.add(additive());
    }
    if (acceptKw(Kw::SAVE))
        expectKw(Kw::EXCEPTIONS, Expect::Generic);
    parts.add(isKw(Kw::EXECUTE) ? executeImmediate() : sqlStatement());
    n->child = parts.head;
    return finish(n);
}

Node *Parser::exitOrContinue(NK kind) {
    Node *n = mk(kind, static_cast<uint32_t>(m_i));
    ++m_i;
    if (isIdentifier() && !isKw(Kw::WHEN))
        ++m_i;
    if (acceptKw(Kw::WHEN))
        n->child = expr();
    expectSemicolon(afterExpression(prev()));
    return finish(n);
}

Node *Parser::gotoStatement() {
    Node *n = mk(NK::Goto, static_cast<uint32_t>(m_i));
    ++m_i;
    n->tok = expectIdentifier(Expect::Identifier);
    expectSemicolon(Expect::Semicolon);
    return finish(n);
}

Node *Parser::raiseStatement() {
    Node *n = mk(NK::Raise, static_cast<uint32_t>(m_i));
    ++m_i;
    if (!isOp(';'))
        n->child = name();
    expectSemicolon(Expect::AfterName);
    return finish(n);
}

Node *Parser::returnStatement() {
    Node *n = mk(NK::Return, static_cast<uint32_t>(m_i));
    ++m_i;
    if (!isOp(';') && startsExpression())
        n->child = expr();
    expectSemicolon(afterExpression(prev()));
    return finish(n);
}

} // namespace ocilite::plsql
