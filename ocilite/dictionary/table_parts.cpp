#include "ocilite/dictionary/table_parts.h"

#include "ocilite/dictionary/catalog.h"
#include "ocilite/dictionary/schema_objects.h"
#include "ocilite/dictionary/sql_expressions.h"
#include "ocilite/dictionary/unit_extras.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace ocilite {
namespace {

// Declared type, length and engine type of a column of a user-defined type.
void typeColumn(sqlite3 *db, const std::string &owner, ddl::DataType &t) {
    const auto found = findType(db, owner, t);
    if (!found)
        throw OraError(kOraInvalidDatatype);
    t.typeOwner = found->first;
    if (t.dataType.rfind("REF ", 0) == 0)
        return;
    Prepared q(db, "SELECT t.TYPECODE, c.COLL_TYPE FROM main.OCILITE_TYPES t LEFT JOIN "
                   "main.OCILITE_COLL_TYPES c ON c.OWNER = t.OWNER AND c.TYPE_NAME = "
                   "t.TYPE_NAME WHERE t.OWNER = ?1 AND t.TYPE_NAME = ?2");
    q.bind(1, found->first).bind(2, found->second);
    const bool collection = q.step() && q.text(0) == "COLLECTION";
    const bool varray = collection && q.text(1) == "VARYING ARRAY";
    t.declared = !collection ? "OBJECT" : varray ? "VARRAY" : "NESTED_TABLE";
    t.dataLength = !collection ? 1 : varray ? 2000 : 16;
    t.engine = *parseDeclaredType(t.declared);
}

// A default or virtual expression in SQLite's dialect; empty when the translator cannot
// carry it (the dictionary still shows it as written).
std::string translatedOrEmpty(const Catalog &catalog, const std::string &owner,
                              const std::string &oracle) {
    try {
        return sqliteExpression(oracle, owner, catalog);
    } catch (const OraError &) {
        return std::string();
    }
}

// A DEFAULT may not name a column (ORA-00984).
std::string defaultExpression(const Catalog &catalog, const std::string &owner,
                              const std::string &oracle) {
    const std::string sql = translatedOrEmpty(catalog, owner, oracle);
    if (sql.empty())
        return sql;
    sqlite3_stmt *probe = nullptr;
    const std::string select = "SELECT " + sql;
    const int rc = sqlite3_prepare_v2(catalog.db(), select.c_str(), -1, &probe, nullptr);
    const std::string message = rc == SQLITE_OK ? "" : sqlite3_errmsg(catalog.db());
    sqlite3_finalize(probe);
    if (message.rfind("no such column", 0) == 0)
        throw OraError(kOraColumnNotAllowed);
    return rc == SQLITE_OK ? sql : std::string();
}

std::string nextSystemName(sqlite3 *db, const TableModel &t) {
    std::string name = systemName(db);
    long long n = std::atoll(name.c_str() + 5);
    for (const ConstraintRecord &k : t.constraints)
        if (k.name.rfind("SYS_C", 0) == 0)
            n = std::max(n, std::atoll(k.name.c_str() + 5) + 1);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "SYS_C%07lld", n);
    return buffer;
}

void checkConstraintName(sqlite3 *db, const TableModel &t, const std::string &name) {
    for (const ConstraintRecord &k : t.constraints)
        if (k.name == name)
            throw OraError(kOraConstraintNameInUse);
    Prepared q(db, "SELECT 1 FROM main.OCILITE_CONSTRAINTS WHERE OWNER = ?1 AND "
                   "CONSTRAINT_NAME = ?2 AND TABLE_NAME <> ?3");
    q.bind(1, t.owner).bind(2, name).bind(3, t.name);
    if (q.step())
        throw OraError(kOraConstraintNameInUse);
}

