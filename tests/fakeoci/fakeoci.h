#pragma once
// Control side of the scripted client library: tests program what the next calls of the
// twenty version-7 entry points return, and read back every call with its salient arguments.
// The scripted library variants (libOCI.so / libOCIW32.so under build/fakeoci/<variant>/)
// all share this state, so a test process that links fakeoci_state programs whichever
// variant the session loaded.
//
// Behaviour of the scripted entry points when nothing is programmed:
//   - every call succeeds (returns 0) and clears rc and fc of the area it was given;
//   - olog logs on with whatever it is given; ologof, ocon, ocof, ocom, orol, oopen, oclose,
//     ocan, obndrv, obndra, odessp and ogetpi just succeed;
//   - oparse attaches a result set to the cursor area (see queueResult/setResult) and sets
//     the area's ft (4 for a text starting with SELECT, 3 INSERT, 5 UPDATE, 9 DELETE, else 0);
//   - odescr fills the record from the attached result set's column at that 1-based
//     position; the name is copied without terminator, cut to the capacity the caller
//     passed in *cbufl, and *cbufl receives the name's full length (as Oracle documents);
//     past the last column: rc 1007;
//   - odefin remembers the buffer and its length for the position;
//   - obndrn remembers the address and length bound to a placeholder number;
//   - oexec copies the bound values (read from the bound addresses, type 5 text) into the
//     recorded Call, sets rpc to setRowsProcessed()'s value and rewinds the fetch;
//   - ofetch writes each value of the next row as zero-terminated text into the buffer
//     defined for its column (columns without a buffer are skipped); a value longer than
//     the buffer is cut to fit and the call ends with rc 1406; a NULL leaves the buffer
//     untouched (Oracle promises nothing about it) and the call ends with rc 1405 (1406 wins when
//     both happen); past the last row: rc 1403.
//     Each fetched row adds 1 to rpc;
//   - oerhms writes errorText(code) ("ORA-%05d: scripted error" unless setErrorText was
//     called for the code), cut to the buffer size, zero-terminated.
// A programmed failure (failNext/failAfter/setDescribeFailure) makes the call write rc
// and fc into the area and return -1 without doing anything else.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fakeoci {

// One select-list column as odescr reports it.
struct Column {
    std::string name;
    int dbtype = 1; // VARCHAR2
    int dbsize = 30;
    int prec = 0;
    int scale = 0;
    bool nullok = true;
    int dsize = -1; // display size; -1 reports dbsize
};

using Value = std::optional<std::string>; // nullopt is a NULL
using Rows = std::vector<std::vector<Value>>;

// One call of an entry point, in the order the calls happened.
struct Call {
    std::string entry;                // "olog", "oparse", ...
    std::string library;              // file name of the variant that served the call
    const void *area = nullptr;       // first argument (the cursor or logon area)
    const void *lda = nullptr;        // oopen: the logon area; oerhms: the area passed
    std::string text;                 // oparse: the statement text (as far as sqllen says)
    int position = 0;                 // odescr/odefin position, obndrn placeholder number
    int length = 0;                   // oparse sqllen, odefin/obndrn buffer length,
                                      // oerhms buffer size
    int type = 0;                     // odefin/obndrn external type
    int code = 0;                     // oerhms return code asked for; olog mode
    std::string user, password, conn; // olog, read as the lengths given say
    std::vector<std::string> bound;   // oexec: placeholder 1..n values read at that time
    std::vector<std::intptr_t> args;  // every argument in order, pointers as integers
    int result = 0;                   // what the call returned
};

// Forgets everything programmed and recorded (calls, results, failures, error texts,
// library loads).
void reset();

// The next `times` calls of `entry` fail with rc (and fc) left in their area.
void failNext(const std::string &entry, int rc, int fc = 0, int times = 1);
// The next `skip` calls of `entry` behave normally, then `times` calls fail.
void failAfter(const std::string &entry, int skip, int rc, int fc = 0, int times = 1);

// The result set every following oparse attaches to its cursor area (until changed).
void setResult(std::vector<Column> columns, Rows rows);
// A result set used by one oparse only; queued ones are used before the setResult one.
void queueResult(std::vector<Column> columns, Rows rows);
// rpc that oexec leaves in the area.
void setRowsProcessed(int rpc);
// odescr at that 1-based position fails with rc (every time, until reset).
void setDescribeFailure(int pos, int rc);
// The text oerhms returns for a code.
void setErrorText(int code, const std::string &text);
std::string errorText(int code);

// Everything that was called since reset(), in order.
std::vector<Call> calls();
// The calls of one entry point.
std::vector<Call> callsOf(const std::string &entry);
// The statement texts oparse received, in order.
std::vector<std::string> parsedStatements();
int callCount(const std::string &entry);
// Number of calls of every entry point together.
int totalCalls();

// A place in a run of calls where a programmed failure can strike: the call of `entry` that
// failAfter(entry, skip, ...) programmed at the run's start makes fail.
struct CallSite {
    std::string entry;
    int skip = 0;
    bool operator==(const CallSite &) const = default;
};
// Every call site of the calls from index `from` on (oerhms left out: it is only ever called
// about another call's failure), in the order the calls happened.
std::vector<CallSite> callSitesSince(std::size_t from);

// File names of the variant libraries whose loading (dlopen) happened since reset(),
// in order; and of those that were unloaded again.
std::vector<std::string> loadedLibraries();
std::vector<std::string> unloadedLibraries();

// Called at the start of every entry call (after it was recorded, before it does anything),
// e.g. to look at the application's state while the library "works". The hook must not
// call an entry point itself. Empty: nothing.
void setCallHook(std::function<void(const Call &)> hook);

// Whether an olog succeeded without a later successful ologof.
bool loggedOn();

} // namespace fakeoci
