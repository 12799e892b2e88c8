#pragma once
// Private to report/: one writer per output format (formats.h chooses), and what they share.

#include "report/listing.h"

#include <iosfwd>
#include <string>

namespace velmora::report {

void writeSqlPlusText(const Listing &listing, std::ostream &out);
void writeGccLines(const Listing &listing, std::ostream &out);
void writeJson(const Listing &listing, std::ostream &out);
void writeSarif(const Listing &listing, std::ostream &out);
void writeJUnit(const Listing &listing, std::ostream &out);

// One unit's SQL*Plus block ("Errors for TYPE NAME:" and its LINE/COL ERROR rows).
void writeSqlPlusUnit(const Unit &unit, std::ostream &out);

// What a unit that is INVALID without any recorded error is reported with: the database
// invalidated it (a unit it depends on changed) and has not compiled it again since.
inline constexpr const char *kInvalidWithoutErrors =
    "the unit is INVALID but holds no compile errors; compile it again to see why";

// "error" or "warning", as compilers, SARIF and JSON spell the severity.
const char *severityWord(Severity severity);

// Where a unit's errors are: the script file (lint) or "TYPE NAME" (a database unit).
std::string unitPlace(const Unit &unit);

} // namespace velmora::report
