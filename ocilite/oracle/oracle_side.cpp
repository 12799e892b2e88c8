// The version-7 entry points on the Oracle side. Each has the shape of the embedded side's:
// find the area's logon or cursor in the registry (a null, stale or foreign area gets an
// Oracle error, never a crash), do the work inside one guard that turns every failure into an
// Oracle error number and text, and leave through finish(), which fills rc, fc and peo.
#include "oracle_side.h"

#include "cursor.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <set>

namespace ocilite::oracle {
namespace {

// OCI function codes (the version-7 table); logon-level calls have none.
enum : ub1 {
    kFcNone = 0,
    kFcExec = 4,
    kFcDefin = 8,
    kFcFetch = 12,
    kFcOpen = 14,
    kFcClose = 16,
    kFcBndrv = 28,
    kFcBndrn = 30,
    kFcCan = 52,
    kFcParse = 54,
    kFcDescr = 60,
    kFcBndra = 62,
    kFcGetpi = 65,
};

struct Logon {
    std::unique_ptr<Connection> connection;
    std::set<Cursor *> cursors;
};

std::mutex g_mutex;
std::set<const void *> g_logons;
std::set<const void *> g_cursors;
std::map<const Cursor *, Logon *> g_cursorLogon;
int g_logonFailureCode = 0;
std::string g_logonFailureText;

Logon *logonOf(const Cda_Def *lda) {
    return lda && g_logons.count(lda->rcsp) ? static_cast<Logon *>(lda->rcsp) : nullptr;
}

Cursor *cursorOf(const Cda_Def *cda) {
    return cda && g_cursors.count(cda->rcsp) ? static_cast<Cursor *>(cda->rcsp) : nullptr;
}

struct Outcome {
    int code = 0;
    std::string text;
    int parseOffset = -1;
};

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
    std::lock_guard<std::mutex> lock(g_mutex);
    Cursor *cursor = cursorOf(cda);
    if (!cursor)
        return finish(cda, nullptr, {kOraInvalidCursor, "", -1}, fc);
    const Outcome o = guarded([&] { return body(*cursor); });
    return finish(cda, &cursor->connection(), o, fc);
}

template <typename F> sword logonCall(Cda_Def *lda, F &&body) {
    if (!lda)
        return kOraNotLoggedOn;
    std::lock_guard<std::mutex> lock(g_mutex);
    Logon *logon = logonOf(lda);
    if (!logon)
        return finish(lda, nullptr, {kOraNotLoggedOn, "", -1}, kFcNone);
    const Outcome o = guarded([&] { return body(*logon); });
    return finish(lda, logon->connection.get(), o, kFcNone);
}

std::string text(const OraText *p, sword length) {
    if (!p)
        return std::string();
    const char *c = reinterpret_cast<const char *>(p);
    if (length < 0)
        return std::string(c);
    return std::string(c, strnlen(c, static_cast<size_t>(length)));
}

void closeCursor(Cursor *cursor) {
    auto owner = g_cursorLogon.find(cursor);
    if (owner != g_cursorLogon.end()) {
        owner->second->cursors.erase(cursor);
        g_cursorLogon.erase(owner);
    }
    g_cursors.erase(cursor);
    delete cursor;
}

void closeLogon(Logon *logon) {
    for (Cursor *cursor : std::set<Cursor *>(logon->cursors))
        closeCursor(cursor);
    g_logons.erase(logon);
    delete logon;
}

} // namespace

bool ownsLogon(const Cda_Def *lda) {
    std::lock_guard<std::mutex> lock(g_mutex);
    return logonOf(lda) != nullptr;
}

bool ownsCursor(const Cda_Def *cda) {
    std::lock_guard<std::mutex> lock(g_mutex);
    return cursorOf(cda) != nullptr;
}

void forgetLogon(Cda_Def *lda) {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (Logon *logon = logonOf(lda)) {
        closeLogon(logon);
        lda->rcsp = nullptr;
    }
}

