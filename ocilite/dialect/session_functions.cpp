// What SQL reads of the session: USER (the translation writes it OCILITE_SCHEMA()),
// SYS_CONTEXT('USERENV', parameter) and the legacy USERENV(parameter), which Oracle keeps for
// older programs and answers from the same facts.
#include "ocilite/dialect/sql_function_args.h"
#include "ocilite/dialect/sql_functions.h"

#include <cctype>

namespace ocilite {
namespace {

std::string upper(std::string s) {
    for (char &c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

void fnSchema(sqlite3_context *ctx, int, sqlite3_value **) {
    sqlite3_result_text(ctx, session(ctx)->user->c_str(), -1, SQLITE_TRANSIENT);
}

// SYS_CONTEXT('USERENV', parameter): the parameters scripts ask for.
void fnSysContext(sqlite3_context *ctx, int, sqlite3_value **argv) {
    const SqlSession *s = session(ctx);
    const std::string ns = isNull(argv[0]) ? "" : upper(argText(argv[0]));
    const std::string name = isNull(argv[1]) ? "" : upper(argText(argv[1]));
    if (ns != "USERENV")
        return sqlite3_result_null(ctx);
    std::string value;
    if (name == "CURRENT_SCHEMA")
        value = *s->currentSchema;
    else if (name == "SESSION_USER" || name == "CURRENT_USER" || name == "AUTHENTICATED_IDENTITY")
        value = *s->user;
    else if (name == "DB_NAME" || name == "INSTANCE_NAME" || name == "SERVICE_NAME" ||
             name == "CON_NAME")
        value = "OCILITE";
    else if (name == "LANGUAGE")
        value = "AMERICAN_AMERICA.AL32UTF8";
    else if (name == "NLS_DATE_FORMAT")
        value = sessionDateFormat(ctx);
    else
        return sqlite3_result_null(ctx);
    sqlite3_result_text(ctx, value.c_str(), -1, SQLITE_TRANSIENT);
}

// USERENV(parameter): NUMBER for SESSIONID, SID and ENTRYID, VARCHAR2 for the others; a
// parameter Oracle does not know is ORA-02003. One session and no auditing: the session is
// number 1 and no audit entry exists (0).
void fnUserenv(sqlite3_context *ctx, int, sqlite3_value **argv) {
    const std::string name = isNull(argv[0]) ? "" : upper(argText(argv[0]));
    if (name == "SESSIONID" || name == "SID" || name == "INSTANCE")
        return sqlite3_result_int(ctx, 1);
    if (name == "ENTRYID")
        return sqlite3_result_int(ctx, 0);
    if (name == "CLIENT_INFO" || name == "TERMINAL")
        return sqlite3_result_null(ctx);
    const char *value = name == "ISDBA"      ? "FALSE"
                        : name == "LANG"     ? "US"
                        : name == "LANGUAGE" ? "AMERICAN_AMERICA.AL32UTF8"
                                             : nullptr;
    if (!value)
        return resultError(ctx, OraError(kOraUserenvParameter));
    sqlite3_result_text(ctx, value, -1, SQLITE_STATIC);
}

} // namespace

void registerSessionFunctions(sqlite3 *db, const SqlSession *session) {
    auto *data = const_cast<SqlSession *>(session);
    sqlite3_create_function_v2(db, "SYS_CONTEXT", 2, SQLITE_UTF8, data, fnSysContext, nullptr,
                               nullptr, nullptr);
    sqlite3_create_function_v2(db, "OCILITE_SCHEMA", 0, SQLITE_UTF8, data, fnSchema, nullptr,
                               nullptr, nullptr);
    sqlite3_create_function_v2(db, "USERENV", 1, SQLITE_UTF8, data, fnUserenv, nullptr, nullptr,
                               nullptr);
}

} // namespace ocilite
