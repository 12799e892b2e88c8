// Indexes: CREATE [UNIQUE | BITMAP] INDEX on columns and on expressions (function-based
// indexes, whose columns Oracle names SYS_NCnnnnn$), DROP INDEX, and the indexes that
// enforce primary and unique keys. An index is a SQLite index on the schema's table.
#include "ocilite/dictionary/ddl_families.h"

#include "ocilite/dictionary/schema_objects.h"
#include "ocilite/dictionary/sql_expressions.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <cstdio>

namespace ocilite {
namespace {

struct IndexColumnRow {
    std::string column;     // the column, or SYS_NCnnnnn$ for an expression
    std::string expression; // COLUMN_EXPRESSION, empty for a plain column
    int length = 0;
    std::optional<int> charLength;
    bool descending = false;
};

std::string hiddenColumnName(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "SYS_NC%05d$", n);
    return name;
}

IndexColumnRow indexColumn(sqlite3 *db, const TableModel &t, const ddl::IndexColumn &c,
                           int position) {
    IndexColumnRow r;
    r.descending = c.descending;
    if (c.isColumn && !c.descending) {
        const ColumnRecord *col = const_cast<TableModel &>(t).column(c.expression);
        if (!col)
            throw OraError(kOraInvalidIdentifier, "\"" + c.expression + "\"");
        r.column = col->name;
        r.length = col->type.dataLength;
        if (col->type.charUsed)
            r.charLength = col->type.charLength;
        return r;
    }
    (void)db;
    r.column = hiddenColumnName(static_cast<int>(t.columns.size()) + position);
    r.expression = c.isColumn ? "\"" + c.expression + "\"" : c.expression;
    r.length = 22;
    return r;
}

void insertIndexRow(sqlite3 *db, const std::string &owner, const std::string &name,
                    const TableModel &t, const char *type, bool unique, bool constraint,
                    const std::string &sql) {
    Prepared q(db, "INSERT INTO main.OCILITE_INDEXES VALUES (?1, ?2, ?3, ?4, ?5, 'TABLE', ?6, "
                   "?7, ?8, ?9, ?10)");
    q.bind(1, owner).bind(2, name).bind(3, std::string(type)).bind(4, t.owner).bind(5, t.name);
    q.bind(6, std::string(unique ? "UNIQUE" : "NONUNIQUE"));
    q.bind(7, std::string(constraint && name.rfind("SYS_C", 0) == 0 ? "Y" : "N"));
    q.bind(8, std::string(constraint ? "YES" : "NO"));
    if (std::string(type).rfind("FUNCTION", 0) == 0)
        q.bind(9, std::string("ENABLED"));
    else
        q.bindNull(9);
    if (sql.empty())
        q.bindNull(10);
    else
        q.bind(10, sql);
    q.run();
}

void insertIndexColumns(sqlite3 *db, const std::string &owner, const std::string &name,
                        const TableModel &t, const std::vector<IndexColumnRow> &rows) {
    Prepared q(db, "INSERT INTO main.OCILITE_IND_COLUMNS VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, "
                   "?9, ?10)");
    for (size_t i = 0; i < rows.size(); ++i) {
        const IndexColumnRow &r = rows[i];
        q.bind(1, owner).bind(2, name).bind(3, t.owner).bind(4, t.name).bind(5, r.column);
        q.bind(6, static_cast<long long>(i + 1)).bind(7, static_cast<long long>(r.length));
        if (r.charLength)
            q.bind(8, static_cast<long long>(*r.charLength));
        else
            q.bind(8, 0LL);
        q.bind(9, std::string(r.descending ? "DESC" : "ASC"));
        if (r.expression.empty())
            q.bindNull(10);
        else
            q.bind(10, r.expression);
        q.run();
        sqlite3_reset(q.get());
    }
}

// The SQLite index: columns as they are, expressions in SQLite's dialect.
std::string indexSql(const Catalog &catalog, const ddl::CreateIndex &x, const TableModel &t,
                     const std::vector<IndexColumnRow> &rows) {
    std::string cols;
    for (size_t i = 0; i < rows.size(); ++i) {
        std::string item = rows[i].expression.empty()
                               ? quoteName(rows[i].column)
                               : "(" + sqliteExpression(rows[i].expression, t.owner, catalog) + ")";
        cols += (i ? ", " : "") + item + (rows[i].descending ? " DESC" : "");
    }
    return "CREATE " + std::string(x.unique ? "UNIQUE " : "") + "INDEX main." +
           quoteName(Catalog::physicalName(x.name.owner, x.name.name)) + " ON " +
           quoteName(Catalog::physicalName(t.owner, t.name)) + " (" + cols + ")";
}

void checkNotIndexedAlready(sqlite3 *db, const TableModel &t,
                            const std::vector<IndexColumnRow> &rows) {
    Prepared q(db, "SELECT INDEX_OWNER, INDEX_NAME, GROUP_CONCAT(IFNULL(COLUMN_EXPRESSION, "
                   "COLUMN_NAME) || DESCEND, ',') FROM (SELECT * FROM main.OCILITE_IND_COLUMNS "
                   "WHERE TABLE_OWNER = ?1 AND TABLE_NAME = ?2 ORDER BY COLUMN_POSITION) GROUP "
                   "BY INDEX_OWNER, INDEX_NAME");
    q.bind(1, t.owner).bind(2, t.name);
    std::string wanted;
    for (const IndexColumnRow &r : rows)
        wanted += (wanted.empty() ? "" : ",") + (r.expression.empty() ? r.column : r.expression) +
                  (r.descending ? "DESC" : "ASC");
    while (q.step())
        if (q.text(2) == wanted)
            throw OraError(kOraColumnListIndexed);
}

} // namespace

