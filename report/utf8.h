#pragma once
// Private to report/: reading UTF-8 texts from the database, which may hold bytes that are not
// valid UTF-8, for the writers that must emit valid UTF-8 (JSON, SARIF, XML) and for the
// column arithmetic of the SQL*Plus listing.

#include <string>
#include <string_view>

namespace velmora::report::utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// Decodes the character at text[pos] and moves pos past it. An invalid or cut sequence
// yields kReplacement and moves pos by one byte.
char32_t next(std::string_view text, std::size_t &pos);

void append(std::string &out, char32_t c);

// Columns a terminal gives the character: 2 for East Asian wide and full-width characters,
// 0 for combining marks, 1 otherwise.
int width(char32_t c);
int displayWidth(std::string_view text);

} // namespace velmora::report::utf8
