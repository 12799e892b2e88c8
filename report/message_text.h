#pragma once
// Private to report/: the shapes of a compile error's text. Oracle's texts run over several
// lines (PLS-00103 lists what it expected) and start with their number, sometimes after
// "PL/SQL: " (an SQL error inside PL/SQL).

#include <string>
#include <string_view>
#include <vector>

namespace velmora::report {

// The text's lines, split at line feeds, a carriage return before a line feed dropped.
std::vector<std::string_view> splitLines(std::string_view text);
std::string_view trimmed(std::string_view text);

// The text on one line: every line trimmed, empty ones left out, joined by one blank.
std::string oneLine(std::string_view text);

// The error number the text starts with ("PLS-00201", "ORA-00942", "PLW-06002"), or "".
std::string errorCode(std::string_view text);

} // namespace velmora::report
