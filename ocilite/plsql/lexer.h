// The lexer of SQL and PL/SQL: turns a unit's source into tokens with Oracle's line and
// column (a TAB is one column; a multi-byte UTF-8 character is one column). Comments and
// white space are dropped. Never fails: what no token can start with becomes a Bad token.
#pragma once

#include "ocilite/plsql/token.h"

#include <string_view>
#include <vector>

namespace ocilite::plsql {

// Tokens of the whole source, ending with one Eof token placed just after the last
// character of the source (where Oracle reports "end-of-file").
std::vector<Token> tokenize(std::string_view source);

// A String token's value: the text between the delimiters with '' folded to ' (q-quoted
// literals keep their text as written).
std::string stringValue(std::string_view source, const Token &t);

// An identifier's name as Oracle stores it: unquoted words in upper case, quoted ones as
// written.
std::string identName(std::string_view source, const Token &t);

} // namespace ocilite::plsql
