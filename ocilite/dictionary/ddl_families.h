// The DDL of each family, carried out on the dictionary and the SQLite schema (private to
// the dictionary): one function per statement, each throwing Oracle's error for what Oracle
// refuses. apply_ddl.cpp dispatches to them.
#pragma once

#include "ocilite/dictionary/catalog.h"
#include "ocilite/dictionary/table_model.h"
#include "ocilite/engine/sqlite_util.h"

#include <sqlite3.h>

namespace ocilite {

// tables.cpp
void createTable(Catalog &catalog, const DdlContext &ctx, const ddl::CreateTable &c);
void dropTable(Catalog &catalog, const DdlContext &ctx, const std::string &owner,
               const std::string &name, bool cascadeConstraints);
void truncateTable(Catalog &catalog, const DdlContext &ctx, const ddl::Truncate &t);
void renameObject(Catalog &catalog, const DdlContext &ctx, const ddl::Rename &r);
void commentOn(Catalog &catalog, const DdlContext &ctx, const ddl::Comment &k);

// alter_table.cpp
void alterTable(Catalog &catalog, const DdlContext &ctx, const ddl::AlterTable &a);
void renameTable(Catalog &catalog, const std::string &owner, const std::string &from,
                 const std::string &to);
// Removes a foreign key of a table (a parent dropped with CASCADE CONSTRAINTS).
void dropConstraintOf(Catalog &catalog, const std::string &owner, const std::string &name);
// Makes the SQLite table again from the dictionary, keeping its rows.
void rebuildTable(Catalog &catalog, const TableModel &t);

// indexes.cpp
void createIndex(Catalog &catalog, const DdlContext &ctx, const ddl::CreateIndex &x);
void dropIndex(Catalog &catalog, const DdlContext &ctx, const ddl::QualifiedName &name);
void dropIndexesOf(sqlite3 *db, const std::string &owner, const std::string &table);
// The indexes that enforce a table's enabled primary and unique keys, as USER_INDEXES shows.
void syncConstraintIndexes(sqlite3 *db, const TableModel &t);
// Remakes the SQLite indexes of a table after it was made again.
void recreateIndexes(sqlite3 *db, const std::string &owner, const std::string &table);

// sequences.cpp
void createSequence(Catalog &catalog, const DdlContext &ctx, const ddl::CreateSequence &s);
void alterSequence(Catalog &catalog, const DdlContext &ctx, const ddl::AlterSequence &s);
void dropSequence(Catalog &catalog, const DdlContext &ctx, const ddl::QualifiedName &name);
void dropIdentitySequences(sqlite3 *db, const std::string &owner, const std::string &table);
void registerSequenceFunctions(sqlite3 *db, Catalog *catalog);

// synonyms.cpp
void createSynonym(Catalog &catalog, const DdlContext &ctx, const ddl::CreateSynonym &s);
void dropSynonym(Catalog &catalog, const DdlContext &ctx, const ddl::DropObject &d);

// views.cpp
void createView(Catalog &catalog, const DdlContext &ctx, const ddl::CreateView &v);
void compileView(Catalog &catalog, const DdlContext &ctx, const ddl::QualifiedName &name);
void dropView(Catalog &catalog, const DdlContext &ctx, const ddl::QualifiedName &name);

// privileges.cpp
void grantOrRevoke(Catalog &catalog, const DdlContext &ctx, const ddl::Grant &g);

// other_ddl.cpp: contexts, renames of views / sequences / synonyms, helpers
void createContext(Catalog &catalog, const DdlContext &ctx, const ddl::CreateContext &k);
void dropContext(Catalog &catalog, const ddl::DropObject &d);
void renameSchemaObject(Catalog &catalog, const std::string &owner, const std::string &type,
                        const std::string &from, const std::string &to);
// A type attribute's row (ATTR_TYPE_MOD, OWNER, NAME, LENGTH, PRECISION, SCALE, CHAR_USED
// from column 1 on) as a declared data type.
ddl::DataType attributeDataType(const Prepared &row);

} // namespace ocilite
