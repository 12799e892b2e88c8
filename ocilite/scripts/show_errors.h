// SQL*Plus's SHOW ERRORS listing of one stored unit: "Errors for TYPE NAME:", a LINE/COL
// ERROR heading and one row per error, messages word-wrapped in a 65-column ERROR column;
// "No errors." when there are none. Knows nothing of any database.
#pragma once

#include <string>
#include <vector>

namespace ocilite {

struct ListedError {
    int line = 0;
    int position = 0;
    std::string text;
};

std::vector<std::string> showErrorsListing(const std::string &type, const std::string &name,
                                           const std::vector<ListedError> &errors);

// "PACKAGE BODY scott.x" -> ("PACKAGE BODY", "X"); false when the words name no unit type.
bool parseShowErrorsTarget(const std::string &text, std::string &type, std::string &name);

} // namespace ocilite
