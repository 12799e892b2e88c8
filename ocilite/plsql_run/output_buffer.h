// The session's DBMS_OUTPUT buffer: lines PUT_LINE, PUT and NEW_LINE leave while output is
// enabled (DBMS_OUTPUT.ENABLE, or SET SERVEROUTPUT ON in a script), taken by whoever shows
// them (the script runner after each block, as SQL*Plus does).
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace ocilite {

struct OutputBuffer {
    bool enabled = false;
    std::vector<std::string> lines;
    std::string partial; // PUT's text waiting for its line end

    void put(const std::string &text) {
        if (enabled)
            partial += text;
    }
    void endLine() {
        if (!enabled)
            return;
        lines.push_back(std::move(partial));
        partial.clear();
    }
    // The complete lines, which leave the buffer.
    std::vector<std::string> take() { return std::exchange(lines, {}); }
};

} // namespace ocilite
