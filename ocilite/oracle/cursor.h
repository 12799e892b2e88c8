// Private to ocilite/oracle: one version-7 cursor over an OCI 8 statement handle: parse
// (immediate or deferred), describe, defines with the version-7 indicator, length and
// column-code rules, binds by name, execute and row-by-row fetch.
#pragma once

#include "connection.h"
#include "type_map.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ocilite::oracle {

// Where a fetched column goes, as odefin gave it.
struct Define {
    ub1 *buffer = nullptr;
    sword length = 0;
    sword externalType = 5;
    sb2 *indicator = nullptr;
    ub2 *returnedLength = nullptr;
    ub2 *returnCode = nullptr;
};

class Cursor {
public:
    explicit Cursor(Connection &connection) : m_conn(connection) {}
    ~Cursor();
    Cursor(const Cursor &) = delete;
    Cursor &operator=(const Cursor &) = delete;

    Connection &connection() { return m_conn; }

    // Prepares the statement; an immediate parse also has the server parse it (and run it,
    // for DDL, as version 7 did). Returns the SQL function code for ft.
    int parse(const std::string &sql, bool deferred);
    // The select-list column at a 1-based position; nothing past the last one.
    std::optional<Version7Column> describe(int position, std::string &name);
    void define(int position, const Define &define);
    void bind(const std::string &placeholder, ub1 *value, sword length, sword type, sb2 *ind);
    // Runs the statement; returns the rows processed (0 for a query) and updates ft.
    long execute(bool commitOnSuccess, int &functionCode);
    // 0, or 1405 / 1406 for a row delivered with a NULL / cut value and no indicator, or
    // 1403 with no row.
    int fetch();
    void cancel();
    long rowsFetched() const { return m_rowsFetched; }

private:
    // A define as OCI 8 sees it: the caller's buffer (or a scratch one for a column the
    // caller left undefined) with our own indicator, length and code, which the fetch turns
    // into what version 7 reports.
    struct Slot {
        Define caller;
        bool callerDefined = false;
        bool applied = false;
        sb2 indicator = 0;
        ub2 returnedLength = 0;
        ub2 returnCode = 0;
        std::vector<ub1> scratch;
        oci::OCIDefine *handle = nullptr;
    };

    oci::OCIStmt *statement() const;
    void freeStatement();
    void serverParse();
    void ensureDescribed();
    void readColumns();
    int functionCode() const;
    void defineSlot(int position, Slot &slot);
    void defineRemaining();
    int deliverRow();

    Connection &m_conn;
    oci::OCIStmt *m_stmt = nullptr;
    ub2 m_statementType = 0;
    bool m_parsedByServer = false;
    bool m_ddlDone = false;
    bool m_described = false;
    bool m_executed = false;
    std::vector<Oci8Column> m_columns;
    std::vector<std::unique_ptr<Slot>> m_slots; // index = position - 1
    std::map<std::string, oci::OCIBind *> m_binds;
    long m_rowsFetched = 0;
};

} // namespace ocilite::oracle
