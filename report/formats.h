#pragma once
// The output formats of velmora-check and ocilite lint, chosen with --format:
//   text   SQL*Plus SHOW ERRORS style, one block per invalid unit (LINE/COL ERROR)
//   gcc    "WHERE:LINE:COL: error: TEXT", one line per error, as compilers print them
//   json   the listing as one JSON document
//   sarif  SARIF 2.1.0, as code-scanning services read it
//   junit  JUnit XML, one test case per unit checked (the invalid ones fail)

#include "report/listing.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::report {

enum class Format { Text, Gcc, Json, Sarif, Junit };

// "text|gcc|json|sarif|junit", for usage texts.
std::string formatChoices();
std::optional<Format> formatFromName(std::string_view name);

void writeListing(const Listing &listing, Format format, std::ostream &out);

} // namespace velmora::report