void forgetCursor(Cda_Def *cda) {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (Cursor *cursor = cursorOf(cda)) {
        closeCursor(cursor);
        cda->rcsp = nullptr;
    }
}

void splitLogonText(std::string &user, std::string &password, std::string &connect) {
    const auto at = user.find('@');
    if (at != std::string::npos) {
        if (connect.empty())
            connect = user.substr(at + 1);
        user.erase(at);
    }
    const auto slash = user.find('/');
    if (slash != std::string::npos) {
        if (password.empty())
            password = user.substr(slash + 1);
        user.erase(slash);
    }
}

sword logon(Cda_Def *lda, const std::string &user, const std::string &password,
            const std::string &connect) {
    if (!lda)
        return kOraNotLoggedOn;
    std::lock_guard<std::mutex> lock(g_mutex);
    if (Logon *old = logonOf(lda))
        closeLogon(old);
    lda->rcsp = nullptr;
    lda->ft = 0;
    lda->rpc = 0;
    auto opened = std::make_unique<Logon>();
    const Outcome o = guarded([&] {
        std::string error;
        const ClientLibrary *library = ClientLibrary::instance(error);
        if (!library)
            throw BridgeError(kOraClientUnavailable, error);
        opened->connection =
            std::make_unique<Connection>(*library, Credentials{user, password, connect});
        return 0;
    });
    if (o.code != 0) {
        g_logonFailureCode = o.code;
        g_logonFailureText = o.text;
        return finish(lda, nullptr, o, kFcNone);
    }
    lda->rcsp = opened.get();
    g_logons.insert(opened.release());
    return finish(lda, nullptr, Outcome{}, kFcNone);
}

sword olog(Cda_Def *lda, ub1 *hda, OraText *uid, sword uidl, OraText *pswd, sword pswdl,
           OraText *conn, sword connl, ub4 mode) {
    (void)hda; // the host area is never written: all state lives behind rcsp
    (void)mode;
    std::string user = text(uid, uidl), password = text(pswd, pswdl), connect = text(conn, connl);
    splitLogonText(user, password, connect);
    const sword rc = logon(lda, user, password, connect);
    std::memset(password.data(), 0, password.size());
    return rc;
}

sword ologof(Cda_Def *lda) {
    // A normal logoff commits, as Oracle does; a connection already lost has nothing left to
    // commit, and the logon is released either way so the program can log on again.
    const sword rc = logonCall(lda, [](Logon &logon) {
        try {
            logon.connection->commit();
        } catch (const BridgeError &e) {
            if (!isConnectionLost(e.code()))
                throw;
        }
        return 0;
    });
    std::lock_guard<std::mutex> lock(g_mutex);
    if (Logon *logon = logonOf(lda)) {
        closeLogon(logon);
        lda->rcsp = nullptr;
    }
    return rc;
}

sword oopen(Cda_Def *cursor, Cda_Def *lda, OraText *dbn, sword dbnl, sword arsize, OraText *uid,
            sword uidl) {
    (void)dbn, (void)dbnl, (void)arsize, (void)uid, (void)uidl;
    if (!cursor)
        return kOraInvalidCursor;
    std::lock_guard<std::mutex> lock(g_mutex);
    Logon *logon = logonOf(lda);
    if (!logon)
        return finish(cursor, nullptr, {kOraNotLoggedOn, "", -1}, kFcOpen);
    if (Cursor *old = cursorOf(cursor))
        closeCursor(old);
    Cursor *opened = nullptr;
    const Outcome o = guarded([&] {
        auto c = std::make_unique<Cursor>(*logon->connection);
        g_cursorLogon[c.get()] = logon;
        g_cursors.insert(c.get());
        logon->cursors.insert(c.get());
        opened = c.release();
        return 0;
    });
    cursor->rcsp = o.code == 0 ? opened : nullptr;
    cursor->ft = 0;
    cursor->rpc = 0;
    return finish(cursor, logon->connection.get(), o, kFcOpen);
}

