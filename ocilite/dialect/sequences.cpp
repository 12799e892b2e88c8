// sequence.NEXTVAL and sequence.CURRVAL (also schema.sequence.NEXTVAL, and through
// synonyms) become calls of the engine's sequence functions; a name that is no sequence the
// session may use is ORA-02289.
#include "ocilite/dialect/passes.h"

#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

namespace ocilite {
namespace {

void eraseToken(StatementTokens &st, size_t at) {
    st.tokens.erase(st.tokens.begin() + static_cast<long>(at));
    for (TokenRange &range : st.items) {
        if (range.from > at)
            --range.from;
        if (range.to > at)
            --range.to;
    }
}

} // namespace

void rewriteSequences(StatementTokens &st, const std::string &schema,
                      const NameResolver &resolver) {
    Tokens &t = st.tokens;
    for (size_t i = 2; i < t.size(); ++i) {
        const bool next = t[i].isWord("NEXTVAL");
        if ((!next && !t[i].isWord("CURRVAL")) || !t[i - 1].isOp(".") || !isNameToken(t[i - 2]))
            continue;
        size_t start = i - 2;
        std::string owner = schema;
        const std::string name = t[i - 2].text;
        if (start >= 2 && t[start - 1].isOp(".") && isNameToken(t[start - 2])) {
            start -= 2;
            owner = t[start].text;
        }
        const auto sequence = resolver.sequenceFor(owner, name);
        if (!sequence)
            throw OraError(kOraSequenceNotFound);
        Token call = word(std::string(next ? "OCILITE_NEXTVAL(" : "OCILITE_CURRVAL(") +
                              quoteText(sequence->first) + ", " + quoteText(sequence->second) + ")",
                          t[start].offset);
        call.length = t[i].offset + t[i].length - t[start].offset;
        t[start] = call;
        for (size_t k = start + 1; k <= i; ++k)
            eraseToken(st, start + 1);
        i = start;
    }
}

} // namespace ocilite
