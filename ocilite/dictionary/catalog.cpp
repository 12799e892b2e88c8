#include "ocilite/dictionary/catalog.h"

#include "ocilite/dictionary/unit_compiler.h"

#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <algorithm>
#include <cstdlib>

namespace ocilite {
namespace {

const char *const kDictionary = R"sql(
CREATE TABLE IF NOT EXISTS OCILITE_USERS(
  USERNAME VARCHAR2(128) NOT NULL PRIMARY KEY, PASSWORD_HASH VARCHAR2(256) NOT NULL,
  USER_ID NUMBER NOT NULL, CREATED DATE NOT NULL);
CREATE TABLE IF NOT EXISTS OCILITE_OBJECTS(
  OWNER VARCHAR2(128) NOT NULL, OBJECT_NAME VARCHAR2(128) NOT NULL,
  SUBOBJECT_NAME VARCHAR2(128), OBJECT_ID NUMBER NOT NULL, DATA_OBJECT_ID NUMBER,
  OBJECT_TYPE VARCHAR2(23), CREATED DATE NOT NULL, LAST_DDL_TIME DATE NOT NULL,
  TIMESTAMP VARCHAR2(19), STATUS VARCHAR2(7), TEMPORARY VARCHAR2(1), GENERATED VARCHAR2(1),
  SECONDARY VARCHAR2(1), NAMESPACE NUMBER NOT NULL, EDITION_NAME VARCHAR2(128),
  PRIMARY KEY(OWNER, OBJECT_NAME, OBJECT_TYPE));
CREATE UNIQUE INDEX IF NOT EXISTS OCILITE_OBJECTS_BY_ID ON OCILITE_OBJECTS(OBJECT_ID);
CREATE TABLE IF NOT EXISTS OCILITE_SOURCE(
  OWNER VARCHAR2(128) NOT NULL, NAME VARCHAR2(128) NOT NULL, TYPE VARCHAR2(12),
  LINE NUMBER NOT NULL, TEXT VARCHAR2(4000), ORIGIN_CON_ID NUMBER,
  PRIMARY KEY(OWNER, NAME, TYPE, LINE));
CREATE TABLE IF NOT EXISTS OCILITE_ERRORS(
  OWNER VARCHAR2(128) NOT NULL, NAME VARCHAR2(128) NOT NULL, TYPE VARCHAR2(12),
  SEQUENCE NUMBER NOT NULL, LINE NUMBER NOT NULL, POSITION NUMBER NOT NULL,
  TEXT VARCHAR2(4000) NOT NULL, ATTRIBUTE VARCHAR2(9), MESSAGE_NUMBER NUMBER,
  PRIMARY KEY(OWNER, NAME, TYPE, SEQUENCE));
CREATE INDEX IF NOT EXISTS OCILITE_ERRORS_BY_LINE ON OCILITE_ERRORS(OWNER, NAME, TYPE, LINE);
CREATE TABLE IF NOT EXISTS OCILITE_COLUMNS(
  OWNER VARCHAR2(128) NOT NULL, TABLE_NAME VARCHAR2(128) NOT NULL,
  COLUMN_NAME VARCHAR2(128) NOT NULL, DATA_TYPE VARCHAR2(106), DATA_TYPE_MOD VARCHAR2(3),
  DATA_TYPE_OWNER VARCHAR2(128), DATA_LENGTH NUMBER NOT NULL, DATA_PRECISION NUMBER,
  DATA_SCALE NUMBER, NULLABLE VARCHAR2(1), COLUMN_ID NUMBER,
  PRIMARY KEY(OWNER, TABLE_NAME, COLUMN_NAME));
CREATE TABLE IF NOT EXISTS DUAL(DUMMY VARCHAR2(1));
INSERT INTO DUAL SELECT 'X' WHERE NOT EXISTS (SELECT 1 FROM DUAL);
)sql";

const char *const kViews = R"sql(
CREATE TEMP VIEW IF NOT EXISTS USER_OBJECTS AS SELECT OBJECT_NAME, SUBOBJECT_NAME, OBJECT_ID,
  DATA_OBJECT_ID, OBJECT_TYPE, CREATED, LAST_DDL_TIME, TIMESTAMP, STATUS, TEMPORARY,
  GENERATED, SECONDARY, NAMESPACE, EDITION_NAME
  FROM main.OCILITE_OBJECTS WHERE OWNER = OCILITE_SCHEMA();
CREATE TEMP VIEW IF NOT EXISTS USER_SOURCE AS SELECT NAME, TYPE, LINE, TEXT, ORIGIN_CON_ID
  FROM main.OCILITE_SOURCE WHERE OWNER = OCILITE_SCHEMA();
CREATE TEMP VIEW IF NOT EXISTS USER_ERRORS AS SELECT NAME, TYPE, SEQUENCE, LINE, POSITION,
  TEXT, ATTRIBUTE, MESSAGE_NUMBER
  FROM main.OCILITE_ERRORS WHERE OWNER = OCILITE_SCHEMA();
CREATE TEMP VIEW IF NOT EXISTS USER_TAB_COLUMNS AS SELECT TABLE_NAME, COLUMN_NAME, DATA_TYPE,
  DATA_TYPE_MOD, DATA_TYPE_OWNER, DATA_LENGTH, DATA_PRECISION, DATA_SCALE, NULLABLE, COLUMN_ID
  FROM main.OCILITE_COLUMNS WHERE OWNER = OCILITE_SCHEMA() ORDER BY TABLE_NAME, COLUMN_ID;
)sql";