sword oclose(Cda_Def *cursor) {
    const sword rc = cursorCall(cursor, kFcClose, [](Cursor &) { return 0; });
    std::lock_guard<std::mutex> lock(g_mutex);
    if (Cursor *c = cursorOf(cursor)) {
        closeCursor(c);
        cursor->rcsp = nullptr;
    }
    return rc;
}

sword oparse(Cda_Def *cursor, OraText *sqlstm, sb4 sqllen, sword defflg, ub4 lngflg) {
    (void)lngflg; // Oracle's current interface parses with the server's own syntax
    return cursorCall(cursor, kFcParse, [&](Cursor &c) {
        cursor->ft = 0;
        cursor->rpc = 0;
        if (!sqlstm)
            throw BridgeError(900, "ORA-00900: invalid SQL statement");
        const std::string sql = text(sqlstm, sqllen < 0 ? -1 : static_cast<sword>(sqllen));
        cursor->ft = static_cast<ub2>(c.parse(sql, defflg != 0));
        return 0;
    });
}

sword odescr(Cda_Def *cursor, sword pos, sb4 *dbsize, sb2 *dbtype, sb1 *cbuf, sb4 *cbufl,
             sb4 *dsize, sb2 *prec, sb2 *scale, sb2 *nullok) {
    return cursorCall(cursor, kFcDescr, [&](Cursor &c) {
        std::string name;
        const std::optional<Version7Column> column = c.describe(pos, name);
        if (!column)
            return static_cast<int>(kOraNotInSelectList);
        if (dbsize)
            *dbsize = column->dbsize;
        if (dbtype)
            *dbtype = column->dbtype;
        if (cbufl) {
            const size_t room = *cbufl > 0 ? static_cast<size_t>(*cbufl) : 0;
            const size_t n = cbuf ? std::min(room, name.size()) : 0;
            if (n)
                std::memcpy(cbuf, name.data(), n);
            *cbufl = static_cast<sb4>(n);
        }
        if (dsize)
            *dsize = column->dsize;
        if (prec)
            *prec = column->prec;
        if (scale)
            *scale = column->scale;
        if (nullok)
            *nullok = column->nullok;
        return 0;
    });
}

sword odefin(Cda_Def *cursor, sword pos, ub1 *buf, sword bufl, sword ftype, sword scale, sb2 *indp,
             OraText *fmt, sword fmtl, sword fmtt, ub2 *rlen, ub2 *rcode) {
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt; // packed decimal formats are not served
    return cursorCall(cursor, kFcDefin, [&](Cursor &c) {
        c.define(pos, Define{buf, bufl, ftype, indp, rlen, rcode});
        return 0;
    });
}

sword obndrv(Cda_Def *cursor, OraText *sqlvar, sword sqlvl, ub1 *progv, sword progvl, sword ftype,
             sword scale, sb2 *indp, OraText *fmt, sword fmtl, sword fmtt) {
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, kFcBndrv, [&](Cursor &c) {
        c.bind(text(sqlvar, sqlvl), progv, progvl, ftype, indp);
        return 0;
    });
}

sword obndrn(Cda_Def *cursor, sword sqlvn, ub1 *progv, sword progvl, sword ftype, sword scale,
             sb2 *indp, OraText *fmt, sword fmtl, sword fmtt) {
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, kFcBndrn, [&](Cursor &c) {
        // obndrn binds the placeholder written :n, not the n-th placeholder.
        if (sqlvn < 0)
            throw BridgeError(kOraIllegalVariable);
        c.bind(":" + std::to_string(sqlvn), progv, progvl, ftype, indp);
        return 0;
    });
}

