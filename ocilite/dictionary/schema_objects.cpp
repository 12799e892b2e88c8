#include "ocilite/dictionary/schema_objects.h"

#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <cstdio>

namespace ocilite {
namespace {

std::string timestampText(const DateTime &d) {
    std::string s = storedDate(d);
    s[10] = ':';
    return s;
}

} // namespace

int namespaceOf(const std::string &type) {
    if (type == "PACKAGE BODY" || type == "TYPE BODY")
        return kNamespaceBodies;
    if (type == "TRIGGER")
        return kNamespaceTriggers;
    if (type == "INDEX")
        return kNamespaceIndexes;
    if (type == "CONTEXT")
        return kNamespaceContexts;
    return kNamespaceObjects;
}

bool isEditionableType(const std::string &type, const std::string &owner) {
    if (type == "SYNONYM")
        return owner != "PUBLIC";
    return type == "VIEW" || type == "PROCEDURE" || type == "FUNCTION" || type == "PACKAGE" ||
           type == "PACKAGE BODY" || type == "TRIGGER" || type == "TYPE" || type == "TYPE BODY" ||
           type == "LIBRARY";
}

bool objectExists(sqlite3 *db, const std::string &owner, const std::string &name,
                  const std::string &type) {
    Prepared q(db, "SELECT 1 FROM main.OCILITE_OBJECTS WHERE OWNER = ?1 AND OBJECT_NAME = ?2 "
                   "AND OBJECT_TYPE = ?3");
    q.bind(1, owner).bind(2, name).bind(3, type);
    return q.step();
}

std::optional<std::string> objectTypeIn(sqlite3 *db, const std::string &owner,
                                        const std::string &name, int nameSpace) {
    Prepared q(db, "SELECT OBJECT_TYPE FROM main.OCILITE_OBJECTS WHERE OWNER = ?1 AND "
                   "OBJECT_NAME = ?2 AND NAMESPACE = ?3");
    q.bind(1, owner).bind(2, name).bind(3, static_cast<long long>(nameSpace));
    if (!q.step())
        return std::nullopt;
    return q.text(0);
}

void addObject(sqlite3 *db, const NewObject &o) {
    if (objectTypeIn(db, o.owner, o.name, o.nameSpace))
        throw OraError(kOraNameInUse);
    const DateTime now = currentDate();
    Prepared q(db, "INSERT INTO main.OCILITE_OBJECTS(OWNER, OBJECT_NAME, OBJECT_ID, "
                   "DATA_OBJECT_ID, OBJECT_TYPE, CREATED, LAST_DDL_TIME, TIMESTAMP, STATUS, "
                   "TEMPORARY, GENERATED, SECONDARY, NAMESPACE, EDITIONABLE) SELECT ?1, ?2, "
                   "id, CASE WHEN ?8 THEN id END, ?3, ?4, ?4, ?5, 'VALID', ?6, ?7, 'N', ?9, ?10 "
                   "FROM (SELECT IFNULL(MAX(OBJECT_ID), 1000) + 1 AS id FROM "
                   "main.OCILITE_OBJECTS)");
    q.bind(1, o.owner).bind(2, o.name).bind(3, o.type).bind(4, storedDate(now));
    q.bind(5, timestampText(now)).bind(6, std::string(o.temporary ? "Y" : "N"));
    q.bind(7, std::string(o.generated ? "Y" : "N"));
    q.bind(8, static_cast<long long>(o.hasSegment ? 1 : 0));
    q.bind(9, static_cast<long long>(o.nameSpace));
    if (o.editionable)
        q.bind(10, std::string(*o.editionable ? "Y" : "N"));
    else
        q.bindNull(10);
    q.run();
}

void touchObject(sqlite3 *db, const std::string &owner, const std::string &name,
                 const std::string &type, const char *status) {
    const DateTime now = currentDate();
    Prepared q(db, "UPDATE main.OCILITE_OBJECTS SET LAST_DDL_TIME = ?4, TIMESTAMP = ?5, "
                   "STATUS = IFNULL(?6, STATUS) WHERE OWNER = ?1 AND OBJECT_NAME = ?2 AND "
                   "OBJECT_TYPE = ?3");
    q.bind(1, owner).bind(2, name).bind(3, type).bind(4, storedDate(now));
    q.bind(5, timestampText(now));
    if (status)
        q.bind(6, std::string(status));
    else
        q.bindNull(6);
    q.run();
}

void setObjectStatus(sqlite3 *db, const std::string &owner, const std::string &name,
                     const std::string &type, const char *status) {
    Prepared q(db, "UPDATE main.OCILITE_OBJECTS SET STATUS = ?4 WHERE OWNER = ?1 AND "
                   "OBJECT_NAME = ?2 AND OBJECT_TYPE = ?3");
    q.bind(1, owner).bind(2, name).bind(3, type).bind(4, std::string(status)).run();
}

void removeObject(sqlite3 *db, const std::string &owner, const std::string &name,
                  const std::string &type) {
    Prepared q(db, "DELETE FROM main.OCILITE_OBJECTS WHERE OWNER = ?1 AND OBJECT_NAME = ?2 AND "
                   "OBJECT_TYPE = ?3");
    q.bind(1, owner).bind(2, name).bind(3, type).run();
}

void renameObject(sqlite3 *db, const std::string &owner, const std::string &from,
                  const std::string &to, const std::string &type) {
    if (objectTypeIn(db, owner, to, namespaceOf(type)))
        throw OraError(kOraNameInUse);
    Prepared q(db, "UPDATE main.OCILITE_OBJECTS SET OBJECT_NAME = ?3 WHERE OWNER = ?1 AND "
                   "OBJECT_NAME = ?2 AND OBJECT_TYPE = ?4");
    q.bind(1, owner).bind(2, from).bind(3, to).bind(4, type).run();
    touchObject(db, owner, to, type);
}

std::string systemName(sqlite3 *db) {
    Prepared q(db, "SELECT MAX(n) FROM (SELECT CAST(SUBSTR(CONSTRAINT_NAME, 6) AS INTEGER) AS n "
                   "FROM main.OCILITE_CONSTRAINTS WHERE CONSTRAINT_NAME GLOB 'SYS_C[0-9]*' "
                   "UNION ALL SELECT CAST(SUBSTR(INDEX_NAME, 6) AS INTEGER) FROM "
                   "main.OCILITE_INDEXES WHERE INDEX_NAME GLOB 'SYS_C[0-9]*')");
    q.step();
    const long long next = q.isNull(0) ? 8000 : q.integer(0) + 1;
    char name[32];
    std::snprintf(name, sizeof name, "SYS_C%07lld", next);
    return name;
}

} // namespace ocilite
