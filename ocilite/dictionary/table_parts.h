// Turning a table's declared parts into dictionary records (private to the dictionary):
// columns (user-defined types found, DEFAULT and virtual expressions translated, identity
// columns given their sequence) and constraints (names given, columns and parent keys
// checked, conditions translated), and checking existing rows against a constraint.
#pragma once

#include "ocilite/dictionary/table_model.h"

#include <string>

namespace ocilite {

class Catalog;

// A column record for a declared column; throws ORA-00902 for a type that does not exist.
ColumnRecord columnRecord(const Catalog &catalog, const std::string &owner,
                          const ddl::Column &column);
// Adds the constraint to the table, checking what Oracle checks.
void addConstraint(const Catalog &catalog, TableModel &t, const ddl::Constraint &k);
// Checks the rows of the SQLite table against a constraint being added or enabled.
void validateRows(sqlite3 *db, const TableModel &t, const ConstraintRecord &k,
                  const std::string &sqliteName);
// Identity columns get their sequence ISEQ$$_<table id> and a default that draws from it.
void createIdentitySequences(sqlite3 *db, TableModel &t);
// Foreign keys of other tables that refer to one of this table's keys.
std::vector<std::pair<std::string, std::string>>
referencingConstraints(sqlite3 *db, const std::string &owner, const std::string &table);

} // namespace ocilite
