// Triggers in the dictionary: USER_TRIGGERS (type, events, table, WHEN, status, body) and
// USER_TRIGGER_COLS (UPDATE OF columns). The embedded database keeps triggers; it does not
// fire them.
#include "ocilite/dictionary/catalog.h"
#include "ocilite/dictionary/schema_objects.h"
#include "ocilite/dictionary/unit_extras.h"

#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

namespace ocilite {
namespace {

std::string triggerType(const ddl::TriggerHeader &h) {
    if (h.timing == "FOR")
        return "COMPOUND";
    if (h.timing == "INSTEAD OF")
        return "INSTEAD OF";
    if (h.baseObjectType == "SCHEMA" || h.baseObjectType == "DATABASE")
        return h.timing + " EVENT";
    return h.timing + (h.forEachRow ? " EACH ROW" : " STATEMENT");
}

std::string joined(const std::vector<std::string> &lines) {
    std::string text;
    for (const std::string &line : lines)
        text += line;
    return text;
}

} // namespace

void checkTriggerTarget(const Catalog &catalog, const std::string &owner,
                        const ddl::TriggerHeader &h) {
    if (h.baseObjectType == "DATABASE" || h.baseObjectType == "SCHEMA")
        return;
    const std::string &tableOwner = h.table.owner;
    if (tableOwner != owner)
        throw OraError(kOraInsufficientPrivileges);
    const auto type = objectTypeIn(catalog.db(), tableOwner, h.table.name, kNamespaceObjects);
    if (!type || (*type != "TABLE" && *type != "VIEW"))
        throw OraError(kOraTableNotFound);
}

void storeTrigger(sqlite3 *db, const std::string &owner, const ddl::TriggerHeader &h,
                  const std::vector<std::string> &sourceLines) {
    dropTriggerRows(db, owner, h.name.name);
    const std::string text = joined(sourceLines);
    Prepared q(db, "INSERT INTO main.OCILITE_TRIGGERS VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, NULL, "
                   "?8, ?9, ?10, ?11, ?12, ?13)");
    q.bind(1, owner).bind(2, h.name.name).bind(3, triggerType(h)).bind(4, h.events);
    q.bind(5, h.table.owner);
    q.bind(6, h.baseObjectType == "VIEW" ? std::string("VIEW") : h.baseObjectType);
    if (h.table.name.empty())
        q.bindNull(7);
    else
        q.bind(7, h.table.name);
    q.bind(8, h.referencing);
    if (h.whenClause.empty())
        q.bindNull(9);
    else
        q.bind(9, h.whenClause);
    q.bind(10, std::string(h.enabled ? "ENABLED" : "DISABLED")).bind(11, h.description);
    q.bind(12, h.actionType == "CALL" ? std::string("CALL") : std::string("PL/SQL     "));
    q.bind(13, h.bodyOffset < text.size() ? text.substr(h.bodyOffset) : std::string());
    q.run();
    Prepared col(db, "INSERT INTO main.OCILITE_TRIGGER_COLS VALUES (?1, ?2, ?3, ?4, ?5, 'YES', "
                     "'NEW IN OLD IN')");
    for (const std::string &c : h.updateColumns) {
        col.bind(1, owner).bind(2, h.name.name).bind(3, h.table.owner).bind(4, h.table.name);
        col.bind(5, c).run();
        sqlite3_reset(col.get());
    }
}

void dropTriggerRows(sqlite3 *db, const std::string &owner, const std::string &name) {
    Prepared q(db, "DELETE FROM main.OCILITE_TRIGGERS WHERE OWNER = ?1 AND TRIGGER_NAME = ?2");
    q.bind(1, owner).bind(2, name).run();
    Prepared c(db, "DELETE FROM main.OCILITE_TRIGGER_COLS WHERE TRIGGER_OWNER = ?1 AND "
                   "TRIGGER_NAME = ?2");
    c.bind(1, owner).bind(2, name).run();
}

void dropTriggersOf(sqlite3 *db, const std::string &owner, const std::string &table) {
    std::vector<std::pair<std::string, std::string>> triggers;
    {
        Prepared q(db, "SELECT OWNER, TRIGGER_NAME FROM main.OCILITE_TRIGGERS WHERE "
                       "TABLE_OWNER = ?1 AND TABLE_NAME = ?2");
        q.bind(1, owner).bind(2, table);
        while (q.step())
            triggers.emplace_back(q.text(0), q.text(1));
    }
    for (const auto &[o, name] : triggers) {
        dropTriggerRows(db, o, name);
        for (const char *t : {"OCILITE_SOURCE", "OCILITE_ERRORS"}) {
            Prepared q(db, std::string("DELETE FROM main.") + t +
                               " WHERE OWNER = ?1 AND NAME = ?2 AND TYPE = 'TRIGGER'");
            q.bind(1, o).bind(2, name).run();
        }
        removeObject(db, o, name, "TRIGGER");
    }
}

void setTriggerStatus(sqlite3 *db, const std::string &owner, const ddl::TriggerState &s) {
    const std::string status = s.enable ? "ENABLED" : "DISABLED";
    if (s.allOfTable) {
        if (!objectExists(db, s.name.owner, s.name.name, "TABLE"))
            throw OraError(kOraTableNotFound);
        Prepared q(db, "UPDATE main.OCILITE_TRIGGERS SET STATUS = ?3 WHERE TABLE_OWNER = ?1 AND "
                       "TABLE_NAME = ?2");
        q.bind(1, s.name.owner).bind(2, s.name.name).bind(3, status).run();
        return;
    }
    if (s.name.owner != owner)
        throw OraError(kOraInsufficientPrivileges);
    if (!objectExists(db, s.name.owner, s.name.name, "TRIGGER"))
        throw OraError(kOraTriggerNotFound, s.name.owner + "." + s.name.name);
    Prepared q(db, "UPDATE main.OCILITE_TRIGGERS SET STATUS = ?3 WHERE OWNER = ?1 AND "
                   "TRIGGER_NAME = ?2");
    q.bind(1, s.name.owner).bind(2, s.name.name).bind(3, status).run();
    touchObject(db, s.name.owner, s.name.name, "TRIGGER");
}

} // namespace ocilite
