// The rows of an executed query as its fetches see them (private to the engine): stepped from
// the SQLite statement, or, once the query has been asked to keep its rows (open_queries.h),
// from copies of the current row and every row after it. SQLite errors throw OraError; an
// error met while copying is thrown when the fetches reach it.
#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

namespace ocilite {

class RowSource {
public:
    RowSource() = default;
    ~RowSource() { clear(); }
    RowSource(const RowSource &) = delete;
    RowSource &operator=(const RowSource &) = delete;

    // Rows come from the statement, which has been reset and bound; none is current yet.
    void start(sqlite3 *db, sqlite3_stmt *stmt);
    // Makes the next row current: false when there are no more.
    bool next();
    // A column of the current row.
    sqlite3_value *value(int column) const;
    bool hasCurrent() const { return m_current; }
    // Copies the current row and the rest, then resets the statement.
    void hold();
    bool live() const { return m_stmt && !m_holding; }
    // Forgets the rows and resets the statement.
    void clear();

private:
    struct FreeValue {
        void operator()(sqlite3_value *v) const { sqlite3_value_free(v); }
    };
    using Row = std::vector<std::unique_ptr<sqlite3_value, FreeValue>>;

    Row copyCurrent() const;

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
    bool m_current = false;
    bool m_holding = false;
    std::vector<Row> m_held;
    size_t m_next = 0; // index of the held row next() makes current
    int m_heldError = 0;
    std::string m_heldErrorText;
};

} // namespace ocilite
