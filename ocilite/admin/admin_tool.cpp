#include "ocilite/admin/admin_tool.h"

#include "ocilite/admin/lint_command.h"
#include "ocilite/admin/password_prompt.h"
#include "ocilite/demo/demo_schema.h"
#include "ocilite/demo/schema_generator.h"
#include "ocilite/engine/connect_string.h"
#include "ocilite/engine/database.h"
#include "ocilite/scripts/script_runner.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <ostream>

namespace ocilite {
namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

using Args = std::vector<std::string>;

int usageError(std::ostream &err, const std::string &message) {
    err << "ocilite: " << message << "\nRun \"ocilite --help\" for usage.\n";
    return kUsage;
}

int failure(std::ostream &err, const std::string &message) {
    err << "ocilite: " << message << '\n';
    return kFailed;
}

// DB as the client library reads a connect string: "" the default database, an alias, or a
// path to an existing database file.
std::unique_ptr<Database> openDatabase(const std::string &connect, std::ostream &err) {
    std::string error;
    std::unique_ptr<Database> db = openConnectString(connect, installDemoSchema, error);
    if (!db)
        failure(err, connect.empty() ? error : "\"" + connect + "\": " + error);
    return db;
}

int cmdCreate(const Args &args, std::ostream &out, std::ostream &err) {
    if (args.size() != 1 || args[0].empty())
        return usageError(err, "create needs one argument: the new database file");
    std::error_code ec;
    if (std::filesystem::exists(args[0], ec))
        return failure(err, "\"" + args[0] + "\" already exists; not overwritten");
    std::string error;
    if (!Database::open(args[0], true, error))
        return failure(err, "\"" + args[0] + "\": " + error);
    out << "Database " << args[0] << " created.\n";
    return kOk;
}

int cmdAddUser(const Args &args, std::ostream &out, std::ostream &err) {
    if (args.size() != 2)
        return usageError(err, "adduser needs two arguments: DB USER (the password is asked)");
    std::unique_ptr<Database> db = openDatabase(args[0], err);
    if (!db)
        return kFailed;
    std::string password;
    std::string error;
    if (!readNewPassword(password, error))
        return failure(err, error);
    if (!db->addUser(args[1], password, error))
        return failure(err, error);
    out << "User " << foldName(args[1]) << " created.\n";
    return kOk;
}

// Logs on as SQL*Plus would before running anything: the password must match.
bool logOn(Database &db, const std::string &user, std::ostream &err) {
    std::string password;
    std::string error;
    if (!readPassword("Password for " + foldName(user) + ": ", password, error)) {
        failure(err, error);
        return false;
    }
    if (!db.checkPassword(user, password)) {
        failure(err, "ORA-01017: invalid username/password; logon denied");
        return false;
    }
    return true;
}

// As "sqlplus USER @SCRIPT ARG...": the words after the script are its &1, &2 ...; the
// lines of standard input after the password answer ACCEPT and substitution prompts.
int cmdRun(const Args &args, std::ostream &out, std::ostream &err) {
    if (args.size() < 3)
        return usageError(err, "run needs DB USER SCRIPT [ARGUMENT...]");
    std::unique_ptr<Database> db = openDatabase(args[0], err);
    if (!db || !logOn(*db, args[1], err))
        return kFailed;
    FileScriptSource source;
    ScriptRunner runner(*db, args[1], source, out, err);
    runner.setInput(&std::cin);
    runner.runFile(args[2], Args(args.begin() + 3, args.end()));
    out << runner.executed() << " statement(s) run, " << runner.failures() << " failed";
    if (runner.refused() > 0)
        out << ", " << runner.refused() << " not supported by the embedded database";
    out << ".\n";
    return runner.exitStatus();
}

int cmdDemo(const Args &args, std::ostream &out, std::ostream &err) {
    if (args.size() != 1 || args[0].empty())
        return usageError(err, "demo needs one argument: the database file");
    std::string error;
    std::unique_ptr<Database> db = Database::open(args[0], true, error);
    if (!db)
        return failure(err, "\"" + args[0] + "\": " + error);
    if (db->userExists("SCOTT"))
        return failure(err,
                       "ORA-01920: user name 'SCOTT' conflicts with another user or role name");
    if (!installDemoSchema(*db, error))
        return failure(err, error);
    out << "Demo schema SCOTT (password TIGER) created in " << args[0] << ".\n";
    return kOk;
}

bool parseLong(const std::string &text, long &value) {
    char *end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && end && *end == '\0' && errno == 0;
}

bool parseShare(const std::string &text, double &value) {
    char *end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0';
}

// "--objects N" or "--objects=N"; false with a message for anything else.
bool parseGeneratorOption(const Args &args, size_t &i, GeneratorOptions &o, std::string &error) {
    std::string name = args[i];
    std::string value;
    const size_t eq = name.find('=');
    if (eq != std::string::npos) {
        value = name.substr(eq + 1);
        name = name.substr(0, eq);
    } else if (i + 1 < args.size()) {
        value = args[++i];
    } else {
        error = name + " needs a value";
        return false;
    }
    bool ok = false;
    if (name == "--objects")
        ok = parseLong(value, o.objects);
    else if (name == "--lines")
        ok = parseLong(value, o.lines);
    else if (name == "--errors")
        ok = parseLong(value, o.errors);
    else if (name == "--invalid-share")
        ok = parseShare(value, o.invalidShare);
    else if (name == "--prefix")
        ok = !(o.prefix = value).empty();
    else {
        error = "unknown option " + name;
        return false;
    }
    if (!ok)
        error = "bad value for " + name + ": \"" + value + "\"";
    return ok;
}

int cmdGenerate(const Args &args, std::ostream &out, std::ostream &err) {
    if (args.size() < 2)
        return usageError(err, "generate needs DB USER --objects N --lines M [--errors K]");
    GeneratorOptions options;
    std::string error;
    for (size_t i = 2; i < args.size(); ++i)
        if (!parseGeneratorOption(args, i, options, error))
            return usageError(err, error);
    if (!checkGeneratorOptions(options, error))
        return usageError(err, error);
    std::unique_ptr<Database> db = openDatabase(args[0], err);
    if (!db)
        return kFailed;
    const auto start = std::chrono::steady_clock::now();
    GeneratorResult result;
    if (!generateSchema(*db, args[1], options, result, error))
        return failure(err, error);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    out << "Generated " << result.objects << " unit(s) in " << foldName(args[1]) << ": "
        << result.invalid << " invalid, " << result.errors << " error row(s), " << result.lines
        << " source line(s), " << took.count() << " s.\n";
    return kOk;
}

using Command = std::function<int(const Args &, std::ostream &, std::ostream &)>;

const std::map<std::string, Command> &commands() {
    static const std::map<std::string, Command> table = {
        {"create", cmdCreate}, {"adduser", cmdAddUser},   {"run", cmdRun},
        {"demo", cmdDemo},     {"generate", cmdGenerate}, {"lint", runLint},
    };
    return table;
}

} // namespace

