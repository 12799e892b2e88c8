// Subprogram signatures as calls are checked against them (PLS-00306): each parameter's name
// and whether a call may leave it out, and whether the subprogram is a function. Types are not
// kept: only the number of arguments and the names of named ones are checked.
#pragma once

#include "ocilite/plsql/ast.h"

#include <string>
#include <string_view>
#include <vector>

namespace ocilite::plsql {

struct ParsedUnit;

struct Parameter {
    std::string name;
    bool optional = false; // has a default
};

struct Signature {
    std::vector<Parameter> params;
    bool function = false;
    bool operator==(const Signature &other) const;
};

// A subprogram's declarations under one name (overloads), in declaration order.
using Overloads = std::vector<Signature>;

// What a call passes: positional arguments first, then named ones.
struct CallShape {
    size_t positional = 0;
    std::vector<std::string> named;
};

// The signature a PROCEDURE / FUNCTION heading declares (a SubprogDecl node, or the heading
// of a SubprogBody).
Signature signatureOf(const ParsedUnit &unit, const Node *heading);
// Adds a declaration unless the same one is there already (a forward declaration and its
// body, or a specification's declaration seen twice).
void addOverload(Overloads &overloads, Signature signature);
// True when the call fits the signature by number and names of arguments.
bool accepts(const Signature &signature, const CallShape &call);

} // namespace ocilite::plsql
