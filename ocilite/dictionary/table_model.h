// A table as the dictionary holds it (private to the dictionary): its OCILITE_TABLES row,
// its columns (OCILITE_COLUMNS) and its constraints with their columns. CREATE TABLE builds
// one and writes it; ALTER TABLE reads one, changes it and writes it back; the SQLite table
// is then made from what was written (table_sql.h).
#pragma once

#include "ocilite/dialect/ddl/schema_ddl.h"

#include <sqlite3.h>

#include <optional>
#include <string>
#include <vector>

namespace ocilite {

struct ColumnRecord {
    std::string name;
    ddl::DataType type;
    bool nullable = true;
    bool hasDefault = false;
    std::string dataDefault;   // DATA_DEFAULT as written
    std::string sqliteDefault; // the SQLite default (or virtual expression), if any
    bool isVirtual = false;
    bool identity = false;
    bool defaultOnNull = false;
    std::string identityOptions;
    bool hidden = false;
    std::string previousName; // ALTER TABLE: the column's name before (empty: a new column)
};

struct ConstraintRecord {
    std::string name;
    char type = 'C';
    std::vector<std::string> columns;
    std::string searchCondition;
    std::string sqliteCheck; // empty: not enforced by SQLite
    std::string rOwner;
    std::string rConstraint;
    std::string deleteRule;
    bool enabled = true;
    bool deferrable = false;
    bool deferred = false;
    bool validated = true;
    bool generatedName = false;
    std::string indexName;
    bool notNull = false;
};

struct TableModel {
    std::string owner;
    std::string name;
    bool temporary = false;
    std::string duration; // SYS$SESSION / SYS$TRANSACTION for temporary tables
    bool indexOrganized = false;
    bool nested = false;
    bool partitioned = false;
    bool logging = true;
    std::string typeOwner; // object tables
    std::string typeName;
    std::vector<ColumnRecord> columns;
    std::vector<ConstraintRecord> constraints;

    ColumnRecord *column(const std::string &name);
    ConstraintRecord *constraint(const std::string &name);
    bool hasIdentity() const;
};

// Reads a table's rows; nothing when the table does not exist.
std::optional<TableModel> readTable(sqlite3 *db, const std::string &owner, const std::string &name);
// Replaces every row of the table with the model's (the table row, columns, constraints).
void writeTable(sqlite3 *db, const TableModel &t);
// Removes every row of the table (and its comments and grants).
void deleteTableRows(sqlite3 *db, const std::string &owner, const std::string &name);

// The columns' values USER_TAB_COLUMNS shows for a type describe reports (views, CTAS).
ddl::DataType dataTypeOf(const OraType &t);

} // namespace ocilite
