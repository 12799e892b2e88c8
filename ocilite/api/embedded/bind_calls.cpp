// The embedded side's binds (by number, by name, with an actual length), ocan, and the two
// calls the embedded database cannot serve: describing stored procedure arguments (it does
// not compile PL/SQL) and piecewise operations.
#include "ocilite/api/embedded/areas.h"
#include "ocilite/api/embedded/calls.h"

#include "oci/ociv7_args.h"

namespace ocilite::embedded {
namespace {

BindSpec bindSpec(ub1 *progv, sword progvl, sword ftype, sb2 *indp) {
    BindSpec spec;
    spec.value = progv;
    spec.length = progvl;
    spec.externalType = ftype;
    spec.indicator = indp;
    return spec;
}

std::string placeholderName(OraText *sqlvar, sword sqlvl) {
    std::string name = ociv7::text(sqlvar, sqlvl);
    if (name.empty())
        throw OraError(kOraIllegalVariable);
    return name;
}

} // namespace

sword obndrn(Cda_Def *cursor, sword sqlvn, ub1 *progv, sword progvl, sword ftype, sword scale,
             sb2 *indp, OraText *fmt, sword fmtl, sword fmtt) {
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_BNDRN, [&](Cursor &c) {
        statementOf(c).bind(sqlvn, bindSpec(progv, progvl, ftype, indp));
        return 0;
    });
}

sword obndrv(Cda_Def *cursor, OraText *sqlvar, sword sqlvl, ub1 *progv, sword progvl, sword ftype,
             sword scale, sb2 *indp, OraText *fmt, sword fmtl, sword fmtt) {
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_BNDRV, [&](Cursor &c) {
        const std::string name = placeholderName(sqlvar, sqlvl);
        statementOf(c).bind(name, bindSpec(progv, progvl, ftype, indp));
        return 0;
    });
}

sword obndra(Cda_Def *cursor, OraText *sqlvar, sword sqlvl, ub1 *progv, sword progvl, sword ftype,
             sword scale, sb2 *indp, ub2 *alen, ub2 *arcode, ub4 maxsiz, ub4 *cursiz, OraText *fmt,
             sword fmtl, sword fmtt) {
    (void)scale, (void)fmt, (void)fmtl, (void)fmtt, (void)cursiz;
    return cursorCall(cursor, OCIV7_FC_BNDRA, [&](Cursor &c) {
        // A scalar bind with an actual length; arrays only serve PL/SQL tables, which the
        // embedded database cannot run.
        if (maxsiz > 0)
            throw OraError(kOraUnimplemented, "array binds for PL/SQL tables");
        const std::string name = placeholderName(sqlvar, sqlvl);
        const sword length = alen ? static_cast<sword>(*alen) : progvl;
        statementOf(c).bind(name, bindSpec(progv, length, ftype, indp));
        if (arcode)
            *arcode = 0;
        return 0;
    });
}

sword ocan(Cda_Def *cursor) {
    return cursorCall(cursor, OCIV7_FC_CAN, [&](Cursor &c) {
        if (c.statement)
            c.statement->cancel();
        return 0;
    });
}

// The arguments are never read: the call fails for every procedure.
sword odessp(Cda_Def *cursor, OraText *, size_t, ub1 *, size_t, ub1 *, size_t, ub2 *, ub2 *, ub2 *,
             OraText **, ub2 *, ub2 *, ub1 *, ub1 *, ub4 *, sb2 *, sb2 *, ub1 *, ub4 *, ub4 *) {
    return cursorCall(cursor, OCIV7_FC_NONE, [](Cursor &) -> int {
        throw OraError(kOraUnimplemented,
                       "the embedded database does not compile PL/SQL, so it cannot describe "
                       "stored procedure arguments");
    });
}

sword ogetpi(Cda_Def *cursor, ub1 *, void **, ub4 *, ub4 *) {
    return cursorCall(cursor, OCIV7_FC_GETPI, [](Cursor &) -> int {
        throw OraError(kOraUnimplemented, "piecewise operations");
    });
}

} // namespace ocilite::embedded
