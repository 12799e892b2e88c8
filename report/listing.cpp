#include "report/listing.h"

#include <algorithm>

namespace velmora::report {

SourcePosition Unit::filePosition(const Diagnostic &d) const {
    if (!fromFile())
        return {d.line, d.column};
    // The unit's line 1 starts part-way into its script line (after "CREATE OR REPLACE ").
    const int column = d.line == 1 ? d.column + fileColumnOffset : d.column;
    return {fileLine + d.line - 1, column};
}

int Listing::invalidCount() const {
    return static_cast<int>(
        std::count_if(units.begin(), units.end(), [](const Unit &u) { return u.invalid; }));
}

} // namespace velmora::report
