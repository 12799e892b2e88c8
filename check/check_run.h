#pragma once
// One run of velmora-check from its arguments to its exit status: options, password, logon
// through the session component, the dictionary statements through the cursor component,
// and the listing in the chosen format.

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora::check {

enum ExitStatus { kNoneInvalid = 0, kSomeInvalid = 1, kFailed = 2 };

int runCheck(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace velmora::check
