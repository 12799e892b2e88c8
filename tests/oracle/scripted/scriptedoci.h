#pragma once
// Control side of the scripted Oracle client: a stand-in for Oracle's client library
// (libclntsh.so) exporting the OCI 8 functions the bridge calls, whose answers each test
// programs: the statements it knows (statement type, SQL function code, select list, rows,
// NULLs, long values, rows processed), a failure at any call, a lost connection. Every call
// is recorded. The library variants (build/scriptedoci/<variant>/) share this state, so a
// test that links scriptedoci_state programs whichever variant the bridge loaded.
//
// With nothing programmed: any user logs on, a statement is typed by its first word and has
// no select list and no rows, every call succeeds. A program started from a shell (the
// end-to-end test) reads a scenario file named by VELMORA_SCRIPTED_OCI_SCENARIO instead
// (format: see loadScenario).

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace scriptedoci {

struct Column {
    std::string name;
    int type = 1; // SQLT_* as OCI 8 describes it (1 VARCHAR2, 2 NUMBER, 12 DATE, ...)
    int size = 30;
    int precision = 0;
    int scale = 0;
    bool nullable = true;
};

using Value = std::optional<std::string>; // nullopt is a NULL
using Rows = std::vector<std::vector<Value>>;

// An Oracle error as the client reports it; an empty text becomes "ORA-nnnnn: scripted
// error".
struct Failure {
    int code = 0;
    std::string text;
    int parseOffset = 0;
};

// What one statement does. It applies to every prepared text containing `match`.
struct Statement {
    std::string match;
    int type = 1;         // OCI_ATTR_STMT_TYPE
    int functionCode = 0; // OCI_ATTR_SQLFNCODE once the server has seen it; 0: 4/3/5/9 by type
    std::vector<Column> columns;
    Rows rows;
    int rowCount = 0;                      // rows processed by DML
    std::vector<std::string> placeholders; // when given, binds are checked against them
    Failure parseError;                    // raised wherever the server parses
    Failure executeError;                  // raised by a real execution
    Failure fetchError;                    // raised when fetching row fetchErrorAt (0-based)
    int fetchErrorAt = -1;
    // What a PL/SQL block assigns to its OUT binds by placeholder: one value for a scalar,
    // the elements for a PL/SQL table.
    std::vector<std::pair<std::string, std::vector<Value>>> outputs;
};

// One call as the bridge made it.
struct Call {
    Call() = default;
    Call(std::string function, std::string text = {}, unsigned mode = 0, unsigned iters = 0,
         int position = 0, int size = 0)
        : function(std::move(function)), text(std::move(text)), mode(mode), iters(iters),
          position(position), size(size) {}

    std::string function;
    std::string text;               // statement, connect string, placeholder, user name
    unsigned mode = 0;              // execute mode, credentials type, commit flags
    unsigned iters = 0;             // execute iterations, fetch rows, define/bind type
    int position = 0;               // define position, fetch orientation
    int size = 0;                   // define/bind value size; environment charset
    std::vector<std::string> bound; // OCIStmtExecute: "name=value" / "name=NULL" at that time;
                                    // a PL/SQL table "name=[v1,v2]"
};

// One argument of a stored subprogram as OCIDescribeAny reports it (a function's return value
// is the unnamed first one); a record's fields are arguments one level down.
struct Argument {
    std::string name;
    int type = 1; // 1 VARCHAR2, 2 NUMBER, 3 BINARY_INTEGER, 12 DATE, 250 record, 251 table ...
    int size = 0;
    int precision = 0;
    int scale = 0;
    int radix = 0;
    bool hasDefault = false;
    int mode = 0; // 0 IN, 1 OUT, 2 IN OUT
    std::vector<Argument> fields;
};

struct Subprogram {
    std::string name;
    bool function = false;
    int overload = 0; // OCI_ATTR_OVERLOAD_ID
    std::vector<Argument> arguments;
};

// A stored procedure or function (one subprogram) or package (its subprograms) of a schema,
// or a synonym for "SCHEMA.OBJECT" (in schema PUBLIC for a public one).
struct StoredObject {
    std::string schema = "SCOTT";
    std::string name;
    bool package = false;
    std::vector<Subprogram> subprograms;
    std::string synonymFor;
};

void reset();
void addStatement(Statement statement);
// An object OCIDescribeAny finds by [schema.]name (unquoted names in any case); a public
// synonym only when the describe handle's OCI_ATTR_DESC_PUBLIC is set.
void addObject(StoredObject object);
// Only this user and password log on (otherwise any do).
void setAccount(const std::string &user, const std::string &password);
// The call of `function` after `skip` successful ones fails with the failure.
void failCall(const std::string &function, Failure failure, int skip = 0);
// The connection is lost at the round trip after `skip` successful ones: that one fails with
// ORA-03113, every later one with ORA-03114.
void loseConnection(int skip = 0);
// While a server is in non-blocking mode (OCI_ATTR_NONBLOCKING_MODE), the next `times` round
// trips answer OCI_STILL_EXECUTING without doing anything; the call is done when the program
// makes the same call again (same function, same statement), and until then any other round
// trip fails with ORA-03127.
void stillExecuting(int times);

std::vector<Call> calls();
std::vector<Call> callsOf(const std::string &function);
// Handles and descriptors allocated and not yet freed.
int liveHandles();
// Every statement text prepared, in order.
std::vector<std::string> preparedStatements();

// Reads a scenario file: blocks of
//   statement <text the statement contains>
//   type <n> | code <n> | rowcount <n>
//   column <name> <sqlt type> <size> [<precision> <scale>]
//   row <value>\t<value>...        (\N is a NULL, \n a line feed)
//   end
// and "account <user> <password>". False with a message on a bad line.
bool loadScenario(const std::string &path, std::string &error);

} // namespace scriptedoci
