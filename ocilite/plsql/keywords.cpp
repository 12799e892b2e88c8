#include "ocilite/plsql/keywords.h"

#include <array>
#include <cstring>
#include <string>
#include <unordered_map>

namespace ocilite::plsql {
namespace {

struct Entry {
    const char *name;
    bool reserved;
};

constexpr std::array<Entry, static_cast<size_t>(Kw::Count)> kEntries = {
    {{"", false},
#define OCILITE_KW_R(name) {#name, true},
#define OCILITE_KW_K(name) {#name, false},
     OCILITE_PLSQL_KEYWORDS(OCILITE_KW_R, OCILITE_KW_K)
#undef OCILITE_KW_R
#undef OCILITE_KW_K
    }};

const std::unordered_map<std::string_view, Kw> &table() {
    static const std::unordered_map<std::string_view, Kw> map = [] {
        std::unordered_map<std::string_view, Kw> m;
        for (size_t i = 1; i < kEntries.size(); ++i)
            m.emplace(keywordName(static_cast<Kw>(i)), static_cast<Kw>(i));
        return m;
    }();
    return map;
}

} // namespace

Kw keywordOf(std::string_view word) {
    // The longest keyword is under 32 characters; longer words are plain identifiers.
    char upper[32];
    if (word.empty() || word.size() >= sizeof upper)
        return Kw::None;
    for (size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    const auto it = table().find(std::string_view(upper, word.size()));
    return it == table().end() ? Kw::None : it->second;
}

bool isReserved(Kw kw) {
    return kEntries[static_cast<size_t>(kw)].reserved;
}

// NULL_, TRUE_ and FALSE_ carry a '_' only to stay clear of the C macros of those names.
std::string_view keywordName(Kw kw) {
    std::string_view name = kEntries[static_cast<size_t>(kw)].name;
    if (!name.empty() && name.back() == '_')
        name.remove_suffix(1);
    return name;
}

} // namespace ocilite::plsql
