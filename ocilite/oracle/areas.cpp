#include "areas.h"

#include "oci/ociv7_args.h"

#include <cstring>

namespace ocilite::oracle {

Areas &areas() {
    // A plain static: the client library may be unloaded, and with it everything it holds.
    static Areas registry;
    return registry;
}

Logon *logonOf(const Cda_Def *lda) {
    return lda && areas().logons.count(lda->rcsp) ? static_cast<Logon *>(lda->rcsp) : nullptr;
}

Cursor *cursorOf(const Cda_Def *cda) {
    return cda && areas().cursors.count(cda->rcsp) ? static_cast<Cursor *>(cda->rcsp) : nullptr;
}

sword finish(Cda_Def *area, Connection *connection, const Outcome &o, ub1 fc) {
    if (area) {
        area->rc = static_cast<ub2>(o.code);
        area->v2_rc = static_cast<sb2>(o.code == 0 ? 0 : -o.code);
        area->fc = o.code == 0 ? 0 : fc;
        area->peo = static_cast<ub2>(o.parseOffset > 0 ? o.parseOffset : 0);
    }
    if (connection && o.code != 0)
        connection->remember(o.code, o.text.empty() ? composedText(o.code) : o.text);
    return o.code;
}

std::string text(const OraText *p, sword length) {
    return ociv7::text(p, length);
}

void closeCursor(Cursor *cursor) {
    auto owner = areas().cursorLogon.find(cursor);
    if (owner != areas().cursorLogon.end()) {
        owner->second->cursors.erase(cursor);
        areas().cursorLogon.erase(owner);
    }
    areas().cursors.erase(cursor);
    delete cursor;
}

void closeLogon(Logon *logon) {
    {
        std::lock_guard<std::mutex> lock(areas().breakMutex);
        areas().breakable.erase(logon);
    }
    for (Cursor *cursor : std::set<Cursor *>(logon->cursors))
        closeCursor(cursor);
    areas().logons.erase(logon);
    delete logon;
}

int execute(Cda_Def &area, Cursor &c, int iterations, int offset) {
    area.rpc = 0;
    int ft = area.ft;
    int result = 0;
    try {
        result = c.execute(c.connection().autoCommit, ft, iterations, offset);
    } catch (...) {
        area.rpc = static_cast<ub4>(c.rowsProcessed());
        throw;
    }
    area.ft = static_cast<ub2>(ft);
    area.rpc = static_cast<ub4>(c.rowsProcessed());
    return result;
}

int fetch(Cda_Def &area, Cursor &c, int rows) {
    try {
        const int result = c.fetch(rows);
        area.rpc = static_cast<ub4>(c.rowsFetched());
        return result;
    } catch (...) {
        area.rpc = static_cast<ub4>(c.rowsFetched());
        throw;
    }
}

} // namespace ocilite::oracle
