// The twenty version-7 entry points. Each has one shape: find the area's state, do the
// work inside a try block, and leave through finish(), which records rc and fc in the area.
// Logon and cursor state live behind the area's rcsp and are checked against a registry,
// so a null, stale or never-opened area gets an Oracle error instead of a crash.
#define OCIV7_BUILDING_LIBRARY
#include "oci/ociv7.h"

#include "ocilite/demo/demo_schema.h"
#include "ocilite/dictionary/catalog.h"
#include "ocilite/engine/connect_string.h"
#include "ocilite/engine/database.h"
#include "ocilite/engine/errors.h"
#include "ocilite/engine/statement.h"
#include "ocilite/oracle/oracle_side.h"

#include "logon_route.h"

#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <set>
#include <string>

namespace ocilite {
namespace {

struct Logon;

struct Cursor {
    Logon *logon = nullptr;
    std::unique_ptr<Statement> statement;
    int deferredError = 0; // a deferred parse's error, reported by the next call
    std::string deferredText;
    std::string deferredSql;
    bool ddlDone = false; // DDL already run by an immediate parse
};

struct Logon {
    std::unique_ptr<Database> db;
    bool autoCommit = false;
    int lastCode = 0;
    std::string lastText;
    std::set<Cursor *> cursors;
};

std::mutex g_mutex;
// The text of the last failed logon, for oerhms on an area that holds no logon.
int g_logonFailureCode = 0;
std::string g_logonFailureText;
std::set<const void *> g_logons;
std::set<const void *> g_cursors;

Logon *logonOf(const Cda_Def *lda) {
    return lda && g_logons.count(lda->rcsp) ? static_cast<Logon *>(lda->rcsp) : nullptr;
}

Cursor *cursorOf(const Cda_Def *cda) {
    return cda && g_cursors.count(cda->rcsp) ? static_cast<Cursor *>(cda->rcsp) : nullptr;
}

// The one exit path: records the outcome in the area and returns it.
sword finish(Cda_Def *area, Logon *logon, int code, const std::string &text, ub1 fc) {
    if (area) {
        area->rc = static_cast<ub2>(code);
        area->v2_rc = static_cast<sb2>(code == 0 ? 0 : -code);
        area->fc = code == 0 ? 0 : fc;
        area->peo = 0;
    }
    if (logon && code != 0) {
        logon->lastCode = code;
        logon->lastText = text.empty() ? oraText(code) : text;
    }
    return code;
}

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

template <typename F> sword cursorCall(Cda_Def *cda, ub1 fc, F &&body) {
    if (!cda)
        return kOraInvalidCursor;
    std::lock_guard<std::mutex> lock(g_mutex);
    Cursor *cursor = cursorOf(cda);
    if (!cursor)
        return finish(cda, nullptr, kOraInvalidCursor, std::string(), fc);
    std::string text;
    const int code = guarded(text, [&] { return body(*cursor); });
    return finish(cda, cursor->logon, code, text, fc);
}

template <typename F> sword logonCall(Cda_Def *lda, F &&body) {
    if (!lda)
        return kOraNotLoggedOn;
    std::lock_guard<std::mutex> lock(g_mutex);
    Logon *logon = logonOf(lda);
    if (!logon)
        return finish(lda, nullptr, kOraNotLoggedOn, std::string(), OCIV7_FC_NONE);
    std::string text;
    const int code = guarded(text, [&] { return body(*logon); });
    return finish(lda, logon, code, text, OCIV7_FC_NONE);
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

// An area about to serve a logon or cursor of the Oracle side lets go of its embedded one.
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

bool holdsLogon(const Cda_Def *lda) {
    std::lock_guard<std::mutex> lock(g_mutex);
    return logonOf(lda) != nullptr;
}

// The statement of a cursor, parsing a deferred one now.
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

// DDL and transaction statements run through the database, with Oracle's commits.
long runStatement(Cursor &c, Statement &s) {
    Database &db = *c.logon->db;
    const Translation &tr = s.translation();
    if (tr.isDdl()) {
        if (!c.ddlDone)
            db.runDdl(tr);
        c.ddlDone = true;
        return 0;
    }
    if (tr.kind == StatementKind::Commit) {
        db.commitWork();
        return 0;
    }
    if (tr.kind == StatementKind::Rollback) {
        db.rollbackWork();
        return 0;
    }
    if (tr.isQuery())
        return s.execute();
    db.beginWork();
    const long rows = s.execute();
    if (c.logon->autoCommit)
        db.commitWork();
    return rows;
}

// Splits "user/password@connect" as SQL*Plus does.
void splitLogon(std::string &user, std::string &password, std::string &connect) {
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

int codeOf(const std::string &oraText) {
    return oraText.rfind("ORA-", 0) == 0 ? std::atoi(oraText.c_str() + 4) : kOraInternal;
}

BindSpec bindSpec(ub1 *progv, sword progvl, sword ftype, sb2 *indp) {
    BindSpec spec;
    spec.value = progv;
    spec.length = progvl;
    spec.externalType = ftype;
    spec.indicator = indp;
    return spec;
}

} // namespace
} // namespace ocilite

using namespace ocilite;

extern "C" {

OCIV7_API sword olog(Cda_Def *lda, ub1 *hda, OraText *uid, sword uidl, OraText *pswd, sword pswdl,
                     OraText *conn, sword connl, ub4 mode) {
    if (api::routeLogon(uid, uidl, pswd, pswdl, conn, connl) == api::LogonSide::Oracle) {
        forgetLogon(lda);
        return oracle::olog(lda, hda, uid, uidl, pswd, pswdl, conn, connl, mode);
    }
    oracle::forgetLogon(lda);
    (void)hda; // the host area is never written: all state lives behind rcsp
    (void)mode;
    if (!lda)
        return kOraNotLoggedOn;
    std::lock_guard<std::mutex> lock(g_mutex);
    if (Logon *old = logonOf(lda))
        closeLogon(old);
    lda->rcsp = nullptr;
    lda->ft = 0;
    lda->rpc = 0;
    std::string message;
    auto logon = std::make_unique<Logon>();
    const int code = guarded(message, [&] {
        std::string user = text(uid, uidl), password = text(pswd, pswdl),
                    connect = text(conn, connl);
        splitLogon(user, password, connect);
        if (user.empty())
            throw OraError(kOraLogonDenied);
        if (password.empty())
            throw OraError(kOraNullPassword);
        std::string error;
        logon->db = openConnectString(connect, installDemoSchema, error);
        if (!logon->db)
            throw OraError(codeOf(error), error, OraError::FullText{});
        if (!logon->db->checkPassword(user, password))
            throw OraError(kOraLogonDenied);
        logon->db->setSchema(foldName(user));
        return 0;
    });
    if (code != 0) {
        g_logonFailureCode = code;
        g_logonFailureText = message;
        return finish(lda, nullptr, code, message, OCIV7_FC_NONE);
    }
    lda->rcsp = logon.get();
    g_logons.insert(logon.release());
    return finish(lda, nullptr, 0, std::string(), OCIV7_FC_NONE);
}

OCIV7_API sword ologof(Cda_Def *lda) {
    if (oracle::ownsLogon(lda))
        return oracle::ologof(lda);
    const sword rc = logonCall(lda, [&](Logon &logon) {
        // A normal logoff commits, as Oracle does.
        logon.db->commitWork();
        return 0;
    });
    std::lock_guard<std::mutex> lock(g_mutex);
    if (Logon *logon = logonOf(lda)) {
        if (rc == 0) {
            closeLogon(logon);
            lda->rcsp = nullptr;
        }
    }
    return rc;
}

OCIV7_API sword oopen(Cda_Def *cursor, Cda_Def *lda, OraText *dbn, sword dbnl, sword arsize,
                      OraText *uid, sword uidl) {
    if (oracle::ownsLogon(lda)) {
        forgetCursor(cursor);
        return oracle::oopen(cursor, lda, dbn, dbnl, arsize, uid, uidl);
    }
    oracle::forgetCursor(cursor);
    (void)dbn, (void)dbnl, (void)arsize, (void)uid, (void)uidl;
    if (!cursor)
        return kOraInvalidCursor;
    std::lock_guard<std::mutex> lock(g_mutex);
    Logon *logon = logonOf(lda);
    if (!logon)
        return finish(cursor, nullptr, kOraNotLoggedOn, std::string(), OCIV7_FC_OPEN);
    if (Cursor *old = cursorOf(cursor))
        closeCursor(old);
    std::string message;
    Cursor *opened = nullptr;
    const int code = guarded(message, [&] {
        auto c = std::make_unique<Cursor>();
        c->logon = logon;
        opened = c.get();
        g_cursors.insert(opened);
        logon->cursors.insert(c.release());
        return 0;
    });
    cursor->rcsp = code == 0 ? opened : nullptr;
    cursor->ft = 0;
    cursor->rpc = 0;
    return finish(cursor, logon, code, message, OCIV7_FC_OPEN);
}

OCIV7_API sword oclose(Cda_Def *cursor) {
    if (oracle::ownsCursor(cursor))
        return oracle::oclose(cursor);
    const sword rc = cursorCall(cursor, OCIV7_FC_CLOSE, [](Cursor &) { return 0; });
    std::lock_guard<std::mutex> lock(g_mutex);
    if (Cursor *c = cursorOf(cursor)) {
        closeCursor(c);
        cursor->rcsp = nullptr;
    }
    return rc;
}

OCIV7_API sword oparse(Cda_Def *cursor, OraText *sqlstm, sb4 sqllen, sword defflg, ub4 lngflg) {
    if (oracle::ownsCursor(cursor))
        return oracle::oparse(cursor, sqlstm, sqllen, defflg, lngflg);
    (void)lngflg;
    return cursorCall(cursor, OCIV7_FC_PARSE, [&](Cursor &c) {
        c.statement.reset();
        c.deferredError = 0;
        c.ddlDone = false;
        cursor->ft = 0;
        cursor->rpc = 0;
        if (!sqlstm)
            throw OraError(kOraInvalidSql);
        std::string sql = text(sqlstm, sqllen < 0 ? -1 : static_cast<sword>(sqllen));
        try {
            c.statement = std::make_unique<Statement>(*c.logon->db, sql);
        } catch (const OraError &e) {
            if (defflg == 0)
                throw;
            // A deferred parse reports the statement's error on the next call.
            c.deferredError = e.code();
            c.deferredText = e.text();
            return 0;
        }
        cursor->ft = static_cast<ub2>(c.statement->functionType());
        // An immediate parse runs DDL at once, as Oracle does.
        if (defflg == 0 && c.statement->translation().isDdl()) {
            c.logon->db->runDdl(c.statement->translation());
            c.ddlDone = true;
        }
        return 0;
    });
}

OCIV7_API sword odescr(Cda_Def *cursor, sword pos, sb4 *dbsize, sb2 *dbtype, sb1 *cbuf, sb4 *cbufl,
                       sb4 *dsize, sb2 *prec, sb2 *scale, sb2 *nullok) {
    if (oracle::ownsCursor(cursor))
        return oracle::odescr(cursor, pos, dbsize, dbtype, cbuf, cbufl, dsize, prec, scale, nullok);
    return cursorCall(cursor, OCIV7_FC_DESCR, [&](Cursor &c) {
        const DescribedColumn *column = statementOf(c).column(pos);
        if (!column)
            return static_cast<int>(kOraNotInSelectList);
        const OraType &t = column->type;
        if (dbsize)
            *dbsize = t.size;
        if (dbtype)
            *dbtype = static_cast<sb2>(t.code);
        if (cbufl) {
            const size_t room = *cbufl > 0 ? static_cast<size_t>(*cbufl) : 0;
            const size_t n = cbuf ? std::min(room, column->name.size()) : 0;
            if (n)
                std::memcpy(cbuf, column->name.data(), n);
            *cbufl = static_cast<sb4>(n);
        }
        if (dsize)
            *dsize = t.displaySize();
        if (prec)
            *prec = static_cast<sb2>(t.precision);
        if (scale)
            *scale = static_cast<sb2>(t.scale);
        if (nullok)
            *nullok = column->nullable ? 1 : 0;
        return 0;
    });
}

OCIV7_API sword odefin(Cda_Def *cursor, sword pos, ub1 *buf, sword bufl, sword ftype, sword scale,
                       sb2 *indp, OraText *fmt, sword fmtl, sword fmtt, ub2 *rlen, ub2 *rcode) {
    if (oracle::ownsCursor(cursor))
        return oracle::odefin(cursor, pos, buf, bufl, ftype, scale, indp, fmt, fmtl, fmtt, rlen,
                              rcode);
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_DEFIN, [&](Cursor &c) {
        DefineSpec spec;
        spec.buffer = buf;
        spec.length = bufl;
        spec.externalType = ftype;
        spec.indicator = indp;
        spec.returnedLength = rlen;
        spec.returnCode = rcode;
        statementOf(c).define(pos, spec);
        return 0;
    });
}

OCIV7_API sword oexec(Cda_Def *cursor) {
    if (oracle::ownsCursor(cursor))
        return oracle::oexec(cursor);
    return cursorCall(cursor, OCIV7_FC_EXEC, [&](Cursor &c) {
        Statement &s = statementOf(c);
        cursor->rpc = 0;
        cursor->rpc = static_cast<ub4>(runStatement(c, s));
        return 0;
    });
}

OCIV7_API sword ofetch(Cda_Def *cursor) {
    if (oracle::ownsCursor(cursor))
        return oracle::ofetch(cursor);
    return cursorCall(cursor, OCIV7_FC_FETCH, [&](Cursor &c) {
        Statement &s = statementOf(c);
        const FetchResult result = s.fetch();
        cursor->rpc = static_cast<ub4>(s.rowsFetched());
        return static_cast<int>(result);
    });
}

OCIV7_API sword oerhms(Cda_Def *lda, sb2 rcode, OraText *buf, sword bufsiz) {
    if (oracle::ownsLogon(lda) ||
        (!holdsLogon(lda) && api::lastLogonSide() == api::LogonSide::Oracle))
        return oracle::oerhms(lda, rcode, buf, bufsiz);
    if (!buf || bufsiz <= 0)
        return 0;
    std::lock_guard<std::mutex> lock(g_mutex);
    std::string message;
    try {
        const int code = rcode < 0 ? -rcode : rcode;
        const Logon *logon = logonOf(lda);
        if (logon && logon->lastCode == code && !logon->lastText.empty())
            message = logon->lastText;
        else if (!logon && code == g_logonFailureCode && !g_logonFailureText.empty())
            message = g_logonFailureText;
        else
            message = oraText(code);
    } catch (...) {
        message = "ORA-00600: internal error code";
    }
    const size_t n = std::min(message.size(), static_cast<size_t>(bufsiz - 1));
    std::memcpy(buf, message.data(), n);
    buf[n] = '\0';
    return static_cast<sword>(n);
}

OCIV7_API sword obndrn(Cda_Def *cursor, sword sqlvn, ub1 *progv, sword progvl, sword ftype,
                       sword scale, sb2 *indp, OraText *fmt, sword fmtl, sword fmtt) {
    if (oracle::ownsCursor(cursor))
        return oracle::obndrn(cursor, sqlvn, progv, progvl, ftype, scale, indp, fmt, fmtl, fmtt);
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_BNDRN, [&](Cursor &c) {
        statementOf(c).bind(sqlvn, bindSpec(progv, progvl, ftype, indp));
        return 0;
    });
}

OCIV7_API sword obndrv(Cda_Def *cursor, OraText *sqlvar, sword sqlvl, ub1 *progv, sword progvl,
                       sword ftype, sword scale, sb2 *indp, OraText *fmt, sword fmtl, sword fmtt) {
    if (oracle::ownsCursor(cursor))
        return oracle::obndrv(cursor, sqlvar, sqlvl, progv, progvl, ftype, scale, indp, fmt, fmtl,
                              fmtt);
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_BNDRV, [&](Cursor &c) {
        const std::string name = text(sqlvar, sqlvl);
        if (name.empty())
            throw OraError(kOraIllegalVariable);
        statementOf(c).bind(name, bindSpec(progv, progvl, ftype, indp));
        return 0;
    });
}

