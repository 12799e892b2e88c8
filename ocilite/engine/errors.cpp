#include "ocilite/engine/errors.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace ocilite {
namespace {

struct Entry {
    int code;
    const char *text;
};

constexpr Entry kMessages[] = {
#define OCILITE_ORA_ENTRY(name, number, text) {number, text},
    OCILITE_ORA_ERRORS(OCILITE_ORA_ENTRY)
#undef OCILITE_ORA_ENTRY
};

constexpr bool sortedWithoutRepeats() {
    for (size_t i = 1; i < std::size(kMessages); ++i)
        if (kMessages[i - 1].code >= kMessages[i].code)
            return false;
    return true;
}
static_assert(sortedWithoutRepeats(), "the error list is sorted by number, each number once");

const char *lookup(int code) {
    const auto found = std::lower_bound(std::begin(kMessages), std::end(kMessages), code,
                                        [](const Entry &e, int c) { return e.code < c; });
    return found != std::end(kMessages) && found->code == code ? found->text : nullptr;
}

std::string fill(const std::string &pattern, const std::string &detail) {
    const auto at = pattern.find("%s");
    if (at == std::string::npos)
        return detail.empty() ? pattern : pattern + ": " + detail;
    std::string out = pattern;
    out.replace(at, 2, detail);
    // A message with more places than one detail fills leaves the others empty.
    for (size_t more = out.find("%s", at + detail.size()); more != std::string::npos;
         more = out.find("%s", more))
        out.erase(more, 2);
    return out;
}

std::string withoutPlaceholder(const std::string &pattern) {
    std::string out = fill(pattern, "");
    for (size_t gap = out.find(" # "); gap != std::string::npos; gap = out.find(" # ", gap))
        out.erase(gap + 2, 1); // "(file # , block # )" reads "(file #, block #)"
    // "%s: invalid identifier" without a name reads "invalid identifier".
    if (out.rfind(": ", 0) == 0)
        out.erase(0, 2);
    for (const char *gap : {" ()", " ''", "  "}) {
        const auto at = out.find(gap);
        if (at != std::string::npos)
            out.erase(at, std::char_traits<char>::length(gap) - (gap[1] == ' ' ? 1 : 0));
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace

std::string oraMessage(int code) {
    const char *text = lookup(code);
    if (!text)
        return "Message " + std::to_string(code) + " not found";
    return withoutPlaceholder(text);
}

std::string oraText(int code, const std::string &detail) {
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "ORA-%05d: ", code < 0 ? -code : code);
    const char *text = lookup(code);
    if (!text)
        return prefix + oraMessage(code) + (detail.empty() ? "" : ": " + detail);
    return prefix + (detail.empty() ? withoutPlaceholder(text) : fill(text, detail));
}

std::string oraText(int code, std::initializer_list<std::string> details) {
    const char *text = lookup(code);
    std::string out = text ? text : oraMessage(code);
    auto next = details.begin();
    for (size_t at = out.find("%s"); at != std::string::npos && next != details.end();
         at = out.find("%s", at)) {
        out.replace(at, 2, *next);
        at += next->size();
        ++next;
    }
    for (; next != details.end(); ++next)
        out += ": " + *next;
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "ORA-%05d: ", code < 0 ? -code : code);
    return prefix + out;
}

} // namespace ocilite