bool isDictionaryView(const std::string &name) {
    return name == "USER_OBJECTS" || name == "USER_SOURCE" || name == "USER_ERRORS" ||
           name == "USER_TAB_COLUMNS" || name == "DUAL";
}

std::string timestampText(const DateTime &d) {
    std::string s = storedDate(d);
    s[10] = ':';
    return s;
}

// The engine's CHECK constraints are named after the Oracle error they raise.
std::string checks(const ColumnSpec &c) {
    const std::string col = quoteName(c.name);
    auto constraint = [&](int code, const std::string &condition) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "ORA%05d_", code);
        return " CONSTRAINT " + quoteName(buf + c.name) + " CHECK (" + col + " IS NULL OR (" +
               condition + "))";
    };
    const OraType &t = c.type;
    std::string out;
    if (t.code == OCIV7_TYPE_NUMBER) {
        out += constraint(kOraInvalidNumber, "typeof(" + col + ") IN ('integer','real')");
        if (t.precision > 0 && t.scale != -127 && t.precision - t.scale < 300)
            out += constraint(kOraPrecisionExceeded,
                              "abs(" + col + ") < 1e" + std::to_string(t.precision - t.scale));
    } else if (t.code == OCIV7_TYPE_VARCHAR2 || t.code == OCIV7_TYPE_CHAR ||
               t.code == OCIV7_TYPE_RAW) {
        out += constraint(kOraValueTooLarge,
                          "length(CAST(" + col + " AS BLOB)) <= " + std::to_string(t.size));
    } else if (t.code == OCIV7_TYPE_DATE) {
        out += constraint(kOraLiteralMismatch, "OCILITE_ISDATE(" + col + ")");
    }
    return out;
}

int dataLength(const OraType &t) {
    switch (t.code) {
    case OCIV7_TYPE_NUMBER:
        return 22;
    case OCIV7_TYPE_DATE:
        return 7;
    case OCIV7_TYPE_LONG:
    case OCIV7_TYPE_LONG_RAW:
        return 0;
    case OCIV7_TYPE_ROWID:
        return 10;
    default:
        return t.size;
    }
}

} // namespace

void Catalog::createDictionary(sqlite3 *db) {
    exec(db, kDictionary);
    createDependencyTable(db);
}

void Catalog::createViews(sqlite3 *db) {
    exec(db, kViews);
    createDependencyView(db);
}

