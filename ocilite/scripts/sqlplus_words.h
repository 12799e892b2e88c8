// Words of SQL*Plus commands as SQL*Plus compares them: case-blind, in ASCII (private to
// the script runner and its settings).
#pragma once

#include <string>
#include <string_view>

namespace ocilite {

inline std::string upperWord(std::string_view s) {
    std::string out(s);
    for (char &c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

} // namespace ocilite