bool sameColumns(std::vector<std::string> a, std::vector<std::string> b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

// A foreign key's parent key: the referenced table's primary key, or the key with the
// columns named.
void findParentKey(const Catalog &catalog, const TableModel &t, const ddl::Constraint &k,
                   ConstraintRecord &r) {
    const std::string owner = k.references.qualified ? k.references.owner : t.owner;
    std::optional<TableModel> parent;
    if (owner == t.owner && k.references.name == t.name)
        parent = t;
    else if (objectExists(catalog.db(), owner, k.references.name, "TABLE") &&
             catalog.tableFor(owner, k.references.name))
        parent = readTable(catalog.db(), owner, k.references.name);
    if (!parent)
        throw OraError(kOraTableNotFound);
    for (const ConstraintRecord &key : parent->constraints) {
        const bool isKey = key.type == 'P' || key.type == 'U';
        if (isKey &&
            ((k.referencedColumns.empty() && key.type == 'P') ||
             (!k.referencedColumns.empty() && sameColumns(key.columns, k.referencedColumns)))) {
            if (key.columns.size() != r.columns.size())
                throw OraError(kOraNoMatchingKey);
            r.rOwner = owner;
            r.rConstraint = key.name;
            return;
        }
    }
    throw OraError(k.referencedColumns.empty() ? kOraNoPrimaryKey : kOraNoMatchingKey);
}

void applyKeyRules(TableModel &t, ConstraintRecord &r) {
    for (const ConstraintRecord &other : t.constraints) {
        if (r.type == 'P' && other.type == 'P')
            throw OraError(kOraOnePrimaryKey);
        if ((other.type == 'P' || other.type == 'U') && sameColumns(other.columns, r.columns))
            throw OraError(kOraKeyAlreadyExists);
    }
    if (r.type == 'P')
        for (const std::string &c : r.columns)
            t.column(c)->nullable = false;
}

} // namespace

ColumnRecord columnRecord(const Catalog &catalog, const std::string &owner,
                          const ddl::Column &column) {
    ColumnRecord c;
    c.name = column.name;
    c.type = column.type;
    if (c.type.userDefined)
        typeColumn(catalog.db(), owner, c.type);
    c.hidden = false;
    c.defaultOnNull = column.defaultOnNull;
    if (column.isVirtual) {
        c.isVirtual = true;
        c.dataDefault = column.virtualExpression;
        c.sqliteDefault = translatedOrEmpty(catalog, owner, column.virtualExpression);
        if (c.type.written.empty())
            c.type = dataTypeOf(OraType::number());
    } else if (column.identity) {
        c.identity = true;
        c.nullable = false;
        c.identityOptions = std::string(column.identityAlways ? "ALWAYS" : "BY DEFAULT") +
                            (column.identityOptions.empty() ? "" : ": " + column.identityOptions);
    } else if (column.hasDefault) {
        c.hasDefault = true;
        c.dataDefault = column.defaultText;
        c.sqliteDefault = defaultExpression(catalog, owner, column.defaultText);
    }
    return c;
}

void addConstraint(const Catalog &catalog, TableModel &t, const ddl::Constraint &k) {
    ConstraintRecord r;
    r.type = k.type;
    r.columns = k.columns;
    r.notNull = k.notNull;
    r.generatedName = k.name.empty();
    r.name = k.name.empty() ? nextSystemName(catalog.db(), t) : k.name;
    checkConstraintName(catalog.db(), t, r.name);
    for (const std::string &c : r.columns)
        if (!t.column(c))
            throw OraError(kOraInvalidIdentifier, "\"" + c + "\"");
    r.enabled = k.enabled;
    r.validated = k.enabled && k.validated;
    r.deferrable = k.deferrable;
    r.deferred = k.initiallyDeferred;
    r.deleteRule = k.deleteRule;
    r.indexName = k.indexName.empty() ? r.name : k.indexName;
    if (r.type == 'C') {
        r.searchCondition = k.condition;
        if (r.notNull)
            t.column(r.columns[0])->nullable = !r.enabled;
        else
            try {
                r.sqliteCheck = sqliteCondition(k.condition, t.owner, catalog);
            } catch (const OraError &) {
                r.sqliteCheck.clear(); // kept, not enforced
            }
    } else if (r.type == 'R') {
        findParentKey(catalog, t, k, r);
    } else {
        applyKeyRules(t, r);
    }
    t.constraints.push_back(std::move(r));
}

