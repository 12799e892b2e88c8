// The embedded side's state behind the areas (private header): a logon holds its database, a
// cursor its statement; both live behind the area's rcsp and are checked against a registry,
// so a null, stale or never-opened area gets an Oracle error instead of a crash. Every call
// has one shape: find the area's state under the lock, do the work inside guarded(), and
// leave through finish(), which records rc and fc in the area.
#pragma once

#include "oci/ociv7.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/statement.h"

#include <memory>
#include <mutex>
#include <new>
#include <set>
#include <string>

namespace ocilite::embedded {

struct Logon;

struct Cursor {
    Logon *logon = nullptr;
    std::unique_ptr<Statement> statement;
    int deferredError = 0; // a deferred parse's error, reported by the next call
    std::string deferredText;
    bool ddlDone = false; // DDL already run by an immediate parse
};

struct Logon {
    std::unique_ptr<Database> db;
    bool autoCommit = false;
    int lastCode = 0;
    std::string lastText;
    std::set<Cursor *> cursors;
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

// The statement a cursor has parsed; a deferred parse's error is reported now, once.
// ORA-01003 when nothing was parsed.
Statement &statementOf(Cursor &c);

// The last failed logon's error, for oerhms on an area that holds no logon.
struct LogonFailure {
    int code = 0;
    std::string text;
};
LogonFailure &lastLogonFailure();

// The one exit path: records the outcome in the area (and the logon's last error) and
// returns it.
sword finish(Cda_Def *area, Logon *logon, int code, const std::string &text, ub1 fc);

// Runs body and turns whatever it throws into an Oracle error code and text.
template <typename F> int guarded(std::string &text, F &&body) {
    try {
        return body();
    } catch (const OraError &e) {
        text = e.text();
        return e.code();
    } catch (const std::bad_alloc &) {
        text = oraText(kOraOutOfMemory);
        return kOraOutOfMemory;
    } catch (const std::exception &e) {
        text = oraText(kOraInternal, e.what());
        return kOraInternal;
    } catch (...) {
        text = oraText(kOraInternal, "unknown failure");
        return kOraInternal;
    }
}

// A call on a cursor area: ORA-01001 when the area holds no cursor of this side.
template <typename F> sword cursorCall(Cda_Def *cda, ub1 fc, F &&body) {
    if (!cda)
        return kOraInvalidCursor;
    std::lock_guard<std::mutex> lock(areasMutex());
    Cursor *cursor = cursorOf(cda);
    if (!cursor)
        return finish(cda, nullptr, kOraInvalidCursor, std::string(), fc);
    std::string text;
    const int code = guarded(text, [&] { return body(*cursor); });
    return finish(cda, cursor->logon, code, text, fc);
}

// A call on a logon area: ORA-01012 when the area holds no logon of this side.
template <typename F> sword logonCall(Cda_Def *lda, F &&body) {
    if (!lda)
        return kOraNotLoggedOn;
    std::lock_guard<std::mutex> lock(areasMutex());
    Logon *logon = logonOf(lda);
    if (!logon)
        return finish(lda, nullptr, kOraNotLoggedOn, std::string(), OCIV7_FC_NONE);
    std::string text;
    const int code = guarded(text, [&] { return body(*logon); });
    return finish(lda, logon, code, text, OCIV7_FC_NONE);
}

} // namespace ocilite::embedded
