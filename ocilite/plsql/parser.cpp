#include "ocilite/plsql/parser.h"

#include "ocilite/plsql/lexer.h"

#include <cstring>

namespace ocilite::plsql {

Parser::Parser(std::string_view source, std::vector<Token> tokens, Arena &arena, Diagnostics &diags)
    : m_src(source), m_t(std::move(tokens)), m_arena(arena), m_diags(diags) {
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
        fail(e);
}

void Parser::expectOp(char c, Expect e) {
    if (!acceptOp(c))
        fail(e);
}

void Parser::expectOp2(const char *op, Expect e) {
    if (!acceptOp2(op))
        fail(e);
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

// Oracle puts ";" in front of the symbol and goes on when the symbol can follow one.
void Parser::expectSemicolon(Expect e) {
    if (acceptOp(';'))
        return;
    const bool follows = startsStatement() || endsStatementList() || atEof() || isKw(Kw::BEGIN) ||
                         isKw(Kw::PROCEDURE) || isKw(Kw::FUNCTION) || isKw(Kw::CURSOR) ||
                         isKw(Kw::TYPE) || isKw(Kw::SUBTYPE) || isKw(Kw::PRAGMA);
    if (semicolonFits(e) && follows && !atEof()) {
        failSubstituted(e, ";");
        return;
    }
    fail(e);
}

void Parser::fail(Expect e) {
    const Token &t = cur();
    int line = t.line;
    int col = t.col;
    if (t.kind == Tok::Eof && m_i > 0) {
        // Oracle places end-of-file on the source's last character.
        const Token &last = prev();
        std::string_view text = tokenText(m_src, last);
        line = last.line;
        col = last.col;
        for (size_t k = 0; k + 1 < text.size(); ++k) {
            if (text[k] == '\n') {
                ++line;
                col = 1;
            } else if ((static_cast<unsigned char>(text[k + 1]) & 0xC0) != 0x80) {
                ++col;
            }
        }
    }
    m_diags.add(Msg::Encountered, line, col, {symbolName(m_src, t), expectedBlock(e)});
    m_syntaxError = true;
    throw SyntaxAbort{};
}

void Parser::tooDeep() {
    --m_depth;
    const Token &t = cur();
    m_diags.add(Msg::NestingTooDeep, t.line, t.col);
    m_syntaxError = true;
    throw SyntaxAbort{};
}

void Parser::chained(int &links) {
    if (++links <= kMaxChain)
        return;
    const Token &t = cur();
    m_diags.add(Msg::ProgramTooLarge, t.line, t.col, {"expression"});
    m_syntaxError = true;
    throw SyntaxAbort{};
}

void Parser::failSubstituted(Expect e, std::string_view symbol) {
    const Token &t = cur();
    const std::string name = symbolName(m_src, t);
    std::string text = messageText(Msg::Encountered, {name, expectedBlock(e)});
    text += "\nThe symbol \"" + std::string(symbol) + "\" was substituted for \"" + name +
            "\" to continue.";
    m_diags.addText(t.line, t.col, messageNumber(Msg::Encountered), std::move(text));
    m_syntaxError = true;
}

Node *Parser::mk(NK kind, uint32_t first) {
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
    try {
        const uint32_t first = static_cast<uint32_t>(m_i);
        if (acceptKw(Kw::PACKAGE))
            return acceptKw(Kw::BODY) ? packageBody(first) : packageSpec(first);
        if (acceptKw(Kw::PROCEDURE))
            return standaloneSubprogram(first, false);
        if (acceptKw(Kw::FUNCTION))
            return standaloneSubprogram(first, true);
        if (acceptKw(Kw::TYPE))
            return acceptKw(Kw::BODY) ? typeBody(first) : typeSpec(first);
        if (acceptKw(Kw::TRIGGER))
            return trigger(first);
        if (isKw(Kw::DECLARE) || isKw(Kw::BEGIN))
            return block(first);
        fail(Expect::Generic);
    } catch (const SyntaxAbort &) {
        return nullptr;
    }
}

Node *Parser::parseTriggerBlock() {
    try {
        const uint32_t first = static_cast<uint32_t>(m_i);
        if (isKw(Kw::COMPOUND))
            return compoundTrigger(first);
        Node *b = block(first);
        acceptOp(';');
        if (!atEof())
            fail(Expect::Generic);
        return b;
    } catch (const SyntaxAbort &) {
        return nullptr;
    }
}

} // namespace ocilite::plsql

namespace ocilite::plsql {

bool Parser::peekOp2(size_t n, const char *op) const {
    const Token &t = peek(n);
    return t.kind == Tok::Op && t.length == 2 && m_src[t.offset] == op[0] &&
           m_src[t.offset + 1] == op[1];
}

} // namespace ocilite::plsql
