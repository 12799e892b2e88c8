#include "ocilite/dictionary/unit_compiler.h"

#include "ocilite/dictionary/catalog.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/large_stack.h"
#include "ocilite/engine/sqlite_util.h"
#include "ocilite/plsql/compiler.h"

#include <map>
#include <vector>

namespace ocilite {
namespace {

const char *const kDependencyTable = R"sql(
CREATE TABLE IF NOT EXISTS OCILITE_DEPENDENCIES(
  OWNER VARCHAR2(128) NOT NULL, NAME VARCHAR2(128) NOT NULL, TYPE VARCHAR2(19) NOT NULL,
  REFERENCED_OWNER VARCHAR2(128), REFERENCED_NAME VARCHAR2(128), REFERENCED_TYPE VARCHAR2(19),
  REFERENCED_LINK_NAME VARCHAR2(128), DEPENDENCY_TYPE VARCHAR2(4));
CREATE INDEX IF NOT EXISTS OCILITE_DEPENDENCIES_BY_REF
  ON OCILITE_DEPENDENCIES(REFERENCED_OWNER, REFERENCED_NAME);
CREATE INDEX IF NOT EXISTS OCILITE_DEPENDENCIES_BY_UNIT ON OCILITE_DEPENDENCIES(OWNER, NAME, TYPE);
)sql";

const char *const kDependencyView = R"sql(
CREATE TEMP VIEW IF NOT EXISTS USER_DEPENDENCIES AS SELECT NAME, TYPE, REFERENCED_OWNER,
  REFERENCED_NAME, REFERENCED_TYPE, REFERENCED_LINK_NAME, DEPENDENCY_TYPE
  FROM main.OCILITE_DEPENDENCIES WHERE OWNER = OCILITE_SCHEMA();
)sql";

// The units being compiled, outermost first. A compile that meets an INVALID unit compiles
// that one first, as Oracle does, unless it is already under way (a cycle) or the chain is
// too long.
struct Compiling {
    std::vector<std::string> units;
    std::string_view warnings; // the PLSQL_WARNINGS value every compile of the chain uses
};
constexpr size_t kMaxCompileChain = 8;

void compileSource(sqlite3 *db, Catalog &catalog, const std::string &owner, const std::string &type,
                   const std::string &name, std::string_view source, Compiling &compiling);

// The compiler's view of the schema, read from the dictionary tables.
class DictionarySchema : public plsql::SchemaLookup {
public:
    explicit DictionarySchema(sqlite3 *db, Catalog *catalog = nullptr,
                              Compiling *compiling = nullptr)
        : m_db(db), m_catalog(catalog), m_compiling(compiling) {}

    // One compile asks for the same few names again and again: each is read once.
    std::optional<plsql::SchemaObject> object(const std::string &owner,
                                              const std::string &name) const override {
        const std::string key = owner + '.' + name;
        const auto it = m_objects.find(key);
        if (it != m_objects.end())
            return it->second;
        revalidate(owner, name);
        return m_objects[key] = readObject(owner, name);
    }

    // An INVALID package specification, procedure, function or type is compiled again before
    // it is used (whether its errors remain decides what the user of it gets).
    void revalidate(const std::string &owner, const std::string &name) const {
        if (!m_catalog || !m_compiling || m_compiling->units.size() >= kMaxCompileChain)
            return;
        Prepared q(m_db, "SELECT OBJECT_TYPE FROM main.OCILITE_OBJECTS WHERE OWNER = ?1 AND "
                         "OBJECT_NAME = ?2 AND NAMESPACE = 1 AND STATUS = 'INVALID' AND "
                         "OBJECT_TYPE IN ('PACKAGE', 'PROCEDURE', 'FUNCTION', 'TYPE')");
        q.bind(1, owner).bind(2, name);
        if (!q.step())
            return;
        const std::string type = q.text(0);
        const std::string key = owner + '.' + name + '.' + type;
        for (const std::string &unit : m_compiling->units)
            if (unit == key)
                return;
        if (const auto text = source(owner, name, type))
            compileSource(m_db, *m_catalog, owner, type, name, *text, *m_compiling);
    }

    std::optional<plsql::SchemaObject> readObject(const std::string &owner,
                                                  const std::string &name) const {
        Prepared q(m_db, "SELECT OBJECT_TYPE, STATUS, EXISTS (SELECT 1 FROM main.OCILITE_ERRORS e "
                         "WHERE e.OWNER = o.OWNER AND e.NAME = o.OBJECT_NAME AND e.TYPE = "
                         "o.OBJECT_TYPE) FROM main.OCILITE_OBJECTS o WHERE OWNER = ?1 AND "
                         "OBJECT_NAME = ?2 AND NAMESPACE = 1");
        q.bind(1, owner).bind(2, name);
        if (!q.step())
            return owner == "PUBLIC" ? std::nullopt : readObject("PUBLIC", name);
        return plsql::SchemaObject{owner, name, q.text(0),
                                   q.text(1) == "INVALID" && q.integer(2) != 0};
    }

    std::optional<std::pair<std::string, std::string>>
    synonymTarget(const std::string &owner, const std::string &name) const override {
        Prepared q(m_db, "SELECT TABLE_OWNER, TABLE_NAME, DB_LINK FROM main.OCILITE_SYNONYMS "
                         "WHERE OWNER = ?1 AND SYNONYM_NAME = ?2");
        q.bind(1, owner).bind(2, name);
        if (!q.step() || !q.isNull(2) || q.isNull(0))
            return std::nullopt;
        return std::make_pair(q.text(0), q.text(1));
    }

