// Oracle's SQL functions and operators over SQLite (private header): case-sensitive LIKE,
// NVL, DECODE, TO_DATE, TO_CHAR, TO_NUMBER, SYSDATE, SUBSTR, INSTR, TRUNC ... and the
// helpers the engine's own constraints and views call.
#pragma once

#include <sqlite3.h>

#include <string>

namespace ocilite {

// Registers every function on the connection; currentSchema is read by OCILITE_SCHEMA().
void registerSqlFunctions(sqlite3 *db, const std::string *currentSchema);

// Oracle's LIKE: case-sensitive, '_' one character, '%' any run, optional escape.
bool likeMatch(const char *pattern, const char *text, int escape);

} // namespace ocilite
