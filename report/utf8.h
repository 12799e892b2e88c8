#pragma once
// Private to report/: reading UTF-8 texts from the database, which may hold bytes that are not
// valid UTF-8, for the writers that must emit valid UTF-8 (JSON, SARIF, XML) and for the
// column arithmetic of the SQL*Plus listing.

#include "base/utf8.h"

#include <string>
#include <string_view>

namespace velmora::report::utf8 {

using velmora::utf8::append;
using velmora::utf8::kReplacement;
using velmora::utf8::next;

// Columns a terminal gives the character: 2 for East Asian wide and full-width characters,
// 0 for combining marks, 1 otherwise.
int width(char32_t c);
int displayWidth(std::string_view text);

} // namespace velmora::report::utf8
