#include "ocilite/scripts/script_output.h"

#include <filesystem>
#include <ostream>

namespace ocilite {
namespace {

std::string trimmedEnd(const std::string &text) {
    const size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

} // namespace

void ScriptOutput::line(const std::string &text) {
    if (termout)
        m_terminal << (trimout ? trimmedEnd(text) : text) << '\n';
    if (m_spool.is_open()) {
        if (trimspool) {
            m_spool << trimmedEnd(text) << '\n';
        } else {
            // Without TRIMSPOOL, SQL*Plus fills each spooled line with blanks to LINESIZE.
            m_spool << text;
            if (static_cast<int>(text.size()) < linesize)
                m_spool << std::string(static_cast<size_t>(linesize) - text.size(), ' ');
            m_spool << '\n';
        }
        m_spool.flush();
    }
}

void ScriptOutput::prompt(const std::string &text) {
    m_terminal << text << std::flush;
}

bool ScriptOutput::spoolTo(const std::string &path, bool append, std::string &error) {
    spoolOff();
    std::filesystem::path file(path);
    // SQL*Plus adds .lst to a file name without an extension.
    if (!file.has_extension())
        file += ".lst";
    m_spool.open(file, append ? std::ios::app : std::ios::trunc);
    if (!m_spool) {
        error = "SP2-0606: Cannot create SPOOL file \"" + file.string() + "\"";
        return false;
    }
    m_spoolPath = file.string();
    return true;
}

bool ScriptOutput::spoolOff() {
    if (!m_spool.is_open())
        return false;
    m_spool.close();
    m_spoolPath.clear();
    return true;
}

} // namespace ocilite
