#include "ocilite/api/embedded/areas.h"

#include <sqlite3.h>

#include <utility>

namespace ocilite::embedded {
namespace {

std::set<const void *> g_logons;
std::set<const void *> g_cursors;

// The logons obreak can reach, under their own lock: a break must not wait for the areas lock,
// which the call it interrupts holds.
struct BreakRegistry {
    std::mutex mutex;
    std::set<const void *> logons;
};

BreakRegistry &breakRegistry() {
    static BreakRegistry registry;
    return registry;
}

// SQLite asks every thousand steps whether to go on; a requested break stops the statement.
int stopWhenBroken(void *logon) {
    return static_cast<Logon *>(logon)->breakRequested.load() ? 1 : 0;
}

// How long a statement waits for a lock another session holds before it fails (ORA-00054).
constexpr int kLockWaitMs = 5000;

} // namespace

std::mutex &areasMutex() {
    static std::mutex mutex;
    return mutex;
}

LogonFailure &lastLogonFailure() {
    static LogonFailure failure;
    return failure;
}

Logon *logonOf(const Cda_Def *lda) {
    return lda && g_logons.count(lda->rcsp) ? static_cast<Logon *>(lda->rcsp) : nullptr;
}

Cursor *cursorOf(const Cda_Def *cda) {
    return cda && g_cursors.count(cda->rcsp) ? static_cast<Cursor *>(cda->rcsp) : nullptr;
}

void registerLogon(Cda_Def *lda, std::unique_ptr<Logon> logon) {
    sqlite3_progress_handler(logon->db->handle(), 1000, stopWhenBroken, logon.get());
    {
        std::lock_guard<std::mutex> lock(breakRegistry().mutex);
        breakRegistry().logons.insert(logon.get());
    }
    g_logons.insert(logon.get());
    lda->rcsp = logon.release();
}

Cursor *openCursor(Logon &logon) {
    auto c = std::make_unique<Cursor>();
    c->logon = &logon;
    g_cursors.insert(c.get());
    try {
        logon.cursors.insert(c.get());
    } catch (...) {
        g_cursors.erase(c.get());
        throw;
    }
    return c.release();
}

void closeCursor(Cursor *cursor) {
    if (cursor->logon)
        cursor->logon->cursors.erase(cursor);
    g_cursors.erase(cursor);
    delete cursor;
}

void closeLogon(Logon *logon) {
    for (Cursor *cursor : std::set<Cursor *>(logon->cursors))
        closeCursor(cursor);
    {
        std::lock_guard<std::mutex> lock(breakRegistry().mutex);
        breakRegistry().logons.erase(logon);
    }
    g_logons.erase(logon);
    delete logon;
}

bool requestBreak(const Cda_Def *lda) {
    if (!lda)
        return false;
    std::lock_guard<std::mutex> lock(breakRegistry().mutex);
    const void *held = lda->rcsp;
    if (!breakRegistry().logons.count(held))
        return false;
    auto *logon = static_cast<Logon *>(const_cast<void *>(held));
    if (logon->busy.load())
        logon->breakRequested = true;
    return true;
}

// The statement of a cursor; a deferred parse's error is reported by the first call that
// needs the statement, after which the cursor holds no statement, as after any failed parse.
Statement &statementOf(Cursor &c) {
    if (c.deferredError && !c.statement)
        throw OraError(std::exchange(c.deferredError, 0), c.deferredText, OraError::FullText{})
            .at(static_cast<size_t>(c.deferredOffset < 0 ? 0 : c.deferredOffset));
    if (!c.statement)
        throw OraError(kOraNoStatementParsed);
    return *c.statement;
}

sword finish(Cda_Def *area, Logon *logon, const CallError &outcome, ub1 fc) {
    const int code = outcome.code;
    if (area) {
        area->rc = static_cast<ub2>(code);
        area->v2_rc = static_cast<sb2>(code == 0 ? 0 : -code);
        area->fc = code == 0 ? 0 : fc;
        area->peo = static_cast<ub2>(outcome.offset > 0 ? outcome.offset : 0);
    }
    // The text is made when oerhms asks for it: a fetch that reports a NULL (1405) on nearly
    // every row must not format a message each time.
    if (logon && code != 0) {
        logon->lastCode = code;
        logon->lastText = outcome.text;
    }
    return code;
}

RunningCall::RunningCall(Logon &logon, const Cursor *cursor) : m_logon(logon) {
    logon.breakRequested = false;
    logon.busy = true;
    logon.db->setStopFlag(&logon.breakRequested); // an anonymous block stops at its next statement
    const bool wait = !logon.nonBlocking && !(cursor && cursor->noWait);
    sqlite3_busy_timeout(logon.db->handle(), wait ? kLockWaitMs : 0);
}

RunningCall::~RunningCall() {
    if (m_logon.db)
        m_logon.db->setStopFlag(nullptr);
    m_logon.busy = false;
}

void RunningCall::adjust(CallError &e) const {
    if (e.code != 0 && m_logon.breakRequested.exchange(false))
        e = CallError{kOraUserCancel, oraText(kOraUserCancel)};
    else if (e.code == kOraResourceBusy && m_logon.nonBlocking)
        e = CallError{kOraWouldBlock, oraText(kOraWouldBlock)};
}

} // namespace ocilite::embedded
