// Compiling stored PL/SQL units in a schema (private to the engine): runs the compiler of
// ocilite/plsql over a unit's stored source, stores its USER_ERRORS rows, STATUS and
// USER_DEPENDENCIES rows, and invalidates (without error rows, as Oracle does) the units
// that depend on an object that was replaced or dropped. A compile that uses an INVALID
// unit compiles that unit again first, as Oracle does.
#pragma once

#include "ocilite/plsql/diagnostics.h"

#include <sqlite3.h>

#include <string>
#include <string_view>
#include <vector>

namespace ocilite {

class Catalog;

// The dependency table and its USER_DEPENDENCIES view (idempotent).
void createDependencyTable(sqlite3 *db);
void createDependencyView(sqlite3 *db);

// Compiles the stored unit and records its errors, status and dependencies; warnings is the
// session's PLSQL_WARNINGS value (empty: none reported).
void compileStoredUnit(sqlite3 *db, Catalog &catalog, const std::string &owner,
                       const std::string &type, const std::string &name,
                       std::string_view warnings = {});

// The same for a unit just stored from `source` (its stored text), without reading it back.
void compileUnitSource(sqlite3 *db, Catalog &catalog, const std::string &owner,
                       const std::string &type, const std::string &name, std::string_view source,
                       std::string_view warnings = {});

// The compile errors of an anonymous block run as the schema's (nothing is stored).
std::vector<plsql::Diagnostic> compileAnonymousBlock(sqlite3 *db, Catalog &catalog,
                                                     const std::string &owner,
                                                     std::string_view source);

// Every unit that depends on the object, directly or through others, becomes INVALID.
void invalidateDependents(sqlite3 *db, const std::string &owner, const std::string &name,
                          const std::string &type);

// Forgets what a dropped unit depended on.
void dropDependencies(sqlite3 *db, const std::string &owner, const std::string &name,
                      const std::string &type);

} // namespace ocilite