OCIV7_API sword ocan(Cda_Def *cursor) {
    if (oracle::ownsCursor(cursor))
        return oracle::ocan(cursor);
    return cursorCall(cursor, OCIV7_FC_CAN, [&](Cursor &c) {
        if (c.statement)
            c.statement->cancel();
        return 0;
    });
}

OCIV7_API sword ocon(Cda_Def *lda) {
    if (oracle::ownsLogon(lda))
        return oracle::ocon(lda);
    return logonCall(lda, [](Logon &logon) {
        logon.autoCommit = true;
        return 0;
    });
}

OCIV7_API sword ocof(Cda_Def *lda) {
    if (oracle::ownsLogon(lda))
        return oracle::ocof(lda);
    return logonCall(lda, [](Logon &logon) {
        logon.autoCommit = false;
        return 0;
    });
}

OCIV7_API sword ocom(Cda_Def *lda) {
    if (oracle::ownsLogon(lda))
        return oracle::ocom(lda);
    return logonCall(lda, [](Logon &logon) {
        logon.db->commitWork();
        return 0;
    });
}

OCIV7_API sword orol(Cda_Def *lda) {
    if (oracle::ownsLogon(lda))
        return oracle::orol(lda);
    return logonCall(lda, [](Logon &logon) {
        logon.db->rollbackWork();
        return 0;
    });
}

