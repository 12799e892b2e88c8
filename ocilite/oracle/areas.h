// Private to ocilite/oracle: the registry of the logon and cursor areas this side serves, and
// the one shape every entry point has: find the area's logon or cursor (a null, stale or
// foreign area gets an Oracle error, never a crash), run the work inside one guard that turns
// every failure into an Oracle error number and text, and leave through finish(), which fills
// rc, fc and peo and keeps the text for oerhms.
#pragma once

#include "cursor.h"

#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <set>
#include <string>

namespace ocilite::oracle {

struct Logon {
    std::unique_ptr<Connection> connection;
    std::set<Cursor *> cursors;
};

// Every area this side serves, and the last failed logon, for oerhms on an area holding no
// logon. One lock guards it all, so calls on one side's areas never overlap.
struct Areas {
    std::mutex mutex;
    std::set<const void *> logons;
    std::set<const void *> cursors;
    std::map<const Cursor *, Logon *> cursorLogon;
    int logonFailureCode = 0;
    std::string logonFailureText;
    // obreak's own registry of the logons, under a lock of its own: it must answer while
    // another thread's call holds the one above.
    std::mutex breakMutex;
    std::set<const void *> breakable;
};

Areas &areas();
Logon *logonOf(const Cda_Def *lda);
Cursor *cursorOf(const Cda_Def *cda);
void closeCursor(Cursor *cursor);
void closeLogon(Logon *logon);
// The text a (pointer, length) argument names; a negative length means zero-terminated.
std::string text(const OraText *p, sword length);

struct Outcome {
    int code = 0;
    std::string text;
    int parseOffset = -1;
};

sword finish(Cda_Def *area, Connection *connection, const Outcome &o, ub1 fc);

template <typename F> Outcome guarded(F &&body) {
    Outcome o;
    try {
        o.code = body();
        if (o.code != 0)
            o.text = composedText(o.code);
    } catch (const BridgeError &e) {
        o.code = e.code();
        o.text = e.text();
        o.parseOffset = e.parseOffset();
    } catch (const std::bad_alloc &) {
        o.code = kOraOutOfMemory;
        o.text = composedText(o.code);
    } catch (...) {
        o.code = kOraInternal;
        o.text = composedText(o.code);
    }
    return o;
}

template <typename F> sword cursorCall(Cda_Def *cda, ub1 fc, F &&body) {
    if (!cda)
        return kOraInvalidCursor;
    std::lock_guard<std::mutex> lock(areas().mutex);
    Cursor *cursor = cursorOf(cda);
    if (!cursor)
        return finish(cda, nullptr, {kOraInvalidCursor, "", -1}, fc);
    const Outcome o = guarded([&] { return body(*cursor); });
    return finish(cda, &cursor->connection(), o, fc);
}

// oexec and oexn: the elements offset .. iterations-1; rpc the rows processed, also when an
// element fails; 3129 when a piecewise bind needs its next piece. ofetch and ofen: up to
// `rows` rows; rpc every row fetched since the execution, also when the rows run out.
int execute(Cda_Def &area, Cursor &c, int iterations, int offset);
int fetch(Cda_Def &area, Cursor &c, int rows);

template <typename F> sword logonCall(Cda_Def *lda, F &&body) {
    if (!lda)
        return kOraNotLoggedOn;
    std::lock_guard<std::mutex> lock(areas().mutex);
    Logon *logon = logonOf(lda);
    if (!logon)
        return finish(lda, nullptr, {kOraNotLoggedOn, "", -1}, OCIV7_FC_NONE);
    const Outcome o = guarded([&] { return body(*logon); });
    return finish(lda, logon->connection.get(), o, OCIV7_FC_NONE);
}

} // namespace ocilite::oracle
