// FROM clauses with joins, and the DML statements INSERT, UPDATE, DELETE and MERGE.
#include "ocilite/plsql/parser.h"

#include "ocilite/plsql/lexer.h"

namespace ocilite::plsql {

// [AS] alias, unless the next word starts a clause.
// The alias's token index, or 0 when none follows.
uint32_t Parser::tableAlias() {
    if (acceptKw(Kw::AS))
        return static_cast<uint32_t>(m_i++);
    if (cur().kind == Tok::QuotedIdent)
        return static_cast<uint32_t>(m_i++);
    if (cur().kind == Tok::Word && !isReserved(Kw(cur().kw)) && !isKw(Kw::JOIN) &&
        !isKw(Kw::INNER) && !isKw(Kw::LEFT) && !isKw(Kw::RIGHT) && !isKw(Kw::FULL) &&
        !isKw(Kw::CROSS) && !isKw(Kw::NATURAL) && !isKw(Kw::OUTER) && !isKw(Kw::PIVOT) &&
        !isKw(Kw::UNPIVOT) && !isKw(Kw::RETURNING) && !isKw(Kw::RETURN) && !isKw(Kw::LOG) &&
        !isKw(Kw::FETCH) && !isKw(Kw::OFFSET) && !isKw(Kw::SAMPLE) && !isKw(Kw::PARTITION) &&
        !isKw(Kw::VERSIONS) && !isKw(Kw::LIMIT) && !isKw(Kw::EXCEPT) && !isKw(Kw::MODEL) &&
        !isKw(Kw::BULK) && !isKw(Kw::USING) && !isKw(Kw::WINDOW) && !isKw(Kw::APPLY) &&
        !isKw(Kw::SET))
        return static_cast<uint32_t>(m_i++);
    return 0;
}

Node *Parser::fromClause() {
    Node *list = mk(NK::Other, static_cast<uint32_t>(m_i));
    expectKw(Kw::FROM, Expect::Generic);
    ChildList refs;
    do {
        refs.add(tableReference());
        joinClauses(refs);
    } while (acceptOp(','));
    list->child = refs.head;
    return finish(list);
}

// A table, view or synonym name [@link]; (subquery); TABLE(expr); LATERAL (subquery);
// JSON_TABLE / XMLTABLE (...); then [alias].
Node *Parser::tableExpression() {
    Node *t = mk(NK::TableRef, static_cast<uint32_t>(m_i));
    if (isOp('(')) {
        t->child = subquery();
        t->flags = 1;
    } else if (acceptKw(Kw::LATERAL)) {
        t->child = subquery();
        t->flags = 1;
    } else if ((isKw(Kw::TABLE) || isKw(Kw::ONLY)) && peekOp(1, '(')) {
        ++m_i;
        t->child = parenthesised();
        t->flags = 1;
    } else if (isAnyName() && peekOp(1, '(')) {
        t->child = name(); // a table function: JSON_TABLE(...), XMLTABLE(...), pkg.f(...)
        t->flags = 1;
    } else {
        t->child = sqlTableName();
    }
    return finish(t);
}

Node *Parser::sqlTableName() {
    Node *n = mk(NK::Name, static_cast<uint32_t>(m_i));
    ChildList parts;
    if (!isAnyName())
        fail(Expect::Identifier);
    parts.add(finish(mk(NK::Part, static_cast<uint32_t>(m_i++))));
    while (isOp('.') && (peek().kind == Tok::Word || peek().kind == Tok::QuotedIdent)) {
        ++m_i;
        parts.add(finish(mk(NK::Part, static_cast<uint32_t>(m_i++))));
    }
    if (isOp('@')) {
        n->flags = 1; // over a database link: another database's names
        ++m_i;
        ++m_i;
        while (isOp('.') && peek().kind == Tok::Word)
            m_i += 2;
    }
    n->child = parts.head;
    return finish(n);
}

Node *Parser::tableReference() {
    Node *t = tableExpression();
    for (;;) {
        if (isKw(Kw::PARTITION) || isKw(Kw::SAMPLE)) {
            while (!isOp('(') && !atEof())
                ++m_i;
            skipBalanced();
        } else if (isKw(Kw::AS) && peekKw(1, Kw::OF)) {
            m_i += 3;
            additive();
        } else if (isKw(Kw::VERSIONS)) {
            while (!isKw(Kw::AND) && !atEof())
                ++m_i;
            ++m_i;
            additive();
        } else {
            break;
        }
    }
    if (const uint32_t alias = tableAlias())
        t->tok = alias;
    if (isKw(Kw::PIVOT) || isKw(Kw::UNPIVOT)) {
        ++m_i;
        if (isKw(Kw::INCLUDE) || isKw(Kw::EXCLUDE))
            m_i += 2;
        skipBalanced();
        tableAlias();
        t->flags = 1; // the pivoted rows' columns are not the table's
    }
    return t;
}

void Parser::joinClauses(ChildList &list) {
    for (;;) {
        const size_t save = m_i;
        acceptKw(Kw::NATURAL);
        if (isKw(Kw::LEFT) || isKw(Kw::RIGHT) || isKw(Kw::FULL))
            ++m_i;
        acceptKw(Kw::OUTER);
        if (isKw(Kw::INNER) || isKw(Kw::CROSS))
            ++m_i;
        if (isKw(Kw::APPLY)) {
            ++m_i;
            list.add(tableReference());
            continue;
        }
        if (!acceptKw(Kw::JOIN)) {
            m_i = save;
            return;
        }
        list.add(tableReference());
        if (acceptKw(Kw::ON)) {
            Node *on = mk(NK::Where, static_cast<uint32_t>(m_i - 1));
            on->child = expr();
            list.add(finish(on));
        } else if (acceptKw(Kw::USING)) {
            skipBalanced();
        }
    }
}

Node *Parser::insertTarget() {
    if (!acceptKw(Kw::INTO))
        throw SqlSyntaxError{Msg::MissingInto};
    // INSERT INTO t (a, b): a column list, not a table function's arguments.
    Node *t;
    if (isAnyName() && !isKw(Kw::TABLE)) {
        t = mk(NK::TableRef, static_cast<uint32_t>(m_i));
        t->child = sqlTableName();
        finish(t);
    } else {
        t = tableExpression();
    }
    if (const uint32_t alias = tableAlias())
        t->tok = alias;
    if (isOp('(') && !peekKw(1, Kw::SELECT) && !peekKw(1, Kw::WITH)) {
        Node *cols = parenthesised();
        t->next = cols;
        cols->kind = NK::ExprList;
    }
    return t;
}

Node *Parser::insertStatement() {
    Node *n = mk(NK::Other, static_cast<uint32_t>(m_i));
    ++m_i;
    if (isKw(Kw::ALL) || isKw(Kw::FIRST)) {
        skipToSemicolon(); // multi-table insert
        return finish(n);
    }
    ChildList parts;
    parts.add(insertTarget());
    if (acceptKw(Kw::VALUES)) {
        Node *v = mk(NK::Values, static_cast<uint32_t>(m_i - 1));
        v->child = isOp('(') ? parenthesised() : name();
        parts.add(finish(v));
        // RETURNING belongs to INSERT ... VALUES only.
        if (isKw(Kw::RETURNING) || isKw(Kw::RETURN))
            parts.add(returningClause());
    } else {
        parts.add(query());
    }
    if (isKw(Kw::LOG))
        skipToSemicolon();
    n->child = parts.head;
    return finish(n);
}

// RETURNING expr, ... [BULK COLLECT] INTO targets
Node *Parser::returningClause() {
    Node *r = mk(NK::Returning, static_cast<uint32_t>(m_i));
    ++m_i;
    ChildList parts;
    do {
        parts.add(expr());
    } while (acceptOp(','));
    parts.add(intoTargets(NK::Into));
    r->child = parts.head;
    return finish(r);
}

Node *Parser::updateStatement() {
    Node *n = mk(NK::Other, static_cast<uint32_t>(m_i));
    ++m_i;
    ChildList parts;
    Node *target = tableExpression();
    if (const uint32_t alias = tableAlias())
        target->tok = alias;
    parts.add(target);
    expectKw(Kw::SET, Expect::Generic);
    do {
        Node *s = mk(NK::SetClause, static_cast<uint32_t>(m_i));
        if (isOp('(')) {
            skipBalanced();
        } else if (isKw(Kw::ROW)) {
            ++m_i;
        } else {
            s->child = name();
        }
        expectOp('=', Expect::Generic);
        Node *value = expr();
        if (s->child)
            s->child->next = value;
        else
            s->child = value;
        parts.add(finish(s));
    } while (acceptOp(','));
    if (acceptKw(Kw::WHERE)) {
        Node *w = mk(NK::Where, static_cast<uint32_t>(m_i - 1));
        if (acceptKw(Kw::CURRENT)) {
            expectKw(Kw::OF, Expect::Generic);
            w->child = name();
        } else {
            w->child = expr();
        }
        parts.add(finish(w));
    }
    if (isKw(Kw::RETURNING) || isKw(Kw::RETURN))
        parts.add(returningClause());
    if (isKw(Kw::LOG))
        skipToSemicolon();
    n->child = parts.head;
    return finish(n);
}

Node *Parser::deleteStatement() {
    Node *n = mk(NK::Other, static_cast<uint32_t>(m_i));
    ++m_i;
    acceptKw(Kw::FROM);
    ChildList parts;
    Node *target = tableExpression();
    if (const uint32_t alias = tableAlias())
        target->tok = alias;
    parts.add(target);
    if (acceptKw(Kw::WHERE)) {
        Node *w = mk(NK::Where, static_cast<uint32_t>(m_i - 1));
        if (acceptKw(Kw::CURRENT)) {
            expectKw(Kw::OF, Expect::Generic);
            w->child = name();
        } else {
            w->child = expr();
        }
        parts.add(finish(w));
    }
    if (isKw(Kw::RETURNING) || isKw(Kw::RETURN))
        parts.add(returningClause());
    if (isKw(Kw::LOG))
        skipToSemicolon();
    n->child = parts.head;
    return finish(n);
}

// MERGE INTO t USING s ON (cond) WHEN [NOT] MATCHED THEN UPDATE SET ... / INSERT ...
Node *Parser::mergeStatement() {
    Node *n = mk(NK::MergeInto, static_cast<uint32_t>(m_i));
    ++m_i;
    expectKw(Kw::INTO, Expect::Generic);
    ChildList parts;
    Node *target = tableExpression();
    if (const uint32_t alias = tableAlias())
        target->tok = alias;
    parts.add(target);
    expectKw(Kw::USING, Expect::Generic);
    parts.add(tableReference());
    expectKw(Kw::ON, Expect::Generic);
    parts.add(parenthesised());
    while (!atEof() && !isOp(';')) {
        if (isOp('('))
            skipBalanced();
        else
            ++m_i;
    }
    n->child = parts.head;
    return finish(n);
}

} // namespace ocilite::plsql
