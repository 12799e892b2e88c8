// Private to the dictionary: the rows odessp reports for a unit's stored source, read with the
// PL/SQL parser: the standalone procedure or function the source holds, or every subprogram of
// a package specification with the given name (one overload each).
#pragma once

#include "ocilite/dictionary/procedure_arguments.h"

namespace ocilite {

// Empty when the package has no subprogram of the name.
std::vector<ProcedureArgument> argumentRows(sqlite3 *db, const std::string &owner,
                                            const std::string &source,
                                            const std::string &subprogram);

} // namespace ocilite
