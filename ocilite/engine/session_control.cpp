// The session's own statements: ALTER SESSION (NLS_DATE_FORMAT and CURRENT_SCHEMA take
// effect; the many other parameters Oracle has are accepted) and CREATE / ALTER / DROP USER,
// which the database carries out itself since it keeps the users' password hashes.
#include "ocilite/engine/database.h"

#include "ocilite/dialect/text_form.h"
#include "ocilite/dialect/translation.h"
#include "ocilite/dictionary/catalog.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"
#include "ocilite/plsql/warnings.h"

namespace ocilite {
namespace {

// The tables whose rows belong to a schema, by the column that names the owner.
struct OwnedRows {
    const char *table;
    const char *ownerColumn;
};
constexpr OwnedRows kOwnedRows[] = {
    {"OCILITE_OBJECTS", "OWNER"},
    {"OCILITE_SOURCE", "OWNER"},
    {"OCILITE_ERRORS", "OWNER"},
    {"OCILITE_COLUMNS", "OWNER"},
    {"OCILITE_TABLES", "OWNER"},
    {"OCILITE_NESTED_TABLES", "OWNER"},
    {"OCILITE_CONSTRAINTS", "OWNER"},
    {"OCILITE_CONS_COLUMNS", "OWNER"},
    {"OCILITE_INDEXES", "OWNER"},
    {"OCILITE_IND_COLUMNS", "INDEX_OWNER"},
    {"OCILITE_SEQUENCES", "SEQUENCE_OWNER"},
    {"OCILITE_SYNONYMS", "OWNER"},
    {"OCILITE_VIEWS", "OWNER"},
    {"OCILITE_TRIGGERS", "OWNER"},
    {"OCILITE_TRIGGER_COLS", "TRIGGER_OWNER"},
    {"OCILITE_TYPES", "OWNER"},
    {"OCILITE_TYPE_ATTRS", "OWNER"},
    {"OCILITE_COLL_TYPES", "OWNER"},
    {"OCILITE_TAB_PRIVS", "OWNER"},
    {"OCILITE_COL_PRIVS", "OWNER"},
    {"OCILITE_COMMENTS", "OWNER"},
    {"OCILITE_DEPENDENCIES", "OWNER"},
    {"OCILITE_PROCEDURES", "OWNER"},
    {"OCILITE_ARGUMENTS", "OWNER"},
    {"OCILITE_SYS_PRIVS", "GRANTEE"},
    {"OCILITE_ROLE_PRIVS", "GRANTEE"},
};

} // namespace

void Database::setSchema(const std::string &user) {
    if (user != m_schema)
        m_currentSchema = user;
    m_schema = user;
    if (m_currentSchema.empty())
        m_currentSchema = user;
}

void Database::alterSession(const std::vector<ddl::SessionSetting> &settings) {
    for (const ddl::SessionSetting &s : settings) {
        if (s.name == "CURRENT_SCHEMA") {
            const std::string schema = foldName(s.value);
            if (!userExists(schema))
                throw OraError(kOraUserDoesNotExist);
            m_currentSchema = schema;
        } else if (s.name == "NLS_DATE_FORMAT") {
            formatDate(currentDate(), s.value); // ORA-01821 for a format Oracle does not know
            m_dateFormat = s.value;
        } else if (s.name == "PLSQL_WARNINGS") {
            if (!plsql::WarningSettings::parse(s.value))
                throw OraError(kOraInvalidSessionOption);
            m_plsqlWarnings = s.value;
        }
    }
}

void Database::userStatement(const ddl::UserStatement &u) {
    const std::string name = foldName(u.name);
    switch (u.kind) {
    case ddl::UserStatement::Kind::Create: {
        std::string error;
        if (!addUser(name, *u.password, error))
            throw OraError(std::atoi(error.c_str() + 4), error, OraError::FullText{});
        return;
    }
    case ddl::UserStatement::Kind::Alter:
        if (!userExists(name))
            throw OraError(kOraUserNotFound, name);
        if (u.password)
            setPassword(name, *u.password);
        return;
    case ddl::UserStatement::Kind::Drop:
        if (!userExists(name))
            throw OraError(kOraUserNotFound, name);
        if (name == m_schema)
            throw OraError(kOraUserConnected);
        dropUserObjects(name, u.cascade);
        return;
    }
}

// DROP USER: ORA-01922 when the schema has objects and CASCADE was not given.
void Database::dropUserObjects(const std::string &user, bool cascade) {
    std::vector<std::string> tables;
    {
        Prepared objects(m_db, "SELECT OBJECT_NAME FROM main.OCILITE_OBJECTS WHERE OWNER = ?1 "
                               "AND OBJECT_TYPE = 'TABLE'");
        objects.bind(1, user);
        while (objects.step())
            tables.push_back(objects.text(0));
        Prepared any(m_db, "SELECT 1 FROM main.OCILITE_OBJECTS WHERE OWNER = ?1");
        any.bind(1, user);
        if (any.step() && !cascade)
            throw OraError(kOraCascadeToDropUser, user);
    }
    m_catalog->invalidate();
    for (const std::string &t : tables)
        exec(m_db, "DROP TABLE IF EXISTS main." + quoteName(Catalog::physicalName(user, t)));
    for (const OwnedRows &r : kOwnedRows) {
        Prepared q(m_db, std::string("DELETE FROM main.") + r.table + " WHERE " + r.ownerColumn +
                             " = ?1");
        q.bind(1, user).run();
    }
    Prepared q(m_db, "DELETE FROM main.OCILITE_USERS WHERE USERNAME = ?1");
    q.bind(1, user).run();
}

} // namespace ocilite
