// The line SQL*Plus prints after a statement succeeds ("Table created.", "3 rows updated.",
// "Warning: Package Body created with compilation errors."), worked out from the
// statement's leading words. Knows nothing of any database.
#pragma once

#include <string>
#include <string_view>

namespace ocilite {

// rows: rows processed (DML). withErrors: a stored unit or view was left with compile
// errors. Empty for statements SQL*Plus says nothing after (queries).
std::string statementFeedback(std::string_view sql, long rows, bool withErrors);

// True for SELECT / WITH / a parenthesised query: statements whose rows SQL*Plus prints.
bool isQueryText(std::string_view sql);

} // namespace ocilite
