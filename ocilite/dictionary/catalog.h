// The dictionary of an ocilite database (private header): the tables behind USER_OBJECTS,
// USER_SOURCE, USER_ERRORS and USER_TAB_COLUMNS, the per-connection views that show one
// schema, and the DDL that keeps them and the schema's SQLite tables in step.
#pragma once

#include "ocilite/dialect/translation.h"
#include "ocilite/engine/database.h"

#include <sqlite3.h>

#include <map>
#include <string>
#include <vector>

namespace ocilite {

class Catalog : public NameResolver {
public:
    explicit Catalog(sqlite3 *db) : m_db(db) {}

    // Creates the dictionary tables in a new database (idempotent).
    static void createDictionary(sqlite3 *db);
    // The connection's views of the current schema (USER_OBJECTS ...).
    static void createViews(sqlite3 *db);

    // The SQLite table that holds a schema's table.
    static std::string physicalName(const std::string &owner, const std::string &table) {
        return owner + "." + table;
    }

    std::optional<std::string> tableFor(const std::string &owner,
                                        const std::string &name) const override;
    std::vector<std::pair<std::string, OraType>>
    columnsOf(const std::string &sqliteName) const override;

    // DDL; each throws OraError and expects to run inside a transaction.
    void createTable(const std::string &owner, const Translation &tr);
    void dropTable(const std::string &owner, const std::string &name);
    void storeUnit(const std::string &owner, const Translation &tr);
    void dropUnit(const std::string &owner, const std::string &type, const std::string &name);
    void setErrors(const std::string &owner, const std::string &type, const std::string &name,
                   const std::vector<CompileError> &errors);

    // Forgets cached column lists (after DDL).
    void invalidate() { m_columns.clear(); }

private:
    bool objectExists(const std::string &owner, const std::string &name,
                      const std::string &type) const;
    bool nameTaken(const std::string &owner, const std::string &name, int nameSpace) const;
    void addObject(const std::string &owner, const std::string &name, const std::string &type,
                   int nameSpace);
    void touchObject(const std::string &owner, const std::string &name, const std::string &type);

    sqlite3 *m_db;
    mutable std::map<std::string, std::vector<std::pair<std::string, OraType>>> m_columns;
};

} // namespace ocilite
