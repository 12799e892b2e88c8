// Finding the unit odessp describes: the name's parts resolved as Oracle resolves them (a
// schema's procedure or function, a package's subprograms), the unit's status and stored
// source, and the errors DBMS_DESCRIBE words for each way the name can fail.
#include "ocilite/dictionary/procedure_arguments.h"

#include "ocilite/dictionary/argument_rows.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

namespace ocilite {
namespace {

// The name's parts, unquoted ones folded to upper case.
std::vector<std::string> nameParts(const std::string &name) {
    std::vector<std::string> parts(1);
    bool quoted = false;
    for (char c : name) {
        if (c == '"')
            quoted = !quoted;
        else if (c == '.' && !quoted)
            parts.emplace_back();
        else
            parts.back() += quoted ? c : foldName(std::string(1, c))[0];
    }
    for (const std::string &p : parts)
        if (p.empty() || p.size() > 128)
            throw OraError(kOraObjectNotFound, name);
    return parts;
}

[[noreturn]] void fail(int code, const std::string &text) {
    throw OraError(code, "ORA-" + std::to_string(code) + ": " + text, OraError::FullText{});
}

struct Unit {
    std::string type; // PROCEDURE, FUNCTION, PACKAGE, or empty when there is none
    std::string status;
};

Unit unitOf(sqlite3 *db, const std::string &owner, const std::string &name) {
    Prepared q(db, "SELECT OBJECT_TYPE, STATUS FROM main.OCILITE_OBJECTS WHERE OWNER = ?1 AND "
                   "OBJECT_NAME = ?2 AND OBJECT_TYPE IN ('PROCEDURE', 'FUNCTION', 'PACKAGE')");
    q.bind(1, owner).bind(2, name);
    return q.step() ? Unit{q.text(0), q.text(1)} : Unit{};
}

bool userExists(sqlite3 *db, const std::string &user) {
    Prepared q(db, "SELECT 1 FROM main.OCILITE_USERS WHERE USERNAME = ?1");
    q.bind(1, user);
    return q.step();
}

std::string sourceOf(sqlite3 *db, const std::string &owner, const std::string &name,
                     const std::string &type) {
    Prepared q(db, "SELECT TEXT FROM main.OCILITE_SOURCE WHERE OWNER = ?1 AND NAME = ?2 AND "
                   "TYPE = ?3 ORDER BY LINE");
    q.bind(1, owner).bind(2, name).bind(3, type);
    std::string text;
    while (q.step())
        text += q.text(0);
    return text;
}

// Where the name leads: owner, unit and, for a package, the subprogram.
struct Target {
    std::string owner;
    std::string unit;
    std::string subprogram;
    Unit found;
};

Target resolve(sqlite3 *db, const std::string &schema, const std::vector<std::string> &parts,
               const std::string &written) {
    Target t{schema, parts[0], "", {}};
    if (parts.size() == 3)
        t = Target{parts[0], parts[1], parts[2], {}};
    else if (parts.size() == 2) {
        t.found = unitOf(db, schema, parts[0]);
        if (t.found.type == "PACKAGE")
            t.subprogram = parts[1];
        else if (userExists(db, parts[0]))
            t = Target{parts[0], parts[1], "", {}};
        else
            throw OraError(kOraObjectNotFound, written);
    } else if (parts.size() > 3) {
        throw OraError(kOraObjectNotFound, written);
    }
    t.found = unitOf(db, t.owner, t.unit);
    if (t.found.type.empty() || (t.found.type != "PACKAGE" && !t.subprogram.empty()))
        throw OraError(kOraObjectNotFound, written);
    return t;
}

} // namespace

std::vector<ProcedureArgument> describeProcedure(sqlite3 *db, const std::string &schema,
                                                 const std::string &name) {
    const size_t at = name.find('@');
    if (at != std::string::npos)
        fail(20002, "ORU-10033: object '" + name + "' is remote, cannot describe; expanded name '" +
                        name + "'");
    const Target t = resolve(db, schema, nameParts(name), name);
    if (t.found.type == "PACKAGE" && t.subprogram.empty())
        fail(20000, "ORU-10035: cannot describe a package ('" + t.unit +
                        "') only a procedure within a package");
    if (t.found.status == "INVALID")
        fail(20003, "ORU-10036: object '" + name + "' is invalid and cannot be described");
    const std::string source = sourceOf(db, t.owner, t.unit, t.found.type);
    std::vector<ProcedureArgument> rows = argumentRows(db, t.owner, source, t.subprogram);
    if (rows.empty())
        fail(20001, "ORU-10032: procedure '" + t.subprogram + "' within package '" + t.unit +
                        "' does not exist");
    return rows;
}

} // namespace ocilite
