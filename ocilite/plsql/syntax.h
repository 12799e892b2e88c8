// The front of the compiler in one call: lexing, conditional compilation and parsing of a
// unit's stored source into a tree, with the syntax errors as USER_ERRORS rows.
#pragma once

#include "ocilite/plsql/arena.h"
#include "ocilite/plsql/ast.h"
#include "ocilite/plsql/diagnostics.h"
#include "ocilite/plsql/token.h"

#include <memory>
#include <string_view>
#include <vector>

namespace ocilite::plsql {

struct ParsedUnit {
    std::string_view source; // not owned: the caller keeps the text alive
    std::vector<Token> tokens;
    Arena arena;
    Node *root = nullptr; // null after a syntax error Oracle does not recover from
    Diagnostics diags;
    bool syntaxError = false;
};

// A unit as USER_SOURCE holds it: the text from its PACKAGE / PROCEDURE / FUNCTION / TYPE /
// TRIGGER keyword on.
std::unique_ptr<ParsedUnit> parseUnit(std::string_view source);
// A trigger's PL/SQL block (its text from DECLARE, BEGIN or COMPOUND TRIGGER on).
std::unique_ptr<ParsedUnit> parseTriggerBody(std::string_view source);

// The text of a node's first token's identifier, folded as Oracle folds it.
std::string nodeName(const ParsedUnit &unit, const Node *n);

} // namespace ocilite::plsql
