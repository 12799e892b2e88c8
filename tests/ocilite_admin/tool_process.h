// Runs the admin tool "ocilite" as a separate process, as a user would: arguments, text fed
// on its standard input, and what it prints and exits with.
#pragma once

#include <string>
#include <vector>

namespace ocilite::test {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the tool with the given arguments, feeding `input` on its standard input; the child
// starts in `workdir` when one is given.
Outcome runTool(const std::vector<std::string> &args, const std::string &input = "",
                const std::string &workdir = "");

} // namespace ocilite::test
