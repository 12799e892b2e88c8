#pragma once
// Private to the scripted client library: the behaviour of each entry point lives in
// fakeoci_state, and the thin exported functions of every variant forward to these, naming
// the variant's file so the test can tell which library served a call.

#include "oci/ociv7.h"

namespace fakeoci::detail {

void libraryLoaded(const char *library);
void libraryUnloaded(const char *library);

sword olog(const char *lib, Cda_Def *lda, ub1 *hda, OraText *uid, sword uidl, OraText *pswd,
           sword pswdl, OraText *conn, sword connl, ub4 mode);
sword oopen(const char *lib, Cda_Def *cursor, Cda_Def *lda, OraText *dbn, sword dbnl, sword arsize,
            OraText *uid, sword uidl);
sword oparse(const char *lib, Cda_Def *cursor, OraText *sqlstm, sb4 sqllen, sword defflg,
             ub4 lngflg);
sword odefin(const char *lib, Cda_Def *cursor, sword pos, ub1 *buf, sword bufl, sword ftype,
             sword scale, sb2 *indp, OraText *fmt, sword fmtl, sword fmtt, ub2 *rlen, ub2 *rcode);
sword oexec(const char *lib, Cda_Def *cursor);
sword ofetch(const char *lib, Cda_Def *cursor);
sword oerhms(const char *lib, Cda_Def *lda, sb2 rcode, OraText *buf, sword bufsiz);
sword odescr(const char *lib, Cda_Def *cursor, sword pos, sb4 *dbsize, sb2 *dbtype, sb1 *cbuf,
             sb4 *cbufl, sb4 *dsize, sb2 *prec, sb2 *scale, sb2 *nullok);
sword obndrn(const char *lib, Cda_Def *cursor, sword sqlvn, ub1 *progv, sword progvl, sword ftype,
             sword scale, sb2 *indp, OraText *fmt, sword fmtl, sword fmtt);
sword oclose(const char *lib, Cda_Def *cursor);
sword ologof(const char *lib, Cda_Def *lda);
// Entries whose only behaviour is to be recorded and succeed (or fail as programmed):
// ocan, ocon, ocof, ocom, orol, obndrv, obndra, odessp, ogetpi.
sword simple(const char *lib, const char *entry, Cda_Def *area);

} // namespace fakeoci::detail
