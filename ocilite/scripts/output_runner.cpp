// ScriptRunner's blocks of DBMS_OUTPUT calls: each argument evaluated by a query of DUAL, then
// the lines printed when SERVEROUTPUT is ON, as Oracle hands them to SQL*Plus after the block.
#include "ocilite/scripts/output_calls.h"
#include "ocilite/scripts/query_rows.h"
#include "ocilite/scripts/script_runner.h"

namespace ocilite {

// False, with nothing printed, when the block is anything else or an argument is not an
// expression SQL can evaluate: the block is then the database's to refuse.
bool ScriptRunner::runOutputCalls(const std::string &block) {
    const std::optional<std::vector<OutputCall>> calls = outputCalls(block);
    if (!calls)
        return false;
    std::vector<std::string> values;
    for (const OutputCall &call : *calls) {
        std::string value;
        std::string error;
        if (call.kind != OutputCall::Kind::NewLine &&
            !fetchRows(
                m_db, m_schema, "SELECT " + call.argument + " FROM DUAL",
                [](const std::vector<PrintedColumn> &) {},
                [&](const PrintedRow &row) { value = row.empty() || !row[0] ? "" : *row[0]; },
                error))
            return false;
        values.push_back(std::move(value));
    }
    if (!m_settings.serveroutput)
        return true; // DBMS_OUTPUT keeps nothing while it is not enabled
    for (size_t i = 0; i < calls->size(); ++i) {
        m_pendingPut += values[i];
        if ((*calls)[i].kind != OutputCall::Kind::Put) {
            m_output.line(m_pendingPut);
            m_pendingPut.clear();
        }
    }
    return true;
}

} // namespace ocilite
