#include "ocilite/engine/sqlite_util.h"

#include "ocilite/engine/errors.h"

namespace ocilite {

Prepared::Prepared(sqlite3 *db, const std::string &sql) {
    const int rc =
        sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        throwSqliteError(db, rc);
}

Prepared &Prepared::bind(int index, const std::string &text) {
    sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

Prepared &Prepared::bind(int index, long long value) {
    sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

Prepared &Prepared::bindNull(int index) {
    sqlite3_bind_null(m_stmt, index);
    return *this;
}

bool Prepared::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3 *db = sqlite3_db_handle(m_stmt);
    sqlite3_reset(m_stmt);
    throwSqliteError(db, rc);
}

void Prepared::run() {
    while (step()) {
    }
}

std::string Prepared::text(int column) const {
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return p ? std::string(p, static_cast<size_t>(sqlite3_column_bytes(m_stmt, column)))
             : std::string();
}

void exec(sqlite3 *db, const std::string &sql) {
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throwSqliteError(db, rc);
}

std::string quoteName(const std::string &name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

std::string quoteText(const std::string &text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'')
            out += '\'';
        out += c;
    }
    return out + "'";
}

} // namespace ocilite
