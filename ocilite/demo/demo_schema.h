// The demo schema SCOTT / TIGER: the classic DEPT and EMP tables and a set of program units,
// some VALID and some INVALID with the compile errors Oracle would have stored for them.
// The client library seeds the default database with it when that is first opened.
#pragma once

#include <string>

namespace ocilite {

class Database;

// Creates user SCOTT (password TIGER) and its tables and program units in `db`.
// Returns false with a readable reason in `error` when anything could not be created.
bool installDemoSchema(Database &db, std::string &error);

} // namespace ocilite
