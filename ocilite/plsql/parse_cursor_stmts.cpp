// Statements around cursors and dynamic SQL (OPEN, FETCH, CLOSE, EXECUTE IMMEDIATE, PIPE
// ROW), calls and assignments, and exception handlers.
#include "ocilite/plsql/parser.h"

#include "ocilite/plsql/lexer.h"

namespace ocilite::plsql {

// [BULK COLLECT] INTO target, ...
Node *Parser::intoTargets(NK kind) {
    Node *n = mk(kind, static_cast<uint32_t>(m_i));
    if (acceptKw(Kw::BULK))
        expectKw(Kw::COLLECT, Expect::Generic);
    expectKw(Kw::INTO, Expect::Into);
    ChildList targets;
    do {
        targets.add(cur().kind == Tok::BindVar ? primary() : name());
    } while (acceptOp(','));
    n->child = targets.head;
    return finish(n);
}

// OPEN c [(args)];  OPEN cv FOR query | expr [USING args];
Node *Parser::openStatement() {
    Node *n = mk(NK::Open, static_cast<uint32_t>(m_i));
    ++m_i;
    ChildList parts;
    parts.add(cur().kind == Tok::BindVar ? primary() : name());
    if (acceptKw(Kw::FOR)) {
        n->kind = NK::OpenFor;
        if (isKw(Kw::SELECT) || isKw(Kw::WITH) || (isOp('(') && peekKw(1, Kw::SELECT))) {
            const uint32_t start = static_cast<uint32_t>(m_i);
            parts.add(selectStatement(false));
            if (!isKw(Kw::USING) && !sqlEnded(start)) {
                n->child = parts.head;
                return finish(n);
            }
        } else {
            parts.add(expr());
        }
        if (acceptKw(Kw::USING)) {
            do {
                acceptKw(Kw::IN);
                acceptKw(Kw::OUT);
                parts.add(expr());
            } while (acceptOp(','));
        }
    }
    n->child = parts.head;
    expectSemicolon(afterExpression(prev()));
    return finish(n);
}

Node *Parser::fetchStatement() {
    Node *n = mk(NK::Fetch, static_cast<uint32_t>(m_i));
    ++m_i;
    ChildList parts;
    parts.add(cur().kind == Tok::BindVar ? primary() : name());
    parts.add(intoTargets(NK::Into));
    if (acceptKw(Kw::LIMIT))
        parts.add(expr());
    n->child = parts.head;
    expectSemicolon(afterExpression(prev()));
    return finish(n);
}

Node *Parser::closeStatement() {
    Node *n = mk(NK::Close, static_cast<uint32_t>(m_i));
    ++m_i;
    n->child = cur().kind == Tok::BindVar ? primary() : name();
    expectSemicolon(Expect::AfterName);
    return finish(n);
}

// EXECUTE IMMEDIATE expr [INTO ...] [USING [IN|OUT|IN OUT] expr, ...] [RETURNING INTO ...];
Node *Parser::executeImmediate() {
    Node *n = mk(NK::ExecImmediate, static_cast<uint32_t>(m_i));
    ++m_i;
    expectKw(Kw::IMMEDIATE, Expect::Generic);
    ChildList parts;
    parts.add(expr());
    for (;;) {
        if (isKw(Kw::INTO) || isKw(Kw::BULK)) {
            parts.add(intoTargets(NK::Into));
        } else if (acceptKw(Kw::USING)) {
            do {
                acceptKw(Kw::IN);
                acceptKw(Kw::OUT);
                parts.add(expr());
            } while (acceptOp(','));
        } else if (acceptKw(Kw::RETURNING) || acceptKw(Kw::RETURN)) {
            parts.add(intoTargets(NK::Returning));
        } else {
            break;
        }
    }
    n->child = parts.head;
    if (n->kind == NK::ExecImmediate && isOp(';'))
        ++m_i;
    else
        expectSemicolon(afterExpression(prev()));
    return finish(n);
}

Node *Parser::pipeRow() {
    Node *n = mk(NK::PipeRow, static_cast<uint32_t>(m_i));
    ++m_i;
    expectKw(Kw::ROW, Expect::Generic);
    expectOp('(', Expect::Generic);
    n->child = expr();
    expectOp(')', Expect::Generic);
    expectSemicolon(Expect::AfterValue);
    return finish(n);
}

// name [(args)] ... ;  or  target := expr;
Node *Parser::nameStatement() {
    const uint32_t first = static_cast<uint32_t>(m_i);
    Node *target = cur().kind == Tok::BindVar || isOp('(') ? primary() : name();
    if (acceptOp2(":=")) {
        Node *n = mk(NK::Assign, first);
        target->next = expr();
        n->child = target;
        expectSemicolon(afterExpression(prev()));
        return finish(n);
    }
    Node *n = mk(NK::CallStmt, first);
    n->child = target;
    if (!isOp(';') && prev().kind == Tok::Word && target->child && !target->child->next)
        fail(Expect::AfterNameStatement);
    expectSemicolon(afterExpression(prev()));
    return finish(n);
}

// EXCEPTION WHEN a [OR b] THEN stmts ... [WHEN OTHERS THEN stmts]
Node *Parser::handlers() {
    Node *list = mk(NK::StmtList, static_cast<uint32_t>(m_i));
    expectKw(Kw::EXCEPTION, Expect::Generic);
    ChildList hs;
    do {
        Node *h = mk(NK::Handler, static_cast<uint32_t>(m_i));
        expectKw(Kw::WHEN, Expect::Handler);
        ChildList parts;
        do {
            if (acceptKw(Kw::OTHERS))
                continue;
            parts.add(name());
        } while (acceptKw(Kw::OR));
        expectKw(Kw::THEN, Expect::Generic);
        parts.add(statements(Expect::FirstStatement));
        h->child = parts.head;
        hs.add(finish(h));
        listItemDone(list->first + 1);
    } while (isKw(Kw::WHEN));
    list->child = hs.head;
    return finish(list);
}

} // namespace ocilite::plsql
