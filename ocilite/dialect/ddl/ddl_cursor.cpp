#include "ocilite/dialect/ddl/ddl_cursor.h"

#include "ocilite/engine/errors.h"

#include <cstdlib>

namespace ocilite::ddl {

DdlCursor::DdlCursor(const std::string &sql, const std::string &schema)
    : DdlCursor(sql, tokenize(sql), schema) {}

DdlCursor::DdlCursor(const std::string &sql, Tokens tokens, const std::string &schema)
    : m_sql(sql), m_t(std::move(tokens)), m_schema(schema) {}

const Token &DdlCursor::peek(size_t ahead) const {
    static const Token kEnd;
    return m_i + ahead < m_t.size() ? m_t[m_i + ahead] : kEnd;
}

const Token &DdlCursor::tokenAt(size_t i) const {
    static const Token kEnd;
    return i < m_t.size() ? m_t[i] : kEnd;
}

bool DdlCursor::atWord(const char *word, size_t ahead) const {
    return m_i + ahead < m_t.size() && m_t[m_i + ahead].isWord(word);
}

bool DdlCursor::atWords(std::initializer_list<const char *> words) const {
    size_t k = 0;
    for (const char *w : words)
        if (!atWord(w, k++))
            return false;
    return true;
}

bool DdlCursor::atOp(const char *op, size_t ahead) const {
    return m_i + ahead < m_t.size() && m_t[m_i + ahead].isOp(op);
}

bool DdlCursor::acceptWord(const char *word) {
    if (!atWord(word))
        return false;
    ++m_i;
    return true;
}

bool DdlCursor::acceptWords(std::initializer_list<const char *> words) {
    if (!atWords(words))
        return false;
    m_i += words.size();
    return true;
}

bool DdlCursor::acceptOp(const char *op) {
    if (!atOp(op))
        return false;
    ++m_i;
    return true;
}

void DdlCursor::expectWord(const char *word, int code) {
    if (!acceptWord(word))
        throw OraError(code);
}

void DdlCursor::expectOp(const char *op, int code) {
    if (!acceptOp(op))
        throw OraError(code);
}

bool DdlCursor::atName() const {
    return m_i < m_t.size() && isNameToken(m_t[m_i]);
}

std::string DdlCursor::name(int code) {
    if (!atName())
        throw OraError(code);
    return m_t[m_i++].text;
}

QualifiedName DdlCursor::qualifiedName(int code) {
    QualifiedName q;
    q.owner = m_schema;
    q.name = name(code);
    if (atOp(".") && m_i + 1 < m_t.size() && isNameToken(m_t[m_i + 1])) {
        q.owner = q.name;
        q.name = m_t[m_i + 1].text;
        q.qualified = true;
        m_i += 2;
    }
    // name@link: the tokenizer has no '@', so a link arrives as text we cannot see here.
    return q;
}

std::vector<std::string> DdlCursor::nameList(int code) {
    expectOp("(", kOraMissingLeftParen);
    std::vector<std::string> names;
    for (;;) {
        names.push_back(name(code));
        if (acceptOp(","))
            continue;
        expectOp(")", kOraMissingRightParen);
        return names;
    }
}

long long DdlCursor::integer(int code) {
    bool negative = false;
    if (atOp("-") || atOp("+"))
        negative = m_t[m_i++].isOp("-");
    if (m_i >= m_t.size() || m_t[m_i].kind != TokenKind::Number)
        throw OraError(code);
    const long long v = std::strtoll(m_t[m_i++].text.c_str(), nullptr, 10);
    return negative ? -v : v;
}

std::string DdlCursor::stringLiteral(int code) {
    if (m_i >= m_t.size() || m_t[m_i].kind != TokenKind::String)
        throw OraError(code);
    return m_t[m_i++].text;
}

size_t DdlCursor::closingParen() const {
    return ocilite::closingParen(m_t, m_i);
}

void DdlCursor::skipGroup() {
    const size_t close = closingParen();
    if (close >= m_t.size())
        throw OraError(kOraMissingRightParen);
    m_i = close + 1;
}

std::string DdlCursor::text(size_t from, size_t to) const {
    if (from >= to || from >= m_t.size())
        return std::string();
    const size_t start = m_t[from].offset;
    const Token &last = m_t[std::min(to, m_t.size()) - 1];
    return m_sql.substr(start, last.offset + last.length - start);
}

std::string DdlCursor::textToEnd(size_t from) const {
    return text(from, m_t.size());
}

void DdlCursor::skipUntil(std::initializer_list<const char *> words) {
    while (m_i < m_t.size() && !atOp(",") && !atOp(")")) {
        for (const char *w : words)
            if (atWord(w))
                return;
        if (atOp("("))
            skipGroup();
        else
            ++m_i;
    }
}

void DdlCursor::expectEnd() const {
    if (m_i < m_t.size())
        throw OraError(kOraNotProperlyEnded);
}

void notSupported(const std::string &what) {
    throw OraError(kOraUnimplemented, what + " is not supported by the embedded database");
}

} // namespace ocilite::ddl
