// The operands of expressions: literals, names with their calls, components and
// attributes, parenthesised lists and subqueries, CASE, and the functions whose argument
// lists are not plain expressions (CAST, EXTRACT, TRIM, COUNT(*), analytic clauses ...).
#include "ocilite/plsql/parser.h"

#include "ocilite/plsql/lexer.h"

#include <algorithm>

namespace ocilite::plsql {

// Symbols no parenthesised group holds: ';' and the words of PL/SQL statements (THEN,
// ELSE, WHEN and END only inside a CASE).
bool Parser::outsideParentheses(bool inCase) const {
    if (isOp(';'))
        return true;
    if (cur().kind != Tok::Word)
        return false;
    switch (Kw(cur().kw)) {
    case Kw::THEN:
    case Kw::ELSE:
    case Kw::WHEN:
    case Kw::END:
        return !inCase;
    case Kw::BEGIN:
    case Kw::DECLARE:
    case Kw::ELSIF:
    case Kw::LOOP:
    case Kw::EXCEPTION:
        return true;
    default:
        return false;
    }
}

// Skips a balanced ( ... ) group starting at the current '('.
void Parser::skipBalanced() {
    if (!isOp('('))
        return;
    int depth = 0;
    int cases = 0;
    do {
        if (isOp('('))
            ++depth;
        else if (isOp(')'))
            --depth;
        else if (isKw(Kw::CASE))
            ++cases;
        else if (isKw(Kw::END) && cases > 0)
            --cases;
        else if (outsideParentheses(cases > 0))
            fail(Expect::Generic);
        ++m_i;
    } while (depth > 0 && !atEof());
    if (depth > 0)
        fail(Expect::Generic);
}

// DATE 'x', TIMESTAMP 'x', INTERVAL 'x' DAY [(n)] TO SECOND [(n)] ...
Node *Parser::datetimeLiteral() {
    const uint32_t first = static_cast<uint32_t>(m_i);
    const bool interval = isKw(Kw::INTERVAL);
    m_i += 2;
    while (interval && (isKw(Kw::YEAR) || isKw(Kw::MONTH) || isKw(Kw::DAY) || isKw(Kw::TO) ||
                        isKw(Kw::SECOND) ||
                        (cur().kind == Tok::Word && (identName(m_src, cur()) == "HOUR" ||
                                                     identName(m_src, cur()) == "MINUTE")))) {
        ++m_i;
        if (isOp('('))
            skipBalanced();
    }
    return finish(mk(NK::Literal, first));
}

Node *Parser::literal() {
    Node *n = mk(NK::Literal, static_cast<uint32_t>(m_i++));
    return finish(n);
}

Node *Parser::primary() {
    const uint32_t first = static_cast<uint32_t>(m_i);
    switch (cur().kind) {
    case Tok::Number:
    case Tok::String:
    case Tok::CcInquiry:
        return literal();
    case Tok::BindVar: {
        Node *n = mk(NK::BindVar, first);
        ++m_i;
        return nameTail(finish(n));
    }
    case Tok::Op:
        if (isOp('('))
            return nameTail(parenthesised());
        if (isOp('*')) {
            ++m_i;
            return finish(mk(NK::Star, first));
        }
        fail(operandExpected());
    case Tok::Word:
    case Tok::QuotedIdent:
        break;
    default:
        fail(operandExpected());
    }
    if (isKw(Kw::NULL_) || isKw(Kw::TRUE_) || isKw(Kw::FALSE_))
        return literal();
    if ((isKw(Kw::DATE) || isKw(Kw::TIMESTAMP) || isKw(Kw::INTERVAL)) && peek().kind == Tok::String)
        return datetimeLiteral();
    if (isKw(Kw::CASE))
        return caseExpression();
    if (isKw(Kw::EXISTS) && peekOp(1, '(')) {
        Node *n = mk(NK::Unary, first);
        ++m_i;
        n->op = keywordOp(Kw::EXISTS);
        n->child = parenthesised();
        return finish(n);
    }
    if (isKw(Kw::NEW) && (peek().kind == Tok::Word || peek().kind == Tok::QuotedIdent))
        ++m_i;
    if (isKw(Kw::CURSOR) && peekOp(1, '(')) {
        ++m_i;
        return parenthesised();
    }
    if (functionWord()) { // MAX declared as a variable still reads as the function here
        ++m_i;
        fail(Expect::OpenParen);
    }
    if (isReserved(Kw(cur().kw)) && cur().kind == Tok::Word && !isKw(Kw::SQL) && !sqlName() &&
        !isKw(Kw::PRIOR) && !isKw(Kw::DELETE) && !isKw(Kw::INSERT) && !isKw(Kw::UPDATE))
        fail(operandExpected());
    return name();
}

// A word Oracle's grammar keeps for a function (the expression lists name them beside
// <an identifier>): in PL/SQL an operand it starts must go on with its '('. It may still
// name a variable where a declaration or an assignment's target is read.
bool Parser::functionWord() const {
    if (m_sqlDepth > 0 || cur().kind != Tok::Word || peekOp(1, '('))
        return false;
    static constexpr std::string_view kWords[] = {"AVG", "COUNT",  "MAX", "MIN",
                                                  "MOD", "STDDEV", "SUM", "VARIANCE"};
    const std::string name = identName(m_src, cur());
    return std::find(std::begin(kWords), std::end(kWords), name) != std::end(kWords);
}

// The list where an operand is missing: after an operator NOT and EXISTS cannot start it.
Expect Parser::operandExpected() const {
    if (m_i == 0)
        return Expect::Expression;
    const Token &t = prev();
    if (t.kind == Tok::Word)
        return t.kw == uint16_t(Kw::MOD) || t.kw == uint16_t(Kw::REM) ? Expect::Operand
                                                                      : Expect::Expression;
    if (t.kind != Tok::Op)
        return Expect::Expression;
    const std::string_view op = tokenText(m_src, t);
    static constexpr std::string_view kOperators[] = {"+", "-",  "*",  "/",  "||", "**", "=", "<",
                                                      ">", "<>", "!=", "~=", "^=", "<=", ">="};
    for (std::string_view o : kOperators)
        if (op == o)
            return Expect::Operand;
    return Expect::Expression;
}

// ident { . ident | (args) | %attr | @dblink | (+) }
Node *Parser::name() {
    Node *n = mk(NK::Name, static_cast<uint32_t>(m_i));
    if (!isAnyName())
        fail(Expect::Identifier);
    Node *part = mk(NK::Part, static_cast<uint32_t>(m_i++));
    n->child = finish(part);
    return nameTail(n);
}

Node *Parser::nameTail(Node *n) {
    ChildList parts;
    parts.add(n->child);
    if (n->kind != NK::Name) {
        // A bind variable or a parenthesised operand followed by components.
        if (!isOp('.') && !isOp('%') && !(isOp('(') && n->kind == NK::BindVar))
            return n;
        Node *wrap = mk(NK::Name, n->first);
        parts = ChildList{};
        parts.add(n);
        n = wrap;
    }
    for (;;) {
        if (isOp('.') && (peek().kind == Tok::Word || peek().kind == Tok::QuotedIdent)) {
            ++m_i;
            parts.add(finish(mk(NK::Part, static_cast<uint32_t>(m_i++))));
        } else if (isOp('.') && peekOp(1, '*')) {
            m_i += 2;
            parts.add(finish(mk(NK::Star, static_cast<uint32_t>(m_i - 1))));
        } else if (isOp('(') && peekOp(1, '+') && peekOp(2, ')')) {
            m_i += 3;
        } else if (isOp('(')) {
            parts.add(specialFunction(n));
        } else if (isOp('%') && peek().kind == Tok::Word) {
            ++m_i;
            parts.add(finish(mk(NK::Attr, static_cast<uint32_t>(m_i++))));
        } else if (isOp('@') && (peek().kind == Tok::Word || peek().kind == Tok::QuotedIdent)) {
            m_i += 2;
            while (isOp('.') && peek().kind == Tok::Word)
                m_i += 2;
        } else {
            break;
        }
    }
    n->child = parts.head;
    finish(n);
    if (isKw(Kw::OVER) || isKw(Kw::WITHIN) || isKw(Kw::KEEP) ||
        (isKw(Kw::IGNORE) && peekKw(1, Kw::NULLS)) || (isKw(Kw::RESPECT) && peekKw(1, Kw::NULLS)))
        analyticClause();
    return finish(n);
}

// ( [DISTINCT|ALL] arg, ... ) with named arguments; arguments that are not plain
// expressions (CAST(x AS t), EXTRACT(y FROM d), TRIM(LEADING ...), ORDER BY inside
// aggregates, JSON clauses) are passed over as a balanced group.
Node *Parser::specialFunction(Node *n) {
    (void)n;
    return arguments();
}

// What may open an argument list: an expression, a query, TABLE(...), DEFAULT (in
// XMLNAMESPACES), and "*" only in COUNT(*). The '(' is tokens[open].
bool Parser::startsArgument(size_t open) const {
    if (isOp('*'))
        return open > 0 && m_t[open - 1].kind == Tok::Word &&
               identName(m_src, m_t[open - 1]) == "COUNT";
    return startsExpression() || isKw(Kw::SELECT) || isKw(Kw::WITH) || isKw(Kw::TABLE) ||
           isKw(Kw::DEFAULT);
}

// A call of a name qualified by a package or schema (pkg.f, a.b.f): its arguments are plain
// expressions. Only built-in functions take other forms (CAST(x AS t), TRIM(LEADING ...)),
// and they are called unqualified.
bool Parser::qualifiedCall(size_t open) const {
    if (m_sqlDepth > 0 || open < 3 || m_t[open - 2].kind != Tok::Op)
        return false;
    const Token &dot = m_t[open - 2];
    return dot.length == 1 && m_src[dot.offset] == '.';
}

Node *Parser::arguments() {
    Node *args = mk(NK::Args, static_cast<uint32_t>(m_i));
    const size_t open = m_i;
    expectOp('(', Expect::Generic);
    ChildList list;
    if (acceptOp(')'))
        return finish(args);
    if (isKw(Kw::DISTINCT) || isKw(Kw::ALL) || isKw(Kw::UNIQUE))
        ++m_i;
    else if (!startsArgument(open))
        fail(Expect::Argument);
    for (;;) {
        if (isIdentifier() && peekOp2(1, "=>")) {
            Node *named = mk(NK::NamedArg, static_cast<uint32_t>(m_i));
            m_i += 2;
            named->child = expr();
            list.add(finish(named));
        } else if (isOp('*') && peekOp(1, ')') && m_i == open + 1) {
            ++m_i;
        } else if (startsExpression() || isKw(Kw::SELECT) || isKw(Kw::WITH)) {
            list.add(isKw(Kw::SELECT) || isKw(Kw::WITH) ? query() : expr());
        }
        if (acceptOp(','))
            continue;
        if (acceptOp(')'))
            break;
        if (qualifiedCall(open) && m_t[m_i - 1].kind != Tok::Op) // (after an argument)
            fail(Expect::AfterArgument);
        // Not a plain argument list: pass over the group as written.
        m_i = open;
        skipBalanced();
        args->flags = 1;
        return finish(args);
    }
    args->child = list.head;
    return finish(args);
}

// OVER (...), WITHIN GROUP (...), KEEP (...), IGNORE/RESPECT NULLS
Node *Parser::analyticClause() {
    for (;;) {
        if ((isKw(Kw::IGNORE) || isKw(Kw::RESPECT)) && peekKw(1, Kw::NULLS)) {
            m_i += 2;
        } else if (acceptKw(Kw::OVER)) {
            if (isOp('('))
                skipBalanced();
            else
                ++m_i;
        } else if (acceptKw(Kw::WITHIN)) {
            ++m_i; // GROUP
            skipBalanced();
        } else if (acceptKw(Kw::KEEP)) {
            skipBalanced();
        } else {
            return nullptr;
        }
    }
}

Node *Parser::caseExpression() {
    Node *n = mk(NK::CaseExpr, static_cast<uint32_t>(m_i++));
    ChildList parts;
    if (!isKw(Kw::WHEN))
        parts.add(expr());
    if (!isKw(Kw::WHEN))
        fail(Expect::Generic);
    while (acceptKw(Kw::WHEN)) {
        parts.add(expr());
        expectKw(Kw::THEN, Expect::Then);
        parts.add(expr());
    }
    if (acceptKw(Kw::ELSE))
        parts.add(expr());
    expectKw(Kw::END, Expect::Generic);
    n->child = parts.head;
    return finish(n);
}

// ( expr [, expr ...] ) or ( subquery )
Node *Parser::parenthesised() {
    const uint32_t first = static_cast<uint32_t>(m_i);
    expectOp('(', Expect::Generic);
    if (isKw(Kw::SELECT) || isKw(Kw::WITH) ||
        (isOp('(') && (peekKw(1, Kw::SELECT) || peekKw(1, Kw::WITH)))) {
        Node *q = mk(NK::Subquery, first);
        q->child = query();
        expectOp(')', Expect::Generic);
        return finish(q);
    }
    Node *list = mk(NK::Paren, first);
    ChildList items;
    do {
        items.add(expr());
        if (acceptKw(Kw::AS)) // (SELF AS supertype): generalized invocation
            datatype();
    } while (acceptOp(','));
    expectOp(')', Expect::Generic);
    list->child = items.head;
    return finish(list);
}

} // namespace ocilite::plsql
