#include "ocilite/dialect/tokenizer.h"

#include "ocilite/engine/errors.h"

#include <cctype>

namespace ocilite {
namespace {

bool isIdentStart(unsigned char c) {
    return std::isalpha(c) || c >= 0x80;
}
bool isIdentPart(unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '$' || c == '#' || c >= 0x80;
}

class Lexer {
public:
    Lexer(std::string_view sql, bool lenient) : m_sql(sql), m_lenient(lenient) {}

    std::vector<Token> run() {
        std::vector<Token> tokens;
        size_t pos = skipBlanksAndComments(m_sql, 0);
        while (pos < m_sql.size()) {
            tokens.push_back(next(pos));
            pos = skipBlanksAndComments(m_sql, pos);
        }
        return tokens;
    }

private:
    Token next(size_t &pos) {
        const unsigned char c = m_sql[pos];
        if (c == '\'')
            return stringLiteral(pos);
        if (c == '"')
            return quotedIdentifier(pos);
        // N'...' (national character literal), q'[...]' and nq'[...]' (alternative quoting).
        const size_t afterN = (c == 'n' || c == 'N') ? pos + 1 : pos;
        if (afterN + 1 < m_sql.size() && (m_sql[afterN] == 'q' || m_sql[afterN] == 'Q') &&
            m_sql[afterN + 1] == '\'')
            return alternativeQuote(pos, afterN + 2);
        if (afterN != pos && afterN < m_sql.size() && m_sql[afterN] == '\'') {
            Token t = stringLiteral(++pos);
            t.offset -= 1;
            t.length += 1;
            return t;
        }
        if (std::isdigit(c) || (c == '.' && pos + 1 < m_sql.size() &&
                                std::isdigit(static_cast<unsigned char>(m_sql[pos + 1]))))
            return number(pos);
        if (isIdentStart(c))
            return identifier(pos);
        if (c == ':' && pos + 1 < m_sql.size() && m_sql[pos + 1] != '=')
            return bind(pos);
        return op(pos);
    }

    Token make(TokenKind kind, std::string text, size_t start, size_t end) {
        Token t;
        t.kind = kind;
        t.text = std::move(text);
        t.offset = start;
        t.length = end - start;
        return t;
    }

    Token stringLiteral(size_t &pos) {
        const size_t start = pos++;
        std::string value;
        for (;;) {
            if (pos >= m_sql.size())
                throw OraError(kOraUnterminatedString).at(start);
            if (m_sql[pos] == '\'') {
                if (pos + 1 < m_sql.size() && m_sql[pos + 1] == '\'') {
                    value += '\'';
                    pos += 2;
                    continue;
                }
                ++pos;
                if (value.size() > 4000)
                    throw OraError(kOraStringTooLong);
                return make(TokenKind::String, value, start, pos);
            }
            value += m_sql[pos++];
        }
    }

    // q'<delimiter>text<closing delimiter>' where [ { ( < close with ] } ) > and any other
    // character closes with itself.
    Token alternativeQuote(size_t &pos, size_t delimiterAt) {
        const size_t start = pos;
        if (delimiterAt >= m_sql.size())
            throw OraError(kOraUnterminatedString);
        const char open = m_sql[delimiterAt];
        if (std::isspace(static_cast<unsigned char>(open)))
            throw OraError(kOraUnterminatedString);
        const char close = open == '['   ? ']'
                           : open == '{' ? '}'
                           : open == '(' ? ')'
                           : open == '<' ? '>'
                                         : open;
        for (size_t i = delimiterAt + 1; i + 1 < m_sql.size(); ++i) {
            if (m_sql[i] == close && m_sql[i + 1] == '\'') {
                std::string value(m_sql.substr(delimiterAt + 1, i - delimiterAt - 1));
                if (value.size() > 4000)
                    throw OraError(kOraStringTooLong);
                pos = i + 2;
                return make(TokenKind::String, std::move(value), start, pos);
            }
        }
        throw OraError(kOraUnterminatedString);
    }

    Token quotedIdentifier(size_t &pos) {
        const size_t start = pos++;
        const size_t close = m_sql.find('"', pos);
        if (close == std::string_view::npos)
            throw OraError(kOraMissingDoubleQuote).at(start);
        if (close == pos)
            throw OraError(kOraZeroLengthIdentifier).at(start);
        if (close - pos > 128)
            throw OraError(kOraIdentifierTooLong);
        std::string name(m_sql.substr(pos, close - pos));
        pos = close + 1;
        return make(TokenKind::QuotedIdentifier, name, start, pos);
    }

