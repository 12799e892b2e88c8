#pragma once
// Where velmora-check takes the password from, in this order: the environment variable
// VELMORA_PASSWORD; one line of standard input when that is not a terminal (a pipe in a
// build script); a prompt on the terminal without echo. Never the command line, where other
// users of the machine could read it in the process list.

#include <string>

namespace velmora::check {

inline constexpr const char *kPasswordVariable = "VELMORA_PASSWORD";

// False with a reason when no password could be read (standard input at its end).
bool readPassword(std::string &password, std::string &error);

} // namespace velmora::check