OCIV7_API sword obndra(Cda_Def *cursor, OraText *sqlvar, sword sqlvl, ub1 *progv, sword progvl,
                       sword ftype, sword scale, sb2 *indp, ub2 *alen, ub2 *arcode, ub4 maxsiz,
                       ub4 *cursiz, OraText *fmt, sword fmtl, sword fmtt) {
    if (oracle::ownsCursor(cursor))
        return oracle::obndra(cursor, sqlvar, sqlvl, progv, progvl, ftype, scale, indp, alen,
                              arcode, maxsiz, cursiz, fmt, fmtl, fmtt);
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt, (void)cursiz;
    return cursorCall(cursor, OCIV7_FC_BNDRA, [&](Cursor &c) {
        // A scalar bind with an actual length; arrays only serve PL/SQL tables, which the
        // embedded database cannot run.
        if (maxsiz > 0)
            throw OraError(kOraUnimplemented, "array binds for PL/SQL tables");
        const std::string name = text(sqlvar, sqlvl);
        if (name.empty())
            throw OraError(kOraIllegalVariable);
        const sword length = alen ? static_cast<sword>(*alen) : progvl;
        statementOf(c).bind(name, bindSpec(progv, length, ftype, indp));
        if (arcode)
            *arcode = 0;
        return 0;
    });
}

