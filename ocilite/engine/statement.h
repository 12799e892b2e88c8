// One parsed statement of a cursor: the translated SQLite statement, its described select
// list, the caller's output variables (defines) and input variables (binds), both as arrays
// with skip parameters, execution (once, or once per element of the bind arrays), fetching one
// or many rows, values delivered or taken in pieces, and parts of a long value. Errors throw
// OraError.
#pragma once

#include "oci/ociv7.h"
#include "ocilite/dialect/translation.h"
#include "ocilite/dialect/types.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/open_queries.h"
#include "ocilite/engine/pieces.h"
#include "ocilite/engine/row_source.h"

#include <sqlite3.h>

#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace ocilite {

class Database;
struct FetchTarget;
struct BindSource;

struct DescribedColumn {
    std::string name;
    OraType type;
    bool nullable = true;
};

// Where a fetched column goes: the caller's buffer, its external type and the optional
// indicator, returned length and column return code; for an array fetch, the distance from
// one row's element to the next (0: the element's own size).
struct DefineSpec {
    unsigned char *buffer = nullptr;
    int length = 0;
    int externalType = OCIV7_EXT_STR;
    short *indicator = nullptr;
    unsigned short *returnedLength = nullptr;
    unsigned short *returnCode = nullptr;
    int scale = 0; // packed decimal and DISPLAY: digits after the implied point
    long bufferSkip = 0, indicatorSkip = 0, lengthSkip = 0, codeSkip = 0;
    // A piecewise define: the value comes in pieces, into buffers osetpi gives.
    bool piecewise = false;
    void *context = nullptr;
};

// A program variable bound to a placeholder, read when the statement executes; for an array
// execution, the distance from one element to the next (0: the element's own size).
struct BindSpec {
    const unsigned char *value = nullptr;
    int length = 0;
    int externalType = OCIV7_EXT_STR;
    const short *indicator = nullptr;
    int scale = 0;
    const unsigned short *actualLength = nullptr; // each element's length, when given
    unsigned short *returnCode = nullptr;
    long valueSkip = 0, indicatorSkip = 0, lengthSkip = 0, codeSkip = 0;
    unsigned maxElements = 0; // a PL/SQL table of at most this many elements
    unsigned *currentElements = nullptr;
    // A piecewise bind: the value comes in pieces osetpi gives.
    bool piecewise = false;
    void *context = nullptr;
};

// Outcome of a fetch call: 0, or the row-level code Oracle reports (1405 / 1406) with the
// rows delivered, or 1403 when the rows ran out, or 3130 when a piecewise define needs the
// buffer for its next piece.
enum FetchResult {
    kFetchOk = 0,
    kFetchNoData = kOraNoDataFound,
    kFetchNull = kOraNullFetched,
    kFetchCut = kOraTruncated,
    kFetchNeedBuffer = 3130
};

// What the last fetch left for a column: the length in the buffer and the column return code.
struct LastFetched {
    long length = 0;
    int code = 0;
};

class Statement : private OpenQuery {
public:
    Statement(Database &db, const std::string &oracleSql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    const Translation &translation() const { return m_tr; }
    int functionType() const { return m_tr.functionType; }
    bool isQuery() const { return m_tr.isQuery(); }

    // 1-based; nothing past the last column.
    const DescribedColumn *column(int position) const;
    size_t columnCount() const { return m_columns.size(); }

    void define(int position, const DefineSpec &spec);
    // By name without the colon, any case; by number binds ":n".
    void bind(const std::string &name, const BindSpec &spec);
    void bind(int number, const BindSpec &spec);

    // Runs the statement for the bind elements offset .. iterations-1 (a query runs once,
    // with the element at offset). Returns 0, or 3129 when a piecewise bind needs its next
    // piece (call again after osetpi). rowsProcessed() is the DML rows of this execution, also
    // after a failure part way. DDL and COMMIT/ROLLBACK are done through the database.
    int execute(int iterations = 1, int offset = 0);
    long rowsProcessed() const { return m_rowsProcessed; }
    // Fetches up to `rows` rows into elements 0.. of the defines. rowsFetched() counts every
    // row this execution delivered.
    FetchResult fetch(int rows = 1);
    long rowsFetched() const { return m_rowsFetched; }
    // Whether the query has a row the fetches have not reached (it is then the next one).
    bool moreRows();
    LastFetched lastFetched(int position) const;
    void cancel();

    // The piece a piecewise operation waits for (ogetpi), and the program's answer (osetpi).
    const PieceRequest &pieceRequest() const { return m_pieces.request(); }
    void setPiece(int piece, void *buffer, unsigned *length) {
        m_pieces.set(piece, buffer, length);
    }

    // Part of a column of the current row, from byte `offset`, in the external type's family
    // (oflng); returns the bytes copied.
    long readPart(int position, long offset, unsigned char *buffer, long length, int externalType);

private:
    void prepare();
    void describe();
    void bindElement(sqlite3_stmt *stmt, const std::vector<std::string> &names, int element);
    long runElement(int element);
    void finalize();
    void checkBindsBeforeExecution() const;
    long runOnce(sqlite3_stmt *stmt);
    FetchResult deliverRow(int row);
    FetchTarget targetOf(size_t column, int row) const;
    BindSource sourceOf(const BindSpec &spec, int element) const;
    bool collectPieces(int iterations, int offset);
    bool deliverPiece(size_t column, int row);
    void holdRemainingRows() override;
    void closeRows();

    Database &m_db;
    Translation m_tr;
    std::unordered_set<std::string> m_placeholders; // the statement's bind names
    sqlite3_stmt *m_stmt = nullptr;
    std::vector<sqlite3_stmt *> m_parts; // the statements after m_stmt (MERGE)
    std::vector<DescribedColumn> m_columns;
    std::vector<DefineSpec> m_defines; // index = position - 1; buffer null when not defined
    std::vector<LastFetched> m_last;   // index = position - 1
    std::map<std::string, BindSpec> m_binds;
    RowSource m_rows;
    Pieces m_pieces;
    bool m_executed = false;
    bool m_haveRow = false; // a row stepped and not yet delivered
    bool m_done = false;
    long m_rowsFetched = 0;
    long m_rowsProcessed = 0;
    // A fetch call a piecewise define interrupted: rows delivered so far and rows asked for.
    int m_batchDone = 0;
    int m_batchWanted = 0;
    bool m_inRow = false; // a row part delivered, from column m_resumeColumn on
    size_t m_resumeColumn = 0;
    bool m_rowNull = false; // the row has a NULL / a cut value with no indicator to say so
    bool m_rowCut = false;
};

} // namespace ocilite
