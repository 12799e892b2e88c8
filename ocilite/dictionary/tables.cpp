// Tables: CREATE TABLE (relational, global temporary, object tables with their nested
// table storage, CREATE TABLE ... AS query), DROP TABLE [CASCADE CONSTRAINTS], TRUNCATE,
// RENAME and COMMENT. The dictionary rows are written first; the SQLite table is made from
// them (a global temporary table's rows live in each session's own TEMP table).
#include "ocilite/dictionary/ddl_families.h"

#include "ocilite/dictionary/catalog.h"
#include "ocilite/dictionary/schema_objects.h"
#include "ocilite/dictionary/table_parts.h"
#include "ocilite/dictionary/table_sql.h"
#include "ocilite/dictionary/unit_compiler.h"
#include "ocilite/dictionary/unit_extras.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

namespace ocilite {
namespace {

// An object table's columns: the type's attributes, in order.
void objectTypeColumns(Catalog &catalog, TableModel &t, const ddl::QualifiedName &type) {
    ddl::DataType ref;
    ref.dataType = type.name;
    ref.typeOwner = type.qualified ? type.owner : "";
    const auto found = findType(catalog.db(), t.owner, ref);
    if (!found)
        throw OraError(kOraInvalidDatatype);
    t.typeOwner = found->first;
    t.typeName = found->second;
    Prepared q(catalog.db(), "SELECT ATTR_NAME, ATTR_TYPE_MOD, ATTR_TYPE_OWNER, ATTR_TYPE_NAME, "
                             "LENGTH, PRECISION, SCALE, CHAR_USED FROM main.OCILITE_TYPE_ATTRS "
                             "WHERE OWNER = ?1 AND TYPE_NAME = ?2 ORDER BY ATTR_NO");
    q.bind(1, found->first).bind(2, found->second);
    while (q.step()) {
        ddl::Column c;
        c.name = q.text(0);
        c.type = attributeDataType(q);
        t.columns.push_back(columnRecord(catalog, t.owner, c));
    }
    if (t.columns.empty())
        throw OraError(kOraInvalidDatatype); // an incomplete or collection type
}

// NESTED TABLE column STORE AS name: the storage table, owned with the parent.
void createNestedStorage(Catalog &catalog, TableModel &parent, const ddl::NestedStorage &n) {
    sqlite3 *db = catalog.db();
    const ColumnRecord *column = parent.column(n.column);
    if (!column || column->type.declared != "NESTED_TABLE")
        throw OraError(kOraInvalidIdentifier, "\"" + n.column + "\"");
    TableModel storage;
    storage.owner = parent.owner;
    storage.name = n.table;
    storage.nested = true;
    ColumnRecord value;
    value.name = "COLUMN_VALUE";
    value.type = dataTypeOf(OraType::varchar2(4000));
    storage.columns.push_back(value);
    NewObject o{storage.owner, storage.name, "TABLE"};
    o.hasSegment = true;
    addObject(db, o);
    writeTable(db, storage);
    exec(db, tableSql(db, storage.owner, storage.name, "main",
                      Catalog::physicalName(storage.owner, storage.name)));
    Prepared q(db, "INSERT INTO main.OCILITE_NESTED_TABLES VALUES (?1, ?2, ?3, ?4, ?5, ?6, "
                   "'USER_SPECIFIED', 'LOCATOR')");
    q.bind(1, parent.owner).bind(2, n.table).bind(3, column->type.typeOwner);
    q.bind(4, column->type.dataType).bind(5, parent.name).bind(6, n.column).run();
}

// CREATE TABLE ... AS query: the query's columns become the table's, its rows its rows.
void columnsFromQuery(Catalog &catalog, TableModel &t, const ddl::CreateTable &c,
                      std::string &insertSql) {
    const Translation tr = translate(c.asSelect, t.owner, catalog);
    if (!tr.isQuery())
        throw OraError(kOraMissingSelectKeyword);
    Prepared probe(catalog.db(), tr.sql);
    const int n = sqlite3_column_count(probe.get());
    if (!c.columns.empty() && static_cast<int>(c.columns.size()) != n)
        throw OraError(kOraColumnNamesCount);
    for (int i = 0; i < n; ++i) {
        ColumnRecord r;
        r.name = c.columns.empty() ? sqlite3_column_name(probe.get(), i) : c.columns[i].name;
        const char *decl = sqlite3_column_decltype(probe.get(), i);
        std::optional<OraType> type = decl ? parseDeclaredType(decl) : std::nullopt;
        if (!type && static_cast<size_t>(i) < tr.items.size() && tr.items[i].type)
            type = tr.items[i].type;
        r.type = dataTypeOf(type ? *type : OraType::varchar2(4000));
        t.columns.push_back(r);
    }
    if (!tr.binds.empty())
        throw OraError(kOraNotAllBound);
    insertSql = tr.sql;
}

TableModel tableModel(Catalog &catalog, const ddl::CreateTable &c, std::string &insertSql) {
    TableModel t;
    t.owner = c.name.owner;
    t.name = c.name.name;
    t.temporary = c.temporary;
    if (c.temporary)
        t.duration = c.onCommitDelete ? "SYS$TRANSACTION" : "SYS$SESSION";
    t.indexOrganized = c.indexOrganized;
    t.partitioned = c.partitioned;
    t.logging = c.logging;
    if (c.ofType)
        objectTypeColumns(catalog, t, *c.ofType);
    if (!c.asSelect.empty())
        columnsFromQuery(catalog, t, c, insertSql);
    else
        for (const ddl::Column &col : c.columns)
            if (!c.ofType)
                t.columns.push_back(columnRecord(catalog, t.owner, col));
    for (const ddl::Column &col : c.columns) // an object table's attribute defaults
        if (c.ofType && t.column(col.name))
            *t.column(col.name) = columnRecord(catalog, t.owner, col);
    for (const ddl::Constraint &k : c.constraints)
        addConstraint(catalog, t, k);
    return t;
}

} // namespace

void createTable(Catalog &catalog, const DdlContext &ctx, const ddl::CreateTable &c) {
    sqlite3 *db = catalog.db();
    if (c.name.owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    if (objectTypeIn(db, c.name.owner, c.name.name, kNamespaceObjects))
        throw OraError(kOraNameInUse);
    std::string insertSql;
    TableModel t = tableModel(catalog, c, insertSql);
    NewObject o{t.owner, t.name, "TABLE"};
    o.temporary = t.temporary;
    o.hasSegment = !t.temporary;
    addObject(db, o);
    createIdentitySequences(db, t);
    writeTable(db, t);
    syncConstraintIndexes(db, t);
    const std::string physical = Catalog::physicalName(t.owner, t.name);
    if (!t.temporary)
        exec(db, tableSql(db, t.owner, t.name, "main", physical));
    for (const ddl::NestedStorage &n : c.nestedTables)
        createNestedStorage(catalog, t, n);
    catalog.invalidate();
    if (!insertSql.empty() && !t.temporary)
        exec(db, "INSERT INTO main." + quoteName(physical) + " " + insertSql);
}

void dropTable(Catalog &catalog, const DdlContext &ctx, const std::string &owner,
               const std::string &name, bool cascadeConstraints) {
    sqlite3 *db = catalog.db();
    if (!objectExists(db, owner, name, "TABLE"))
        throw OraError(kOraTableNotFound);
    if (owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    const auto children = referencingConstraints(db, owner, name);
    if (!children.empty() && !cascadeConstraints)
        throw OraError(kOraReferencedByForeignKeys);
    for (const auto &[childOwner, constraint] : children)
        dropConstraintOf(catalog, childOwner, constraint);
    catalog.invalidate();
    exec(db, "DROP TABLE IF EXISTS main." + quoteName(Catalog::physicalName(owner, name)));
    exec(db, "DROP TABLE IF EXISTS temp." + quoteName(Catalog::physicalName(owner, name)));
    Prepared nested(db, "SELECT TABLE_NAME FROM main.OCILITE_NESTED_TABLES WHERE OWNER = ?1 AND "
                        "PARENT_TABLE_NAME = ?2");
    nested.bind(1, owner).bind(2, name);
    std::vector<std::string> storage;
    while (nested.step())
        storage.push_back(nested.text(0));
    for (const std::string &s : storage)
        dropTable(catalog, ctx, owner, s, true);
    dropIndexesOf(db, owner, name);
    dropTriggersOf(db, owner, name);
    dropIdentitySequences(db, owner, name);
    deleteTableRows(db, owner, name);
    removeObject(db, owner, name, "TABLE");
}

void truncateTable(Catalog &catalog, const DdlContext &ctx, const ddl::Truncate &t) {
    sqlite3 *db = catalog.db();
    const std::string &owner = t.table.owner;
    if (!objectExists(db, owner, t.table.name, "TABLE"))
        throw OraError(kOraTableNotFound);
    if (owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    Prepared enabled(db, "SELECT 1 FROM main.OCILITE_CONSTRAINTS c JOIN main.OCILITE_CONSTRAINTS "
                         "k ON k.OWNER = c.R_OWNER AND k.CONSTRAINT_NAME = c.R_CONSTRAINT_NAME "
                         "WHERE k.OWNER = ?1 AND k.TABLE_NAME = ?2 AND c.STATUS = 'ENABLED' AND "
                         "NOT (c.OWNER = ?1 AND c.TABLE_NAME = ?2)");
    enabled.bind(1, owner).bind(2, t.table.name);
    if (enabled.step())
        throw OraError(kOraReferencedByEnabledKeys);
    const std::string name = catalog.tableFor(owner, t.table.name).value_or("");
    exec(db, "DELETE FROM " + quoteName(name));
}

void renameObject(Catalog &catalog, const DdlContext &ctx, const ddl::Rename &r) {
    sqlite3 *db = catalog.db();
    const auto type = objectTypeIn(db, ctx.schema, r.from, kNamespaceObjects);
    if (!type)
        throw OraError(kOraTableNotFound);
    if (ctx.schema != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    if (*type == "TABLE")
        renameTable(catalog, ctx.user, r.from, r.to);
    else if (*type == "VIEW" || *type == "SEQUENCE" || *type == "SYNONYM")
        renameSchemaObject(catalog, ctx.user, *type, r.from, r.to);
    else
        throw OraError(kOraIllegalOnView);
    invalidateDependents(db, ctx.user, r.from, *type);
}

void commentOn(Catalog &catalog, const DdlContext &ctx, const ddl::Comment &k) {
    sqlite3 *db = catalog.db();
    const std::string &owner = k.table.owner;
    const auto type = objectTypeIn(db, owner, k.table.name, kNamespaceObjects);
    if (!type || (*type != "TABLE" && *type != "VIEW"))
        throw OraError(kOraTableNotFound);
    if (owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    if (k.kind == "COLUMN") {
        Prepared c(db, "SELECT 1 FROM main.OCILITE_COLUMNS WHERE OWNER = ?1 AND TABLE_NAME = ?2 "
                       "AND COLUMN_NAME = ?3");
        c.bind(1, owner).bind(2, k.table.name).bind(3, k.column);
        if (!c.step())
            throw OraError(kOraInvalidIdentifier, "\"" + k.column + "\"");
    }
    Prepared q(db, "INSERT OR REPLACE INTO main.OCILITE_COMMENTS VALUES (?1, ?2, ?3, ?4, ?5)");
    q.bind(1, owner).bind(2, k.table.name).bind(3, *type).bind(4, k.column);
    if (k.text.empty())
        q.bindNull(5);
    else
        q.bind(5, k.text);
    q.run();
}

} // namespace ocilite
