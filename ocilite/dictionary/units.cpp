// Stored PL/SQL units: their source lines (USER_SOURCE), their compile errors (USER_ERRORS),
// and what a type's specification or a trigger's header adds to the dictionary (USER_TYPES,
// USER_TYPE_ATTRS, USER_COLL_TYPES, USER_TRIGGERS). A type that other types or tables use
// is not replaced or dropped without FORCE (ORA-02303).
#include "ocilite/dictionary/catalog.h"

#include "ocilite/dictionary/schema_objects.h"
#include "ocilite/dictionary/unit_compiler.h"
#include "ocilite/dictionary/unit_extras.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <cstdlib>

namespace ocilite {
namespace {

void deleteRows(sqlite3 *db, const char *table, const std::string &owner, const std::string &name,
                const std::string &type) {
    Prepared q(db, std::string("DELETE FROM main.") + table +
                       " WHERE OWNER = ?1 AND NAME = ?2 AND TYPE = ?3");
    q.bind(1, owner).bind(2, name).bind(3, type).run();
}

void storeSource(sqlite3 *db, const std::string &owner, const Translation &tr) {
    deleteRows(db, "OCILITE_SOURCE", owner, tr.objectName, tr.objectType);
    deleteRows(db, "OCILITE_ERRORS", owner, tr.objectName, tr.objectType);
    Prepared line(db, "INSERT INTO main.OCILITE_SOURCE(OWNER, NAME, TYPE, LINE, TEXT, "
                      "ORIGIN_CON_ID) VALUES (?1, ?2, ?3, ?4, ?5, 0)");
    for (size_t i = 0; i < tr.sourceLines.size(); ++i) {
        line.bind(1, owner).bind(2, tr.objectName).bind(3, tr.objectType);
        line.bind(4, static_cast<long long>(i + 1)).bind(5, tr.sourceLines[i]);
        line.run();
        sqlite3_reset(line.get());
    }
}

// "PLS-00201: ...", "PL/SQL: ORA-00942: ..." -> 201, 942; other texts -> 0.
long long messageNumber(const std::string &text) {
    for (const char *prefix : {"PLS-", "ORA-", "PLW-"}) {
        const auto at = text.find(prefix);
        if (at == 0 || (at != std::string::npos && text.rfind("PL/SQL: ", 0) == 0 && at == 8))
            return std::atoll(text.c_str() + at + 4);
    }
    return 0;
}

} // namespace

void Catalog::storeUnit(const DdlContext &c, const std::string &owner, const Translation &tr) {
    if (owner != c.user)
        throw OraError(kOraInsufficientPrivileges);
    const bool exists = objectExists(m_db, owner, tr.objectName, tr.objectType);
    if (exists && !tr.orReplace)
        throw OraError(kOraNameInUse);
    if (tr.typeSpec)
        checkTypeReplaceable(m_db, owner, *tr.typeSpec, exists);
    if (tr.trigger)
        checkTriggerTarget(*this, owner, *tr.trigger);
    if (exists) {
        touchObject(m_db, owner, tr.objectName, tr.objectType, "VALID");
    } else {
        NewObject o{owner, tr.objectName, tr.objectType, namespaceOf(tr.objectType)};
        o.editionable = tr.editionable;
        addObject(m_db, o);
    }
    storeSource(m_db, owner, tr);
    if (tr.typeSpec)
        storeTypeSpec(m_db, owner, *tr.typeSpec);
    if (tr.trigger)
        storeTrigger(m_db, owner, *tr.trigger, tr.sourceLines);
    invalidate();
}

void Catalog::dropUnit(const DdlContext &c, const std::string &owner, const std::string &type,
                       const std::string &name, bool force) {
    if (owner != c.user)
        throw OraError(kOraInsufficientPrivileges);
    if (!objectExists(m_db, owner, name, type)) {
        if (type == "TRIGGER")
            throw OraError(kOraTriggerNotFound, owner + "." + name);
        throw OraError(kOraObjectNotFound, owner + "." + name);
    }
    if (type == "TYPE" && !force)
        checkTypeDroppable(m_db, owner, name);
    std::vector<std::string> types{type};
    if (type == "PACKAGE" || type == "TYPE")
        types.push_back(type + " BODY");
    for (const std::string &t : types) {
        deleteRows(m_db, "OCILITE_SOURCE", owner, name, t);
        deleteRows(m_db, "OCILITE_ERRORS", owner, name, t);
        dropDependencies(m_db, owner, name, t);
        removeObject(m_db, owner, name, t);
    }
    if (type == "TYPE")
        dropTypeRows(m_db, owner, name);
    if (type == "TRIGGER")
        dropTriggerRows(m_db, owner, name);
    invalidate();
}

void Catalog::setErrors(const std::string &owner, const std::string &type, const std::string &name,
                        const std::vector<CompileError> &errors) {
    if (!objectExists(m_db, owner, name, type))
        throw OraError(kOraObjectNotFound, owner + "." + name);
    deleteRows(m_db, "OCILITE_ERRORS", owner, name, type);
    Prepared add(m_db, "INSERT INTO main.OCILITE_ERRORS(OWNER, NAME, TYPE, SEQUENCE, LINE, "
                       "POSITION, TEXT, ATTRIBUTE, MESSAGE_NUMBER) "
                       "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?9, ?8)");
    bool invalid = false;
    for (size_t i = 0; i < errors.size(); ++i) {
        const CompileError &e = errors[i];
        add.bind(1, owner).bind(2, name).bind(3, type).bind(4, static_cast<long long>(i + 1));
        add.bind(5, static_cast<long long>(e.line)).bind(6, static_cast<long long>(e.position));
        add.bind(7, e.text).bind(8, messageNumber(e.text));
        add.bind(9, e.warning ? "WARNING" : "ERROR");
        add.run();
        sqlite3_reset(add.get());
        invalid = invalid || !e.warning;
    }
    setObjectStatus(m_db, owner, name, type, invalid ? "INVALID" : "VALID");
}

} // namespace ocilite
