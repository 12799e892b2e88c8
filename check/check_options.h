#pragma once
// The command line of velmora-check: which schema, which units, which format. The password is
// never part of it (password_source.h).

#include "report/formats.h"

#include <string>
#include <vector>

namespace velmora::check {

struct Options {
    std::string user;
    std::string connect;            // empty: the embedded default database
    std::vector<std::string> types; // upper case, each one of the four unit types
    std::string namePattern;        // a LIKE pattern, used as typed
    report::Format format = report::Format::Text;
    bool help = false;
    bool version = false;
};

// Fills options from the arguments after the program name; false with a reason in error on
// wrong usage.
bool parseOptions(const std::vector<std::string> &args, Options &options, std::string &error);

// The unit types velmora lists, in the order the program offers them.
const std::vector<std::string> &unitTypes();

std::string usageLine();
std::string helpText();

} // namespace velmora::check
