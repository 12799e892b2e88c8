// How a connect string names an ocilite database: the empty string is the default database
// (created on first use and filled by a seeding step the caller supplies), a name listed in
// the alias file is that file, anything else is the path of an existing database file.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace ocilite {

class Database;

// The text without the blanks around it, as connect strings and alias lines are read.
std::string trimBlanks(const std::string &s);

// $XDG_DATA_HOME/velmora/demo.db (default ~/.local/share/velmora/demo.db); empty when no
// home folder is known (base/xdg_folders.h).
std::string defaultDatabasePath();
// $XDG_CONFIG_HOME/velmora/ocilite.aliases (default ~/.config/velmora/ocilite.aliases):
// lines "NAME = /path/to/db", '#' starts a comment, names compared without regard to case.
// Empty when no home folder is known.
std::string aliasFilePath();

// Turns a connect string into a database file path: empty -> the default database; a name
// found in the alias file -> its path; otherwise a path to an existing database file.
// Unresolvable -> false with "ORA-12154: TNS:could not resolve service name".
bool resolveConnectString(const std::string &connect, std::string &path, std::string &error);

// Fills a newly created default database (the client library installs the demo schema);
// false with a reason in error when it could not.
using SeedDatabase = std::function<bool(Database &db, std::string &error)>;

// Opens the database a connect string names. The default database is created on first use,
// seeded by `seed` in a file beside its final place and moved there only when complete, so
// a failed seeding never leaves a half-made database behind.
std::unique_ptr<Database> openConnectString(const std::string &connect, const SeedDatabase &seed,
                                            std::string &error);

} // namespace ocilite
