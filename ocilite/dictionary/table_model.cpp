#include "ocilite/dictionary/table_model.h"

#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/sqlite_util.h"

namespace ocilite {
namespace {

void bindText(Prepared &q, int index, const std::string &v) {
    if (v.empty())
        q.bindNull(index);
    else
        q.bind(index, v);
}

void bindNumber(Prepared &q, int index, const std::optional<int> &v) {
    if (v)
        q.bind(index, static_cast<long long>(*v));
    else
        q.bindNull(index);
}

const char *yesNo(bool b) {
    return b ? "YES" : "NO";
}

std::optional<int> optionalNumber(const Prepared &q, int column) {
    if (q.isNull(column))
        return std::nullopt;
    return static_cast<int>(q.integer(column));
}

std::string textOr(const Prepared &q, int column) {
    return q.isNull(column) ? std::string() : q.text(column);
}

void writeTableRow(sqlite3 *db, const TableModel &t) {
    Prepared q(db, "INSERT INTO main.OCILITE_TABLES VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
                   "?10, ?11)");
    q.bind(1, t.owner).bind(2, t.name).bind(3, std::string(t.temporary ? "Y" : "N"));
    bindText(q, 4, t.duration);
    bindText(q, 5, t.indexOrganized ? "IOT" : "");
    q.bind(6, std::string(yesNo(t.nested))).bind(7, std::string(yesNo(t.partitioned)));
    q.bind(8, std::string(yesNo(t.logging)));
    bindText(q, 9, t.typeOwner);
    bindText(q, 10, t.typeName);
    q.bind(11, std::string(yesNo(t.hasIdentity())));
    q.run();
}

void writeColumn(Prepared &q, const TableModel &t, const ColumnRecord &c, int id) {
    q.bind(1, t.owner).bind(2, t.name).bind(3, c.name).bind(4, c.type.dataType);
    bindText(q, 5, c.type.dataType.rfind("REF ", 0) == 0 ? "REF" : "");
    bindText(q, 6, c.type.typeOwner);
    q.bind(7, static_cast<long long>(c.type.dataLength));
    bindNumber(q, 8, c.type.precision);
    bindNumber(q, 9, c.type.scale);
    q.bind(10, std::string(c.nullable ? "Y" : "N"));
    if (c.hidden)
        q.bindNull(11);
    else
        q.bind(11, static_cast<long long>(id));
    if (c.hasDefault || c.isVirtual) {
        q.bind(12, static_cast<long long>(c.dataDefault.size())).bind(13, c.dataDefault);
    } else {
        q.bindNull(12).bindNull(13);
    }
    bindNumber(q, 14, c.type.charUsed ? std::optional(c.type.charLength) : std::nullopt);
    bindText(q, 15, c.type.charUsed ? std::string(1, c.type.charUsed) : "");
    q.bind(16, std::string(yesNo(c.hidden))).bind(17, std::string(yesNo(c.isVirtual)));
    q.bind(18, std::string(yesNo(c.identity))).bind(19, std::string(yesNo(c.defaultOnNull)));
    bindText(q, 20, c.identityOptions);
    bindText(q, 21, c.sqliteDefault);
    q.bind(22, c.type.declared);
    q.run();
    sqlite3_reset(q.get());
}

void writeColumns(sqlite3 *db, const TableModel &t) {
    Prepared q(db, "INSERT INTO main.OCILITE_COLUMNS(OWNER, TABLE_NAME, COLUMN_NAME, DATA_TYPE, "
                   "DATA_TYPE_MOD, DATA_TYPE_OWNER, DATA_LENGTH, DATA_PRECISION, DATA_SCALE, "
                   "NULLABLE, COLUMN_ID, DEFAULT_LENGTH, DATA_DEFAULT, CHAR_LENGTH, CHAR_USED, "
                   "HIDDEN_COLUMN, VIRTUAL_COLUMN, IDENTITY_COLUMN, DEFAULT_ON_NULL, "
                   "IDENTITY_OPTIONS, SQLITE_DEFAULT, SQLITE_TYPE) VALUES (?1, ?2, ?3, ?4, ?5, "
                   "?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, "
                   "?22)");
    int id = 0;
    for (const ColumnRecord &c : t.columns)
        writeColumn(q, t, c, c.hidden ? 0 : ++id);
}

void writeConstraint(sqlite3 *db, const TableModel &t, const ConstraintRecord &k) {
    Prepared q(db, "INSERT INTO main.OCILITE_CONSTRAINTS VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, "
                   "?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17)");
    q.bind(1, t.owner).bind(2, k.name).bind(3, std::string(1, k.type)).bind(4, t.name);
    bindText(q, 5, k.searchCondition);
    bindText(q, 6, k.rOwner);
    bindText(q, 7, k.rConstraint);
    bindText(q, 8, k.type == 'R' ? k.deleteRule : "");
    q.bind(9, std::string(k.enabled ? "ENABLED" : "DISABLED"));
    q.bind(10, std::string(k.deferrable ? "DEFERRABLE" : "NOT DEFERRABLE"));
    q.bind(11, std::string(k.deferred ? "DEFERRED" : "IMMEDIATE"));
    q.bind(12, std::string(k.validated ? "VALIDATED" : "NOT VALIDATED"));
    q.bind(13, std::string(k.generatedName ? "GENERATED NAME" : "USER NAME"));
    q.bind(14, storedDate(currentDate()));
    const bool indexed = (k.type == 'P' || k.type == 'U') && k.enabled;
    bindText(q, 15, indexed ? t.owner : "");
    bindText(q, 16, indexed ? k.indexName : "");
    bindText(q, 17, k.sqliteCheck);
    q.run();
    Prepared c(db, "INSERT INTO main.OCILITE_CONS_COLUMNS VALUES (?1, ?2, ?3, ?4, ?5)");
    for (size_t i = 0; i < k.columns.size(); ++i) {
        c.bind(1, t.owner).bind(2, k.name).bind(3, t.name).bind(4, k.columns[i]);
        if (k.type == 'C')
            c.bindNull(5);
        else
            c.bind(5, static_cast<long long>(i + 1));
        c.run();
        sqlite3_reset(c.get());
    }
}

void deleteWhere(sqlite3 *db, const char *table, const char *ownerColumn, const char *nameColumn,
                 const std::string &owner, const std::string &name) {
    Prepared q(db, std::string("DELETE FROM main.") + table + " WHERE " + ownerColumn +
                       " = ?1 AND " + nameColumn + " = ?2");
    q.bind(1, owner).bind(2, name).run();
}

void deleteModelRows(sqlite3 *db, const std::string &owner, const std::string &name) {
    deleteWhere(db, "OCILITE_TABLES", "OWNER", "TABLE_NAME", owner, name);
    deleteWhere(db, "OCILITE_COLUMNS", "OWNER", "TABLE_NAME", owner, name);
    deleteWhere(db, "OCILITE_CONSTRAINTS", "OWNER", "TABLE_NAME", owner, name);
    deleteWhere(db, "OCILITE_CONS_COLUMNS", "OWNER", "TABLE_NAME", owner, name);
}

ColumnRecord readColumn(const Prepared &q) {
    ColumnRecord c;
    c.name = q.text(0);
    c.type.dataType = q.text(1);
    c.type.typeOwner = textOr(q, 2);
    c.type.dataLength = static_cast<int>(q.integer(3));
    c.type.precision = optionalNumber(q, 4);
    c.type.scale = optionalNumber(q, 5);
    c.nullable = q.text(6) != "N";
    c.hasDefault = !q.isNull(7);
    c.dataDefault = textOr(q, 7);
    c.type.charLength = q.isNull(8) ? 0 : static_cast<int>(q.integer(8));
    c.type.charUsed = q.isNull(9) ? 0 : q.text(9)[0];
    c.hidden = textOr(q, 10) == "YES";
    c.isVirtual = textOr(q, 11) == "YES";
    c.identity = textOr(q, 12) == "YES";
    c.defaultOnNull = textOr(q, 13) == "YES";
    c.identityOptions = textOr(q, 14);
    c.sqliteDefault = textOr(q, 15);
    c.type.declared = textOr(q, 16);
    c.type.userDefined = c.type.declared == "OBJECT" || c.type.declared == "REF" ||
                         c.type.declared == "NESTED_TABLE" || c.type.declared == "VARRAY";
    if (const auto t = parseDeclaredType(c.type.declared))
        c.type.engine = *t;
    c.previousName = c.name;
    if (c.isVirtual)
        c.hasDefault = false;
    return c;
}

void readColumns(sqlite3 *db, TableModel &t) {
    Prepared q(db, "SELECT COLUMN_NAME, DATA_TYPE, DATA_TYPE_OWNER, DATA_LENGTH, DATA_PRECISION, "
                   "DATA_SCALE, NULLABLE, DATA_DEFAULT, CHAR_LENGTH, CHAR_USED, HIDDEN_COLUMN, "
                   "VIRTUAL_COLUMN, IDENTITY_COLUMN, DEFAULT_ON_NULL, IDENTITY_OPTIONS, "
                   "SQLITE_DEFAULT, SQLITE_TYPE FROM main.OCILITE_COLUMNS WHERE OWNER = ?1 AND "
                   "TABLE_NAME = ?2 ORDER BY IFNULL(COLUMN_ID, 100000), ROWID");
    q.bind(1, t.owner).bind(2, t.name);
    while (q.step())
        t.columns.push_back(readColumn(q));
}

// Tables made before the dictionary kept declared types: SQLite's own.
void fillDeclaredTypes(sqlite3 *db, TableModel &t) {
    for (ColumnRecord &c : t.columns) {
        if (!c.type.declared.empty())
            continue;
        Prepared q(db, "PRAGMA table_info(" + quoteName(t.owner + "." + t.name) + ")");
        while (q.step())
            if (q.text(1) == c.name)
                c.type.declared = q.text(2);
        if (const auto engine = parseDeclaredType(c.type.declared))
            c.type.engine = *engine;
    }
}

void readConstraintColumns(sqlite3 *db, const std::string &owner, ConstraintRecord &k) {
    Prepared q(db, "SELECT COLUMN_NAME FROM main.OCILITE_CONS_COLUMNS WHERE OWNER = ?1 AND "
                   "CONSTRAINT_NAME = ?2 ORDER BY POSITION, ROWID");
    q.bind(1, owner).bind(2, k.name);
    while (q.step())
        k.columns.push_back(q.text(0));
}

void readConstraints(sqlite3 *db, TableModel &t) {
    Prepared q(db, "SELECT CONSTRAINT_NAME, CONSTRAINT_TYPE, SEARCH_CONDITION, SQLITE_CHECK, "
                   "R_OWNER, R_CONSTRAINT_NAME, DELETE_RULE, STATUS, \"DEFERRABLE\", DEFERRED, "
                   "VALIDATED, GENERATED, INDEX_NAME FROM main.OCILITE_CONSTRAINTS WHERE "
                   "OWNER = ?1 AND TABLE_NAME = ?2 ORDER BY ROWID");
    q.bind(1, t.owner).bind(2, t.name);
    while (q.step()) {
        ConstraintRecord k;
        k.name = q.text(0);
        k.type = q.text(1)[0];
        k.searchCondition = textOr(q, 2);
        k.sqliteCheck = textOr(q, 3);
        k.rOwner = textOr(q, 4);
        k.rConstraint = textOr(q, 5);
        k.deleteRule = textOr(q, 6);
        k.enabled = q.text(7) == "ENABLED";
        k.deferrable = q.text(8) == "DEFERRABLE";
        k.deferred = q.text(9) == "DEFERRED";
        k.validated = q.text(10) == "VALIDATED";
        k.generatedName = q.text(11) == "GENERATED NAME";
        k.indexName = textOr(q, 12);
        t.constraints.push_back(std::move(k));
    }
    for (ConstraintRecord &k : t.constraints) {
        readConstraintColumns(db, t.owner, k);
        k.notNull = k.type == 'C' && k.columns.size() == 1 &&
                    k.searchCondition == "\"" + k.columns[0] + "\" IS NOT NULL";
        if (k.indexName.empty() && (k.type == 'P' || k.type == 'U'))
            k.indexName = k.name;
    }
}

} // namespace

ColumnRecord *TableModel::column(const std::string &n) {
    for (ColumnRecord &c : columns)
        if (c.name == n)
            return &c;
    return nullptr;
}

ConstraintRecord *TableModel::constraint(const std::string &n) {
    for (ConstraintRecord &k : constraints)
        if (k.name == n)
            return &k;
    return nullptr;
}

bool TableModel::hasIdentity() const {
    for (const ColumnRecord &c : columns)
        if (c.identity)
            return true;
    return false;
}

std::optional<TableModel> readTable(sqlite3 *db, const std::string &owner,
                                    const std::string &name) {
    Prepared q(db, "SELECT TEMPORARY, DURATION, IOT_TYPE, NESTED, PARTITIONED, LOGGING, "
                   "TABLE_TYPE_OWNER, TABLE_TYPE FROM main.OCILITE_TABLES WHERE OWNER = ?1 AND "
                   "TABLE_NAME = ?2");
    q.bind(1, owner).bind(2, name);
    TableModel t;
    t.owner = owner;
    t.name = name;
    if (q.step()) {
        t.temporary = q.text(0) == "Y";
        t.duration = textOr(q, 1);
        t.indexOrganized = !q.isNull(2);
        t.nested = q.text(3) == "YES";
        t.partitioned = q.text(4) == "YES";
        t.logging = textOr(q, 5) != "NO";
        t.typeOwner = textOr(q, 6);
        t.typeName = textOr(q, 7);
    }
    readColumns(db, t);
    if (t.columns.empty())
        return std::nullopt;
    fillDeclaredTypes(db, t);
    readConstraints(db, t);
    return t;
}

void writeTable(sqlite3 *db, const TableModel &t) {
    deleteModelRows(db, t.owner, t.name);
    writeTableRow(db, t);
    writeColumns(db, t);
    for (const ConstraintRecord &k : t.constraints)
        writeConstraint(db, t, k);
}

void deleteTableRows(sqlite3 *db, const std::string &owner, const std::string &name) {
    deleteModelRows(db, owner, name);
    deleteWhere(db, "OCILITE_COMMENTS", "OWNER", "TABLE_NAME", owner, name);
    deleteWhere(db, "OCILITE_TAB_PRIVS", "OWNER", "TABLE_NAME", owner, name);
    deleteWhere(db, "OCILITE_COL_PRIVS", "OWNER", "TABLE_NAME", owner, name);
    deleteWhere(db, "OCILITE_NESTED_TABLES", "OWNER", "PARENT_TABLE_NAME", owner, name);
}

ddl::DataType dataTypeOf(const OraType &t) {
    ddl::DataType d;
    d.engine = t;
    d.declared = t.declaration();
    d.dataType = t.dataTypeName();
    d.dataLength = t.size;
    switch (t.code) {
    case OCIV7_TYPE_NUMBER:
        d.dataLength = 22;
        if (t.precision > 0)
            d.precision = t.precision;
        if (t.scale != -127)
            d.scale = t.scale;
        break;
    case OCIV7_TYPE_VARCHAR2:
    case OCIV7_TYPE_CHAR:
        d.charLength = t.size;
        d.charUsed = 'B';
        break;
    case OCIV7_TYPE_ROWID:
        d.dataLength = 10;
        break;
    default:
        break;
    }
    return d;
}

} // namespace ocilite
