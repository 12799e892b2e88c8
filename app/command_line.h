#pragma once
// The program's own command line, answered before any window or display is touched:
// --help and --version print and end the program; Qt's standard options are left to Qt;
// anything else is refused with the usage line.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace velmora::app {

// The exit status the program ends with at once, having printed what the arguments asked
// for (0: help or version, 2: refused); nothing when the program is to start.
std::optional<int> answerCommandLine(const std::vector<std::string> &args, std::ostream &out,
                                     std::ostream &err);

std::string usageLine();

} // namespace velmora::app
