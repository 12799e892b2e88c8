// One scripted client library variant: the twenty version-7 exports, each forwarding to the
// shared fakeoci_state. Built several times with FAKEOCI_LIBRARY_NAME set to the file name
// and FAKEOCI_OMIT_<entry> defined for every export the variant must lack.

#include "fakeoci_internal.h"

#ifndef FAKEOCI_LIBRARY_NAME
#error "FAKEOCI_LIBRARY_NAME must name the library file"
#endif

namespace {
constexpr const char *kLib = FAKEOCI_LIBRARY_NAME;

// Loading and unloading are visible to the tests, so they can tell which file was opened.
[[gnu::constructor]] void announceLoad() {
    fakeoci::detail::libraryLoaded(kLib);
}
[[gnu::destructor]] void announceUnload() {
    fakeoci::detail::libraryUnloaded(kLib);
}
} // namespace

namespace fd = fakeoci::detail;

extern "C" {

#ifndef FAKEOCI_OMIT_olog
OCIV7_API sword olog(Cda_Def *lda, ub1 *hda, OraText *uid, sword uidl, OraText *pswd, sword pswdl,
                     OraText *conn, sword connl, ub4 mode) {
    return fd::olog(kLib, lda, hda, uid, uidl, pswd, pswdl, conn, connl, mode);
}
#endif
#ifndef FAKEOCI_OMIT_oclose
OCIV7_API sword oclose(Cda_Def *cursor) {
    return fd::oclose(kLib, cursor);
}
#endif
#ifndef FAKEOCI_OMIT_ologof
OCIV7_API sword ologof(Cda_Def *lda) {
    return fd::ologof(kLib, lda);
}
#endif
#ifndef FAKEOCI_OMIT_oopen
OCIV7_API sword oopen(Cda_Def *cursor, Cda_Def *lda, OraText *dbn, sword dbnl, sword arsize,
                      OraText *uid, sword uidl) {
    return fd::oopen(kLib, cursor, lda, dbn, dbnl, arsize, uid, uidl);
}
#endif
#ifndef FAKEOCI_OMIT_oparse
OCIV7_API sword oparse(Cda_Def *cursor, OraText *sqlstm, sb4 sqllen, sword defflg, ub4 lngflg) {
    return fd::oparse(kLib, cursor, sqlstm, sqllen, defflg, lngflg);
}
#endif
#ifndef FAKEOCI_OMIT_odefin
OCIV7_API sword odefin(Cda_Def *cursor, sword pos, ub1 *buf, sword bufl, sword ftype, sword scale,
                       sb2 *indp, OraText *fmt, sword fmtl, sword fmtt, ub2 *rlen, ub2 *rcode) {
    return fd::odefin(kLib, cursor, pos, buf, bufl, ftype, scale, indp, fmt, fmtl, fmtt, rlen,
                      rcode);
}
#endif
#ifndef FAKEOCI_OMIT_oexec
OCIV7_API sword oexec(Cda_Def *cursor) {
    return fd::oexec(kLib, cursor);
}
#endif
#ifndef FAKEOCI_OMIT_ofetch
OCIV7_API sword ofetch(Cda_Def *cursor) {
    return fd::ofetch(kLib, cursor);
}
#endif
#ifndef FAKEOCI_OMIT_oerhms
OCIV7_API sword oerhms(Cda_Def *lda, sb2 rcode, OraText *buf, sword bufsiz) {
    return fd::oerhms(kLib, lda, rcode, buf, bufsiz);
}
#endif
#ifndef FAKEOCI_OMIT_odescr
OCIV7_API sword odescr(Cda_Def *cursor, sword pos, sb4 *dbsize, sb2 *dbtype, sb1 *cbuf, sb4 *cbufl,
                       sb4 *dsize, sb2 *prec, sb2 *scale, sb2 *nullok) {
    return fd::odescr(kLib, cursor, pos, dbsize, dbtype, cbuf, cbufl, dsize, prec, scale, nullok);
}
#endif
#ifndef FAKEOCI_OMIT_obndrn
OCIV7_API sword obndrn(Cda_Def *cursor, sword sqlvn, ub1 *progv, sword progvl, sword ftype,
                       sword scale, sb2 *indp, OraText *fmt, sword fmtl, sword fmtt) {
    return fd::obndrn(kLib, cursor, sqlvn, progv, progvl, ftype, scale, indp, fmt, fmtl, fmtt);
}
#endif
#ifndef FAKEOCI_OMIT_obndrv
OCIV7_API sword obndrv(Cda_Def *cursor, OraText *, sword, ub1 *, sword, sword, sword, sb2 *,
                       OraText *, sword, sword) {
    return fd::simple(kLib, "obndrv", cursor);
}
#endif
#ifndef FAKEOCI_OMIT_ocan
OCIV7_API sword ocan(Cda_Def *cursor) {
    return fd::simple(kLib, "ocan", cursor);
}
#endif
#ifndef FAKEOCI_OMIT_ocon
OCIV7_API sword ocon(Cda_Def *lda) {
    return fd::simple(kLib, "ocon", lda);
}
#endif
#ifndef FAKEOCI_OMIT_ocof
OCIV7_API sword ocof(Cda_Def *lda) {
    return fd::simple(kLib, "ocof", lda);
}
#endif
#ifndef FAKEOCI_OMIT_ocom
OCIV7_API sword ocom(Cda_Def *lda) {
    return fd::simple(kLib, "ocom", lda);
}
#endif
#ifndef FAKEOCI_OMIT_orol
OCIV7_API sword orol(Cda_Def *lda) {
    return fd::simple(kLib, "orol", lda);
}
#endif
#ifndef FAKEOCI_OMIT_obndra
OCIV7_API sword obndra(Cda_Def *cursor, OraText *, sword, ub1 *, sword, sword, sword, sb2 *, ub2 *,
                       ub2 *, ub4, ub4 *, OraText *, sword, sword) {
    return fd::simple(kLib, "obndra", cursor);
}
#endif
#ifndef FAKEOCI_OMIT_odessp
OCIV7_API sword odessp(Cda_Def *cursor, OraText *, size_t, ub1 *, size_t, ub1 *, size_t, ub2 *,
                       ub2 *, ub2 *, OraText **, ub2 *, ub2 *, ub1 *, ub1 *, ub4 *, sb2 *, sb2 *,
                       ub1 *, ub4 *, ub4 *) {
    return fd::simple(kLib, "odessp", cursor);
}
#endif
#ifndef FAKEOCI_OMIT_ogetpi
OCIV7_API sword ogetpi(Cda_Def *cursor, ub1 *, void **, ub4 *, ub4 *) {
    return fd::simple(kLib, "ogetpi", cursor);
}
#endif

} // extern "C"