void createIndex(Catalog &catalog, const DdlContext &ctx, const ddl::CreateIndex &x) {
    sqlite3 *db = catalog.db();
    if (x.name.owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    std::optional<TableModel> t = readTable(db, x.table.owner, x.table.name);
    if (!t || !catalog.tableFor(x.table.owner, x.table.name))
        throw OraError(kOraTableNotFound);
    if (objectTypeIn(db, x.name.owner, x.name.name, kNamespaceIndexes))
        throw OraError(kOraNameInUse);
    std::vector<IndexColumnRow> rows;
    bool functionBased = false;
    for (size_t i = 0; i < x.columns.size(); ++i) {
        rows.push_back(indexColumn(db, *t, x.columns[i], static_cast<int>(i + 1)));
        functionBased = functionBased || !rows.back().expression.empty();
    }
    checkNotIndexedAlready(db, *t, rows);
    const std::string sql = t->temporary ? std::string() : indexSql(catalog, x, *t, rows);
    if (!sql.empty()) {
        try {
            exec(db, sql);
        } catch (const OraError &e) {
            throw OraError(e.code() == kOraUniqueViolated ? kOraDuplicateKeysFound : e.code());
        }
    }
    const char *type = x.bitmap ? (functionBased ? "FUNCTION-BASED BITMAP" : "BITMAP")
                                : (functionBased ? "FUNCTION-BASED NORMAL" : "NORMAL");
    insertIndexRow(db, x.name.owner, x.name.name, *t, type, x.unique, false, sql);
    insertIndexColumns(db, x.name.owner, x.name.name, *t, rows);
    NewObject o{x.name.owner, x.name.name, "INDEX", kNamespaceIndexes};
    o.hasSegment = true;
    addObject(db, o);
}

void dropIndex(Catalog &catalog, const DdlContext &ctx, const ddl::QualifiedName &name) {
    sqlite3 *db = catalog.db();
    {
        Prepared q(db, "SELECT CONSTRAINT_INDEX FROM main.OCILITE_INDEXES WHERE OWNER = ?1 AND "
                       "INDEX_NAME = ?2");
        q.bind(1, name.owner).bind(2, name.name);
        if (!q.step())
            throw OraError(kOraIndexNotFound);
        if (name.owner != ctx.user)
            throw OraError(kOraInsufficientPrivileges);
        if (q.text(0) == "YES")
            throw OraError(kOraIndexEnforcesKey);
    }
    exec(db,
         "DROP INDEX IF EXISTS main." + quoteName(Catalog::physicalName(name.owner, name.name)));
    for (const char *sql : {"DELETE FROM main.OCILITE_INDEXES WHERE OWNER = ?1 AND INDEX_NAME = ?2",
                            "DELETE FROM main.OCILITE_IND_COLUMNS WHERE INDEX_OWNER = ?1 AND "
                            "INDEX_NAME = ?2"}) {
        Prepared d(db, sql);
        d.bind(1, name.owner).bind(2, name.name).run();
    }
    removeObject(db, name.owner, name.name, "INDEX");
}

void dropIndexesOf(sqlite3 *db, const std::string &owner, const std::string &table) {
    Prepared q(db, "SELECT OWNER, INDEX_NAME FROM main.OCILITE_INDEXES WHERE TABLE_OWNER = ?1 AND "
                   "TABLE_NAME = ?2");
    q.bind(1, owner).bind(2, table);
    std::vector<std::pair<std::string, std::string>> indexes;
    while (q.step())
        indexes.emplace_back(q.text(0), q.text(1));
    for (const auto &[o, name] : indexes) {
        removeObject(db, o, name, "INDEX");
        Prepared d(db, "DELETE FROM main.OCILITE_IND_COLUMNS WHERE INDEX_OWNER = ?1 AND "
                       "INDEX_NAME = ?2");
        d.bind(1, o).bind(2, name).run();
    }
    Prepared d(db, "DELETE FROM main.OCILITE_INDEXES WHERE TABLE_OWNER = ?1 AND TABLE_NAME = ?2");
    d.bind(1, owner).bind(2, table).run();
}

void syncConstraintIndexes(sqlite3 *db, const TableModel &t) {
    Prepared old(db, "SELECT OWNER, INDEX_NAME FROM main.OCILITE_INDEXES WHERE TABLE_OWNER = ?1 "
                     "AND TABLE_NAME = ?2 AND CONSTRAINT_INDEX = 'YES'");
    old.bind(1, t.owner).bind(2, t.name);
    std::vector<std::pair<std::string, std::string>> stale;
    while (old.step())
        stale.emplace_back(old.text(0), old.text(1));
    for (const auto &[owner, name] : stale) {
        removeObject(db, owner, name, "INDEX");
        for (const char *sql :
             {"DELETE FROM main.OCILITE_INDEXES WHERE OWNER = ?1 AND INDEX_NAME = ?2",
              "DELETE FROM main.OCILITE_IND_COLUMNS WHERE INDEX_OWNER = ?1 AND INDEX_NAME = ?2"}) {
            Prepared d(db, sql);
            d.bind(1, owner).bind(2, name).run();
        }
    }
    for (const ConstraintRecord &k : t.constraints) {
        if ((k.type != 'P' && k.type != 'U') || !k.enabled)
            continue;
        std::vector<IndexColumnRow> rows;
        for (const std::string &c : k.columns)
            rows.push_back(indexColumn(db, t, {c, true, false}, 0));
        const char *type = t.indexOrganized && k.type == 'P' ? "IOT - TOP" : "NORMAL";
        insertIndexRow(db, t.owner, k.indexName, t, type, true, true, std::string());
        insertIndexColumns(db, t.owner, k.indexName, t, rows);
        NewObject o{t.owner, k.indexName, "INDEX", kNamespaceIndexes};
        o.hasSegment = true;
        o.generated = k.generatedName;
        addObject(db, o);
    }
}

void recreateIndexes(sqlite3 *db, const std::string &owner, const std::string &table) {
    Prepared q(db, "SELECT SQLITE_SQL FROM main.OCILITE_INDEXES WHERE TABLE_OWNER = ?1 AND "
                   "TABLE_NAME = ?2 AND SQLITE_SQL IS NOT NULL");
    q.bind(1, owner).bind(2, table);
    std::vector<std::string> sql;
    while (q.step())
        sql.push_back(q.text(0));
    for (const std::string &s : sql)
        exec(db, s);
}

} // namespace ocilite
