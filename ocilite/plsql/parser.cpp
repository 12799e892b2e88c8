#include "ocilite/plsql/parser.h"

#include "ocilite/plsql/lexer.h"

#include <cstring>

namespace ocilite::plsql {

Parser::Parser(std::string_view source, std::vector<Token> tokens, Arena &arena, Diagnostics &diags)
    : m_src(source), m_t(std::move(tokens)), m_arena(arena), m_diags(diags),
      m_repairBudget(kRepairBudget) {
    if (m_t.empty() || m_t.back().kind != Tok::Eof)
        m_t.push_back(Token{});
}

bool Parser::isOp(char c) const {
    return cur().kind == Tok::Op && cur().length == 1 && m_src[cur().offset] == c;
}

bool Parser::isOp2(const char *op) const {
    return cur().kind == Tok::Op && cur().length == 2 && m_src[cur().offset] == op[0] &&
           m_src[cur().offset + 1] == op[1];
}

bool Parser::peekOp(size_t n, char c) const {
    const Token &t = peek(n);
    return t.kind == Tok::Op && t.length == 1 && m_src[t.offset] == c;
}

bool Parser::acceptKw(Kw k) {
    if (!isKw(k))
        return false;
    ++m_i;
    return true;
}

bool Parser::acceptOp(char c) {
    if (!isOp(c))
        return false;
    ++m_i;
    return true;
}

bool Parser::acceptOp2(const char *op) {
    if (!isOp2(op))
        return false;
    ++m_i;
    return true;
}

void Parser::expectKw(Kw k, Expect e) {
    if (!acceptKw(k))
        failExpecting(e, keywordName(k));
}

void Parser::expectOp(char c, Expect e) {
    if (!acceptOp(c))
        failExpecting(e, std::string_view(&c, 1));
}

void Parser::expectOp2(const char *op, Expect e) {
    if (!acceptOp2(op))
        failExpecting(e, op);
}

bool Parser::isIdentifier() const {
    if (cur().kind == Tok::QuotedIdent)
        return true;
    return cur().kind == Tok::Word && (!isReserved(Kw(cur().kw)) || sqlName());
}

// Words PL/SQL reserves that SQL lets name a column or a table.
bool Parser::sqlName() const {
    if (m_sqlDepth == 0)
        return false;
    switch (Kw(cur().kw)) {
    case Kw::TYPE:
    case Kw::CLUSTERS:
    case Kw::COLAUTH:
    case Kw::COLUMNS:
    case Kw::CRASH:
    case Kw::INDEXES:
    case Kw::OVERLAPS:
    case Kw::SUBTYPE:
    case Kw::TABAUTH:
    case Kw::VIEWS:
    case Kw::EXCEPTION:
    case Kw::GOTO:
    case Kw::PROCEDURE:
    case Kw::FUNCTION:
        return true;
    default:
        return false;
    }
}

bool Parser::isAnyName() const {
    return cur().kind == Tok::Word || cur().kind == Tok::QuotedIdent;
}

uint32_t Parser::expectIdentifier(Expect e) {
    if (!isIdentifier())
        fail(e);
    return static_cast<uint32_t>(m_i++);
}

// A ';' is missing: after an expression ending in a call the list is the call's.
void Parser::expectSemicolon(Expect e) {
    if (acceptOp(';'))
        return;
    if (e == Expect::AfterValue && m_i > 0)
        e = afterCall(m_src, m_t, m_i - 1);
    failExpecting(e, ";");
}

void Parser::fail(Expect e) {
    m_syntaxError = true;
    if (m_trial || replaying()) {
        m_failedAt = m_i;
        throw SyntaxAbort{};
    }
    const Repair r = findRepair(e);
    report(e, r);
    endAfter(r);
}

void Parser::tooDeep() {
    --m_depth;
    if (m_trial) {
        m_syntaxError = true;
        throw SyntaxAbort{};
    }
    const Token &t = cur();
    m_diags.add(Msg::NestingTooDeep, t.line, t.col);
    m_syntaxError = true;
    throw SyntaxAbort{};
}

void Parser::chained(int &links) {
    if (++links <= kMaxChain)
        return;
    if (m_trial) {
        m_syntaxError = true;
        throw SyntaxAbort{};
    }
    const Token &t = cur();
    m_diags.add(Msg::ProgramTooLarge, t.line, t.col, {"expression"});
    m_syntaxError = true;
    throw SyntaxAbort{};
}

Node *Parser::mk(NK kind, uint32_t first) {
    trialPoint();
    Node *n = m_arena.make<Node>();
    n->kind = kind;
    n->first = first;
    n->tok = first;
    return n;
}

bool Parser::startsStatement() const {
    if (cur().kind == Tok::BindVar || cur().kind == Tok::QuotedIdent || isOp2("<<") || isOp('('))
        return true;
    if (cur().kind != Tok::Word)
        return false;
    switch (Kw(cur().kw)) {
    case Kw::BEGIN:
    case Kw::CASE:
    case Kw::DECLARE:
    case Kw::EXIT:
    case Kw::FOR:
    case Kw::GOTO:
    case Kw::IF:
    case Kw::LOOP:
    case Kw::NULL_:
    case Kw::PRAGMA:
    case Kw::RAISE:
    case Kw::RETURN:
    case Kw::SELECT:
    case Kw::UPDATE:
    case Kw::WHILE:
    case Kw::WITH:
    case Kw::CONTINUE:
    case Kw::CLOSE:
    case Kw::DELETE:
    case Kw::FETCH:
    case Kw::LOCK:
    case Kw::INSERT:
    case Kw::OPEN:
    case Kw::ROLLBACK:
    case Kw::SAVEPOINT:
    case Kw::SET:
    case Kw::SQL:
    case Kw::EXECUTE:
    case Kw::COMMIT:
    case Kw::FORALL:
    case Kw::MERGE:
    case Kw::PIPE:
        return true;
    default:
        return !isReserved(Kw(cur().kw));
    }
}

bool Parser::endsStatementList() const {
    return isKw(Kw::END) || isKw(Kw::EXCEPTION) || isKw(Kw::ELSE) || isKw(Kw::ELSIF) ||
           isKw(Kw::WHEN);
}

Node *Parser::parseUnit() {
    m_entry = Entry::Unit;
    return parseInPasses();
}

Node *Parser::parseTriggerBlock() {
    m_entry = Entry::TriggerBlock;
    return parseInPasses();
}

// The unit (or the trigger's block) and nothing after it.
Node *Parser::parseEntry() {
    const uint32_t first = static_cast<uint32_t>(m_i);
    Node *n = nullptr;
    if (m_entry == Entry::TriggerBlock) {
        n = isKw(Kw::COMPOUND) ? compoundTrigger(first) : block(first);
        expectSemicolon(afterEnd());
    } else if (acceptKw(Kw::PACKAGE)) {
        n = acceptKw(Kw::BODY) ? packageBody(first) : packageSpec(first);
    } else if (acceptKw(Kw::PROCEDURE) || acceptKw(Kw::FUNCTION)) {
        n = standaloneSubprogram(first, prev().kw == uint16_t(Kw::FUNCTION));
    } else if (acceptKw(Kw::TYPE)) {
        n = acceptKw(Kw::BODY) ? typeBody(first) : typeSpec(first);
    } else if (acceptKw(Kw::TRIGGER)) {
        n = trigger(first);
    } else if (isKw(Kw::DECLARE) || isKw(Kw::BEGIN)) {
        n = block(first);
    } else {
        fail(Expect::Generic);
    }
    if (!atEof())
        failAfterUnit();
    return n;
}

} // namespace ocilite::plsql

namespace ocilite::plsql {

bool Parser::peekOp2(size_t n, const char *op) const {
    const Token &t = peek(n);
    return t.kind == Tok::Op && t.length == 2 && m_src[t.offset] == op[0] &&
           m_src[t.offset + 1] == op[1];
}

} // namespace ocilite::plsql
