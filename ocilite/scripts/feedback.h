// The line SQL*Plus prints after a statement succeeds ("Table created.", "3 rows updated.",
// "Warning: Package Body created with compilation errors.", "SP2-0804: Procedure created
// with compilation warnings"), worked out from the
// statement's leading words. Knows nothing of any database.
#pragma once

#include <string>
#include <string_view>

namespace ocilite {

// How compiling a stored unit or view went, for the line after its CREATE or ALTER.
enum class Compiled { Clean, WithWarnings, WithErrors };

// rows: rows processed (DML). Empty for statements SQL*Plus says nothing after (queries).
std::string statementFeedback(std::string_view sql, long rows, Compiled compiled = Compiled::Clean);

// True for SELECT / WITH / a parenthesised query: statements whose rows SQL*Plus prints.
bool isQueryText(std::string_view sql);

} // namespace ocilite