    std::optional<std::string> source(const std::string &owner, const std::string &name,
                                      const std::string &type) const override {
        Prepared q(m_db, "SELECT TEXT FROM main.OCILITE_SOURCE WHERE OWNER = ?1 AND NAME = ?2 "
                         "AND TYPE = ?3 ORDER BY LINE");
        q.bind(1, owner).bind(2, name).bind(3, type);
        std::string text;
        bool any = false;
        while (q.step()) {
            text += q.text(0);
            any = true;
        }
        if (!any)
            return std::nullopt;
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        return text;
    }

    std::optional<std::vector<std::string>> columns(const std::string &owner,
                                                    const std::string &name) const override {
        Prepared q(m_db, "SELECT COLUMN_NAME FROM main.OCILITE_COLUMNS WHERE OWNER = ?1 AND "
                         "TABLE_NAME = ?2 ORDER BY COLUMN_ID");
        q.bind(1, owner).bind(2, name);
        std::vector<std::string> cols;
        while (q.step())
            cols.push_back(q.text(0));
        if (cols.empty())
            return std::nullopt;
        return cols;
    }

    bool userExists(const std::string &name) const override {
        Prepared q(m_db, "SELECT 1 FROM main.OCILITE_USERS WHERE USERNAME = ?1");
        q.bind(1, name);
        return q.step();
    }

private:
    sqlite3 *m_db;
    Catalog *m_catalog;
    Compiling *m_compiling;
    mutable std::map<std::string, std::optional<plsql::SchemaObject>> m_objects;
};

void storeDependencies(sqlite3 *db, const std::string &owner, const std::string &type,
                       const std::string &name, const std::vector<plsql::Dependency> &deps) {
    dropDependencies(db, owner, name, type);
    Prepared add(db, "INSERT INTO main.OCILITE_DEPENDENCIES VALUES (?1, ?2, ?3, ?4, ?5, ?6, "
                     "NULL, 'HARD')");
    for (const plsql::Dependency &d : deps) {
        if (d.owner == owner && d.name == name && d.type == type)
            continue;
        add.bind(1, owner).bind(2, name).bind(3, type).bind(4, d.owner).bind(5, d.name);
        add.bind(6, d.type).run();
        sqlite3_reset(add.get());
    }
}

void compileSource(sqlite3 *db, Catalog &catalog, const std::string &owner, const std::string &type,
                   const std::string &name, std::string_view source, Compiling &compiling) {
    compiling.units.push_back(owner + '.' + name + '.' + type);
    DictionarySchema schema(db, &catalog, &compiling);
    plsql::CompileResult result;
    runOnLargeStack(
        [&] { result = plsql::compileUnit(owner, type, source, schema, compiling.warnings); });
    compiling.units.pop_back();
    std::vector<CompileError> errors;
    errors.reserve(result.errors.size());
    for (const plsql::Diagnostic &d : result.errors)
        errors.push_back({d.line, d.position, d.text, d.warning});
    catalog.setErrors(owner, type, name, errors);
    storeDependencies(db, owner, type, name, result.dependencies);
}

} // namespace

void createDependencyTable(sqlite3 *db) {
    exec(db, kDependencyTable);
}

void createDependencyView(sqlite3 *db) {
    exec(db, kDependencyView);
}

void compileStoredUnit(sqlite3 *db, Catalog &catalog, const std::string &owner,
                       const std::string &type, const std::string &name,
                       std::string_view warnings) {
    const std::optional<std::string> source = DictionarySchema(db).source(owner, name, type);
    if (source)
        compileUnitSource(db, catalog, owner, type, name, *source, warnings);
}

void compileUnitSource(sqlite3 *db, Catalog &catalog, const std::string &owner,
                       const std::string &type, const std::string &name, std::string_view source,
                       std::string_view warnings) {
    Compiling compiling;
    compiling.warnings = warnings;
    compileSource(db, catalog, owner, type, name, source, compiling);
}

std::vector<plsql::Diagnostic> compileAnonymousBlock(sqlite3 *db, Catalog &catalog,
                                                     const std::string &owner,
                                                     std::string_view source) {
    Compiling compiling;
    DictionarySchema schema(db, &catalog, &compiling);
    plsql::CompileResult result;
    runOnLargeStack([&] { result = plsql::compileAnonymousBlock(owner, source, schema); });
    return std::move(result.errors);
}

void invalidateDependents(sqlite3 *db, const std::string &owner, const std::string &name,
                          const std::string &type) {
    Prepared q(db, "WITH RECURSIVE dep(OWNER, NAME, TYPE) AS ("
                   " SELECT OWNER, NAME, TYPE FROM main.OCILITE_DEPENDENCIES"
                   "  WHERE REFERENCED_OWNER = ?1 AND REFERENCED_NAME = ?2 AND REFERENCED_TYPE = ?3"
                   " UNION SELECT d.OWNER, d.NAME, d.TYPE FROM main.OCILITE_DEPENDENCIES d"
                   "  JOIN dep ON d.REFERENCED_OWNER = dep.OWNER AND d.REFERENCED_NAME = dep.NAME"
                   "  AND d.REFERENCED_TYPE = dep.TYPE)"
                   " UPDATE main.OCILITE_OBJECTS SET STATUS = 'INVALID' WHERE"
                   " (OWNER, OBJECT_NAME, OBJECT_TYPE) IN (SELECT OWNER, NAME, TYPE FROM dep)");
    q.bind(1, owner).bind(2, name).bind(3, type).run();
}

void dropDependencies(sqlite3 *db, const std::string &owner, const std::string &name,
                      const std::string &type) {
    Prepared q(db, "DELETE FROM main.OCILITE_DEPENDENCIES WHERE OWNER = ?1 AND NAME = ?2 AND "
                   "TYPE = ?3");
    q.bind(1, owner).bind(2, name).bind(3, type).run();
}

} // namespace ocilite
