// The words of an @file / START command: the file, then its arguments (&1, &2 ...). Blanks
// separate them; an argument in single or double quotes keeps its blanks and loses the
// quotes, as SQL*Plus reads script parameters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ocilite {

// Never empty: the first word is the file (possibly "").
std::vector<std::string> includeWords(std::string_view text);

} // namespace ocilite
