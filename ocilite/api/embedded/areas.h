// The embedded side's state behind the areas (private header): a logon holds its database, a
// cursor its statement; both live behind the area's rcsp and are checked against a registry,
// so a null, stale or never-opened area gets an Oracle error instead of a crash. Every call
// has one shape: find the area's state under the lock, do the work inside guarded(), and
// leave through finish(), which records rc, fc and peo in the area.
#pragma once

#include "oci/ociv7.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/statement.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <new>
#include <set>
#include <string>

namespace ocilite::embedded {

struct Logon;

// An error and the parse error offset that goes with it (-1: none).
struct CallError {
    CallError() = default;
    CallError(int code, std::string text = std::string(), int offset = -1)
        : code(code), text(std::move(text)), offset(offset) {}

    int code = 0;
    std::string text;
    int offset = -1;
};

struct Cursor {
    Logon *logon = nullptr;
    std::unique_ptr<Statement> statement;
    std::string sql;          // the text last parsed, for the parse error offset
    bool deferred = false;    // parsed with defflg != 0: errors wait for oexec / odescr
    int deferredError = 0;    // a deferred parse's (or bind's) error, reported at execution
    std::string deferredText; // ... with its text
    int deferredOffset = -1;  // ... and its parse error offset
    CallError pendingError;   // a bind's or define's error a deferred parse holds back
    bool ddlDone = false;     // DDL already run by an immediate parse
    bool noWait = false;      // oopt: a locked resource fails at once (ORA-00054)
};

struct Logon {
    std::unique_ptr<Database> db;
    bool autoCommit = false;
    bool nonBlocking = false; // onbset / olog in non-blocking mode
    int lastCode = 0;
    std::string lastText;
    std::set<Cursor *> cursors;
    // obreak, from any thread without the lock: a call of this logon is running / is to stop.
    std::atomic<bool> busy{false};
    std::atomic<bool> breakRequested{false};
};

// Guards the registry and everything behind the areas.
std::mutex &areasMutex();

// The state an area holds, or null; call with the lock held.
Logon *logonOf(const Cda_Def *lda);
Cursor *cursorOf(const Cda_Def *cda);
void registerLogon(Cda_Def *lda, std::unique_ptr<Logon> logon);
Cursor *openCursor(Logon &logon);
void closeCursor(Cursor *cursor);
void closeLogon(Logon *logon); // its cursors too

// obreak: asks the running call of the logon the area holds to stop; false when the area
// holds no logon of this side. Takes only the break registry's own lock.
bool requestBreak(const Cda_Def *lda);

// The statement a cursor has parsed; a deferred parse's error is reported now (ORA-01003
// when nothing was parsed).
Statement &statementOf(Cursor &c);

// The last failed logon's error, for oerhms on an area holding no logon.
struct LogonFailure {
    int code = 0;
    std::string text;
};
LogonFailure &lastLogonFailure();

// The one exit path: records the outcome in the area (and the logon's last error) and
// returns it.
sword finish(Cda_Def *area, Logon *logon, const CallError &outcome, ub1 fc);

// Runs body and turns whatever it throws into an Oracle error, its text and offset.
template <typename F> CallError guarded(F &&body) {
    CallError e;
    try {
        e.code = body();
    } catch (const OraError &x) {
        e = CallError{x.code(), x.text(), x.offset()};
    } catch (const std::bad_alloc &) {
        e = CallError{kOraOutOfMemory, oraText(kOraOutOfMemory)};
    } catch (const std::exception &x) {
        e = CallError{kOraInternal, oraText(kOraInternal, x.what())};
    } catch (...) {
        e = CallError{kOraInternal, oraText(kOraInternal, "unknown failure")};
    }
    return e;
}

// While a call of the logon runs: the database waits for locks as the logon's options say,
// obreak can stop it, and an error SQLite raises because of the options reads as Oracle's.
class RunningCall {
public:
    RunningCall(Logon &logon, const Cursor *cursor);
    ~RunningCall();
    RunningCall(const RunningCall &) = delete;
    RunningCall &operator=(const RunningCall &) = delete;
    // ORA-00054 in non-blocking mode is "call again later" (ORA-03123).
    void adjust(CallError &e) const;

private:
    Logon &m_logon;
};

// A call on a cursor area: ORA-01001 when the area holds no cursor of this side.
template <typename F> sword cursorCall(Cda_Def *cda, ub1 fc, F &&body) {
    if (!cda)
        return kOraInvalidCursor;
    std::lock_guard<std::mutex> lock(areasMutex());
    Cursor *cursor = cursorOf(cda);
    if (!cursor)
        return finish(cda, nullptr, {kOraInvalidCursor}, fc);
    RunningCall running(*cursor->logon, cursor);
    CallError e = guarded([&] { return body(*cursor); });
    running.adjust(e);
    return finish(cda, cursor->logon, e, fc);
}

// A call on a logon area: ORA-01012 when the area holds no logon of this side.
template <typename F> sword logonCall(Cda_Def *lda, F &&body) {
    if (!lda)
        return kOraNotLoggedOn;
    std::lock_guard<std::mutex> lock(areasMutex());
    Logon *logon = logonOf(lda);
    if (!logon)
        return finish(lda, nullptr, {kOraNotLoggedOn}, OCIV7_FC_NONE);
    RunningCall running(*logon, nullptr);
    CallError e = guarded([&] { return body(*logon); });
    running.adjust(e);
    return finish(lda, logon, e, OCIV7_FC_NONE);
}

} // namespace ocilite::embedded
