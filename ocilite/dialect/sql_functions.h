// Oracle's SQL functions and operators over SQLite (private header): case-sensitive LIKE,
// NVL, DECODE, GREATEST, LEAST, TO_DATE, TO_CHAR, TO_NUMBER, SYSDATE, SUBSTR, INSTR, TRUNC ... and
// the helpers the engine's own constraints and views call.
#pragma once

#include <sqlite3.h>

#include <string>

namespace ocilite {

// What the functions read of the session: its user (OCILITE_SCHEMA(), USER), its current
// schema (SYS_CONTEXT('USERENV', 'CURRENT_SCHEMA')) and its NLS_DATE_FORMAT (TO_CHAR and
// TO_DATE without a format). The strings are the database's own and outlive the connection.
struct SqlSession {
    const std::string *user = nullptr;
    const std::string *currentSchema = nullptr;
    const std::string *dateFormat = nullptr;
};

// Registers every function on the connection; `session` must outlive it.
void registerSqlFunctions(sqlite3 *db, const SqlSession *session);

// HEXTORAW and RAWTOHEX (raw_functions.cpp); registerSqlFunctions registers them too.
void registerRawFunctions(sqlite3 *db);
// REGEXP_LIKE, REGEXP_SUBSTR, REGEXP_INSTR, REGEXP_REPLACE, REGEXP_COUNT (regexp_functions.cpp);
// registered by registerSqlFunctions.
void registerRegexpFunctions(sqlite3 *db);
// ROUND, TRUNC (numbers and dates) and NEXT_DAY (rounding.cpp).
void registerRoundingFunctions(sqlite3 *db);
// USER (as OCILITE_SCHEMA()), SYS_CONTEXT('USERENV', ...) and USERENV (session_functions.cpp).
void registerSessionFunctions(sqlite3 *db, const SqlSession *session);
// OCILITE_LISTAGG (LISTAGG's aggregate) and OCILITE_ROWNUM_LIMIT (row_functions.cpp).
void registerRowFunctions(sqlite3 *db, const SqlSession *session);
// LENGTHB, VSIZE and DUMP (byte_functions.cpp).
void registerByteFunctions(sqlite3 *db, const SqlSession *session);

// Oracle's LIKE: case-sensitive, '_' one character, '%' any run, optional escape.
bool likeMatch(const char *pattern, const char *text, int escape);

} // namespace ocilite
