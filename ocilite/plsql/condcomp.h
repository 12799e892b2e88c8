// Conditional compilation as Oracle's preprocessor does it before parsing: keeps the tokens
// of the selected $IF branches, drops the directives, reports $ERROR (PLS-00179) in a
// selected branch. Inquiry directives ($$PLSQL_UNIT, $$PLSQL_LINE, ...) stay as tokens the
// parser reads as literals. DBMS_DB_VERSION answers as Oracle Database 19c.
#pragma once

#include "ocilite/plsql/diagnostics.h"
#include "ocilite/plsql/token.h"

#include <string_view>
#include <vector>

namespace ocilite::plsql {

// The release DBMS_DB_VERSION reports.
constexpr int kDbVersion = 19;
constexpr int kDbRelease = 0;

// Tokens after selection; the Eof token stays last.
std::vector<Token> preprocess(std::string_view source, const std::vector<Token> &tokens,
                              Diagnostics &diags);

} // namespace ocilite::plsql
