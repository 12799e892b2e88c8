// Reads CAST(... AS TYPE) AS NAME columns out of a view's text.
#include "ocilite/dictionary/view_column_types.h"

#include "ocilite/dialect/tokenizer.h"

#include <vector>

namespace ocilite {
namespace {

using Tokens = std::vector<Token>;

// The type of the item [from, to) when it is CAST(... AS TYPE) AS NAME; NAME is its last token.
std::optional<OraType> castType(const Tokens &t, size_t from, size_t to) {
    if (to - from < 7 || !t[from].isWord("CAST") || !t[from + 1].isOp("(") ||
        !t[to - 2].isWord("AS") || !t[to - 3].isOp(")"))
        return std::nullopt;
    size_t as = SIZE_MAX;
    int depth = 0;
    for (size_t i = from + 2; i < to - 3; ++i) {
        if (t[i].isOp("("))
            ++depth;
        else if (t[i].isOp(")"))
            --depth;
        else if (depth == 0 && t[i].isWord("AS"))
            as = i;
    }
    if (as == SIZE_MAX || depth != 0)
        return std::nullopt;
    std::string type;
    for (size_t i = as + 1; i < to - 3; ++i)
        type += t[i].text;
    return parseDeclaredType(type);
}

} // namespace

std::map<std::string, OraType> castColumnTypes(const std::string &viewSql) {
    std::map<std::string, OraType> types;
    Tokens t;
    try {
        t = tokenizeLenient(viewSql);
    } catch (...) {
        return types;
    }
    size_t i = 0;
    while (i < t.size() && !t[i].isWord("SELECT"))
        ++i;
    size_t start = ++i;
    for (int depth = 0; i < t.size(); ++i) {
        const bool end = depth == 0 && (t[i].isOp(",") || t[i].isWord("FROM"));
        if (t[i].isOp("("))
            ++depth;
        else if (t[i].isOp(")"))
            --depth;
        if (!end)
            continue;
        if (i > start)
            if (auto type = castType(t, start, i))
                types.emplace(t[i - 1].text, *type);
        if (t[i].isWord("FROM"))
            break;
        start = i + 1;
    }
    return types;
}

} // namespace ocilite
