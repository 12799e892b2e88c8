// Private to ocilite/oracle: one version-7 cursor over an OCI 8 statement handle: parse
// (immediate or deferred), describe, defines with the version-7 indicator, length and
// column-code rules, binds by name (scalars, arrays of structures, PL/SQL tables, values in
// pieces), execution once or once per element of the bind arrays, fetching one row or an
// array of rows, values fetched in pieces, and parts of a LONG column of the current row.
#pragma once

#include "connection.h"
#include "type_map.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace ocilite::oracle {

// Where a fetched column goes, as odefin or odefinps gave it; for an array fetch, the
// distance from one row's element to the next (0: the element's own size).
struct Define {
    ub1 *buffer = nullptr;
    sword length = 0;
    sword externalType = 5;
    sb2 *indicator = nullptr;
    ub2 *returnedLength = nullptr;
    ub2 *returnCode = nullptr;
    long bufferSkip = 0, indicatorSkip = 0, lengthSkip = 0, codeSkip = 0;
    // The value goes out in pieces, into the buffers osetpi gives; context is what ogetpi
    // names it by.
    bool piecewise = false;
    void *context = nullptr;
};

// A program variable bound to a placeholder, as obndrv, obndra or obindps gave it.
struct BindSpec {
    ub1 *value = nullptr;
    sword length = 0;
    sword externalType = 5;
    sb2 *indicator = nullptr;
    ub2 *actualLength = nullptr; // each element's length, when given
    ub2 *returnCode = nullptr;
    long valueSkip = 0, indicatorSkip = 0, lengthSkip = 0, codeSkip = 0; // 0: the element size
    ub4 maxElements = 0; // a PL/SQL table of at most this many elements
    ub4 *currentElements = nullptr;
    // The value comes in pieces osetpi gives; context is what ogetpi names it by.
    bool piecewise = false;
    void *context = nullptr;
};

// What ogetpi reports about the piece a piecewise bind or define waits for.
struct PieceInfo {
    ub1 piece = 0;
    void *context = nullptr;
    ub4 iteration = 0;
    ub4 index = 0;
};

// Element i of a program array whose elements lie `skip` bytes apart; null stays null.
template <typename T> T *elementOf(T *first, long skip, size_t i) {
    using Byte = std::conditional_t<std::is_const_v<T>, const ub1, ub1>;
    return first ? reinterpret_cast<T *>(reinterpret_cast<Byte *>(first) +
                                         static_cast<size_t>(skip) * i)
                 : nullptr;
}
// A skip parameter, or the element's own size when it is 0.
inline long skipOr(long skip, size_t size) {
    return skip > 0 ? skip : static_cast<long>(size);
}

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
    void bind(const std::string &placeholder, const BindSpec &spec);
    // Runs the statement for the bind elements offset .. iterations-1 (a query runs once, with
    // the element at offset) and updates ft; returns 0, or 3129 when a piecewise bind needs
    // its next piece (the same call again, after osetpi, goes on from there). rowsProcessed()
    // counts the elements' rows, also after a failure part way.
    int execute(bool commitOnSuccess, int &functionCode, int iterations = 1, int offset = 0);
    long rowsProcessed() const { return m_rowsProcessed; }
    bool isQuery() const { return m_statementType == oci::kStmtSelect; }
    // Fetches up to `rows` rows into elements 0.. of the defines. 0, or 1405 / 1406 ending
    // the batch at a row delivered with a NULL / cut value and no indicator, or 3130 when a
    // piecewise define needs the buffer for its next piece (the same call again, after osetpi,
    // goes on); throws 1403 when the rows run out (rowsFetched() counts the rows delivered,
    // those of this batch included).
    int fetch(int rows = 1);
    // Part of a LONG or LONG RAW column of the current row, from byte `offset`, in the
    // external type's family (oflng); returns the bytes copied.
    long longPart(int position, long offset, ub1 *buffer, long length, sword type);
    // Whether a fetch call stopped for a piece or an unfinished round trip.
    bool fetchInterrupted() const {
        return m_progress.waiting == Waiting::DefinePiece ||
               m_progress.waiting == Waiting::Fetching;
    }
    // ogetpi and osetpi: the piece waited for, and the program's buffer for it.
    PieceInfo pieceInfo();
    void setPiece(ub1 piece, void *buffer, ub4 *length);
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
        int element = 0;     // the element of the caller's arrays the define points at
        long pieceTotal = 0; // the bytes of the value fetched in pieces so far
        // A LONG or LONG RAW column the bridge fetches whole, in pieces of its own, for the
        // program's buffer and for oflng.
        bool gathersLong = false;
        bool raw = false;
        std::string longValue;
    };
    // A bind as the program gave it, pointed at one element at a time (a PL/SQL table, or a
    // value in pieces, bound once).
    struct BindSlot {
        BindSpec spec;
        oci::OCIBind *handle = nullptr;
    };
    // Where a call a piece interrupted stands, so the same call again goes on from there.
    // A call is interrupted by a piece the program is to give, or by a non-blocking server
    // still doing the execution or the fetch.
    enum class Waiting { Nothing, BindPiece, DefinePiece, Executing, Fetching };
    struct Progress {
        Waiting waiting = Waiting::Nothing;
        int element = 0;           // the bind element being executed
        int row = 0;               // the row of the fetch batch being delivered
        int wanted = 0;            // the rows the interrupted fetch asked for
        Slot *pieceSlot = nullptr; // the define the last piece's buffer went to
        ub4 *pieceLength = nullptr;
        Slot *gathering = nullptr; // the LONG column our own buffer took a piece of
        unsigned breaks = 0;       // the logon's breaks when the call stopped
    };

    oci::OCIStmt *statement() const;
    void freeStatement();
    void prepare(const std::string &sql);
    void serverParse();
    void ensureDescribed();
    void readColumns();
    int functionCode() const;
    void defineSlot(int position, Slot &slot);
    void defineRemaining();
    void pointDefinesAt(int element);
    int deliverRow(int element);
    void bindElement(const std::string &name, BindSlot &slot, int element);
    sword runOnce(bool commitOnSuccess, long &rows);
    void checkTables() const;
    bool anyPiecewise() const;
    sword fetchOne();
    bool gatherLongPiece();
    bool waitsForPiece() const;
    void endIfBroken(bool resuming, unsigned breaksThen);
    void deliverLongColumn(Slot &slot, int element);
    bool wantsWholeLong(size_t column, const Slot &slot) const;
    BindSlot *bindWithHandle(const void *handle);
    Slot *defineWithHandle(const void *handle);

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
    Progress m_progress;
    bool m_onRow = false;  // a row was fetched and the rows have not run out
    std::string m_parsing; // a statement a non-blocking server is still parsing
    unsigned m_parsingBreaks = 0;
    std::vector<ub1> m_chunk; // our buffer for a piece of a LONG value
    ub4 m_chunkLength = 0;
};

} // namespace ocilite::oracle
