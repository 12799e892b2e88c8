// The cursor-level entry points of the Oracle side.
#include "oracle_side.h"

#include "areas.h"

#include "oci/ociv7_args.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace ocilite::oracle {
namespace {

BindSpec scalar(ub1 *progv, sword progvl, sword ftype, sb2 *indp) {
    BindSpec spec;
    spec.value = progv;
    spec.length = progvl;
    spec.externalType = ftype;
    spec.indicator = indp;
    return spec;
}

} // namespace

sword oopen(Cda_Def *cursor, Cda_Def *lda, OraText *dbn, sword dbnl, sword arsize, OraText *uid,
            sword uidl) {
    (void)dbn, (void)dbnl, (void)arsize, (void)uid, (void)uidl;
    if (!cursor)
        return kOraInvalidCursor;
    std::lock_guard<std::mutex> lock(areas().mutex);
    Logon *logon = logonOf(lda);
    if (!logon)
        return finish(cursor, nullptr, {kOraNotLoggedOn, "", -1}, OCIV7_FC_OPEN);
    if (Cursor *old = cursorOf(cursor))
        closeCursor(old);
    Cursor *opened = nullptr;
    const Outcome o = guarded([&] {
        auto c = std::make_unique<Cursor>(*logon->connection);
        areas().cursorLogon[c.get()] = logon;
        areas().cursors.insert(c.get());
        logon->cursors.insert(c.get());
        opened = c.release();
        return 0;
    });
    cursor->rcsp = o.code == 0 ? opened : nullptr;
    cursor->ft = 0;
    cursor->rpc = 0;
    return finish(cursor, logon->connection.get(), o, OCIV7_FC_OPEN);
}
sword oclose(Cda_Def *cursor) {
    const sword rc = cursorCall(cursor, OCIV7_FC_CLOSE, [](Cursor &) { return 0; });
    std::lock_guard<std::mutex> lock(areas().mutex);
    if (Cursor *c = cursorOf(cursor)) {
        closeCursor(c);
        cursor->rcsp = nullptr;
    }
    return rc;
}
sword oparse(Cda_Def *cursor, OraText *sqlstm, sb4 sqllen, sword defflg, ub4 lngflg) {
    (void)lngflg; // Oracle's current interface parses with the server's own syntax
    return cursorCall(cursor, OCIV7_FC_PARSE, [&](Cursor &c) {
        cursor->ft = 0;
        cursor->rpc = 0;
        if (!sqlstm)
            throw BridgeError(kOraInvalidSql);
        const std::string sql = text(sqlstm, sqllen < 0 ? -1 : static_cast<sword>(sqllen));
        cursor->ft = static_cast<ub2>(c.parse(sql, defflg != 0));
        return 0;
    });
}
sword odescr(Cda_Def *cursor, sword pos, sb4 *dbsize, sb2 *dbtype, sb1 *cbuf, sb4 *cbufl,
             sb4 *dsize, sb2 *prec, sb2 *scale, sb2 *nullok) {
    return cursorCall(cursor, OCIV7_FC_DESCR, [&](Cursor &c) {
        std::string name;
        const std::optional<Version7Column> column = c.describe(pos, name);
        if (!column)
            return static_cast<int>(kOraNotInSelectList);
        ociv7::describeInto({column->dbsize, column->dbtype, name, column->dsize, column->prec,
                             column->scale, column->nullok},
                            dbsize, dbtype, cbuf, cbufl, dsize, prec, scale, nullok);
        return 0;
    });
}
sword odefin(Cda_Def *cursor, sword pos, ub1 *buf, sword bufl, sword ftype, sword scale, sb2 *indp,
             OraText *fmt, sword fmtl, sword fmtt, ub2 *rlen, ub2 *rcode) {
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt; // packed decimal formats are not served
    return cursorCall(cursor, OCIV7_FC_DEFIN, [&](Cursor &c) {
        c.define(pos, Define{buf, bufl, ftype, indp, rlen, rcode});
        return 0;
    });
}
sword obndrv(Cda_Def *cursor, OraText *sqlvar, sword sqlvl, ub1 *progv, sword progvl, sword ftype,
             sword scale, sb2 *indp, OraText *fmt, sword fmtl, sword fmtt) {
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_BNDRV, [&](Cursor &c) {
        c.bind(text(sqlvar, sqlvl), scalar(progv, progvl, ftype, indp));
        return 0;
    });
}
sword obndrn(Cda_Def *cursor, sword sqlvn, ub1 *progv, sword progvl, sword ftype, sword scale,
             sb2 *indp, OraText *fmt, sword fmtl, sword fmtt) {
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_BNDRN, [&](Cursor &c) {
        // obndrn binds the placeholder written :n, not the n-th placeholder.
        if (sqlvn < 0)
            throw BridgeError(kOraIllegalVariable);
        c.bind(":" + std::to_string(sqlvn), scalar(progv, progvl, ftype, indp));
        return 0;
    });
}
// With maxsiz, a PL/SQL table: OCI 8 binds it whole, maxsiz as its maximum and cursiz as its
// current number of elements, alen and arcode one per element.
sword obndra(Cda_Def *cursor, OraText *sqlvar, sword sqlvl, ub1 *progv, sword progvl, sword ftype,
             sword scale, sb2 *indp, ub2 *alen, ub2 *arcode, ub4 maxsiz, ub4 *cursiz, OraText *fmt,
             sword fmtl, sword fmtt) {
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_BNDRA, [&](Cursor &c) {
        BindSpec spec = scalar(progv, progvl, ftype, indp);
        spec.actualLength = alen;
        spec.returnCode = arcode;
        spec.maxElements = maxsiz;
        spec.currentElements = cursiz;
        if (maxsiz > 0 && !cursiz)
            throw BridgeError(kOraMissingParameter);
        c.bind(text(sqlvar, sqlvl), spec);
        return 0;
    });
}
sword oexec(Cda_Def *cursor) {
    return cursorCall(cursor, OCIV7_FC_EXEC, [&](Cursor &c) { return execute(*cursor, c, 1, 0); });
}
sword ofetch(Cda_Def *cursor) {
    return cursorCall(cursor, OCIV7_FC_FETCH, [&](Cursor &c) { return fetch(*cursor, c, 1); });
}
sword ocan(Cda_Def *cursor) {
    return cursorCall(cursor, OCIV7_FC_CAN, [](Cursor &c) {
        c.cancel();
        return 0;
    });
}
sword ogetpi(Cda_Def *cursor, ub1 *piecep, void **ctxpp, ub4 *iterp, ub4 *indexp) {
    return cursorCall(cursor, OCIV7_FC_GETPI, [&](Cursor &c) {
        const PieceInfo info = c.pieceInfo();
        if (piecep)
            *piecep = info.piece;
        if (ctxpp)
            *ctxpp = info.context;
        if (iterp)
            *iterp = info.iteration;
        if (indexp)
            *indexp = info.index;
        return 0;
    });
}
} // namespace ocilite::oracle