std::optional<std::string> Catalog::tableFor(const std::string &owner,
                                             const std::string &name) const {
    if (objectExists(owner, name, "TABLE")) {
        Prepared current(m_db, "SELECT OCILITE_SCHEMA()");
        current.step();
        if (current.text(0) != owner)
            return std::nullopt;
        return physicalName(owner, name);
    }
    if (isDictionaryView(name)) {
        Prepared current(m_db, "SELECT OCILITE_SCHEMA()");
        current.step();
        if (current.text(0) == owner || owner == "SYS" || owner == "PUBLIC")
            return name;
    }
    return std::nullopt;
}

std::vector<std::pair<std::string, OraType>>
Catalog::columnsOf(const std::string &sqliteName) const {
    auto found = m_columns.find(sqliteName);
    if (found != m_columns.end())
        return found->second;
    std::vector<std::pair<std::string, OraType>> columns;
    Prepared probe(m_db, "SELECT * FROM " + quoteName(sqliteName) + " LIMIT 0");
    const int n = sqlite3_column_count(probe.get());
    for (int i = 0; i < n; ++i) {
        const char *decl = sqlite3_column_decltype(probe.get(), i);
        const auto type = decl ? parseDeclaredType(decl) : std::nullopt;
        columns.emplace_back(sqlite3_column_name(probe.get(), i),
                             type ? *type : OraType::varchar2(4000));
    }
    m_columns[sqliteName] = columns;
    return columns;
}

bool Catalog::objectExists(const std::string &owner, const std::string &name,
                           const std::string &type) const {
    Prepared q(m_db, "SELECT 1 FROM main.OCILITE_OBJECTS WHERE OWNER = ?1 AND OBJECT_NAME = ?2 "
                     "AND OBJECT_TYPE = ?3");
    q.bind(1, owner).bind(2, name).bind(3, type);
    return q.step();
}

bool Catalog::nameTaken(const std::string &owner, const std::string &name, int nameSpace) const {
    Prepared q(m_db, "SELECT 1 FROM main.OCILITE_OBJECTS WHERE OWNER = ?1 AND OBJECT_NAME = ?2 "
                     "AND NAMESPACE = ?3");
    q.bind(1, owner).bind(2, name).bind(3, nameSpace);
    return q.step();
}

void Catalog::addObject(const std::string &owner, const std::string &name, const std::string &type,
                        int nameSpace) {
    const DateTime now = currentDate();
    Prepared q(m_db, "INSERT INTO main.OCILITE_OBJECTS(OWNER, OBJECT_NAME, OBJECT_ID, "
                     "DATA_OBJECT_ID, OBJECT_TYPE, CREATED, LAST_DDL_TIME, TIMESTAMP, STATUS, "
                     "TEMPORARY, GENERATED, SECONDARY, NAMESPACE) VALUES (?1, ?2, "
                     "(SELECT IFNULL(MAX(OBJECT_ID), 1000) + 1 FROM main.OCILITE_OBJECTS), "
                     "CASE WHEN ?3 = 'TABLE' THEN (SELECT IFNULL(MAX(OBJECT_ID), 1000) + 1 "
                     "FROM main.OCILITE_OBJECTS) END, ?3, ?4, ?4, ?5, 'VALID', 'N', 'N', 'N', ?6)");
    q.bind(1, owner).bind(2, name).bind(3, type).bind(4, storedDate(now));
    q.bind(5, timestampText(now)).bind(6, static_cast<long long>(nameSpace));
    q.run();
}

void Catalog::touchObject(const std::string &owner, const std::string &name,
                          const std::string &type) {
    const DateTime now = currentDate();
    Prepared q(m_db, "UPDATE main.OCILITE_OBJECTS SET LAST_DDL_TIME = ?4, TIMESTAMP = ?5, "
                     "STATUS = 'VALID' WHERE OWNER = ?1 AND OBJECT_NAME = ?2 AND OBJECT_TYPE = ?3");
    q.bind(1, owner)
        .bind(2, name)
        .bind(3, type)
        .bind(4, storedDate(now))
        .bind(5, timestampText(now));
    q.run();
}

