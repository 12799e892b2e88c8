// The queries of one database connection that are part way through their rows (private to the
// engine). Before the session changes its schema, each keeps the rows it has left and lets its
// SQLite statement go: SQLite refuses to drop a table while a statement of the same connection
// is reading, but Oracle never blocks a session's DDL on its own open cursors, whose fetches go
// on with the rows as they were when the query ran.
#pragma once

#include <set>

namespace ocilite {

class OpenQuery {
public:
    // Copies the rows not yet fetched and releases the SQLite statement.
    virtual void holdRemainingRows() = 0;

protected:
    ~OpenQuery() = default;
};

class OpenQueries {
public:
    void add(OpenQuery *query) { m_open.insert(query); }
    void remove(OpenQuery *query) { m_open.erase(query); }
    // Every open query keeps its rows; afterwards none is open.
    void holdAll();

private:
    std::set<OpenQuery *> m_open;
};

} // namespace ocilite
