// Private to ocilite/oracle: one version-7 cursor over an OCI 8 statement handle: parse
// (immediate or deferred), describe, defines with the version-7 indicator, length and
// column-code rules, binds by name, execution once or once per element of the bind arrays,
// and fetching one row or an array of rows.
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
    // An array bind's elements lie `length` bytes apart, its indicators one sb2 apart.
    void bind(const std::string &placeholder, ub1 *value, sword length, sword type, sb2 *ind);
    // Runs the statement for the bind elements offset .. iterations-1 (a query runs once, with
    // the element at offset); returns the rows processed (0 for a query) and updates ft.
    // rowsProcessed() counts the elements' rows, also after a failure part way.
    long execute(bool commitOnSuccess, int &functionCode, int iterations = 1, int offset = 0);
    long rowsProcessed() const { return m_rowsProcessed; }
    bool isQuery() const { return m_statementType == oci::kStmtSelect; }
    // Fetches up to `rows` rows into elements 0.. of the defines (each element the define's
    // length apart). 0, or 1405 / 1406 ending the batch at a row delivered with a NULL / cut
    // value and no indicator; throws 1403 when the rows run out (rowsFetched() counts the
    // rows delivered, those of this batch included).
    int fetch(int rows = 1);
    // Whether the query has a row past those fetched; it is read into scratch buffers, so the
    // cursor is cancelled afterwards (oexfet's exact fetch).
    bool anotherRow();
    // What the last fetch left for a column as version 7 reports it (odsc): the length
    // fetched and the column return code (1405 NULL, 1406 cut).
    struct LastFetched {
        long length = 0;
        int code = 0;
    };
    LastFetched lastFetched(int position) const;
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
        int element = 0; // the element of the caller's arrays the define points at
    };
    // A bind as the program gave it, pointed at one element at a time.
    struct BindSlot {
        ub1 *value = nullptr;
        sword length = 0;
        sword type = 0;
        sb2 *indicator = nullptr;
        oci::OCIBind *handle = nullptr;
    };

    oci::OCIStmt *statement() const;
    void freeStatement();
    void serverParse();
    void ensureDescribed();
    void readColumns();
    int functionCode() const;
    void defineSlot(int position, Slot &slot);
    void defineRemaining();
    void pointDefinesAt(int element);
    int deliverRow(int element);
    void bindElement(const std::string &name, BindSlot &slot, int element);
    long runOnce(bool commitOnSuccess);

    Connection &m_conn;
    oci::OCIStmt *m_stmt = nullptr;
    ub2 m_statementType = 0;
    bool m_parsedByServer = false;
    bool m_ddlDone = false;
    bool m_described = false;
    bool m_executed = false;
    std::vector<Oci8Column> m_columns;
    std::vector<std::unique_ptr<Slot>> m_slots; // index = position - 1
    std::map<std::string, BindSlot> m_binds;
    long m_rowsFetched = 0;
    long m_rowsProcessed = 0;
};

} // namespace ocilite::oracle
