#include "report/listing.h"

#include <algorithm>

namespace velmora::report {

SourcePosition Unit::filePosition(const Diagnostic &d) const {
    if (!fromFile())
        return {d.line, d.column};
    // A row about the unit as a whole (Oracle's 0/0) points at the unit's first character.
    const int line = d.line < 1 ? 1 : d.line;
    const int column = d.column < 1 ? 1 : d.column;
    // The unit's line 1 starts part-way into its script line (after "CREATE OR REPLACE ").
    return {fileLine + line - 1, line == 1 ? column + fileColumnOffset : column};
}

int Listing::invalidCount() const {
    return static_cast<int>(
        std::count_if(units.begin(), units.end(), [](const Unit &u) { return u.invalid; }));
}

} // namespace velmora::report
