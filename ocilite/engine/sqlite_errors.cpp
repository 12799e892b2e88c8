// SQLite's errors as the Oracle errors a program expects: a refused statement as Oracle would
// refuse it, a limit as Oracle's limit, and a database file that cannot serve (read-only,
// unreadable, not a database, damaged) as Oracle's error for the same state of its files,
// with the file's path and the system's reason.
#include "ocilite/engine/sqlite_util.h"

#include "ocilite/engine/errors.h"

#include <cctype>
#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace ocilite {
namespace {

bool startsWith(const std::string &s, const char *prefix) {
    return s.compare(0, std::strlen(prefix), prefix) == 0;
}

bool contains(const std::string &s, const char *part) {
    return s.find(part) != std::string::npos;
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
    if (contains(message, "UNIQUE") || contains(message, "PRIMARY KEY")) {
        const auto colon = message.find(": ");
        throw OraError(kOraUniqueViolated,
                       colon == std::string::npos ? "" : message.substr(colon + 2));
    }
    if (contains(message, "FOREIGN KEY"))
        throw OraError(kOraParentKeyNotFound);
    if (contains(message, "NOT NULL")) {
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

// A limit of SQLite's reached: Oracle's error for the same limit, or, where Oracle goes
// further, an unimplemented feature. Returns when the message names no limit.
void throwLimit(const std::string &message) {
    if (startsWith(message, "Expression tree is too large")) {
        const auto at = message.find("depth ");
        throw OraError(
            kOraExpressionTooDeep,
            at == std::string::npos ? "1000" : std::to_string(std::atoi(message.c_str() + at + 6)));
    }
    if (startsWith(message, "parser stack overflow"))
        throw OraError(kOraExpressionTooDeep, "100");
    if (startsWith(message, "too many columns"))
        throw OraError(kOraTooManyColumns);
    if (startsWith(message, "too many arguments on function"))
        throw OraError(kOraTooManyArguments);
    if (startsWith(message, "integer overflow"))
        throw OraError(kOraNumericOverflow);
    if (startsWith(message, "too many SQL variables"))
        throw OraError(kOraUnimplemented,
                       "more bind variables than SQLite numbers in one statement");
    if (startsWith(message, "too many terms in compound SELECT"))
        throw OraError(kOraUnimplemented, "more than 500 queries joined by set operators");
    if (startsWith(message, "at most 64 tables in a join"))
        throw OraError(kOraUnimplemented, "joins of more than 64 tables");
}

// What SQLite says of a statement it refuses, as Oracle says it. Returns when the message is
// none of these.
void throwStatementError(const std::string &message) {
    // Our own SQL functions report Oracle errors as their message.
    if (startsWith(message, "ORA-"))
        throw OraError(std::atoi(message.c_str() + 4), message, OraError::FullText{});
    if (startsWith(message, "no such table"))
        throw OraError(kOraTableNotFound);
    if (startsWith(message, "no such column")) {
        const auto colon = message.find(": ");
        throw OraError(kOraInvalidIdentifier,
                       colon == std::string::npos ? "" : "\"" + message.substr(colon + 2) + "\"");
    }
    if (contains(message, "has no column named "))
        throw OraError(kOraInvalidIdentifier,
                       "\"" + message.substr(message.find("has no column named ") + 20) + "\"");
    if (contains(message, " values for ")) {
        const long given = std::atol(message.c_str());
        const long wanted = std::atol(message.c_str() + message.find(" for ") + 5);
        throw OraError(given < wanted ? kOraNotEnoughValues : kOraTooManyValues);
    }
    if (message.find("because it is a view") != std::string::npos)
        throw OraError(kOraUnimplemented,
                       "INSERT, UPDATE and DELETE on a view are not supported by the embedded "
                       "database");
    if (contains(message, "ORDER BY term out of range"))
        throw OraError(kOraOrderByPosition);
    if (startsWith(message, "ambiguous column name"))
        throw OraError(kOraColumnAmbiguous);
    if (startsWith(message, "no such function"))
        throw OraError(kOraInvalidIdentifier, "\"" + message.substr(message.find(": ") + 2) + "\"");
    if (startsWith(message, "wrong number of arguments"))
        throw OraError(kOraArgumentCount);
    if (contains(message, "syntax error"))
        throw OraError(syntaxErrorCode(message));
    if (contains(message, "incomplete input"))
        throw OraError(kOraMissingExpression);
    if (contains(message, "row value misused"))
        throw OraError(kOraInvalidRelationalOperator);
    throwLimit(message);
}

std::string databasePath(sqlite3 *db) {
    const char *path = db ? sqlite3_db_filename(db, "main") : nullptr;
    return path && *path ? path : "(temporary database)";
}

std::string folderOf(const std::string &path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Why a database cannot be written: the file's or the folder's refusal, as the system says.
std::string readOnlyReason(const std::string &path) {
    const std::string folder = folderOf(path);
    if (access(folder.c_str(), W_OK) != 0)
        return folder + ": " + std::strerror(errno);
    if (access(path.c_str(), W_OK) != 0)
        return std::strerror(errno);
    return "opened read-only";
}

std::string systemReason(sqlite3 *db, const std::string &fallback) {
    const int err = db ? sqlite3_system_errno(db) : 0;
    return err ? std::strerror(err) : fallback;
}

} // namespace

std::string corruptBlock(const std::string &path) {
    unsigned char header[100] = {};
    FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        return "unknown";
    const size_t got = std::fread(header, 1, sizeof header, f);
    std::fclose(f);
    struct stat info {};
    if (got < sizeof header || stat(path.c_str(), &info) != 0)
        return got == 0 ? "1" : "unknown";
    long long pageSize = (header[16] << 8) | header[17];
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512)
        return "1";
    // The page count in the header holds only while its "valid for" number matches the
    // change counter.
    const bool counted = std::memcmp(header + 92, header + 24, 4) == 0;
    const long long pages = !counted ? 0
                                     : (static_cast<long long>(header[28]) << 24) |
                                           (header[29] << 16) | (header[30] << 8) | header[31];
    const long long whole = info.st_size / pageSize;
    if (info.st_size % pageSize != 0 || whole < pages)
        return std::to_string(whole + 1);
    return "unknown";
}

[[noreturn]] void throwFileError(sqlite3 *db, int rc, const std::string &file) {
    const std::string path = file.empty() ? databasePath(db) : file;
    const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    switch (rc & 0xff) {
    case SQLITE_READONLY:
        if (rc == SQLITE_READONLY_RECOVERY || rc == SQLITE_READONLY_CANTINIT)
            throw OraError(kOraNeedsRecovery, {path, readOnlyReason(path)});
        throw OraError(kOraReadOnly, {path, readOnlyReason(path)});
    case SQLITE_CORRUPT:
        throw OraError(kOraBlockCorrupted, {"1", corruptBlock(path), path, message});
    case SQLITE_FULL:
        throw OraError(kOraWriteError, {path, "unknown", systemReason(db, message)});
    case SQLITE_IOERR:
        throw OraError(rc == SQLITE_IOERR_READ || rc == SQLITE_IOERR_SHORT_READ ? kOraReadError
                                                                                : kOraWriteError,
                       {path, "unknown", systemReason(db, message)});
    case SQLITE_PERM:
    case SQLITE_AUTH:
        throw OraError(kOraInsufficientPrivileges, {path, message});
    case SQLITE_NOMEM:
        throw OraError(kOraOutOfMemory);
    case SQLITE_CANTOPEN:
    case SQLITE_NOTADB:
    default:
        throw OraError(kOraNotAvailable, {path, systemReason(db, message)});
    }
}

namespace {

bool isStoredPlsql(sqlite3 *db, const std::string &name) {
    sqlite3_stmt *q = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT 1 FROM main.OCILITE_OBJECTS WHERE OBJECT_NAME = ?1 AND "
                           "OBJECT_TYPE IN ('FUNCTION', 'PACKAGE', 'TYPE')",
                           -1, &q, nullptr) != SQLITE_OK)
        return false;
    sqlite3_bind_text(q, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    const bool found = sqlite3_step(q) == SQLITE_ROW;
    sqlite3_finalize(q);
    return found;
}

// SQLite's "no such column: X" or "no such function: X" where X is PL/SQL Oracle would call
// from SQL: a stored function, a package's function (P.F), a type's constructor, or one of
// Oracle's supplied packages. The embedded database does not run it, and says so.
void refusePlsqlCall(sqlite3 *db, const std::string &message) {
    std::string name;
    for (const char *prefix : {"no such column: ", "no such function: "})
        if (startsWith(message, prefix))
            name = message.substr(std::strlen(prefix));
    const std::string first = name.substr(0, name.find('.'));
    const bool supplied = first != name && (startsWith(first, "DBMS_") ||
                                            startsWith(first, "UTL_") || first == "SYS");
    if (name.empty() || !(supplied || (db && isStoredPlsql(db, first))))
        return;
    throw OraError(kOraUnimplemented, "calling PL/SQL (" + name +
                                          ") from SQL is not supported by the embedded database");
}

} // namespace

[[noreturn]] void throwSqliteError(sqlite3 *db, int rc) {
    const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    const int primary = rc & 0xff;
    switch (primary) {
    case SQLITE_CONSTRAINT:
        throwConstraint(message);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw OraError(kOraResourceBusy);
    case SQLITE_TOOBIG:
        throw OraError(kOraValueTooLarge, "(value too long)");
    case SQLITE_READONLY:
    case SQLITE_CORRUPT:
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_NOMEM:
    case SQLITE_CANTOPEN:
    case SQLITE_NOTADB:
        throwFileError(db, rc);
    default:
        break;
    }
    refusePlsqlCall(db, message);
    throwStatementError(message);
    // Whatever else SQLite refuses in a statement is a statement Oracle would refuse too.
    if (primary == SQLITE_ERROR)
        throw OraError(kOraInvalidSql);
    throw OraError(kOraInternal, message);
}

} // namespace ocilite
