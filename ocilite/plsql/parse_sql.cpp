// SQL inside PL/SQL: queries (WITH, set operators, joins, hierarchical and grouping
// clauses, ORDER BY, row limiting, FOR UPDATE), SELECT ... INTO, INSERT, UPDATE, DELETE,
// MERGE with RETURNING INTO, and the transaction statements.
#include "ocilite/plsql/parser.h"

#include "ocilite/plsql/lexer.h"

namespace ocilite::plsql {
namespace {

// Words that end a table reference instead of aliasing it.
bool endsTableRef(Kw k) {
    switch (k) {
    case Kw::JOIN:
    case Kw::INNER:
    case Kw::LEFT:
    case Kw::RIGHT:
    case Kw::FULL:
    case Kw::CROSS:
    case Kw::NATURAL:
    case Kw::OUTER:
    case Kw::PIVOT:
    case Kw::UNPIVOT:
    case Kw::MODEL:
    case Kw::FETCH:
    case Kw::OFFSET:
    case Kw::SAMPLE:
    case Kw::PARTITION:
    case Kw::RETURNING:
    case Kw::RETURN:
    case Kw::LOG:
    case Kw::VERSIONS:
    case Kw::LIMIT:
    case Kw::EXCEPT:
    case Kw::BULK:
    case Kw::USING:
    case Kw::LATERAL:
        return true;
    default:
        return isReserved(k);
    }
}

} // namespace

bool Parser::startsSql() const {
    if (cur().kind != Tok::Word)
        return isOp('(') && (peekKw(1, Kw::SELECT) || peekKw(1, Kw::WITH));
    switch (Kw(cur().kw)) {
    case Kw::SELECT:
    case Kw::WITH:
    case Kw::INSERT:
    case Kw::UPDATE:
    case Kw::MERGE:
        return !peekOp2(1, ":=") && !peekOp(1, '.') && !peekOp(1, ';');
    case Kw::SAVEPOINT:
    case Kw::LOCK:
        return simpleSqlSecondWord(Kw(cur().kw));
    case Kw::DELETE:
        return !peekOp2(1, ":=") && !peekOp(1, '.') && !peekOp(1, '(') && !peekOp(1, ';');
    case Kw::COMMIT:
    case Kw::ROLLBACK: // COMMIT; alone is the statement
    case Kw::SET:
        return simpleSqlSecondWord(Kw(cur().kw));
    default:
        return false;
    }
}

Node *Parser::sqlStatementBody(Node *s) {
    if (isKw(Kw::SELECT) || isKw(Kw::WITH) || isOp('('))
        return selectStatement(true);
    if (isKw(Kw::INSERT))
        return insertStatement();
    if (isKw(Kw::UPDATE))
        return updateStatement();
    if (isKw(Kw::DELETE))
        return deleteStatement();
    if (isKw(Kw::MERGE))
        return mergeStatement();
    (void)s;
    return simpleSql();
}

// Oracle hands a SQL statement to its SQL parser as the text up to the next ';': what the
// statement cannot hold is that parser's error (ORA-00933 after a whole statement), with
// "PL/SQL: SQL Statement ignored" at the statement's start.
Node *Parser::sqlStatement() {
    Node *s = mk(NK::SqlStmt, static_cast<uint32_t>(m_i));
    s->op = cur().kw;
    ++m_sqlDepth;
    try {
        s->child = sqlStatementBody(s);
    } catch (const SqlSyntaxError &e) {
        --m_sqlDepth;
        sqlNotEnded(s->first, e.message);
        return finish(s);
    }
    --m_sqlDepth;
    if (!sqlEnded(s->first))
        return finish(s);
    expectSemicolon(afterExpression(prev()) == Expect::AfterName ? Expect::AfterName
                                                                 : Expect::AfterValue);
    return finish(s);
}

bool Parser::semicolonAhead() const {
    for (size_t k = m_i; k < m_t.size(); ++k)
        if (m_t[k].kind == Tok::Op && m_t[k].length == 1 && m_src[m_t[k].offset] == ';')
            return true;
    return false;
}

// After a whole SQL statement (starting at token `start`): true when ';' or no ';' at all
// follows (the PL/SQL parser then reports what it meets); else ORA-00933 there.
bool Parser::sqlEnded(uint32_t start) {
    if (isOp(';') || !semicolonAhead())
        return true;
    sqlNotEnded(start, Msg::NotProperlyEnded);
    return false;
}

// The SQL parser's error at the current token; the statement runs to its ';'.
void Parser::sqlNotEnded(uint32_t startToken, Msg message) {
    if (m_trial && !replaying()) { // a repair that leaves a SQL error does not read on
        m_failedAt = m_i;
        m_syntaxError = true;
        throw SyntaxAbort{};
    }
    if (!replaying()) { // (an earlier pass reported it)
        const Token &at = cur();
        m_diags.add(message, at.line, at.col);
        const Token &start = m_t[startToken];
        m_diags.add(Msg::SqlStatementIgnored, start.line, start.col);
    }
    m_syntaxError = true;
    while (!atEof() && !isOp(';'))
        ++m_i;
    acceptOp(';');
}

// COMMIT, ROLLBACK, SAVEPOINT, SET TRANSACTION, LOCK TABLE: passed over to their ';'.
Node *Parser::simpleSql() {
    Node *n = mk(NK::Other, static_cast<uint32_t>(m_i));
    skipToSemicolon();
    return finish(n);
}

// The statements PL/SQL passes over to their ';', told by their second word: COMMIT [WORK |
// COMMENT | FORCE | WRITE], ROLLBACK [WORK | TO | FORCE], SAVEPOINT name, SET TRANSACTION,
// LOCK TABLE. Otherwise the first word is a name.
bool Parser::simpleSqlSecondWord(Kw first) const {
    const Token &next = peek();
    if (first == Kw::SAVEPOINT)
        return next.kind == Tok::QuotedIdent ||
               (next.kind == Tok::Word && !isReserved(Kw(next.kw)));
    if (first == Kw::SET)
        return next.kind == Tok::Word && identName(m_src, next) == "TRANSACTION";
    if (first == Kw::LOCK)
        return peekKw(1, Kw::TABLE);
    if (peekOp(1, ';'))
        return true;
    if (next.kind != Tok::Word)
        return false;
    const std::string word = identName(m_src, next);
    return word == "WORK" || word == "FORCE" || (first == Kw::COMMIT && word == "COMMENT") ||
           (first == Kw::COMMIT && word == "WRITE") || (first == Kw::ROLLBACK && word == "TO");
}

void Parser::skipToSemicolon() {
    while (!atEof() && !isOp(';')) {
        if (isOp('('))
            skipBalanced();
        else
            ++m_i;
    }
}

// A SELECT statement or a cursor's query; `plsql` means it stands as a statement.
Node *Parser::selectStatement(bool plsql) {
    (void)plsql;
    return query();
}

// [WITH ...] block { set-op block } [ORDER BY] [OFFSET/FETCH] [FOR UPDATE]
Node *Parser::query() {
    Nested level(*this);
    Node *q = mk(NK::Select, static_cast<uint32_t>(m_i));
    ++m_sqlDepth;
    ChildList parts;
    if (isKw(Kw::WITH))
        parts.add(withClause());
    for (;;) {
        parts.add(isOp('(') ? subquery() : queryBlock());
        if (acceptKw(Kw::UNION)) {
            acceptKw(Kw::ALL);
        } else if (!acceptKw(Kw::INTERSECT) && !acceptKw(Kw::MINUS) && !acceptKw(Kw::EXCEPT)) {
            break;
        }
    }
    if (isKw(Kw::ORDER))
        parts.add(orderBy());
    rowLimiting();
    forUpdate();
    q->child = parts.head;
    --m_sqlDepth;
    return finish(q);
}

Node *Parser::subquery() {
    Node *s = mk(NK::Subquery, static_cast<uint32_t>(m_i));
    expectOp('(', Expect::Generic);
    s->child = query();
    expectOp(')', Expect::Generic);
    return finish(s);
}

Node *Parser::withClause() {
    Node *w = mk(NK::WithClause, static_cast<uint32_t>(m_i));
    expectKw(Kw::WITH, Expect::Generic);
    ChildList items;
    do {
        if (isKw(Kw::FUNCTION) || isKw(Kw::PROCEDURE)) {
            items.add(subprogram(false));
            continue;
        }
        Node *item = mk(NK::Other, static_cast<uint32_t>(m_i));
        item->tok = expectIdentifier(Expect::Identifier);
        if (isOp('('))
            skipBalanced();
        expectKw(Kw::AS, Expect::Generic);
        item->child = subquery();
        // SEARCH DEPTH|BREADTH FIRST BY ... SET c  /  CYCLE c, ... SET c TO v DEFAULT v
        while (cur().kind == Tok::Word &&
               (identName(m_src, cur()) == "SEARCH" || isKw(Kw::CYCLE))) {
            while (!atEof() && !isKw(Kw::SET))
                ++m_i;
            m_i += 2;
            if (acceptKw(Kw::TO)) {
                primary();
                expectKw(Kw::DEFAULT, Expect::Generic);
                primary();
            }
        }
        items.add(finish(item));
    } while (acceptOp(',') || isKw(Kw::FUNCTION) || isKw(Kw::PROCEDURE));
    w->child = items.head;
    return finish(w);
}

Node *Parser::queryBlock() {
    Node *b = mk(NK::QueryBlock, static_cast<uint32_t>(m_i));
    expectKw(Kw::SELECT, Expect::Generic);
    if (isKw(Kw::DISTINCT) || isKw(Kw::UNIQUE) || isKw(Kw::ALL))
        ++m_i;
    ChildList parts;
    parts.add(selectList());
    if (isKw(Kw::INTO) || isKw(Kw::BULK))
        parts.add(intoTargets(NK::Into));
    if (!isKw(Kw::FROM))
        fail(Expect::Generic);
    parts.add(fromClause());
    queryTail(b);
    ChildList all;
    all.add(parts.head);
    all.add(b->child);
    b->child = all.head;
    return finish(b);
}

Node *Parser::selectList() {
    ChildList items;
    do {
        Node *item = mk(NK::SelectItem, static_cast<uint32_t>(m_i));
        item->child = expr();
        if (acceptKw(Kw::AS)) {
            if (!isAnyName())
                fail(Expect::Identifier);
            item->tok = static_cast<uint32_t>(m_i++);
        } else if (isIdentifier() && !isKw(Kw::BULK) && !endsTableRef(Kw(cur().kw))) {
            item->tok = static_cast<uint32_t>(m_i++);
        }
        items.add(finish(item));
    } while (acceptOp(','));
    return items.head;
}

// WHERE, CONNECT BY / START WITH, GROUP BY, HAVING, MODEL, WINDOW after FROM.
void Parser::queryTail(Node *block) {
    ChildList list;
    if (acceptKw(Kw::WHERE)) {
        Node *w = mk(NK::Where, static_cast<uint32_t>(m_i - 1));
        w->child = expr();
        list.add(finish(w));
    }
    hierarchical(list);
    groupBy(list);
    hierarchical(list);
    block->child = list.head;
}

void Parser::hierarchical(ChildList &list) {
    while (isKw(Kw::CONNECT) || isKw(Kw::START)) {
        Node *o = mk(NK::Other, static_cast<uint32_t>(m_i));
        m_i += 2; // CONNECT BY / START WITH
        acceptKw(Kw::NOCYCLE);
        o->child = expr();
        list.add(finish(o));
    }
}

void Parser::groupBy(ChildList &list) {
    if (acceptKw(Kw::GROUP)) {
        expectKw(Kw::BY, Expect::Generic);
        do {
            Node *o = mk(NK::Other, static_cast<uint32_t>(m_i));
            if (cur().kind == Tok::Word &&
                (identName(m_src, cur()) == "ROLLUP" || identName(m_src, cur()) == "CUBE" ||
                 identName(m_src, cur()) == "GROUPING")) {
                while (!isOp('('))
                    ++m_i;
                skipBalanced();
            } else {
                o->child = expr();
            }
            list.add(finish(o));
        } while (acceptOp(','));
    }
    if (acceptKw(Kw::HAVING)) {
        Node *o = mk(NK::Other, static_cast<uint32_t>(m_i));
        o->child = expr();
        list.add(finish(o));
    }
}

Node *Parser::orderBy() {
    Node *o = mk(NK::OrderBy, static_cast<uint32_t>(m_i));
    expectKw(Kw::ORDER, Expect::Generic);
    acceptKw(Kw::SIBLINGS);
    expectKw(Kw::BY, Expect::Generic);
    ChildList items;
    do {
        items.add(expr());
        if (isKw(Kw::ASC) || isKw(Kw::DESC))
            ++m_i;
        if (acceptKw(Kw::NULLS))
            ++m_i;
    } while (acceptOp(','));
    o->child = items.head;
    return finish(o);
}

// OFFSET n ROWS / FETCH FIRST|NEXT n [PERCENT] ROWS ONLY|WITH TIES
void Parser::rowLimiting() {
    if (acceptKw(Kw::OFFSET)) {
        additive();
        if (isKw(Kw::ROW) || isKw(Kw::ROWS))
            ++m_i;
    }
    if (isKw(Kw::FETCH) && (peekKw(1, Kw::FIRST) || peekKw(1, Kw::NEXT))) {
        m_i += 2;
        if (!isKw(Kw::ROW) && !isKw(Kw::ROWS))
            additive();
        acceptKw(Kw::PERCENT);
        if (isKw(Kw::ROW) || isKw(Kw::ROWS))
            ++m_i;
        if (!acceptKw(Kw::ONLY)) {
            expectKw(Kw::WITH, Expect::Generic);
            ++m_i;
        }
    }
}

void Parser::forUpdate() {
    if (!isKw(Kw::FOR) || !peekKw(1, Kw::UPDATE))
        return;
    m_i += 2;
    if (acceptKw(Kw::OF)) {
        do {
            name();
        } while (acceptOp(','));
    }
    if (acceptKw(Kw::NOWAIT))
        return;
    if (acceptKw(Kw::WAIT)) {
        ++m_i;
    } else if (acceptKw(Kw::SKIP)) {
        ++m_i; // LOCKED
    }
}

} // namespace ocilite::plsql