void Catalog::createTable(const std::string &owner, const Translation &tr) {
    if (nameTaken(owner, tr.objectName, 1))
        throw OraError(kOraNameInUse);
    std::string ddl = "CREATE TABLE main." + quoteName(physicalName(owner, tr.objectName)) + "(";
    std::vector<std::string> key = tr.tableKey;
    for (size_t i = 0; i < tr.columns.size(); ++i) {
        const ColumnSpec &c = tr.columns[i];
        ddl += (i ? ", " : "") + quoteName(c.name) + " " + c.type.declaration();
        if (!c.nullable || c.primaryKey || std::count(key.begin(), key.end(), c.name))
            ddl += " NOT NULL";
        if (c.unique)
            ddl += " UNIQUE";
        if (!c.defaultSql.empty())
            ddl += " DEFAULT " + c.defaultSql;
        ddl += checks(c);
        if (c.primaryKey)
            key = {c.name};
    }
    if (!key.empty()) {
        ddl += ", PRIMARY KEY(";
        for (size_t i = 0; i < key.size(); ++i)
            ddl += (i ? ", " : "") + quoteName(key[i]);
        ddl += ")";
    }
    exec(m_db, ddl + ")");
    Prepared q(m_db, "INSERT INTO main.OCILITE_COLUMNS(OWNER, TABLE_NAME, COLUMN_NAME, DATA_TYPE, "
                     "DATA_LENGTH, DATA_PRECISION, DATA_SCALE, NULLABLE, COLUMN_ID) "
                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    for (size_t i = 0; i < tr.columns.size(); ++i) {
        const ColumnSpec &c = tr.columns[i];
        const bool notNull = !c.nullable || std::count(key.begin(), key.end(), c.name);
        q.bind(1, owner).bind(2, tr.objectName).bind(3, c.name).bind(4, c.type.dataTypeName());
        q.bind(5, static_cast<long long>(dataLength(c.type)));
        if (c.type.code == OCIV7_TYPE_NUMBER && c.type.precision > 0)
            q.bind(6, static_cast<long long>(c.type.precision));
        else
            q.bindNull(6);
        if (c.type.code == OCIV7_TYPE_NUMBER && c.type.scale != -127)
            q.bind(7, static_cast<long long>(c.type.scale));
        else if (c.type.code == OCIV7_TYPE_NUMBER && c.type.precision == 0)
            q.bindNull(7);
        else
            q.bindNull(7);
        q.bind(8, std::string(notNull ? "N" : "Y")).bind(9, static_cast<long long>(i + 1));
        q.run();
        sqlite3_reset(q.get());
    }
    addObject(owner, tr.objectName, "TABLE", 1);
    invalidate();
}

void Catalog::dropTable(const std::string &owner, const std::string &name) {
    if (!objectExists(owner, name, "TABLE"))
        throw OraError(kOraTableNotFound);
    exec(m_db, "DROP TABLE main." + quoteName(physicalName(owner, name)));
    Prepared cols(m_db, "DELETE FROM main.OCILITE_COLUMNS WHERE OWNER = ?1 AND TABLE_NAME = ?2");
    cols.bind(1, owner).bind(2, name).run();
    Prepared obj(m_db, "DELETE FROM main.OCILITE_OBJECTS WHERE OWNER = ?1 AND OBJECT_NAME = ?2 "
                       "AND OBJECT_TYPE = 'TABLE'");
    obj.bind(1, owner).bind(2, name).run();
    invalidate();
}

void Catalog::storeUnit(const std::string &owner, const Translation &tr) {
    const int nameSpace = tr.objectType == "PACKAGE BODY" ? 2 : 1;
    if (objectExists(owner, tr.objectName, tr.objectType)) {
        if (!tr.orReplace)
            throw OraError(kOraNameInUse);
        touchObject(owner, tr.objectName, tr.objectType);
    } else {
        if (nameTaken(owner, tr.objectName, nameSpace))
            throw OraError(kOraNameInUse);
        addObject(owner, tr.objectName, tr.objectType, nameSpace);
    }
    Prepared clear(m_db, "DELETE FROM main.OCILITE_SOURCE WHERE OWNER = ?1 AND NAME = ?2 AND "
                         "TYPE = ?3");
    clear.bind(1, owner).bind(2, tr.objectName).bind(3, tr.objectType).run();
    Prepared errors(m_db, "DELETE FROM main.OCILITE_ERRORS WHERE OWNER = ?1 AND NAME = ?2 AND "
                          "TYPE = ?3");
    errors.bind(1, owner).bind(2, tr.objectName).bind(3, tr.objectType).run();
    Prepared line(m_db, "INSERT INTO main.OCILITE_SOURCE(OWNER, NAME, TYPE, LINE, TEXT, "
                        "ORIGIN_CON_ID) VALUES (?1, ?2, ?3, ?4, ?5, 0)");
    for (size_t i = 0; i < tr.sourceLines.size(); ++i) {
        line.bind(1, owner).bind(2, tr.objectName).bind(3, tr.objectType);
        line.bind(4, static_cast<long long>(i + 1)).bind(5, tr.sourceLines[i]);
        line.run();
        sqlite3_reset(line.get());
    }
}

void Catalog::dropUnit(const std::string &owner, const std::string &type, const std::string &name) {
    if (!objectExists(owner, name, type))
        throw OraError(kOraObjectNotFound, owner + "." + name);
    std::vector<std::string> types{type};
    if (type == "PACKAGE")
        types.push_back("PACKAGE BODY");
    for (const std::string &t : types) {
        for (const char *table : {"OCILITE_SOURCE", "OCILITE_ERRORS"}) {
            Prepared q(m_db, std::string("DELETE FROM main.") + table +
                                 " WHERE OWNER = ?1 AND NAME = ?2 AND TYPE = ?3");
            q.bind(1, owner).bind(2, name).bind(3, t).run();
        }
        Prepared q(m_db, "DELETE FROM main.OCILITE_OBJECTS WHERE OWNER = ?1 AND OBJECT_NAME = ?2 "
                         "AND OBJECT_TYPE = ?3");
        q.bind(1, owner).bind(2, name).bind(3, t).run();
    }
}

void Catalog::setErrors(const std::string &owner, const std::string &type, const std::string &name,
                        const std::vector<CompileError> &errors) {
    if (!objectExists(owner, name, type))
        throw OraError(kOraObjectNotFound, owner + "." + name);
    Prepared clear(m_db, "DELETE FROM main.OCILITE_ERRORS WHERE OWNER = ?1 AND NAME = ?2 AND "
                         "TYPE = ?3");
    clear.bind(1, owner).bind(2, name).bind(3, type).run();
    Prepared add(m_db, "INSERT INTO main.OCILITE_ERRORS(OWNER, NAME, TYPE, SEQUENCE, LINE, "
                       "POSITION, TEXT, ATTRIBUTE, MESSAGE_NUMBER) "
                       "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, 'ERROR', ?8)");
    for (size_t i = 0; i < errors.size(); ++i) {
        const CompileError &e = errors[i];
        // "PLS-00201: ...", "PL/SQL: ORA-00942: ..." -> 201, 942; other texts -> 0.
        long long number = 0;
        for (const char *prefix : {"PLS-", "ORA-"}) {
            const auto at = e.text.find(prefix);
            if (at == 0 ||
                (at != std::string::npos && e.text.rfind("PL/SQL: ", 0) == 0 && at == 8)) {
                number = std::atoll(e.text.c_str() + at + 4);
                break;
            }
        }
        add.bind(1, owner).bind(2, name).bind(3, type).bind(4, static_cast<long long>(i + 1));
        add.bind(5, static_cast<long long>(e.line)).bind(6, static_cast<long long>(e.position));
        add.bind(7, e.text).bind(8, number);
        add.run();
        sqlite3_reset(add.get());
    }
    Prepared status(m_db, "UPDATE main.OCILITE_OBJECTS SET STATUS = ?4 WHERE OWNER = ?1 AND "
                          "OBJECT_NAME = ?2 AND OBJECT_TYPE = ?3");
    status.bind(1, owner).bind(2, name).bind(3, type);
    status.bind(4, std::string(errors.empty() ? "VALID" : "INVALID")).run();
}

} // namespace ocilite
