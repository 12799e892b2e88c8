#include "ocilite/api/embedded/areas.h"

namespace ocilite::embedded {
namespace {

std::set<const void *> g_logons;
std::set<const void *> g_cursors;

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
    g_logons.erase(logon);
    delete logon;
}

// The statement of a cursor; a deferred parse's error is reported now, once.
Statement &statementOf(Cursor &c) {
    if (c.deferredError) {
        const int code = c.deferredError;
        c.deferredError = 0;
        throw OraError(code, c.deferredText, OraError::FullText{});
    }
    if (!c.statement)
        throw OraError(kOraNoStatementParsed);
    return *c.statement;
}

sword finish(Cda_Def *area, Logon *logon, int code, const std::string &text, ub1 fc) {
    if (area) {
        area->rc = static_cast<ub2>(code);
        area->v2_rc = static_cast<sb2>(code == 0 ? 0 : -code);
        area->fc = code == 0 ? 0 : fc;
        area->peo = 0;
    }
    // The text is made when oerhms asks for it: a fetch that reports a NULL (1405) on nearly
    // every row must not format a message each time.
    if (logon && code != 0) {
        logon->lastCode = code;
        logon->lastText = text;
    }
    return code;
}

} // namespace ocilite::embedded
