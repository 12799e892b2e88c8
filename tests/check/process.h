// Runs a program as a separate process with its standard streams captured.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace velmora::check::test {

struct Outcome {
    int status = -1; // the exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

struct Run {
    std::string program;
    std::vector<std::string> args;
    std::string input; // written to standard input, which then closes
    std::map<std::string, std::string> extraEnvironment;
};

Outcome run(const Run &what);

// velmora-check with the arguments, the password given on standard input.
Outcome check(const std::vector<std::string> &args, const std::string &password = "TIGER");

// The folder the test program keeps its private files in.
std::string testHome();

} // namespace velmora::check::test
