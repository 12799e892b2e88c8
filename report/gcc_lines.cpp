// One line per error in the form compilers use, which editors and CI annotators parse:
//   PACKAGE BODY PAYROLL_PKG:7:21: error: PLS-00302: component 'PUT_LIN' must be declared
//   src/payroll.sql:27:21: error: PLS-00302: component 'PUT_LIN' must be declared   (lint)
// A text of several lines is joined into one.

#include "report/message_text.h"
#include "report/writers.h"

#include <ostream>

namespace velmora::report {

void writeGccLines(const Listing &listing, std::ostream &out) {
    for (const Unit &unit : listing.units) {
        if (!unit.invalid)
            continue;
        const std::string place = unitPlace(unit);
        if (unit.diagnostics.empty())
            out << place << ": error: " << kInvalidWithoutErrors << '\n';
        for (const Diagnostic &d : unit.diagnostics) {
            const SourcePosition at = unit.filePosition(d);
            out << place << ':' << at.line << ':' << at.column << ": " << severityWord(d.severity)
                << ": " << oneLine(d.text) << '\n';
        }
    }
}

} // namespace velmora::report
