// The embedded side's cursor calls: opening and closing a cursor, parsing (immediate or
// deferred, DDL run at once by an immediate parse), describing, defining, executing and
// fetching.
#include "ocilite/api/embedded/areas.h"
#include "ocilite/api/embedded/calls.h"

#include "oci/ociv7_args.h"

namespace ocilite::embedded {
namespace {

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
    if (tr.kind == StatementKind::Savepoint) {
        db.savepoint(tr.objectName);
        return 0;
    }
    if (tr.kind == StatementKind::RollbackTo) {
        db.rollbackTo(tr.objectName);
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

} // namespace

sword oopen(Cda_Def *cursor, Cda_Def *lda, OraText *dbn, sword dbnl, sword arsize, OraText *uid,
            sword uidl) {
    (void)dbn, (void)dbnl, (void)arsize, (void)uid, (void)uidl;
    if (!cursor)
        return kOraInvalidCursor;
    std::lock_guard<std::mutex> lock(areasMutex());
    Logon *logon = logonOf(lda);
    if (!logon)
        return finish(cursor, nullptr, kOraNotLoggedOn, std::string(), OCIV7_FC_OPEN);
    // An area that holds a logon is no cursor area: taking it over would lose the logon.
    if (logonOf(cursor))
        return finish(cursor, logon, kOraInvalidCursor, std::string(), OCIV7_FC_OPEN);
    if (Cursor *old = cursorOf(cursor))
        closeCursor(old);
    std::string message;
    Cursor *opened = nullptr;
    const int code = guarded(message, [&] {
        opened = openCursor(*logon);
        return 0;
    });
    cursor->rcsp = opened;
    cursor->ft = 0;
    cursor->rpc = 0;
    return finish(cursor, logon, code, message, OCIV7_FC_OPEN);
}

sword oclose(Cda_Def *cursor) {
    const sword rc = cursorCall(cursor, OCIV7_FC_CLOSE, [](Cursor &) { return 0; });
    std::lock_guard<std::mutex> lock(areasMutex());
    if (Cursor *c = cursorOf(cursor)) {
        closeCursor(c);
        cursor->rcsp = nullptr;
    }
    return rc;
}

sword oparse(Cda_Def *cursor, OraText *sqlstm, sb4 sqllen, sword defflg, ub4 lngflg) {
    (void)lngflg;
    return cursorCall(cursor, OCIV7_FC_PARSE, [&](Cursor &c) {
        c.statement.reset();
        c.deferredError = 0;
        c.ddlDone = false;
        cursor->ft = 0;
        cursor->rpc = 0;
        if (!sqlstm)
            throw OraError(kOraInvalidSql);
        const std::string sql = ociv7::text(sqlstm, sqllen < 0 ? -1 : static_cast<sword>(sqllen));
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

sword odescr(Cda_Def *cursor, sword pos, sb4 *dbsize, sb2 *dbtype, sb1 *cbuf, sb4 *cbufl,
             sb4 *dsize, sb2 *prec, sb2 *scale, sb2 *nullok) {
    return cursorCall(cursor, OCIV7_FC_DESCR, [&](Cursor &c) {
        const DescribedColumn *column = statementOf(c).column(pos);
        if (!column)
            return static_cast<int>(kOraNotInSelectList);
        const OraType &t = column->type;
        ociv7::ColumnDescription d;
        d.dbsize = t.size;
        d.dbtype = static_cast<sb2>(t.code);
        d.name = column->name;
        d.dsize = t.displaySize();
        d.prec = static_cast<sb2>(t.precision);
        d.scale = static_cast<sb2>(t.scale);
        d.nullok = column->nullable ? 1 : 0;
        ociv7::describeInto(d, dbsize, dbtype, cbuf, cbufl, dsize, prec, scale, nullok);
        return 0;
    });
}

sword odefin(Cda_Def *cursor, sword pos, ub1 *buf, sword bufl, sword ftype, sword scale, sb2 *indp,
             OraText *fmt, sword fmtl, sword fmtt, ub2 *rlen, ub2 *rcode) {
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

sword oexec(Cda_Def *cursor) {
    return cursorCall(cursor, OCIV7_FC_EXEC, [&](Cursor &c) {
        Statement &s = statementOf(c);
        cursor->rpc = 0;
        cursor->rpc = static_cast<ub4>(runStatement(c, s));
        return 0;
    });
}

sword ofetch(Cda_Def *cursor) {
    return cursorCall(cursor, OCIV7_FC_FETCH, [&](Cursor &c) {
        Statement &s = statementOf(c);
        const FetchResult result = s.fetch();
        cursor->rpc = static_cast<ub4>(s.rowsFetched());
        return static_cast<int>(result);
    });
}

} // namespace ocilite::embedded
