// Insertions gathered by a pass and applied in one sweep over the statement's tokens.
#include "ocilite/dialect/passes.h"

#include <algorithm>
#include <tuple>

namespace ocilite {

void Insertions::push(size_t at, int group, long long rank, size_t sequence, Token token) {
    m_keys.push_back({at, group, rank, sequence, m_tokens.size()});
    m_tokens.push_back(std::move(token));
}

void Insertions::wrap(size_t from, size_t to, std::vector<Token> before, std::vector<Token> after) {
    // Closing tokens: the innermost wrap (the one that begins last) first, in the order added.
    for (Token &t : after)
        push(to, 0, -static_cast<long long>(from), m_keys.size(), std::move(t));
    // Opening tokens: the outermost (the one that ends last) first; of two around the same
    // tokens the later, whose sequence numbers count down from the top.
    const size_t top = (size_t(1) << 62) - m_keys.size() * 4;
    for (size_t i = 0; i < before.size(); ++i)
        push(from, 2, -static_cast<long long>(to), top + i, std::move(before[i]));
}

void Insertions::add(size_t at, std::vector<Token> tokens) {
    for (Token &t : tokens)
        push(at, 1, 0, m_keys.size(), std::move(t));
}

void Insertions::apply(StatementTokens &st, bool edgesInside) {
    if (m_keys.empty())
        return;
    std::sort(m_keys.begin(), m_keys.end(), [](const Key &a, const Key &b) {
        return std::tie(a.at, a.group, a.rank, a.sequence) <
               std::tie(b.at, b.group, b.rank, b.sequence);
    });
    Tokens out;
    out.reserve(st.tokens.size() + m_keys.size());
    auto next = m_keys.begin();
    for (size_t i = 0; i <= st.tokens.size(); ++i) {
        for (; next != m_keys.end() && next->at == i; ++next)
            out.push_back(std::move(m_tokens[next->token]));
        if (i < st.tokens.size())
            out.push_back(std::move(st.tokens[i]));
    }
    // Where an original position lands: after the tokens inserted before it, and after (or
    // before) those inserted at it.
    auto landing = [&](size_t position, bool afterInserted) {
        const auto before = std::lower_bound(m_keys.begin(), m_keys.end(), position,
                                             [](const Key &key, size_t p) { return key.at < p; });
        const auto through = std::upper_bound(before, m_keys.end(), position,
                                              [](size_t p, const Key &key) { return p < key.at; });
        return position + static_cast<size_t>((afterInserted ? through : before) - m_keys.begin());
    };
    for (TokenRange &range : st.items) {
        range.from = landing(range.from, !edgesInside);
        range.to = landing(range.to, edgesInside);
    }
    st.tokens = std::move(out);
    m_keys.clear();
    m_tokens.clear();
}

} // namespace ocilite
