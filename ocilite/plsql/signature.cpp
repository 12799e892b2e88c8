#include "ocilite/plsql/signature.h"

#include "ocilite/plsql/syntax.h"

#include <algorithm>

namespace ocilite::plsql {

bool Signature::operator==(const Signature &other) const {
    if (function != other.function || params.size() != other.params.size())
        return false;
    for (size_t i = 0; i < params.size(); ++i)
        if (params[i].name != other.params[i].name)
            return false;
    return true;
}

Signature signatureOf(const ParsedUnit &unit, const Node *heading) {
    Signature s;
    s.function = (heading->flags & kFlagFunction) != 0;
    for (const Node *part = heading->child; part; part = part->next) {
        if (part->kind != NK::DeclList)
            continue;
        for (const Node *p = part->child; p; p = p->next)
            if (p->kind == NK::Param)
                s.params.push_back({nodeName(unit, p), (p->flags & kFlagHasInit) != 0});
    }
    return s;
}

void addOverload(Overloads &overloads, Signature signature) {
    if (std::find(overloads.begin(), overloads.end(), signature) == overloads.end())
        overloads.push_back(std::move(signature));
}

bool accepts(const Signature &signature, const CallShape &call) {
    const std::vector<Parameter> &params = signature.params;
    if (call.positional > params.size())
        return false;
    std::vector<bool> given(params.size(), false);
    std::fill(given.begin(), given.begin() + static_cast<long>(call.positional), true);
    for (const std::string &name : call.named) {
        const auto it = std::find_if(params.begin(), params.end(),
                                     [&](const Parameter &p) { return p.name == name; });
        if (it == params.end() || given[static_cast<size_t>(it - params.begin())])
            return false;
        given[static_cast<size_t>(it - params.begin())] = true;
    }
    for (size_t i = 0; i < params.size(); ++i)
        if (!given[i] && !params[i].optional)
            return false;
    return true;
}

} // namespace ocilite::plsql
