// One parsed statement of a cursor: the translated SQLite statement, its described select
// list, the caller's output buffers (defines) and input variables (binds), execution and
// the row-by-row conversion into the caller's external types. Errors throw OraError.
#pragma once

#include "oci/ociv7.h"
#include "ocilite/dialect/translation.h"
#include "ocilite/dialect/types.h"
#include "ocilite/engine/errors.h"

#include <sqlite3.h>

#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace ocilite {

class Database;

struct DescribedColumn {
    std::string name;
    OraType type;
    bool nullable = true;
};

// Where a fetched column goes: the caller's buffer, its external type and the optional
// indicator, returned length and column return code.
struct DefineSpec {
    unsigned char *buffer = nullptr;
    int length = 0;
    int externalType = OCIV7_EXT_STR;
    short *indicator = nullptr;
    unsigned short *returnedLength = nullptr;
    unsigned short *returnCode = nullptr;
};

// A program variable bound to a placeholder, read when the statement executes.
struct BindSpec {
    const unsigned char *value = nullptr;
    int length = 0;
    int externalType = OCIV7_EXT_STR;
    const short *indicator = nullptr;
};

// Outcome of one fetch: 0, or the row-level code Oracle reports (1405 / 1406) with the row
// delivered, or 1403 with no row.
enum FetchResult {
    kFetchOk = 0,
    kFetchNoData = kOraNoDataFound,
    kFetchNull = kOraNullFetched,
    kFetchCut = kOraTruncated
};

class Statement {
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

    // Runs the statement; returns the rows processed (DML) or 0 (a query, now ready to
    // fetch). DDL and COMMIT/ROLLBACK are done through the database.
    long execute();
    FetchResult fetch();
    void cancel();
    long rowsFetched() const { return m_rowsFetched; }

private:
    void prepare();
    void describe();
    void bindValues(sqlite3_stmt *stmt, const std::vector<std::string> &names);
    void bindOne(sqlite3_stmt *stmt, int index, const BindSpec &spec);
    long executeFirst();
    long executeParts();
    void finalize();
    bool convert(int column, const DefineSpec &spec, bool &cut);

    Database &m_db;
    Translation m_tr;
    sqlite3_stmt *m_stmt = nullptr;
    std::vector<sqlite3_stmt *> m_parts; // the statements after m_stmt (MERGE)
    std::vector<DescribedColumn> m_columns;
    std::vector<DefineSpec> m_defines; // index = position - 1; buffer null when not defined
    std::map<std::string, BindSpec> m_binds;
    std::unordered_set<std::string> m_placeholders; // the statement's bind names
    bool m_executed = false;
    bool m_haveRow = false; // a row stepped by execute and not yet delivered
    bool m_done = false;
    long m_rowsFetched = 0;
    std::string m_text; // scratch for conversions, reused across rows
};

} // namespace ocilite
