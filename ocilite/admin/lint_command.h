// "ocilite lint FILE|DIR...": runs SQL*Plus scripts into a temporary embedded database, lets
// the engine compile their units, and reports every compile error against the script file
// that holds the unit, at the file's own line and column. The formats and exit status are
// velmora-check's: 0 no unit is invalid, 1 some are, 2 wrong usage or no database.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ocilite {

int runLint(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

// The lines of "ocilite --help" about lint.
std::string lintUsage();

} // namespace ocilite