sword obndra(Cda_Def *cursor, OraText *sqlvar, sword sqlvl, ub1 *progv, sword progvl, sword ftype,
             sword scale, sb2 *indp, ub2 *alen, ub2 *arcode, ub4 maxsiz, ub4 *cursiz, OraText *fmt,
             sword fmtl, sword fmtt) {
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, kFcBndra, [&](Cursor &c) {
        if (maxsiz > 0)
            throw BridgeError(kOraUnimplemented);
        const sword length = alen ? static_cast<sword>(*alen) : progvl;
        c.bind(text(sqlvar, sqlvl), progv, length, ftype, indp);
        if (arcode)
            *arcode = 0;
        if (cursiz)
            *cursiz = 0;
        return 0;
    });
}

sword oexec(Cda_Def *cursor) {
    return cursorCall(cursor, kFcExec, [&](Cursor &c) {
        cursor->rpc = 0;
        int ft = cursor->ft;
        const long rows = c.execute(c.connection().autoCommit, ft);
        cursor->ft = static_cast<ub2>(ft);
        cursor->rpc = static_cast<ub4>(rows);
        return 0;
    });
}

sword ofetch(Cda_Def *cursor) {
    return cursorCall(cursor, kFcFetch, [&](Cursor &c) {
        const int result = c.fetch();
        cursor->rpc = static_cast<ub4>(c.rowsFetched());
        return result;
    });
}

sword ocan(Cda_Def *cursor) {
    return cursorCall(cursor, kFcCan, [](Cursor &c) {
        c.cancel();
        return 0;
    });
}

sword ocon(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.connection->autoCommit = true;
        return 0;
    });
}

sword ocof(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.connection->autoCommit = false;
        return 0;
    });
}

sword ocom(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.connection->commit();
        return 0;
    });
}

sword orol(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.connection->rollback();
        return 0;
    });
}

// The text of the logon's error with that number as Oracle composed it; for a logon that
// failed, the failure's text; otherwise Oracle's wording for the number.
sword oerhms(Cda_Def *lda, sb2 rcode, OraText *buf, sword bufsiz) {
    if (!buf || bufsiz <= 0)
        return 0;
    std::lock_guard<std::mutex> lock(g_mutex);
    std::string message;
    try {
        const int code = rcode < 0 ? -rcode : rcode;
        const Logon *logon = logonOf(lda);
        const std::string *known = logon ? logon->connection->textOf(code) : nullptr;
        if (known)
            message = *known;
        else if (!logon && code == g_logonFailureCode && !g_logonFailureText.empty())
            message = g_logonFailureText;
        else
            message = composedText(code);
    } catch (...) {
        message = composedText(kOraInternal);
    }
    const size_t n = std::min(message.size(), static_cast<size_t>(bufsiz - 1));
    std::memcpy(buf, message.data(), n);
    buf[n] = '\0';
    return static_cast<sword>(n);
}

sword odessp(Cda_Def *cursor, OraText *objnam, size_t onlen, ub1 *rsv1, size_t rsv1ln, ub1 *rsv2,
             size_t rsv2ln, ub2 *ovrld, ub2 *pos, ub2 *level, OraText **argnam, ub2 *arnlen,
             ub2 *dtype, ub1 *defsup, ub1 *mode, ub4 *dtsiz, sb2 *prec, sb2 *scale, ub1 *radix,
             ub4 *spare, ub4 *arrsiz) {
    (void)objnam, (void)onlen, (void)rsv1, (void)rsv1ln, (void)rsv2, (void)rsv2ln, (void)ovrld;
    (void)pos, (void)level, (void)argnam, (void)arnlen, (void)dtype, (void)defsup, (void)mode;
    (void)dtsiz, (void)prec, (void)scale, (void)radix, (void)spare, (void)arrsiz;
    return cursorCall(cursor, kFcNone,
                      [](Cursor &) -> int { throw BridgeError(kOraUnimplemented); });
}

sword ogetpi(Cda_Def *cursor, ub1 *piecep, void **ctxpp, ub4 *iterp, ub4 *indexp) {
    (void)piecep, (void)ctxpp, (void)iterp, (void)indexp;
    return cursorCall(cursor, kFcGetpi,
                      [](Cursor &) -> int { throw BridgeError(kOraUnimplemented); });
}

} // namespace ocilite::oracle
