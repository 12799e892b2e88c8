// Tokens of Oracle SQL and PL/SQL as the lexer hands them to conditional compilation and the
// parser: a kind, the byte range in the unit's source and the line/column Oracle reports
// (1-based; a TAB and a multi-byte character are one column each).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ocilite::plsql {

enum class Tok : uint8_t {
    Eof,
    Word,        // unquoted identifier or keyword; kw() names the keyword
    QuotedIdent, // "Name" (text without the quotes)
    Number,      // 12, 1.5, 1e3, 2.0f
    String,      // 'x', N'x', q'[x]' (text without quotes, '' kept doubled)
    BindVar,     // :name or :1 (triggers' :NEW, :OLD)
    Op,          // punctuation and operators: ( ) ; , . := => .. || ** <> != ~= ^= <= >= << >> ...
    CcIf,        // $IF
    CcThen,      // $THEN
    CcElsif,     // $ELSIF
    CcElse,      // $ELSE
    CcEnd,       // $END
    CcError,     // $ERROR
    CcInquiry,   // $$NAME
    Bad,         // a character no token starts with; an unterminated literal or comment
};

struct Token {
    Tok kind = Tok::Eof;
    uint16_t kw = 0;     // keyword id (keywords.h) for Word tokens, 0 otherwise
    uint32_t offset = 0; // bytes into the source
    uint32_t length = 0;
    int line = 1;
    int col = 1;
    // For String: the byte range of the content between the delimiters.
    uint32_t innerOffset = 0;
    uint32_t innerLength = 0;

    bool is(Tok k) const { return kind == k; }
};

// The source slice a token covers.
inline std::string_view tokenText(std::string_view source, const Token &t) {
    return source.substr(t.offset, t.length);
}

} // namespace ocilite::plsql
