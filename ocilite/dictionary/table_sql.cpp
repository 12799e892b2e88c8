#include "ocilite/dictionary/table_sql.h"

#include "ocilite/dialect/types.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <cstdio>
#include <map>
#include <vector>

namespace ocilite {
namespace {

struct ColumnRow {
    std::string name;
    std::string type;
    std::string sqliteDefault;
    bool isVirtual = false;
    bool notNull = false;
};

// The type checks the engine adds to a column so that bad values fail as Oracle's would.
std::string typeChecks(const ColumnRow &c, const OraType &t) {
    const std::string col = quoteName(c.name);
    auto check = [&](int code, const std::string &condition) {
        return " CONSTRAINT " + quoteName(checkConstraintName(code, c.name)) + " CHECK (" + col +
               " IS NULL OR (" + condition + "))";
    };
    if (t.code == OCIV7_TYPE_NUMBER) {
        std::string out = check(kOraInvalidNumber, "typeof(" + col + ") IN ('integer','real')");
        if (t.precision > 0 && t.scale != -127 && t.precision - t.scale < 300)
            out += check(kOraPrecisionExceeded,
                         "abs(" + col + ") < 1e" + std::to_string(t.precision - t.scale));
        return out;
    }
    if (t.code == OCIV7_TYPE_VARCHAR2 || t.code == OCIV7_TYPE_CHAR || t.code == OCIV7_TYPE_RAW)
        return check(kOraValueTooLarge,
                     "length(CAST(" + col + " AS BLOB)) <= " + std::to_string(t.size));
    if (t.code == OCIV7_TYPE_DATE)
        return check(kOraLiteralMismatch, "OCILITE_ISDATE(" + col + ")");
    return std::string();
}

// Declared types of a table made before the dictionary kept them: SQLite's own.
std::map<std::string, std::string> declaredTypes(sqlite3 *db, const std::string &sqliteName) {
    std::map<std::string, std::string> types;
    Prepared q(db, "PRAGMA table_info(" + quoteName(sqliteName) + ")");
    while (q.step())
        types[q.text(1)] = q.text(2);
    return types;
}

std::vector<ColumnRow> columns(sqlite3 *db, const std::string &owner, const std::string &name) {
    std::vector<ColumnRow> out;
    Prepared q(db, "SELECT COLUMN_NAME, SQLITE_TYPE, SQLITE_DEFAULT, VIRTUAL_COLUMN, NULLABLE "
                   "FROM main.OCILITE_COLUMNS WHERE OWNER = ?1 AND TABLE_NAME = ?2 ORDER BY "
                   "COLUMN_ID");
    q.bind(1, owner).bind(2, name);
    std::map<std::string, std::string> old;
    while (q.step()) {
        ColumnRow c;
        c.name = q.text(0);
        if (q.isNull(1)) {
            if (old.empty())
                old = declaredTypes(db, owner + "." + name);
            c.type = old[c.name];
        } else {
            c.type = q.text(1);
        }
        c.sqliteDefault = q.isNull(2) ? "" : q.text(2);
        c.isVirtual = !q.isNull(3) && q.text(3) == "YES";
        c.notNull = q.text(4) == "N";
        out.push_back(c);
    }
    return out;
}

std::string columnList(sqlite3 *db, const std::string &owner, const std::string &constraint) {
    Prepared q(db, "SELECT COLUMN_NAME FROM main.OCILITE_CONS_COLUMNS WHERE OWNER = ?1 AND "
                   "CONSTRAINT_NAME = ?2 ORDER BY POSITION");
    q.bind(1, owner).bind(2, constraint);
    std::string out;
    while (q.step())
        out += (out.empty() ? "" : ", ") + quoteName(q.text(0));
    return out;
}

std::string columnDefinition(const ColumnRow &c) {
    std::string out = quoteName(c.name) + " " + c.type;
    if (c.notNull)
        out += " NOT NULL";
    if (c.isVirtual)
        return out + " GENERATED ALWAYS AS (" + c.sqliteDefault + ") VIRTUAL";
    if (!c.sqliteDefault.empty())
        out += " DEFAULT (" + c.sqliteDefault + ")";
    if (const auto t = parseDeclaredType(c.type))
        out += typeChecks(c, *t);
    return out;
}

// The enabled constraints of the table, as SQLite table constraints.
std::string constraintClauses(sqlite3 *db, const std::string &owner, const std::string &name) {
    Prepared q(db, "SELECT c.CONSTRAINT_NAME, c.CONSTRAINT_TYPE, c.SQLITE_CHECK, c.R_OWNER, "
                   "c.R_CONSTRAINT_NAME, c.DELETE_RULE, c.DEFERRED, r.TABLE_NAME FROM "
                   "main.OCILITE_CONSTRAINTS c LEFT JOIN main.OCILITE_CONSTRAINTS r ON "
                   "r.OWNER = c.R_OWNER AND r.CONSTRAINT_NAME = c.R_CONSTRAINT_NAME WHERE "
                   "c.OWNER = ?1 AND c.TABLE_NAME = ?2 AND c.STATUS = 'ENABLED' ORDER BY "
                   "c.ROWID");
    q.bind(1, owner).bind(2, name);
    std::string out;
    while (q.step()) {
        const std::string cname = q.text(0);
        const std::string type = q.text(1);
        if (type == "P" || type == "U") {
            out += ", " + std::string(type == "P" ? "PRIMARY KEY (" : "UNIQUE (") +
                   columnList(db, owner, cname) + ")";
        } else if (type == "C" && !q.isNull(2)) {
            out += ", CONSTRAINT " +
                   quoteName(checkConstraintName(kOraCheckViolated, owner + "." + cname)) +
                   " CHECK (" + q.text(2) + ")";
        } else if (type == "R" && !q.isNull(7)) {
            out += ", FOREIGN KEY (" + columnList(db, owner, cname) + ") REFERENCES " +
                   quoteName(q.text(3) + "." + q.text(7)) + " (" +
                   columnList(db, q.text(3), q.text(4)) + ")";
            if (q.text(5) == "CASCADE")
                out += " ON DELETE CASCADE";
            else if (q.text(5) == "SET NULL")
                out += " ON DELETE SET NULL";
            if (q.text(6) == "DEFERRED")
                out += " DEFERRABLE INITIALLY DEFERRED";
        }
    }
    return out;
}

} // namespace

std::string checkConstraintName(int oraCode, const std::string &detail) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "ORA%05d_", oraCode);
    return prefix + detail;
}

std::string tableSql(sqlite3 *db, const std::string &owner, const std::string &name,
                     const std::string &prefix, const std::string &sqliteName) {
    std::string sql = "CREATE " + std::string(prefix == "temp" ? "TEMP " : "") + "TABLE " +
                      (prefix == "temp" ? "" : prefix + ".") + quoteName(sqliteName) + "(";
    bool first = true;
    for (const ColumnRow &c : columns(db, owner, name)) {
        sql += (first ? "" : ", ") + columnDefinition(c);
        first = false;
    }
    if (first)
        throw OraError(kOraTableNotFound);
    return sql + constraintClauses(db, owner, name) + ")";
}

} // namespace ocilite
