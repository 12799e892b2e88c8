// Small RAII helpers over the SQLite C API used inside the engine (private header).
#pragma once

#include <sqlite3.h>

#include <string>
#include <utility>

namespace ocilite {

// A prepared statement that finalizes itself; throws OraError when preparing fails.
class Prepared {
public:
    Prepared() = default;
    Prepared(sqlite3 *db, const std::string &sql);
    ~Prepared() { sqlite3_finalize(m_stmt); }
    Prepared(Prepared &&other) noexcept : m_stmt(std::exchange(other.m_stmt, nullptr)) {}
    Prepared &operator=(Prepared &&other) noexcept {
        std::swap(m_stmt, other.m_stmt);
        return *this;
    }
    Prepared(const Prepared &) = delete;
    Prepared &operator=(const Prepared &) = delete;

    sqlite3_stmt *get() const { return m_stmt; }
    Prepared &bind(int index, const std::string &text);
    Prepared &bind(int index, long long value);
    Prepared &bindNull(int index);
    // Steps once: true with a row, false when done; throws on error.
    bool step();
    void run(); // steps to the end
    std::string text(int column) const;
    long long integer(int column) const { return sqlite3_column_int64(m_stmt, column); }
    bool isNull(int column) const { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }

private:
    sqlite3_stmt *m_stmt = nullptr;
};

// Runs SQL without results (several statements allowed); throws OraError on failure.
void exec(sqlite3 *db, const std::string &sql);

// Runs fn as one statement of several SQLite ones (MERGE): when it throws, what it changed is
// undone and the transaction around it, if any, goes on. Outside a transaction it is one.
template <typename Fn> void asOneStatement(sqlite3 *db, Fn &&fn) {
    exec(db, "SAVEPOINT \"ocilite statement\"");
    try {
        fn();
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK TO \"ocilite statement\"; RELEASE \"ocilite statement\"",
                     nullptr, nullptr, nullptr);
        throw;
    }
    exec(db, "RELEASE \"ocilite statement\"");
}

// Turns the connection's last SQLite error into an Oracle error and throws it
// (sqlite_errors.cpp).
[[noreturn]] void throwSqliteError(sqlite3 *db, int rc);
// A database file that cannot serve (read-only, unreadable, not a database, damaged, full):
// Oracle's error for the same state of its files, with the path and the system's reason.
// The path is the connection's file unless given (a connection that failed to open has none).
[[noreturn]] void throwFileError(sqlite3 *db, int rc, const std::string &path = std::string());
// The first block (page) a damaged database file lacks, or "unknown".
std::string corruptBlock(const std::string &path);

// Quotes a name for SQLite: "A""B".
std::string quoteName(const std::string &name);
std::string quoteText(const std::string &text);

} // namespace ocilite