    Token number(size_t &pos) {
        const size_t start = pos;
        auto digits = [&] {
            while (pos < m_sql.size() && std::isdigit(static_cast<unsigned char>(m_sql[pos])))
                ++pos;
        };
        digits();
        if (pos < m_sql.size() && m_sql[pos] == '.' &&
            !(pos + 1 < m_sql.size() && m_sql[pos + 1] == '.')) {
            ++pos;
            digits();
        }
        if (pos < m_sql.size() && (m_sql[pos] == 'e' || m_sql[pos] == 'E')) {
            size_t look = pos + 1;
            if (look < m_sql.size() && (m_sql[look] == '+' || m_sql[look] == '-'))
                ++look;
            if (look < m_sql.size() && std::isdigit(static_cast<unsigned char>(m_sql[look]))) {
                pos = look;
                digits();
            }
        }
        return make(TokenKind::Number, std::string(m_sql.substr(start, pos - start)), start, pos);
    }

    Token identifier(size_t &pos) {
        const size_t start = pos;
        while (pos < m_sql.size() && isIdentPart(static_cast<unsigned char>(m_sql[pos])))
            ++pos;
        std::string name(m_sql.substr(start, pos - start));
        if (name.size() > 128)
            throw OraError(kOraIdentifierTooLong);
        for (char &ch : name)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        return make(TokenKind::Identifier, name, start, pos);
    }

    Token bind(size_t &pos) {
        const size_t start = pos++;
        const size_t nameStart = pos;
        if (pos < m_sql.size() && m_sql[pos] == '"') {
            const size_t close = m_sql.find('"', pos + 1);
            if (close == std::string_view::npos)
                throw OraError(kOraMissingDoubleQuote);
            pos = close + 1;
            return make(TokenKind::Bind,
                        std::string(m_sql.substr(nameStart + 1, close - nameStart - 1)), start,
                        pos);
        }
        while (pos < m_sql.size() && isIdentPart(static_cast<unsigned char>(m_sql[pos])))
            ++pos;
        if (pos == nameStart)
            throw OraError(kOraIllegalVariable);
        std::string name(m_sql.substr(nameStart, pos - nameStart));
        for (char &ch : name)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        return make(TokenKind::Bind, name, start, pos);
    }

    Token op(size_t &pos) {
        static const char *const kTwo[] = {
            "||", "<=", ">=", "<>", "!=", "^=", ":=", "=>", "**", ".."};
        const size_t start = pos;
        for (const char *two : kTwo) {
            if (m_sql.substr(pos, 2) == two) {
                pos += 2;
                return make(TokenKind::Operator, two, start, pos);
            }
        }
        const char c = m_sql[pos];
        static const std::string_view kSingle = "()+-*/,.=<>@";
        if (!m_lenient && (kSingle.find(c) == std::string_view::npos || c == '\0'))
            throw OraError(kOraInvalidCharacter).at(start);
        ++pos;
        return make(TokenKind::Operator, std::string(1, c), start, pos);
    }

    std::string_view m_sql;
    bool m_lenient;
};

int sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

bool isValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int n = sequenceLength(lead);
        if (n == 0 || i + n > text.size())
            return false;
        for (int k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        if (n == 3) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0))
                return false;
        }
        if (n == 4) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            if ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
                return false;
        }
        i += n;
    }
    return true;
}

size_t skipBlanksAndComments(std::string_view sql, size_t pos) {
    while (pos < sql.size()) {
        const unsigned char c = sql[pos];
        if (std::isspace(c)) {
            ++pos;
        } else if (sql.substr(pos, 2) == "--") {
            const size_t eol = sql.find('\n', pos);
            pos = eol == std::string_view::npos ? sql.size() : eol + 1;
        } else if (sql.substr(pos, 2) == "/*") {
            const size_t close = sql.find("*/", pos + 2);
            pos = close == std::string_view::npos ? sql.size() : close + 2;
        } else {
            break;
        }
    }
    return pos;
}

std::vector<Token> tokenize(std::string_view sql) {
    if (!isValidUtf8(sql))
        throw OraError(kOraPartialMultibyte);
    return Lexer(sql, false).run();
}

std::vector<Token> tokenizeLenient(std::string_view sql) {
    if (!isValidUtf8(sql))
        throw OraError(kOraPartialMultibyte);
    return Lexer(sql, true).run();
}

} // namespace ocilite
