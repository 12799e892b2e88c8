#include "ocilite/engine/parse_offset.h"

#include "ocilite/dialect/tokenizer.h"

#include <string_view>

namespace ocilite {
namespace {

// The name an "ORA-00904: "X": invalid identifier" text gives.
std::string quotedName(const std::string &text) {
    const size_t open = text.find('"');
    const size_t close = open == std::string::npos ? open : text.find('"', open + 1);
    if (close == std::string::npos)
        return std::string();
    return text.substr(open + 1, close - open - 1);
}

int identifierOffset(const std::vector<Token> &tokens, const std::string &name) {
    // The name may be qualified ("E"."NOSUCH"): its last part is the one to find.
    const size_t dot = name.rfind("\".\"");
    const std::string last = dot == std::string::npos ? name : name.substr(dot + 3);
    for (const Token &t : tokens)
        if ((t.kind == TokenKind::Identifier || t.kind == TokenKind::QuotedIdentifier) &&
            t.text == last)
            return static_cast<int>(t.offset);
    return -1;
}

int endOffset(const std::string &sql) {
    size_t end = sql.size();
    while (end > 0 && (sql[end - 1] == ' ' || sql[end - 1] == '\n' || sql[end - 1] == '\t' ||
                       sql[end - 1] == '\r'))
        --end;
    return static_cast<int>(end);
}

} // namespace

int parseErrorOffset(const std::string &sql, const OraError &error) {
    if (error.offset() >= 0)
        return error.offset();
    switch (error.code()) {
    case kOraMissingExpression:
    case kOraUnexpectedEnd:
        return endOffset(sql);
    case kOraInvalidIdentifier:
        break;
    default:
        return 0;
    }
    try {
        const int at = identifierOffset(tokenize(sql), quotedName(error.text()));
        return at < 0 ? 0 : at;
    } catch (const OraError &) {
        return 0;
    }
}

} // namespace ocilite
