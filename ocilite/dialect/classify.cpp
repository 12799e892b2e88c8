// The head of a statement: its first few tokens, cut out one blank-separated piece at a
// time, so that a program unit's PL/SQL body never goes through the SQL tokenizer.
#include "ocilite/dialect/passes.h"

#include "ocilite/engine/errors.h"

#include <cctype>

namespace ocilite {
namespace {

constexpr size_t kHeadTokens = 8;

// End of the piece starting at pos: the next blank, '(' or ';' outside quotes.
size_t pieceEnd(const std::string &sql, size_t pos) {
    size_t end = pos;
    char quote = 0;
    for (; end < sql.size(); ++end) {
        const char c = sql[end];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (std::isspace(static_cast<unsigned char>(c)) || c == '(' || c == ';') {
            break;
        }
    }
    return end == pos ? end + 1 : end;
}

} // namespace

Tokens headTokens(const std::string &sql) {
    if (!isValidUtf8(sql))
        throw OraError(kOraPartialMultibyte);
    Tokens out;
    size_t pos = skipBlanksAndComments(sql, 0);
    while (pos < sql.size() && out.size() < kHeadTokens) {
        const size_t end = pieceEnd(sql, pos);
        Tokens piece;
        try {
            piece = tokenize(std::string_view(sql).substr(pos, end - pos));
        } catch (const OraError &) {
            break; // the head ends where the SQL tokenizer stops understanding the text
        }
        for (Token &t : piece) {
            t.offset += pos;
            out.push_back(t);
        }
        pos = skipBlanksAndComments(sql, end);
    }
    return out;
}

} // namespace ocilite
