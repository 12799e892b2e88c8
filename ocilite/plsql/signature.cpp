#include "ocilite/plsql/signature.h"

#include "ocilite/plsql/syntax.h"

#include <algorithm>

namespace ocilite::plsql {

ValueKind builtinValue(const std::string &id) {
    static const char *const kScalars[] = {
        "NUMBER",        "INTEGER",  "INT",       "PLS_INTEGER", "BINARY_INTEGER", "NATURAL",
        "POSITIVE",      "NATURALN", "POSITIVEN", "SIGNTYPE",    "SIMPLE_INTEGER", "FLOAT",
        "REAL",          "DECIMAL",  "DEC",       "NUMERIC",     "SMALLINT",       "BINARY_FLOAT",
        "BINARY_DOUBLE", "VARCHAR2", "VARCHAR",   "CHAR",        "NCHAR",          "NVARCHAR2",
        "STRING",        "CLOB",     "NCLOB",     "DATE",        "TIMESTAMP",      "RAW"};
    if (id == "BOOLEAN")
        return ValueKind::Boolean;
    for (const char *s : kScalars)
        if (id == s)
            return ValueKind::Scalar;
    return ValueKind::Unknown;
}

bool Signature::operator==(const Signature &other) const {
    if (function != other.function || params.size() != other.params.size())
        return false;
    for (size_t i = 0; i < params.size(); ++i)
        if (params[i].name != other.params[i].name || params[i].value != other.params[i].value)
            return false;
    return true;
}

namespace {

// A parameter's type when it is a built-in one named alone (not %TYPE, not a package's).
ValueKind paramValue(const ParsedUnit &unit, const Node *param) {
    const Node *type = param->child;
    while (type && type->kind == NK::TypeRef)
        type = type->child;
    if (!type || type->kind != NK::Name || !type->child || type->child->kind != NK::Part ||
        type->child->next)
        return ValueKind::Unknown;
    return builtinValue(nodeName(unit, type->child));
}

bool fits(ValueKind param, ValueKind argument) {
    return param == ValueKind::Unknown || argument == ValueKind::Unknown || param == argument;
}

} // namespace

Signature signatureOf(const ParsedUnit &unit, const Node *heading) {
    Signature s;
    s.function = (heading->flags & kFlagFunction) != 0;
    for (const Node *part = heading->child; part; part = part->next) {
        if (part->kind != NK::DeclList)
            continue;
        for (const Node *p = part->child; p; p = p->next)
            if (p->kind == NK::Param)
                s.params.push_back(
                    {nodeName(unit, p), (p->flags & kFlagHasInit) != 0, paramValue(unit, p)});
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
    const auto valueOf = [&](size_t argument) {
        return argument < call.values.size() ? call.values[argument] : ValueKind::Unknown;
    };
    std::vector<bool> given(params.size(), false);
    for (size_t i = 0; i < call.positional; ++i) {
        given[i] = true;
        if (!fits(params[i].value, valueOf(i)))
            return false;
    }
    for (size_t j = 0; j < call.named.size(); ++j) {
        const auto it = std::find_if(params.begin(), params.end(),
                                     [&](const Parameter &p) { return p.name == call.named[j]; });
        if (it == params.end() || given[static_cast<size_t>(it - params.begin())] ||
            !fits(it->value, valueOf(call.positional + j)))
            return false;
        given[static_cast<size_t>(it - params.begin())] = true;
    }
    for (size_t i = 0; i < params.size(); ++i)
        if (!given[i] && !params[i].optional)
            return false;
    return true;
}

} // namespace ocilite::plsql