std::string adminUsage() {
    return "Usage: ocilite COMMAND ARGUMENTS\n"
           "Administers ocilite databases: the SQLite files behind the embedded Oracle\n"
           "version-7 client library (libOCIW32).\n"
           "\n"
           "Commands:\n"
           "  create DB               create an empty database file\n"
           "  adduser DB USER         add a user (schema); the password is read from the\n"
           "                          terminal without echo, or as one line from standard input\n"
           "  run DB USER SCRIPT [ARGUMENT...]\n"
           "                          log on as USER (password read as above) and run a\n"
           "                          SQL*Plus script with its arguments as &1, &2 ...;\n"
           "                          failures are reported as FILE:LINE: ORA-... and the\n"
           "                          rest still runs\n"
           "  demo DB                 add user SCOTT (password TIGER) with the demo tables and\n"
           "                          program units; creates DB when missing\n"
           "  generate DB USER --objects N --lines M [--errors K] [--invalid-share F]\n"
           "                          [--prefix P]\n"
           "                          add N generated units of M lines to USER's schema; a\n"
           "                          share F (0..1, default 1) of them get K compile errors\n"
           "" +
           lintUsage() +
           "  help, --help            show this text\n"
           "\n"
           "DB is a database file, an alias from " +
           aliasFilePath() +
           ",\n"
           "or \"\" for the default database " +
           defaultDatabasePath() +
           "\n"
           "(created with the demo schema on first use).\n"
           "\n"
           "Scripts are read as SQL*Plus reads them: SQL statements end with ';' (or a\n"
           "line holding only '/'); CREATE [OR REPLACE] PACKAGE, PACKAGE BODY, PROCEDURE,\n"
           "FUNCTION, TRIGGER, TYPE, TYPE BODY and DECLARE/BEGIN blocks end with a line\n"
           "holding only '/'. Queries print their rows. @file and @@file (beside the script)\n"
           "run another script with its arguments; DEFINE, &name, &&name, ACCEPT and COLUMN\n"
           "... NEW_VALUE set and use substitution variables; SPOOL writes a file; PROMPT\n"
           "prints; SHOW ERRORS lists a unit's errors; WHENEVER SQLERROR EXIT stops at the\n"
           "first failure; EXIT ends. HOST, ! and $ are not run. Anonymous PL/SQL blocks\n"
           "and EXECUTE are refused: the embedded database does not run PL/SQL.\n"
           "Units are compiled as Oracle compiles them when created and by ALTER ...\n"
           "COMPILE: USER_ERRORS gets Oracle's rows, STATUS is VALID or INVALID, and\n"
           "replacing or dropping what a unit uses makes it INVALID. Rows declared after a\n"
           "unit's '/' line, one per line, in its stored source's line and column, replace\n"
           "the compiler's:\n"
           "  --@error 12:5 PLS-00201: identifier 'X' must be declared\n"
           "  --@+ a further line of the same message\n";
}

int runAdminTool(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
    if (args.empty())
        return usageError(err, "no command given");
    if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        out << adminUsage();
        return kOk;
    }
    const auto found = commands().find(args[0]);
    if (found == commands().end())
        return usageError(err, "unknown command \"" + args[0] + "\"");
    return found->second(Args(args.begin() + 1, args.end()), out, err);
}

} // namespace ocilite
