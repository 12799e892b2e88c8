#include "ocilite/engine/row_source.h"

#include "ocilite/engine/errors.h"
#include "ocilite/engine/open_queries.h"
#include "ocilite/engine/sqlite_util.h"

namespace ocilite {

void OpenQueries::holdAll() {
    const std::set<OpenQuery *> open = m_open;
    m_open.clear();
    for (OpenQuery *query : open)
        query->holdRemainingRows();
}

void RowSource::start(sqlite3 *db, sqlite3_stmt *stmt) {
    clear();
    m_db = db;
    m_stmt = stmt;
}

bool RowSource::next() {
    if (m_holding) {
        m_current = m_next < m_held.size();
        if (m_current)
            ++m_next;
        else if (m_heldError)
            throw OraError(std::exchange(m_heldError, 0), m_heldErrorText, OraError::FullText{});
        return m_current;
    }
    m_current = false;
    if (!m_stmt)
        return false;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return m_current = true;
    sqlite3_reset(m_stmt);
    if (rc != SQLITE_DONE)
        throwSqliteError(m_db, rc);
    return false;
}

sqlite3_value *RowSource::value(int column) const {
    if (m_holding)
        return m_held[m_next - 1][static_cast<size_t>(column)].get();
    return sqlite3_column_value(m_stmt, column);
}

RowSource::Row RowSource::copyCurrent() const {
    Row row;
    const int n = sqlite3_column_count(m_stmt);
    for (int i = 0; i < n; ++i) {
        row.emplace_back(sqlite3_value_dup(sqlite3_column_value(m_stmt, i)));
        if (!row.back())
            throw OraError(kOraOutOfMemory);
    }
    return row;
}

void RowSource::hold() {
    if (!live())
        return;
    m_held.clear();
    if (m_current)
        m_held.push_back(copyCurrent());
    m_next = m_held.size();
    try {
        while (next())
            m_held.push_back(copyCurrent());
    } catch (const OraError &e) {
        m_heldError = e.code();
        m_heldErrorText = e.text();
    }
    sqlite3_reset(m_stmt);
    m_holding = true;
    m_current = m_next > 0;
}

void RowSource::clear() {
    if (m_stmt)
        sqlite3_reset(m_stmt);
    m_stmt = nullptr;
    m_current = m_holding = false;
    m_held.clear();
    m_next = 0;
    m_heldError = 0;
}

} // namespace ocilite
