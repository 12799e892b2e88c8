#pragma once
// The dictionary statements of the check and the listing they make: the units of the four
// types (narrowed by type and a LIKE pattern) from USER_OBJECTS, then the error rows from
// USER_ERRORS, which go to the invalid units. Both run through one TOCIcur.

#include "report/listing.h"

#include <QByteArray>

#include <string>
#include <vector>

class TOCIcur;

namespace velmora::check {

struct Filters {
    std::vector<std::string> types; // empty: all four
    std::string namePattern;        // empty: every name
};

QByteArray buildUnitQuery(const Filters &filters);
QByteArray buildErrorQuery(const Filters &filters);

// The units in name order, the invalid ones with their errors in sequence order. False with
// the database's text in error when a statement or a fetch fails.
bool collectUnits(TOCIcur &cursor, const Filters &filters, std::vector<report::Unit> &units,
                  std::string &error);

} // namespace velmora::check
