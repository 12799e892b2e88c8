// The Oracle side's calls beyond the twenty: array fetch and execution (ofen, oexfet, oexn),
// long fetch (oflng), binds and defines with skips or in pieces (obindps, odefinps, osetpi),
// the options and non-blocking calls, and the older logon, parse, describe and name calls.
#include "oracle_side.h"

#include "areas.h"

#include "oci/ociv7_args.h"

#include <algorithm>
#include <optional>
#include <string>

namespace ocilite::oracle {
namespace {

// The v2 describe's sizes are short integers.
sb2 shortSize(long n) {
    return static_cast<sb2>(std::clamp<long>(n, -32768, 32767));
}

// The name cut to the capacity the caller gave in *bufl, which receives the length written.
void nameInto(const std::string &name, sb1 *buf, sb2 *bufl) {
    sb4 length = bufl ? *bufl : 0;
    ociv7::describeInto({0, 0, name, 0, 0, 0, 1}, nullptr, nullptr, buf, bufl ? &length : nullptr,
                        nullptr, nullptr, nullptr, nullptr);
    if (bufl)
        *bufl = shortSize(length);
}

} // namespace

sword ofen(Cda_Def *cursor, sword nrows) {
    return cursorCall(cursor, OCIV7_FC_FETCH, [&](Cursor &c) { return fetch(*cursor, c, nrows); });
}
sword oexfet(Cda_Def *cursor, ub4 nrows, sword cancel, sword exact) {
    return cursorCall(cursor, OCIV7_FC_EXFET, [&](Cursor &c) {
        // Made again after a piece or an unfinished round trip: it goes on where it stopped.
        if (!c.fetchInterrupted()) {
            if (const int rc = execute(*cursor, c, 1, 0))
                return rc;
            if (!c.isQuery())
                return 0;
        }
        const int rc = fetch(*cursor, c, static_cast<int>(std::min<ub4>(nrows, 0x7FFFFFFF)));
        if (rc == kOraNeedBuffer || rc == kOraWouldBlock)
            return rc;
        // Exact: more rows than asked for is an error; the rows asked for are delivered.
        const bool tooMany = exact && rc == 0 && c.anotherRow();
        if (cancel || tooMany)
            c.cancel();
        if (tooMany)
            throw BridgeError(kOraExactFetchTooMany);
        return rc;
    });
}
sword oexn(Cda_Def *cursor, sword iters, sword rowoff) {
    return cursorCall(cursor, OCIV7_FC_EXEC,
                      [&](Cursor &c) { return execute(*cursor, c, iters, rowoff); });
}
// A part of a LONG or LONG RAW column of the current row, from byte `offset` (0 the first).
sword oflng(Cda_Def *cursor, sword pos, ub1 *buf, sb4 bufl, sword dtype, ub4 *retl, sb4 offset) {
    return cursorCall(cursor, OCIV7_FC_FLNG, [&](Cursor &c) {
        if (retl)
            *retl = 0;
        if (!buf && bufl > 0)
            throw BridgeError(kOraMissingParameter);
        const long n = c.longPart(pos, offset, buf, bufl, dtype);
        if (retl)
            *retl = static_cast<ub4>(n);
        return 0;
    });
}
// Opcode 0: the value comes in pieces (data at execution); opcode 1: arrays of structures,
// each element `pv_skip` bytes from the last (a PL/SQL table with maxsiz, as obndra).
sword obindps(Cda_Def *cursor, ub1 opcode, OraText *sqlvar, sword sqlvl, ub1 *pvctx, sb4 progvl,
              sword ftype, sword scale, sb2 *indp, ub2 *alen, ub2 *arcode, sb4 pv_skip,
              sb4 ind_skip, sb4 alen_skip, sb4 rc_skip, ub4 maxsiz, ub4 *cursiz, OraText *fmt,
              sb4 fmtl, sword fmtt) {
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_BINDPS, [&](Cursor &c) {
        if (opcode > OCIV7_OP_STRUCTS)
            throw BridgeError(kOraInvalidOperation);
        const bool piecewise = opcode == OCIV7_OP_PIECEWISE;
        BindSpec spec;
        spec.value = piecewise ? nullptr : pvctx;
        spec.context = piecewise ? pvctx : nullptr;
        spec.piecewise = piecewise;
        spec.length = progvl;
        spec.externalType = ftype;
        spec.indicator = indp;
        spec.actualLength = alen;
        spec.returnCode = arcode;
        spec.valueSkip = pv_skip, spec.indicatorSkip = ind_skip;
        spec.lengthSkip = alen_skip, spec.codeSkip = rc_skip;
        spec.maxElements = maxsiz;
        spec.currentElements = cursiz;
        if (maxsiz > 0 && !cursiz)
            throw BridgeError(kOraMissingParameter);
        c.bind(text(sqlvar, sqlvl), spec);
        return 0;
    });
}
// Opcode 0: the value goes out in pieces (dynamic fetch); opcode 1: arrays of structures.
sword odefinps(Cda_Def *cursor, ub1 opcode, sword pos, ub1 *bufctx, sb4 bufl, sword ftype,
               sword scale, sb2 *indp, OraText *fmt, sb4 fmtl, sword fmtt, ub2 *rlen, ub2 *rcode,
               sb4 pv_skip, sb4 ind_skip, sb4 alen_skip, sb4 rc_skip) {
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_DEFINPS, [&](Cursor &c) {
        if (opcode > OCIV7_OP_STRUCTS)
            throw BridgeError(kOraInvalidOperation);
        const bool piecewise = opcode == OCIV7_OP_PIECEWISE;
        Define d{piecewise ? nullptr : bufctx, bufl, ftype, indp, rlen, rcode};
        d.bufferSkip = pv_skip, d.indicatorSkip = ind_skip;
        d.lengthSkip = alen_skip, d.codeSkip = rc_skip;
        d.piecewise = piecewise;
        d.context = piecewise ? bufctx : nullptr;
        c.define(pos, d);
        return 0;
    });
}
sword osetpi(Cda_Def *cursor, ub1 piece, void *bufp, ub4 *lenp) {
    return cursorCall(cursor, OCIV7_FC_SETPI, [&](Cursor &c) {
        c.setPiece(piece, bufp, lenp);
        return 0;
    });
}
// oopt's options have no counterpart in Oracle's current interface: a failing statement is
// always rolled back alone (version 7's default; a program wanting the whole transaction
// undone calls orol), and the server waits for locks (a program wanting NOWAIT writes it into
// its SELECT ... FOR UPDATE or LOCK TABLE). The call checks the cursor and takes the options.
sword oopt(Cda_Def *cursor, sword rbopt, sword waitopt) {
    (void)rbopt, (void)waitopt;
    return cursorCall(cursor, OCIV7_FC_OPT, [](Cursor &) { return 0; });
}
// obreak may come from another thread while a call of the logon runs (or, in non-blocking
// mode, between the calls that answered ORA-03123): it takes only the break registry's lock.
sword obreak(Cda_Def *lda) {
    if (!lda)
        return kOraNotLoggedOn;
    std::lock_guard<std::mutex> lock(areas().breakMutex);
    if (!areas().breakable.count(lda->rcsp))
        return kOraNotLoggedOn;
    return static_cast<Logon *>(lda->rcsp)->connection->interrupt();
}
// Non-blocking mode is the server handle's OCI_ATTR_NONBLOCKING_MODE: a call whose round trip
// the server has not finished returns ORA-03123 at once and is made again by the program.
sword onbset(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.connection->setNonBlocking(true);
        return 0;
    });
}
sword onbtst(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        return logon.connection->nonBlocking() ? 0 : static_cast<int>(kOraBlockingMode);
    });
}
sword onbclr(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.connection->setNonBlocking(false);
        return 0;
    });
}
sword orlon(Cda_Def *lda, ub1 *hda, OraText *uid, sword uidl, OraText *pswd, sword pswdl, sword) {
    return oracle::olog(lda, hda, uid, uidl, pswd, pswdl, nullptr, -1, 0);
}
sword olon(Cda_Def *lda, OraText *uid, sword uidl, OraText *pswd, sword pswdl, sword audit) {
    return oracle::orlon(lda, nullptr, uid, uidl, pswd, pswdl, audit);
}
sword osql3(Cda_Def *cursor, OraText *sqlstm, sword sqllen) {
    return oracle::oparse(cursor, sqlstm, sqllen, 0, 1);
}
// The version-2 describe and name calls, from the same describe as odescr.
sword odsc(Cda_Def *cursor, sword pos, sb2 *dbsize, sb2 *fsize, sb2 *rcode, sb2 *dtype, sb1 *buf,
           sb2 *bufl, sb2 *dsize) {
    return cursorCall(cursor, OCIV7_FC_DSC, [&](Cursor &c) {
        std::string name;
        const std::optional<Version7Column> column = c.describe(pos, name);
        if (!column)
            return static_cast<int>(kOraNotInSelectList);
        nameInto(name, buf, bufl);
        if (dbsize)
            *dbsize = shortSize(column->dbsize);
        if (dtype)
            *dtype = column->dbtype;
        if (dsize)
            *dsize = shortSize(column->dsize);
        const Cursor::LastFetched last = c.lastFetched(pos);
        if (fsize)
            *fsize = shortSize(last.length);
        if (rcode)
            *rcode = static_cast<sb2>(last.code);
        return 0;
    });
}
// The table name is not reported, as in Oracle's version 7, where tbufl comes back 0.
sword oname(Cda_Def *cursor, sword pos, sb1 *tbuf, sb2 *tbufl, sb1 *buf, sb2 *bufl) {
    (void)tbuf;
    return cursorCall(cursor, OCIV7_FC_NAME, [&](Cursor &c) {
        std::string name;
        if (!c.describe(pos, name))
            return static_cast<int>(kOraNotInSelectList);
        if (tbufl)
            *tbufl = 0;
        nameInto(name, buf, bufl);
        return 0;
    });
}
sword messageText(sb2 rcode, OraText *buf, sword bufsiz) {
    (void)rcode, (void)buf, (void)bufsiz;
    return 0;
}

} // namespace ocilite::oracle
