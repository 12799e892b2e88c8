// Synonyms (private and PUBLIC; resolved when a statement names them) and views: a view's
// query is checked when it is created (a FORCE view whose bases are missing is kept INVALID
// with its error in USER_ERRORS), its columns are listed in USER_TAB_COLUMNS, and it depends
// on what its query names.
#include "ocilite/dictionary/ddl_families.h"

#include "ocilite/dictionary/schema_objects.h"
#include "ocilite/dictionary/unit_compiler.h"
#include "ocilite/dictionary/unit_extras.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/sqlite_util.h"

#include <set>

namespace ocilite {
namespace {

void deleteSynonymRow(sqlite3 *db, const std::string &owner, const std::string &name) {
    Prepared q(db, "DELETE FROM main.OCILITE_SYNONYMS WHERE OWNER = ?1 AND SYNONYM_NAME = ?2");
    q.bind(1, owner).bind(2, name).run();
}

std::string joinedNames(const std::vector<std::string> &names) {
    std::string out;
    for (const std::string &n : names)
        out += (out.empty() ? "" : ", ") + quoteName(n);
    return out;
}

// The view's columns as a query gives them: names and types.
std::vector<ColumnRecord> viewColumns(Catalog &catalog, const ddl::CreateView &v,
                                      const std::string &sql, const Translation &tr) {
    Prepared probe(catalog.db(), sql);
    const int n = sqlite3_column_count(probe.get());
    if (!v.columns.empty() && static_cast<int>(v.columns.size()) != n)
        throw OraError(kOraColumnNamesCount);
    std::vector<ColumnRecord> out;
    std::set<std::string> seen;
    for (int i = 0; i < n; ++i) {
        ColumnRecord c;
        c.name = v.columns.empty() ? sqlite3_column_name(probe.get(), i) : v.columns[i];
        if (!seen.insert(c.name).second)
            throw OraError(kOraDuplicateColumn);
        const char *decl = sqlite3_column_decltype(probe.get(), i);
        std::optional<OraType> type = decl ? parseDeclaredType(decl) : std::nullopt;
        if (static_cast<size_t>(i) < tr.items.size() && tr.items[i].type)
            type = tr.items[i].type;
        c.type = dataTypeOf(type ? *type : OraType::varchar2(4000));
        int notNull = 0;
        const char *table = sqlite3_column_table_name(probe.get(), i);
        const char *origin = sqlite3_column_origin_name(probe.get(), i);
        if (table && origin &&
            sqlite3_table_column_metadata(
                catalog.db(), sqlite3_column_database_name(probe.get(), i), table, origin, nullptr,
                nullptr, &notNull, nullptr, nullptr) == SQLITE_OK)
            c.nullable = !notNull;
        out.push_back(c);
    }
    return out;
}

void storeViewColumns(sqlite3 *db, const std::string &owner, const std::string &name,
                      const std::vector<ColumnRecord> &columns) {
    TableModel t;
    t.owner = owner;
    t.name = name;
    t.columns = columns;
    writeTable(db, t);
    Prepared q(db, "DELETE FROM main.OCILITE_TABLES WHERE OWNER = ?1 AND TABLE_NAME = ?2");
    q.bind(1, owner).bind(2, name).run();
}

// What the view's query named: the view depends on it (USER_DEPENDENCIES).
void storeViewDependencies(sqlite3 *db, const std::string &owner, const std::string &name,
                           const std::vector<Catalog::Reference> &references) {
    dropDependencies(db, owner, name, "VIEW");
    Prepared q(db, "INSERT INTO main.OCILITE_DEPENDENCIES VALUES (?1, ?2, 'VIEW', ?3, ?4, ?5, "
                   "NULL, 'HARD')");
    std::set<std::string> seen;
    for (const Catalog::Reference &r : references) {
        if (!seen.insert(r.owner + "." + r.name + "." + r.type).second)
            continue;
        q.bind(1, owner).bind(2, name).bind(3, r.owner).bind(4, r.name).bind(5, r.type).run();
        sqlite3_reset(q.get());
    }
}

// Translates the view's query; an error is kept as the view's USER_ERRORS row.
bool checkView(Catalog &catalog, const std::string &owner, const ddl::CreateView &v,
               std::vector<ColumnRecord> &columns, std::string &error) {
    catalog.startRecording();
    try {
        const Translation tr = translate(v.query, owner, catalog);
        if (!tr.isQuery())
            throw OraError(kOraMissingSelectKeyword);
        columns = viewColumns(catalog, v, tr.sql, tr);
        storeViewDependencies(catalog.db(), owner, v.name.name, catalog.stopRecording());
        return true;
    } catch (const OraError &e) {
        catalog.stopRecording();
        error = e.text();
        return false;
    }
}

} // namespace

void createSynonym(Catalog &catalog, const DdlContext &ctx, const ddl::CreateSynonym &s) {
    sqlite3 *db = catalog.db();
    const std::string &owner = s.name.owner;
    if (!s.isPublic && owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    if (s.target.owner == owner && s.target.name == s.name.name && s.target.link.empty())
        throw OraError(kOraSynonymSameName);
    const auto existing = objectTypeIn(db, owner, s.name.name, kNamespaceObjects);
    if (existing && (*existing != "SYNONYM" || !s.orReplace))
        throw OraError(kOraNameInUse);
    if (existing) {
        touchObject(db, owner, s.name.name, "SYNONYM", "VALID");
        invalidateDependents(db, owner, s.name.name, "SYNONYM");
    } else {
        NewObject o{owner, s.name.name, "SYNONYM"};
        if (isEditionableType("SYNONYM", owner))
            o.editionable = true;
        addObject(db, o);
    }
    deleteSynonymRow(db, owner, s.name.name);
    Prepared q(db, "INSERT INTO main.OCILITE_SYNONYMS VALUES (?1, ?2, ?3, ?4, ?5)");
    q.bind(1, owner).bind(2, s.name.name).bind(3, s.target.owner).bind(4, s.target.name);
    if (s.target.link.empty())
        q.bindNull(5);
    else
        q.bind(5, s.target.link);
    q.run();
    catalog.invalidate();
}

void dropSynonym(Catalog &catalog, const DdlContext &ctx, const ddl::DropObject &d) {
    sqlite3 *db = catalog.db();
    if (!objectExists(db, d.name.owner, d.name.name, "SYNONYM"))
        throw OraError(d.isPublic ? kOraPublicSynonymNotFound : kOraPrivateSynonymNotFound);
    if (!d.isPublic && d.name.owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    deleteSynonymRow(db, d.name.owner, d.name.name);
    removeObject(db, d.name.owner, d.name.name, "SYNONYM");
    invalidateDependents(db, d.name.owner, d.name.name, "SYNONYM");
    catalog.invalidate();
}

void createView(Catalog &catalog, const DdlContext &ctx, const ddl::CreateView &v) {
    sqlite3 *db = catalog.db();
    const std::string &owner = v.name.owner;
    if (owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    const auto existing = objectTypeIn(db, owner, v.name.name, kNamespaceObjects);
    if (existing && (*existing != "VIEW" || !v.orReplace))
        throw OraError(kOraNameInUse);
    std::vector<ColumnRecord> columns;
    std::string error;
    const bool valid = checkView(catalog, owner, v, columns, error);
    if (!valid && !v.force)
        throw OraError(std::atoi(error.c_str() + 4), error, OraError::FullText{});
    if (existing) {
        touchObject(db, owner, v.name.name, "VIEW", valid ? "VALID" : "INVALID");
        invalidateDependents(db, owner, v.name.name, "VIEW");
    } else {
        NewObject o{owner, v.name.name, "VIEW"};
        o.editionable = true;
        addObject(db, o);
    }
    Prepared q(db, "INSERT OR REPLACE INTO main.OCILITE_VIEWS VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    q.bind(1, owner).bind(2, v.name.name).bind(3, v.query);
    if (v.columns.empty())
        q.bindNull(4);
    else
        q.bind(4, joinedNames(v.columns));
    q.bind(5, std::string(v.readOnly ? "Y" : "N")).bind(6, std::string(v.checkOption ? "Y" : "N"));
    q.run();
    storeViewColumns(db, owner, v.name.name, columns);
    std::vector<CompileError> errors;
    if (!valid)
        errors.push_back({0, 0, error});
    catalog.setErrors(owner, "VIEW", v.name.name, errors);
    catalog.invalidate();
}

void compileView(Catalog &catalog, const DdlContext &ctx, const ddl::QualifiedName &name) {
    sqlite3 *db = catalog.db();
    Prepared q(db, "SELECT TEXT, COLUMN_LIST, READ_ONLY, CHECK_OPTION FROM main.OCILITE_VIEWS "
                   "WHERE OWNER = ?1 AND VIEW_NAME = ?2");
    q.bind(1, name.owner).bind(2, name.name);
    if (!q.step())
        throw OraError(kOraTableNotFound);
    if (name.owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    ddl::CreateView v;
    v.name = name;
    v.query = q.text(0);
    const std::string columns = q.isNull(1) ? "" : q.text(1);
    for (size_t at = 0; at < columns.size();) {
        const size_t end = columns.find("\", \"", at);
        v.columns.push_back(
            columns.substr(at + 1, (end == std::string::npos ? columns.size() - 1 : end) - at - 1));
        at = end == std::string::npos ? columns.size() : end + 3;
    }
    std::vector<ColumnRecord> records;
    std::string error;
    const bool valid = checkView(catalog, name.owner, v, records, error);
    if (valid)
        storeViewColumns(db, name.owner, name.name, records);
    std::vector<CompileError> errors;
    if (!valid)
        errors.push_back({0, 0, error});
    catalog.setErrors(name.owner, "VIEW", name.name, errors);
    touchObject(db, name.owner, name.name, "VIEW");
    catalog.invalidate();
}

void dropView(Catalog &catalog, const DdlContext &ctx, const ddl::QualifiedName &name) {
    sqlite3 *db = catalog.db();
    if (!objectExists(db, name.owner, name.name, "VIEW"))
        throw OraError(kOraTableNotFound);
    if (name.owner != ctx.user)
        throw OraError(kOraInsufficientPrivileges);
    catalog.invalidate();
    Prepared q(db, "DELETE FROM main.OCILITE_VIEWS WHERE OWNER = ?1 AND VIEW_NAME = ?2");
    q.bind(1, name.owner).bind(2, name.name).run();
    deleteTableRows(db, name.owner, name.name);
    dropTriggersOf(db, name.owner, name.name);
    for (const char *table : {"OCILITE_ERRORS"}) {
        Prepared e(db, std::string("DELETE FROM main.") + table +
                           " WHERE OWNER = ?1 AND NAME = ?2 AND TYPE = 'VIEW'");
        e.bind(1, name.owner).bind(2, name.name).run();
    }
    dropDependencies(db, name.owner, name.name, "VIEW");
    removeObject(db, name.owner, name.name, "VIEW");
    invalidateDependents(db, name.owner, name.name, "VIEW");
}

} // namespace ocilite
