// Reads a password the way command-line database tools do: from the terminal without echo,
// or as one line from standard input when that is not a terminal (scripts, tests). Never
// from the command line, where other users could read it in the process list.
#pragma once

#include <string>

namespace ocilite {

// True when standard input is a terminal (the prompt is shown and echo switched off).
bool stdinIsTerminal();

// Reads one password; false with a reason when nothing could be read.
bool readPassword(const std::string &prompt, std::string &password, std::string &error);

// For a new password: on a terminal asks twice and insists both agree; from standard input
// reads one line. Refuses an empty password.
bool readNewPassword(std::string &password, std::string &error);

} // namespace ocilite
