// The embedded side's binds: by number (obndrn), by name (obndrv), with actual lengths and
// return codes (obndra, whose arrays serve PL/SQL tables), and with skip parameters or pieces
// (obindps). A bind reads the program's variables only when the statement executes; oexn
// reads element i of each at the element's skip.
#include "ocilite/api/embedded/areas.h"
#include "ocilite/api/embedded/calls.h"
#include "ocilite/api/embedded/cursor_work.h"

#include "oci/ociv7_args.h"

namespace ocilite::embedded {
namespace {

BindSpec bindSpec(ub1 *progv, sword progvl, sword ftype, sword scale, sb2 *indp) {
    BindSpec spec;
    spec.value = progv;
    spec.length = progvl;
    spec.externalType = ftype;
    spec.scale = scale;
    spec.indicator = indp;
    return spec;
}

std::string placeholderName(OraText *sqlvar, sword sqlvl) {
    std::string name = ociv7::text(sqlvar, sqlvl);
    if (name.empty())
        throw OraError(kOraIllegalVariable);
    return name;
}

// obndra and obindps: lengths and return codes per element; a PL/SQL table of maxsiz.
void tableParts(BindSpec &spec, ub2 *alen, ub2 *arcode, ub4 maxsiz, ub4 *cursiz) {
    spec.actualLength = alen;
    spec.returnCode = arcode;
    spec.maxElements = maxsiz;
    spec.currentElements = cursiz;
}

} // namespace

sword obndrn(Cda_Def *cursor, sword sqlvn, ub1 *progv, sword progvl, sword ftype, sword scale,
             sb2 *indp, OraText *fmt, sword fmtl, sword fmtt) {
    (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_BNDRN, [&](Cursor &c) {
        const BindSpec spec = bindSpec(progv, progvl, ftype, scale, indp);
        return deferrable(c, [&](Statement &s) { s.bind(sqlvn, spec); });
    });
}

sword obndrv(Cda_Def *cursor, OraText *sqlvar, sword sqlvl, ub1 *progv, sword progvl, sword ftype,
             sword scale, sb2 *indp, OraText *fmt, sword fmtl, sword fmtt) {
    (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_BNDRV, [&](Cursor &c) {
        const std::string name = placeholderName(sqlvar, sqlvl);
        const BindSpec spec = bindSpec(progv, progvl, ftype, scale, indp);
        return deferrable(c, [&](Statement &s) { s.bind(name, spec); });
    });
}

sword obndra(Cda_Def *cursor, OraText *sqlvar, sword sqlvl, ub1 *progv, sword progvl, sword ftype,
             sword scale, sb2 *indp, ub2 *alen, ub2 *arcode, ub4 maxsiz, ub4 *cursiz, OraText *fmt,
             sword fmtl, sword fmtt) {
    (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_BNDRA, [&](Cursor &c) {
        const std::string name = placeholderName(sqlvar, sqlvl);
        BindSpec spec = bindSpec(progv, progvl, ftype, scale, indp);
        tableParts(spec, alen, arcode, maxsiz, cursiz);
        return deferrable(c, [&](Statement &s) { s.bind(name, spec); });
    });
}

sword obindps(Cda_Def *cursor, ub1 opcode, OraText *sqlvar, sword sqlvl, ub1 *pvctx, sb4 progvl,
              sword ftype, sword scale, sb2 *indp, ub2 *alen, ub2 *arcode, sb4 pv_skip,
              sb4 ind_skip, sb4 alen_skip, sb4 rc_skip, ub4 maxsiz, ub4 *cursiz, OraText *fmt,
              sb4 fmtl, sword fmtt) {
    (void)fmt, (void)fmtl, (void)fmtt;
    return cursorCall(cursor, OCIV7_FC_BINDPS, [&](Cursor &c) {
        const std::string name = placeholderName(sqlvar, sqlvl);
        const bool piecewise = opcode == OCIV7_OP_PIECEWISE;
        BindSpec spec = bindSpec(piecewise ? nullptr : pvctx, progvl, ftype, scale, indp);
        spec.piecewise = piecewise;
        spec.context = piecewise ? pvctx : nullptr;
        tableParts(spec, alen, arcode, maxsiz, cursiz);
        spec.valueSkip = pv_skip;
        spec.indicatorSkip = ind_skip;
        spec.lengthSkip = alen_skip;
        spec.codeSkip = rc_skip;
        return deferrable(c, [&](Statement &s) { s.bind(name, spec); });
    });
}

} // namespace ocilite::embedded
