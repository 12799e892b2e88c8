// GRANT and REVOKE: object privileges (USER_TAB_PRIVS, column privileges in
// USER_COL_PRIVS), system privileges (USER_SYS_PRIVS) and roles (USER_ROLE_PRIVS). A grant
// on an object lets its grantee (or everyone, for PUBLIC) name it; an object of a schema
// this database does not have (SYS's supplied packages) is recorded as granted, since the
// embedded database cannot know it.
#include "ocilite/dictionary/ddl_families.h"

#include "ocilite/dictionary/schema_objects.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <set>

namespace ocilite {
namespace {

const std::set<std::string> &predefinedRoles() {
    static const std::set<std::string> kRoles = {"CONNECT",
                                                 "RESOURCE",
                                                 "DBA",
                                                 "SELECT_CATALOG_ROLE",
                                                 "EXECUTE_CATALOG_ROLE",
                                                 "DELETE_CATALOG_ROLE",
                                                 "EXP_FULL_DATABASE",
                                                 "IMP_FULL_DATABASE",
                                                 "DATAPUMP_EXP_FULL_DATABASE",
                                                 "DATAPUMP_IMP_FULL_DATABASE",
                                                 "AQ_ADMINISTRATOR_ROLE",
                                                 "AQ_USER_ROLE",
                                                 "SCHEDULER_ADMIN",
                                                 "PLUSTRACE",
                                                 "JAVAUSERPRIV",
                                                 "JAVADEBUGPRIV",
                                                 "SODA_APP",
                                                 "DB_DEVELOPER_ROLE",
                                                 "XDBADMIN",
                                                 "CTXAPP",
                                                 "GATHER_SYSTEM_STATISTICS",
                                                 "HS_ADMIN_ROLE",
                                                 "OEM_MONITOR",
                                                 "RECOVERY_CATALOG_OWNER"};
    return kRoles;
}

const std::set<std::string> &objectPrivileges() {
    static const std::set<std::string> kPrivileges = {"SELECT",
                                                      "INSERT",
                                                      "UPDATE",
                                                      "DELETE",
                                                      "ALTER",
                                                      "INDEX",
                                                      "REFERENCES",
                                                      "EXECUTE",
                                                      "DEBUG",
                                                      "READ",
                                                      "WRITE",
                                                      "UNDER",
                                                      "FLASHBACK",
                                                      "ON COMMIT REFRESH",
                                                      "QUERY REWRITE",
                                                      "MERGE VIEW",
                                                      "INHERIT PRIVILEGES",
                                                      "INHERIT REMOTE PRIVILEGES",
                                                      "KEEP SEQUENCE",
                                                      "TRANSLATE SQL",
                                                      "USE",
                                                      "ALL"};
    return kPrivileges;
}

// What ALL grants on each kind of object, as Oracle records it.
std::vector<std::string> allPrivileges(const std::string &type) {
    if (type == "TABLE")
        return {"ALTER",         "DELETE", "INDEX",
                "INSERT",        "SELECT", "UPDATE",
                "REFERENCES",    "READ",   "ON COMMIT REFRESH",
                "QUERY REWRITE", "DEBUG",  "FLASHBACK"};
    if (type == "VIEW")
        return {"DELETE",        "INSERT", "SELECT",     "UPDATE",
                "REFERENCES",    "READ",   "MERGE VIEW", "ON COMMIT REFRESH",
                "QUERY REWRITE", "DEBUG",  "FLASHBACK",  "UNDER"};
    if (type == "SEQUENCE")
        return {"ALTER", "SELECT"};
    if (type == "TYPE")
        return {"EXECUTE", "DEBUG", "UNDER"};
    return {"EXECUTE", "DEBUG"};
}

struct Target {
    std::string owner;
    std::string name;
    std::string type;
};

// The object of ON: the schema's own, a synonym's target, or another schema's.
Target target(const Catalog &catalog, const DdlContext &ctx, const ddl::QualifiedName &q) {
    sqlite3 *db = catalog.db();
    Target t{q.owner, q.name, ""};
    for (int depth = 0; depth < 32; ++depth) {
        auto type = objectTypeIn(db, t.owner, t.name, kNamespaceObjects);
        if (!type && !q.qualified && depth == 0 &&
            (type = objectTypeIn(db, "PUBLIC", t.name, kNamespaceObjects)))
            t.owner = "PUBLIC";
        if (!type) {
            Prepared user(db, "SELECT 1 FROM main.OCILITE_USERS WHERE USERNAME = ?1");
            user.bind(1, t.owner);
            if (q.qualified && !user.step() && t.owner != ctx.user)
                return t; // a schema the embedded database does not have
            throw OraError(kOraTableNotFound);
        }
        if (*type != "SYNONYM") {
            t.type = *type;
            return t;
        }
        Prepared s(db, "SELECT TABLE_OWNER, TABLE_NAME FROM main.OCILITE_SYNONYMS WHERE "
                       "OWNER = ?1 AND SYNONYM_NAME = ?2");
        s.bind(1, t.owner).bind(2, t.name);
        if (!s.step())
            throw OraError(kOraTableNotFound);
        t.owner = s.text(0);
        t.name = s.text(1);
    }
    throw OraError(kOraSynonymLoop);
}

void checkGrantee(sqlite3 *db, const std::string &grantee, const DdlContext &ctx) {
    if (grantee == "PUBLIC" || predefinedRoles().count(grantee))
        return;
    if (grantee == ctx.user)
        throw OraError(kOraGrantToYourself);
    Prepared q(db, "SELECT 1 FROM main.OCILITE_USERS WHERE USERNAME = ?1");
    q.bind(1, grantee);
    if (!q.step())
        throw OraError(kOraUserOrRoleNotFound, grantee);
}

bool mayGrant(sqlite3 *db, const DdlContext &ctx, const Target &t, const std::string &priv) {
    if (t.owner == ctx.user || t.type.empty())
        return true;
    Prepared q(db, "SELECT 1 FROM main.OCILITE_TAB_PRIVS WHERE GRANTEE = ?1 AND OWNER = ?2 AND "
                   "TABLE_NAME = ?3 AND PRIVILEGE = ?4 AND GRANTABLE = 'YES'");
    q.bind(1, ctx.user).bind(2, t.owner).bind(3, t.name).bind(4, priv);
    return q.step();
}

void revokeOne(sqlite3 *db, const Target &t, const std::string &grantee, const std::string &priv,
               bool fromAll) {
    Prepared q(db, "DELETE FROM main.OCILITE_TAB_PRIVS WHERE GRANTEE = ?1 AND OWNER = ?2 AND "
                   "TABLE_NAME = ?3 AND PRIVILEGE = ?4");
    q.bind(1, grantee).bind(2, t.owner).bind(3, t.name).bind(4, priv).run();
    if (sqlite3_changes(db) == 0 && !fromAll)
        throw OraError(kOraRevokeNotGranted);
}

void grantOne(sqlite3 *db, const DdlContext &ctx, const Target &t, const std::string &grantee,
              const std::string &priv, const ddl::Grant &g, const std::vector<std::string> &cols) {
    const std::string grantable = g.withGrantOption ? "YES" : "NO";
    Prepared q(db, "INSERT OR REPLACE INTO main.OCILITE_TAB_PRIVS VALUES (?1, ?2, ?3, ?4, ?5, "
                   "?6, 'NO', ?7)");
    q.bind(1, ctx.user).bind(2, grantee).bind(3, t.owner).bind(4, t.name).bind(5, priv);
    q.bind(6, grantable).bind(7, t.type.empty() ? std::string("PACKAGE") : t.type).run();
    for (const std::string &column : cols) {
        Prepared c(db, "INSERT INTO main.OCILITE_COL_PRIVS VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
        c.bind(1, ctx.user).bind(2, grantee).bind(3, t.owner).bind(4, t.name).bind(5, column);
        c.bind(6, priv).bind(7, grantable).run();
    }
}

void objectGrant(Catalog &catalog, const DdlContext &ctx, const ddl::Grant &g) {
    sqlite3 *db = catalog.db();
    const Target t = target(catalog, ctx, *g.object);
    for (size_t i = 0; i < g.privileges.size(); ++i) {
        const std::string &p = g.privileges[i];
        if (!objectPrivileges().count(p))
            throw OraError(kOraMissingOrInvalidPrivilege);
        const std::vector<std::string> privileges =
            p == "ALL" ? allPrivileges(t.type.empty() ? "PACKAGE" : t.type)
                       : std::vector<std::string>{p};
        for (const std::string &grantee : g.grantees) {
            checkGrantee(db, grantee, ctx);
            for (const std::string &priv : privileges) {
                if (!mayGrant(db, ctx, t, priv))
                    throw OraError(g.revoke ? kOraRevokeNotGranted : kOraInsufficientPrivileges);
                if (g.revoke)
                    revokeOne(db, t, grantee, priv, p == "ALL");
                else
                    grantOne(db, ctx, t, grantee, priv, g, g.privilegeColumns[i]);
            }
        }
    }
    catalog.invalidate();
}

// System privileges (any words) and roles (a role must be one Oracle has).
void systemGrant(sqlite3 *db, const ddl::Grant &g) {
    for (const std::string &p : g.privileges) {
        const bool role = p.find(' ') == std::string::npos;
        if (role && !predefinedRoles().count(p) && p != "SYSDBA" && p != "SYSOPER")
            throw OraError(kOraRoleNotFound, p);
        for (const std::string &grantee : g.grantees) {
            if (grantee != "PUBLIC") {
                Prepared u(db, "SELECT 1 FROM main.OCILITE_USERS WHERE USERNAME = ?1");
                u.bind(1, grantee);
                if (!u.step() && !predefinedRoles().count(grantee))
                    throw OraError(kOraUserOrRoleNotFound, grantee);
            }
            const std::string table = role ? "OCILITE_ROLE_PRIVS" : "OCILITE_SYS_PRIVS";
            const std::string column = role ? "GRANTED_ROLE" : "PRIVILEGE";
            Prepared q(db, g.revoke
                               ? "DELETE FROM main." + table + " WHERE GRANTEE = ?1 AND " + column +
                                     " = ?2"
                               : "INSERT OR REPLACE INTO main." + table + " VALUES (?1, ?2, ?3)");
            q.bind(1, grantee).bind(2, p);
            if (!g.revoke)
                q.bind(3, std::string(g.withAdminOption ? "YES" : "NO"));
            q.run();
        }
    }
}

} // namespace

void grantOrRevoke(Catalog &catalog, const DdlContext &ctx, const ddl::Grant &g) {
    if (g.object)
        objectGrant(catalog, ctx, g);
    else
        systemGrant(catalog.db(), g);
}

} // namespace ocilite
