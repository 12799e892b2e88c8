// Oracle expressions and conditions kept in the dictionary (DEFAULT, CHECK, virtual
// columns, function-based indexes) in SQLite's dialect, through the translator (private to
// the dictionary). Column names stay as written; sequences, USER, SYSDATE and functions
// take the engine's spelling.
#pragma once

#include "ocilite/dialect/translation.h"

#include <string>

namespace ocilite {

// Throws the translator's OraError when the text is not an expression Oracle accepts.
std::string sqliteExpression(const std::string &oracle, const std::string &schema,
                             const NameResolver &resolver);
std::string sqliteCondition(const std::string &oracle, const std::string &schema,
                            const NameResolver &resolver);

} // namespace ocilite
