// Where a script's output goes, as in SQL*Plus: the terminal (unless SET TERMOUT OFF) and
// the file SPOOL names (written as the lines come). Lines are trimmed at their end for the
// terminal (SET TRIMOUT ON, the default) and for the spool file only with SET TRIMSPOOL ON.
#pragma once

#include <fstream>
#include <iosfwd>
#include <string>

namespace ocilite {

class ScriptOutput {
public:
    explicit ScriptOutput(std::ostream &terminal) : m_terminal(terminal) {}
    ScriptOutput(const ScriptOutput &) = delete;
    ScriptOutput &operator=(const ScriptOutput &) = delete;

    // One line of output (without its line end).
    void line(const std::string &text);
    // Text for the terminal only, whatever TERMOUT says: prompts for input, refusals.
    void prompt(const std::string &text);

    // SPOOL file [CRE[ATE]|REP[LACE]|APP[END]]; false with SP2-0606-style reason.
    bool spoolTo(const std::string &path, bool append, std::string &error);
    // SPOOL OFF; false when nothing was spooling.
    bool spoolOff();
    bool spooling() const { return m_spool.is_open(); }
    const std::string &spoolPath() const { return m_spoolPath; }

    bool termout = true;
    bool trimout = true;
    bool trimspool = false;
    int linesize = 80;

private:
    std::ostream &m_terminal;
    std::ofstream m_spool;
    std::string m_spoolPath;
};

} // namespace ocilite
