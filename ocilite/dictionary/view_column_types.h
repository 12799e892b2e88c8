// The types of a view's columns that SQLite cannot declare (private to the dictionary): a
// column written CAST(expression AS TYPE) AS NAME in the view's select list has the type
// TYPE, as the dictionary views give Oracle's documented types and widths.
#pragma once

#include "ocilite/dialect/types.h"

#include <map>
#include <string>

namespace ocilite {

// NAME -> TYPE for each such column of the view's outermost select list.
std::map<std::string, OraType> castColumnTypes(const std::string &viewSql);

} // namespace ocilite
