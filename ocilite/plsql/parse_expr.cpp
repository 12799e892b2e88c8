// Expressions of PL/SQL and SQL: Oracle's operator precedence (OR, AND, NOT, comparisons,
// || + -, * / MOD REM, **, unary), names with calls and attributes, literals, CASE,
// subqueries and the functions whose arguments are not plain expressions.
#include "ocilite/plsql/parser.h"

#include "ocilite/plsql/lexer.h"

namespace ocilite::plsql {
namespace {

Node *binary(Arena &arena, uint16_t op, Node *left, Node *right) {
    Node *n = arena.make<Node>();
    n->kind = NK::Binary;
    n->op = op;
    n->first = left->first;
    n->tok = left->first;
    n->end = right ? right->end : left->end;
    n->child = left;
    left->next = right;
    return n;
}

} // namespace

Node *Parser::expr() {
    Nested level(*this);
    return orExpr();
}

Node *Parser::orExpr() {
    Node *left = andExpr();
    for (int links = 0; acceptKw(Kw::OR); chained(links))
        left = binary(m_arena, keywordOp(Kw::OR), left, andExpr());
    return left;
}

Node *Parser::andExpr() {
    Node *left = notExpr();
    for (int links = 0; acceptKw(Kw::AND); chained(links))
        left = binary(m_arena, keywordOp(Kw::AND), left, notExpr());
    return left;
}

Node *Parser::notExpr() {
    if (!isKw(Kw::NOT))
        return comparison();
    Nested level(*this);
    Node *n = mk(NK::Unary, static_cast<uint32_t>(m_i++));
    n->op = keywordOp(Kw::NOT);
    n->child = notExpr();
    return finish(n);
}

bool Parser::startsExpression() const {
    switch (cur().kind) {
    case Tok::Number:
    case Tok::String:
    case Tok::BindVar:
    case Tok::QuotedIdent:
    case Tok::CcInquiry:
        return true;
    case Tok::Op:
        return isOp('(') || isOp('-') || isOp('+');
    case Tok::Word:
        return !isReserved(Kw(cur().kw)) || isKw(Kw::NULL_) || isKw(Kw::CASE) || isKw(Kw::NOT) ||
               isKw(Kw::SQL) || isKw(Kw::EXISTS) || isKw(Kw::PRIOR) || isKw(Kw::DATE);
    default:
        return false;
    }
}

Node *Parser::comparison() {
    const uint32_t first = static_cast<uint32_t>(m_i);
    Node *left = concat();
    for (int links = 0;; chained(links)) {
        Node *next = comparisonTail(left, first);
        if (next == left)
            return left;
        left = next;
    }
}

// One comparison after `left`, or `left` itself when none follows.
Node *Parser::comparisonTail(Node *left, uint32_t first) {
    static const char *const kOps[] = {"<>", "!=", "~=", "^=", "<=", ">="};
    for (const char *op : kOps)
        if (acceptOp2(op))
            return binary(m_arena, '=', left, concat());
    if (isOp('=') || isOp('<') || isOp('>')) {
        const uint16_t op = static_cast<uint16_t>(m_src[cur().offset]);
        ++m_i;
        if (isKw(Kw::ANY) || isKw(Kw::SOME) || isKw(Kw::ALL))
            ++m_i;
        return binary(m_arena, op, left, concat());
    }
    if (acceptKw(Kw::IS)) {
        acceptKw(Kw::NOT);
        if (acceptKw(Kw::NULL_) || acceptKw(Kw::EMPTY) || acceptKw(Kw::INFINITE) ||
            acceptKw(Kw::NAN))
            return binary(m_arena, keywordOp(Kw::IS), left, nullptr);
        if (acceptKw(Kw::OF)) {
            acceptKw(Kw::TYPE);
            skipBalanced();
            return binary(m_arena, keywordOp(Kw::IS), left, nullptr);
        }
        if (cur().kind == Tok::Word && identName(m_src, cur()) == "A") {
            m_i += 2; // A SET
            return binary(m_arena, keywordOp(Kw::IS), left, nullptr);
        }
        if (isKw(Kw::JSON)) {
            ++m_i;
            return binary(m_arena, keywordOp(Kw::IS), left, nullptr);
        }
        fail(Expect::Generic);
    }
    const size_t save = m_i;
    acceptKw(Kw::NOT);
    if (acceptKw(Kw::IN)) {
        Node *right = isOp('(') ? parenthesised() : concat();
        return binary(m_arena, keywordOp(Kw::IN), left, right);
    }
    if (acceptKw(Kw::BETWEEN)) {
        Node *low = concat();
        expectKw(Kw::AND, Expect::Generic);
        Node *n = binary(m_arena, keywordOp(Kw::BETWEEN), left, low);
        low->next = concat();
        n->end = low->next->end;
        return n;
    }
    if (acceptKw(Kw::LIKE) || acceptKw(Kw::LIKEC) || acceptKw(Kw::LIKE2) || acceptKw(Kw::LIKE4)) {
        Node *n = binary(m_arena, keywordOp(Kw::LIKE), left, concat());
        if (acceptKw(Kw::ESCAPE))
            n->child->next->next = concat();
        return n;
    }
    if (acceptKw(Kw::MEMBER) || acceptKw(Kw::SUBMULTISET)) {
        acceptKw(Kw::OF);
        return binary(m_arena, keywordOp(Kw::MEMBER), left, concat());
    }
    m_i = save;
    (void)first;
    return left;
}

// || and + - share one level in Oracle.
Node *Parser::concat() {
    Node *left = additive();
    for (int links = 0;
         isOp2("||") || (isKw(Kw::MULTISET) && (peekKw(1, Kw::UNION) || peekKw(1, Kw::INTERSECT) ||
                                                peekKw(1, Kw::EXCEPT)));) {
        uint16_t op = '|';
        if (isKw(Kw::MULTISET)) {
            m_i += 2;
            if (isKw(Kw::ALL) || isKw(Kw::DISTINCT))
                ++m_i;
            op = keywordOp(Kw::MULTISET);
        } else {
            ++m_i;
        }
        left = binary(m_arena, op, left, additive());
        chained(links);
    }
    return left;
}

Node *Parser::additive() {
    Node *left = multiplicative();
    for (int links = 0; isOp('+') || isOp('-') || isOp2("||"); chained(links)) {
        const uint16_t op = static_cast<uint16_t>(m_src[cur().offset]);
        ++m_i;
        left = binary(m_arena, op, left, multiplicative());
    }
    return left;
}

Node *Parser::multiplicative() {
    Node *left = power();
    for (int links = 0; isOp('*') || isOp('/') || isKw(Kw::MOD) || isKw(Kw::REM); chained(links)) {
        const uint16_t op = isOp('*') ? '*' : isOp('/') ? '/' : keywordOp(Kw::MOD);
        ++m_i;
        left = binary(m_arena, op, left, power());
    }
    return left;
}

Node *Parser::power() {
    Node *left = unary();
    for (int links = 0; acceptOp2("**"); chained(links))
        left = binary(m_arena, '^', left, unary());
    return left;
}

Node *Parser::unary() {
    if (isOp('-') || isOp('+') || isKw(Kw::PRIOR) || isKw(Kw::CONNECT_BY_ROOT)) {
        Nested level(*this);
        Node *n = mk(NK::Unary, static_cast<uint32_t>(m_i++));
        n->op = '-';
        n->child = unary();
        return finish(n);
    }
    Node *p = primary();
    // AT TIME ZONE / AT LOCAL, and interval qualifiers after a datetime difference.
    if (isKw(Kw::AT) && (peekKw(1, Kw::TIME) || peek().kind == Tok::Word)) {
        ++m_i;
        if (acceptKw(Kw::TIME)) {
            expectKw(Kw::ZONE, Expect::Generic);
            primary();
        } else {
            ++m_i;
        }
    }
    return p;
}

} // namespace ocilite::plsql
