// The SQLite table that carries out a table's definition as the dictionary holds it
// (private to the dictionary): its columns with their declared types, defaults, virtual
// expressions and type checks, and its enabled constraints (NOT NULL, primary and unique
// keys, checks, foreign keys with their delete rules).
#pragma once

#include <sqlite3.h>

#include <string>

namespace ocilite {

// CREATE TABLE <prefix>."sqliteName" (...) for the table owner.name.
std::string tableSql(sqlite3 *db, const std::string &owner, const std::string &name,
                     const std::string &prefix, const std::string &sqliteName);

// The name SQLite's CHECK constraints carry, so that a violation reads as the Oracle error:
// "ORA02290_OWNER.NAME" for a check constraint, "ORA12899_COL" for a type check.
std::string checkConstraintName(int oraCode, const std::string &detail);

} // namespace ocilite
