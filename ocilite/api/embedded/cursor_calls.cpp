// The embedded side's cursor calls: opening and closing a cursor, parsing (immediate or
// deferred, DDL run at once by an immediate parse; osql3 is an immediate parse), describing
// (odescr and the older odsc and oname), defining (odefin, odefinps) and executing (oexec,
// oexn). With a deferred parse, the parse's error and the binds' and defines' errors wait for
// the call that executes or describes the statement, as Oracle defers them.
#include "ocilite/api/embedded/areas.h"
#include "ocilite/api/embedded/calls.h"
#include "ocilite/api/embedded/cursor_work.h"

#include "oci/ociv7_args.h"
#include "ocilite/engine/parse_offset.h"

#include <algorithm>
#include <cstring>

namespace ocilite::embedded {
namespace {

sword parse(Cda_Def *cursor, OraText *sqlstm, sb4 sqllen, sword defflg, ub1 fc) {
    return cursorCall(cursor, fc, [&](Cursor &c) {
        c.statement.reset();
        c.deferred = defflg != 0;
        c.deferredError = 0;
        c.pendingError = CallError{};
        c.ddlDone = false;
        cursor->ft = 0;
        cursor->rpc = 0;
        if (!sqlstm)
            throw OraError(kOraInvalidSql);
        c.sql = ociv7::text(sqlstm, sqllen < 0 ? -1 : static_cast<sword>(sqllen));
        try {
            c.statement = std::make_unique<Statement>(*c.logon->db, c.sql);
        } catch (OraError &e) {
            e.at(static_cast<size_t>(parseErrorOffset(c.sql, e)));
            if (!c.deferred)
                throw;
            // A deferred parse reports the statement's error when it is executed.
            c.deferredError = e.code();
            c.deferredText = e.text();
            c.deferredOffset = e.offset();
            return 0;
        }
        cursor->ft = static_cast<ub2>(c.statement->functionType());
        // An immediate parse runs DDL at once, as Oracle does.
        if (!c.deferred && c.statement->translation().isDdl()) {
            c.logon->db->runDdl(c.statement->translation());
            c.ddlDone = true;
        }
        return 0;
    });
}

// The v2 describe's sizes are short integers.
sb2 shortSize(long n) {
    return static_cast<sb2>(std::clamp<long>(n, -32768, 32767));
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
        return finish(cursor, nullptr, {kOraNotLoggedOn}, OCIV7_FC_OPEN);
    // An area that holds a logon is no cursor area: taking it over would lose the logon.
    if (logonOf(cursor))
        return finish(cursor, logon, {kOraInvalidCursor}, OCIV7_FC_OPEN);
    if (Cursor *old = cursorOf(cursor))
        closeCursor(old);
    Cursor *opened = nullptr;
    const CallError e = guarded([&] {
        opened = openCursor(*logon);
        return 0;
    });
    cursor->rcsp = opened;
    cursor->ft = 0;
    cursor->rpc = 0;
    return finish(cursor, logon, e, OCIV7_FC_OPEN);
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
    (void)lngflg; // the embedded database has one dialect
    return parse(cursor, sqlstm, sqllen, defflg, OCIV7_FC_PARSE);
}

sword osql3(Cda_Def *cursor, OraText *sqlstm, sword sqllen) {
    return parse(cursor, sqlstm, sqllen, 0, OCIV7_FC_SQL3);
}

sword odescr(Cda_Def *cursor, sword pos, sb4 *dbsize, sb2 *dbtype, sb1 *cbuf, sb4 *cbufl,
             sb4 *dsize, sb2 *prec, sb2 *scale, sb2 *nullok) {
    return cursorCall(cursor, OCIV7_FC_DESCR, [&](Cursor &c) {
        const DescribedColumn *column = statementOf(c).column(pos);
        if (!column)
            return static_cast<int>(kOraNotInSelectList);
        ociv7::describeInto(columnDescription(*column), dbsize, dbtype, cbuf, cbufl, dsize, prec,
                            scale, nullok);
        return 0;
    });
}

// The version-2 describe: sizes as short integers, the name into a buffer of *bufl bytes;
// fsize and rcode tell what the last fetch left for the column.
sword odsc(Cda_Def *cursor, sword pos, sb2 *dbsize, sb2 *fsize, sb2 *rcode, sb2 *dtype, sb1 *buf,
           sb2 *bufl, sb2 *dsize) {
    return cursorCall(cursor, OCIV7_FC_DSC, [&](Cursor &c) {
        Statement &s = statementOf(c);
        const DescribedColumn *column = s.column(pos);
        if (!column)
            return static_cast<int>(kOraNotInSelectList);
        const ociv7::ColumnDescription d = columnDescription(*column);
        sb4 nameLength = bufl ? *bufl : 0;
        ociv7::describeInto(d, nullptr, nullptr, buf, bufl ? &nameLength : nullptr, nullptr,
                            nullptr, nullptr, nullptr);
        if (bufl)
            *bufl = shortSize(nameLength);
        if (dbsize)
            *dbsize = shortSize(d.dbsize);
        if (dtype)
            *dtype = d.dbtype;
        if (dsize)
            *dsize = shortSize(d.dsize);
        const LastFetched last = s.lastFetched(pos);
        if (fsize)
            *fsize = shortSize(last.length);
        if (rcode)
            *rcode = static_cast<sb2>(last.code);
        return 0;
    });
}

// The version-2 name call: the column's name (the table name is not reported, as in Oracle's
// version 7, where tbufl comes back 0).
sword oname(Cda_Def *cursor, sword pos, sb1 *tbuf, sb2 *tbufl, sb1 *buf, sb2 *bufl) {
    (void)tbuf;
    return cursorCall(cursor, OCIV7_FC_NAME, [&](Cursor &c) {
        const DescribedColumn *column = statementOf(c).column(pos);
        if (!column)
            return static_cast<int>(kOraNotInSelectList);
        if (tbufl)
            *tbufl = 0;
        sb4 nameLength = bufl ? *bufl : 0;
        ociv7::describeInto(columnDescription(*column), nullptr, nullptr, buf,
                            bufl ? &nameLength : nullptr, nullptr, nullptr, nullptr, nullptr);
        if (bufl)
            *bufl = shortSize(nameLength);
        return 0;
    });
}

namespace {

// What odefin and odefinps both give of a define: the buffer and its length, the external type
// and scale, and where the indicator, returned length and column return code go.
DefineSpec defineSpec(ub1 *buffer, sb4 length, sword type, sword scale, sb2 *indicator,
                      ub2 *returnedLength, ub2 *returnCode) {
    DefineSpec spec;
    spec.buffer = buffer;
    spec.length = static_cast<int>(length);
    spec.externalType = type;
    spec.scale = scale;
    spec.indicator = indicator;
    spec.returnedLength = returnedLength;
    spec.returnCode = returnCode;
    return spec;
}

} // namespace

sword odefin(Cda_Def *cursor, sword pos, ub1 *buf, sword bufl, sword ftype, sword scale, sb2 *indp,
             OraText *fmt, sword fmtl, sword fmtt, ub2 *rlen, ub2 *rcode) {
    (void)fmt, (void)fmtl, (void)fmtt; // packed decimal takes its scale, as in C programs
    return cursorCall(cursor, OCIV7_FC_DEFIN, [&](Cursor &c) {
        const DefineSpec spec = defineSpec(buf, bufl, ftype, scale, indp, rlen, rcode);
        return deferrable(c, [&](Statement &s) { s.define(pos, spec); });
    });
}

sword odefinps(Cda_Def *cursor, ub1 opcode, sword pos, ub1 *bufctx, sb4 bufl, sword ftype,
               sword scale, sb2 *indp, OraText *fmt, sb4 fmtl, sword fmtt, ub2 *rlen, ub2 *rcode,
               sb4 pv_skip, sb4 ind_skip, sb4 alen_skip, sb4 rc_skip) {
    (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_DEFINPS, [&](Cursor &c) {
        const bool piecewise = opcode == OCIV7_OP_PIECEWISE;
        DefineSpec spec =
            defineSpec(piecewise ? nullptr : bufctx, bufl, ftype, scale, indp, rlen, rcode);
        spec.piecewise = piecewise;
        spec.context = piecewise ? bufctx : nullptr;
        spec.bufferSkip = pv_skip;
        spec.indicatorSkip = ind_skip;
        spec.lengthSkip = alen_skip;
        spec.codeSkip = rc_skip;
        return deferrable(c, [&](Statement &s) { s.define(pos, spec); });
    });
}

sword oexec(Cda_Def *cursor) {
    return cursorCall(cursor, OCIV7_FC_EXEC, [&](Cursor &c) { return execute(c, *cursor, 1, 0); });
}

sword oexn(Cda_Def *cursor, sword iters, sword rowoff) {
    return cursorCall(cursor, OCIV7_FC_EXEC,
                      [&](Cursor &c) { return execute(c, *cursor, iters, rowoff); });
}

sword ocan(Cda_Def *cursor) {
    return cursorCall(cursor, OCIV7_FC_CAN, [&](Cursor &c) {
        if (c.statement)
            c.statement->cancel();
        return 0;
    });
}

} // namespace ocilite::embedded
