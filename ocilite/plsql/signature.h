// Subprogram signatures as calls are checked against them (PLS-00306): each parameter's name,
// whether a call may leave it out and whether it is BOOLEAN or certainly not, and whether the
// subprogram is a function. Other types are not kept: PL/SQL converts between the rest.
#pragma once

#include "ocilite/plsql/ast.h"

#include <string>
#include <string_view>
#include <vector>

namespace ocilite::plsql {

struct ParsedUnit;

// What is known of a value's type where a wrong one is certain to be an error: BOOLEAN, or a
// built-in type that is not (no implicit conversion joins the two).
enum class ValueKind : uint8_t { Unknown, Boolean, Scalar };

// The kind of a built-in type's values by its name (NUMBER, VARCHAR2, BOOLEAN ...).
ValueKind builtinValue(const std::string &typeName);

struct Parameter {
    std::string name;
    bool optional = false; // has a default
    ValueKind value = ValueKind::Unknown;
};

struct Signature {
    std::vector<Parameter> params;
    bool function = false;
    bool operator==(const Signature &other) const;
};

// A subprogram's declarations under one name (overloads), in declaration order.
using Overloads = std::vector<Signature>;

// What a call passes: positional arguments first, then named ones; what is known of each
// argument's value in the same order (positional, then named), when known.
struct CallShape {
    size_t positional = 0;
    std::vector<std::string> named;
    std::vector<ValueKind> values;
};

// The signature a PROCEDURE / FUNCTION heading declares (a SubprogDecl node, or the heading
// of a SubprogBody).
Signature signatureOf(const ParsedUnit &unit, const Node *heading);
// Adds a declaration unless the same one is there already (a forward declaration and its
// body, or a specification's declaration seen twice).
void addOverload(Overloads &overloads, Signature signature);
// True when the call fits the signature by number and names of arguments, and no argument is
// BOOLEAN where the parameter certainly is not, or the other way round.
bool accepts(const Signature &signature, const CallShape &call);

} // namespace ocilite::plsql
