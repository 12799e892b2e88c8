// One SQL statement of a block run through the embedded database (private to the
// interpreter): translated as any statement is, the block's values bound by name, a query's
// rows read as values, DML joining the session's transaction, DDL and COMMIT / ROLLBACK done
// as the database does them. Errors throw OraError.
#pragma once

#include "ocilite/plsql_run/value.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ocilite {
class Database;
struct Translation;
} // namespace ocilite

namespace ocilite::plsql_run {

// Bind name (upper case, without the colon) -> value.
using Binds = std::map<std::string, Value>;

struct SqlOutcome {
    bool query = false;
    long rows = 0;                           // DML: rows processed; query: rows read
    std::vector<std::string> columns;        // a query's column names
    std::vector<std::vector<Value>> fetched; // at most the rows asked for
};

// The savepoint a block's work is undone to when it fails: set when the block starts and
// again after each COMMIT, ROLLBACK or DDL in it; released when the block ends.
void markBlockStart(Database &db);
void releaseBlock(Database &db);
void undoBlock(Database &db);

class SqlRunner {
public:
    // nested: runs an anonymous block handed over as dynamic SQL.
    SqlRunner(Database &db, std::function<void(const std::string &)> nested)
        : m_db(db), m_nested(std::move(nested)) {}

    // Runs the statement; a query reads its first `keep` rows and one more at most (rows then
    // says whether there were more).
    SqlOutcome run(const std::string &sql, const Binds &binds, size_t keep);
    // The names of the placeholders the statement has, in the order they first appear.
    std::vector<std::string> placeholders(const std::string &sql);

private:
    SqlOutcome query(const Translation &tr, const Binds &binds, size_t keep);
    long dml(const Translation &tr, const Binds &binds);
    bool transactionControl(const Translation &tr);

    Database &m_db;
    std::function<void(const std::string &)> m_nested;
};

} // namespace ocilite::plsql_run
