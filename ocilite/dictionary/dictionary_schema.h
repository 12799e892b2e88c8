// The dictionary's own tables and its views (private to the dictionary): the tables are
// made (or brought up to date) once per database file, the USER_ / ALL_ views once per
// connection, since they show what the session's user owns or may see.
#pragma once

#include <sqlite3.h>

#include <string>

namespace ocilite {

// Creates the tables of every kind of schema object and adds the columns a database made
// by an earlier version lacks (idempotent).
void createDictionaryTables(sqlite3 *db);
// False when the file's dictionary is older than this version's.
bool dictionaryIsCurrent(sqlite3 *db);
// The connection's USER_ / ALL_ views and the other dictionary views.
void createDictionaryViews(sqlite3 *db);
// True for the name of a dictionary view (or DUAL).
bool isDictionaryView(const std::string &name);

} // namespace ocilite
