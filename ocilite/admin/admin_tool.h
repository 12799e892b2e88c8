// The ocilite admin tool's commands (create, adduser, run, demo, generate, help) behind one
// entry point, so main() only hands over its arguments. Returns the process exit status:
// 0 done, 1 failed, 2 wrong usage.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ocilite {

int runAdminTool(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

// The text of "ocilite --help".
std::string adminUsage();

} // namespace ocilite