OCIV7_API sword odessp(Cda_Def *cursor, OraText *objnam, size_t onlen, ub1 *rsv1, size_t rsv1ln,
                       ub1 *rsv2, size_t rsv2ln, ub2 *ovrld, ub2 *pos, ub2 *level, OraText **argnam,
                       ub2 *arnlen, ub2 *dtype, ub1 *defsup, ub1 *mode, ub4 *dtsiz, sb2 *prec,
                       sb2 *scale, ub1 *radix, ub4 *spare, ub4 *arrsiz) {
    if (oracle::ownsCursor(cursor))
        return oracle::odessp(cursor, objnam, onlen, rsv1, rsv1ln, rsv2, rsv2ln, ovrld, pos, level,
                              argnam, arnlen, dtype, defsup, mode, dtsiz, prec, scale, radix, spare,
                              arrsiz);
    (void)objnam, (void)onlen, (void)rsv1, (void)rsv1ln, (void)rsv2, (void)rsv2ln, (void)ovrld;
    (void)pos, (void)level, (void)argnam, (void)arnlen, (void)dtype, (void)defsup, (void)mode;
    (void)dtsiz, (void)prec, (void)scale, (void)radix, (void)spare, (void)arrsiz;
    return cursorCall(cursor, OCIV7_FC_NONE, [](Cursor &) -> int {
        throw OraError(kOraUnimplemented,
                       "the embedded database does not compile PL/SQL, so it cannot describe "
                       "stored procedure arguments");
    });
}

OCIV7_API sword ogetpi(Cda_Def *cursor, ub1 *piecep, void **ctxpp, ub4 *iterp, ub4 *indexp) {
    if (oracle::ownsCursor(cursor))
        return oracle::ogetpi(cursor, piecep, ctxpp, iterp, indexp);
    (void)piecep, (void)ctxpp, (void)iterp, (void)indexp;
    return cursorCall(cursor, OCIV7_FC_GETPI, [](Cursor &) -> int {
        throw OraError(kOraUnimplemented, "piecewise operations");
    });
}

} // extern "C"
