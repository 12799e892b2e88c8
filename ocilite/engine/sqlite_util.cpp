#include "ocilite/engine/sqlite_util.h"

#include "ocilite/engine/errors.h"

#include <cctype>
#include <cstring>

namespace ocilite {
namespace {

bool startsWith(const std::string &s, const char *prefix) {
    return s.compare(0, std::strlen(prefix), prefix) == 0;
}

// The engine names its CHECK constraints after the Oracle error they stand for.
[[noreturn]] void throwConstraint(const std::string &message) {
    const auto at = message.find("ORA");
    if (at != std::string::npos && message.size() >= at + 8) {
        const int code = std::atoi(message.c_str() + at + 3);
        const auto column = message.find('_', at);
        const std::string detail = column == std::string::npos ? "" : message.substr(column + 1);
        if (code == kOraValueTooLarge || code == kOraCheckViolated)
            throw OraError(code, detail);
        throw OraError(code);
    }
    if (message.find("UNIQUE") != std::string::npos ||
        message.find("PRIMARY KEY") != std::string::npos) {
        const auto colon = message.find(": ");
        throw OraError(kOraUniqueViolated,
                       colon == std::string::npos ? "" : message.substr(colon + 2));
    }
    if (message.find("FOREIGN KEY") != std::string::npos)
        throw OraError(kOraParentKeyNotFound);
    if (message.find("NOT NULL") != std::string::npos) {
        const auto colon = message.find(": ");
        std::string column = colon == std::string::npos ? "" : message.substr(colon + 2);
        // "SCOTT.EMP".ENAME -> "SCOTT"."EMP"."ENAME", Oracle's way of naming the column.
        const auto dot = column.rfind('.');
        if (dot != std::string::npos) {
            const std::string table = column.substr(0, dot);
            const auto tdot = table.find('.');
            column = tdot == std::string::npos
                         ? quoteName(table) + "." + quoteName(column.substr(dot + 1))
                         : quoteName(table.substr(0, tdot)) + "." +
                               quoteName(table.substr(tdot + 1)) + "." +
                               quoteName(column.substr(dot + 1));
        }
        throw OraError(kOraInsertNull, column);
    }
    throw OraError(kOraInternal, message);
}

// 'near "X": syntax error': a word where the statement should have ended reads as
// ORA-00933, anything else as a missing expression.
int syntaxErrorCode(const std::string &message) {
    const auto open = message.find("near \"");
    if (open == std::string::npos)
        return kOraMissingExpression;
    const std::string near = message.substr(open + 6, message.find('"', open + 6) - open - 6);
    if (near.empty() || !std::isalpha(static_cast<unsigned char>(near[0])))
        return kOraMissingExpression;
    std::string upper;
    for (char c : near)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == "FROM" || upper == "WHERE" || upper == "AND" || upper == "OR")
        return kOraMissingExpression;
    return kOraNotProperlyEnded;
}

} // namespace

[[noreturn]] void throwSqliteError(sqlite3 *db, int rc) {
    const std::string message = sqlite3_errmsg(db);
    const int primary = rc & 0xff;
    if (primary == SQLITE_CONSTRAINT)
        throwConstraint(message);
    // Our own SQL functions report Oracle errors as their message.
    if (startsWith(message, "ORA-")) {
        const int code = std::atoi(message.c_str() + 4);
        throw OraError(code, message, OraError::FullText{});
    }
    if (startsWith(message, "no such table"))
        throw OraError(kOraTableNotFound);
    if (startsWith(message, "no such column")) {
        const auto colon = message.find(": ");
        throw OraError(kOraInvalidIdentifier,
                       colon == std::string::npos ? "" : "\"" + message.substr(colon + 2) + "\"");
    }
    if (message.find("has no column named ") != std::string::npos)
        throw OraError(kOraInvalidIdentifier,
                       "\"" + message.substr(message.find("has no column named ") + 20) + "\"");
    if (message.find(" values for ") != std::string::npos) {
        const long given = std::atol(message.c_str());
        const long wanted = std::atol(message.c_str() + message.find(" for ") + 5);
        throw OraError(given < wanted ? kOraNotEnoughValues : kOraTooManyValues);
    }
    if (startsWith(message, "ambiguous column name"))
        throw OraError(kOraColumnAmbiguous);
    if (startsWith(message, "no such function"))
        throw OraError(kOraInvalidIdentifier, "\"" + message.substr(message.find(": ") + 2) + "\"");
    if (startsWith(message, "wrong number of arguments"))
        throw OraError(kOraArgumentCount);
    if (message.find("syntax error") != std::string::npos)
        throw OraError(syntaxErrorCode(message));
    if (message.find("incomplete input") != std::string::npos)
        throw OraError(kOraMissingExpression);
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        throw OraError(kOraResourceBusy);
    if (message.find("row value misused") != std::string::npos)
        throw OraError(kOraInvalidRelationalOperator);
    // Whatever else SQLite refuses in a statement is a statement Oracle would refuse too.
    if (primary == SQLITE_ERROR)
        throw OraError(kOraInvalidSql);
    if (primary == SQLITE_TOOBIG)
        throw OraError(kOraValueTooLarge, "(value too long)");
    throw OraError(kOraInternal, message);
}

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
