// Splits Oracle SQL text into tokens: identifiers (unquoted ones folded to upper case),
// quoted identifiers, string and number literals, bind variables and operators. Literals
// and quoted identifiers keep their exact text so that rewriting never alters them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ocilite {

enum class TokenKind { Identifier, QuotedIdentifier, String, Number, Bind, Operator };

struct Token {
    TokenKind kind = TokenKind::Operator;
    std::string text;  // identifier folded to upper case, string value, bind name, operator
    size_t offset = 0; // byte offset in the statement (parse error offset)
    size_t length = 0; // bytes of the statement this token covers

    bool is(TokenKind k, std::string_view t) const { return kind == k && text == t; }
    bool isWord(std::string_view word) const { return is(TokenKind::Identifier, word); }
    bool isOp(std::string_view op) const { return is(TokenKind::Operator, op); }
};

// Throws OraError: ORA-01756 unterminated literal, ORA-01740 / ORA-01741 bad quoted
// identifier, ORA-00911 invalid character (a ';' included), ORA-29275 invalid UTF-8.
std::vector<Token> tokenize(std::string_view sql);
// The same for PL/SQL declarations read by the SQL tokenizer (a type's specification, a
// trigger's header): characters SQL has no use for ('%', ';', '$' ...) become operators.
std::vector<Token> tokenizeLenient(std::string_view sql);

// True when the bytes are valid UTF-8.
bool isValidUtf8(std::string_view text);

// Skips blanks and comments from pos; returns the position of the next token or the end.
size_t skipBlanksAndComments(std::string_view sql, size_t pos);

} // namespace ocilite
