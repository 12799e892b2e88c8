// Where in a statement its parse error lies, for the area's parse error offset (private to the
// engine): the offset the translation gave the error (a table that does not exist, a character
// or literal the tokens cannot hold), else where the invalid identifier an error names stands,
// or the end of a statement that ended too soon; 0 when nothing tells.
#pragma once

#include "ocilite/engine/errors.h"

#include <string>

namespace ocilite {

int parseErrorOffset(const std::string &sql, const OraError &error);

} // namespace ocilite