void validateRows(sqlite3 *db, const TableModel &t, const ConstraintRecord &k,
                  const std::string &sqliteName) {
    if (!k.enabled)
        return;
    const std::string table = quoteName(sqliteName);
    const std::string full = t.owner + "." + k.name;
    std::string cols;
    for (const std::string &c : k.columns)
        cols += (cols.empty() ? "" : ", ") + quoteName(c);
    auto any = [&](const std::string &sql) {
        Prepared q(db, sql);
        return q.step();
    };
    if (k.type == 'P' || k.type == 'U') {
        if (any("SELECT 1 FROM " + table + " GROUP BY " + cols + " HAVING COUNT(*) > 1 AND COUNT(" +
                quoteName(k.columns[0]) + ") > 0"))
            throw OraError(
                k.type == 'P' ? kOraCannotValidatePrimaryKey : kOraCannotValidateDuplicates, full);
        if (k.type == 'P')
            for (const std::string &c : k.columns)
                if (any("SELECT 1 FROM " + table + " WHERE " + quoteName(c) + " IS NULL"))
                    throw OraError(kOraColumnHasNulls);
    } else if (k.notNull) {
        if (any("SELECT 1 FROM " + table + " WHERE " + quoteName(k.columns[0]) + " IS NULL"))
            throw OraError(kOraCannotEnableNulls, full);
    } else if (k.type == 'C' && !k.sqliteCheck.empty()) {
        if (any("SELECT 1 FROM " + table + " WHERE NOT (" + k.sqliteCheck + ")"))
            throw OraError(kOraCannotValidateCheck, full);
    }
}

void createIdentitySequences(sqlite3 *db, TableModel &t) {
    Prepared id(db, "SELECT OBJECT_ID FROM main.OCILITE_OBJECTS WHERE OWNER = ?1 AND "
                    "OBJECT_NAME = ?2 AND OBJECT_TYPE = 'TABLE'");
    id.bind(1, t.owner).bind(2, t.name);
    const long long objectId = id.step() ? id.integer(0) : 0;
    for (ColumnRecord &c : t.columns) {
        if (!c.identity || !c.sqliteDefault.empty())
            continue;
        const std::string name = "ISEQ$$_" + std::to_string(objectId);
        NewObject o{t.owner, name, "SEQUENCE"};
        o.generated = true;
        addObject(db, o);
        Prepared s(db, "INSERT INTO main.OCILITE_SEQUENCES VALUES (?1, ?2, 1, "
                       "9999999999999999999999999999, 1, 'N', 'N', 20, 1)");
        s.bind(1, t.owner).bind(2, name).run();
        c.sqliteDefault = "OCILITE_NEXTVAL('" + t.owner + "', '" + name + "')";
        c.dataDefault = "\"" + t.owner + "\".\"" + name + "\".nextval";
        c.hasDefault = true;
    }
}

std::vector<std::pair<std::string, std::string>>
referencingConstraints(sqlite3 *db, const std::string &owner, const std::string &table) {
    Prepared q(db, "SELECT c.OWNER, c.CONSTRAINT_NAME FROM main.OCILITE_CONSTRAINTS c JOIN "
                   "main.OCILITE_CONSTRAINTS k ON k.OWNER = c.R_OWNER AND k.CONSTRAINT_NAME = "
                   "c.R_CONSTRAINT_NAME WHERE k.OWNER = ?1 AND k.TABLE_NAME = ?2 AND "
                   "c.CONSTRAINT_TYPE = 'R' AND NOT (c.OWNER = ?1 AND c.TABLE_NAME = ?2)");
    q.bind(1, owner).bind(2, table);
    std::vector<std::pair<std::string, std::string>> out;
    while (q.step())
        out.emplace_back(q.text(0), q.text(1));
    return out;
}

} // namespace ocilite
