// The version-7 entry points served by a real Oracle database through Oracle's current call
// interface, loaded at run time. The client library's exported entry points route here for a
// logon whose connect string names an Oracle database, and for every area opened under it;
// each function has the signature and the meaning of the version-7 call of the same name.
#pragma once

#include "oci/ociv7.h"

#include <string>

namespace ocilite::oracle {

// Whether the area holds a logon / a cursor opened on this side.
bool ownsLogon(const Cda_Def *lda);
bool ownsCursor(const Cda_Def *cda);
// Releases a logon / a cursor of this side held by an area that is about to be used by the
// other side (no commit: the area is being reused, as a second olog on it does).
void forgetLogon(Cda_Def *lda);
void forgetCursor(Cda_Def *cda);

// Logs on with separate user, password and connect string (the caller has already split a
// "user/password@connect" user name).
sword logon(Cda_Def *lda, const std::string &user, const std::string &password,
            const std::string &connect);

sword olog(Cda_Def *lda, ub1 *hda, OraText *uid, sword uidl, OraText *pswd, sword pswdl,
           OraText *conn, sword connl, ub4 mode);
sword ologof(Cda_Def *lda);
sword oopen(Cda_Def *cursor, Cda_Def *lda, OraText *dbn, sword dbnl, sword arsize, OraText *uid,
            sword uidl);
sword oclose(Cda_Def *cursor);
sword oparse(Cda_Def *cursor, OraText *sqlstm, sb4 sqllen, sword defflg, ub4 lngflg);
sword odescr(Cda_Def *cursor, sword pos, sb4 *dbsize, sb2 *dbtype, sb1 *cbuf, sb4 *cbufl,
             sb4 *dsize, sb2 *prec, sb2 *scale, sb2 *nullok);
sword odefin(Cda_Def *cursor, sword pos, ub1 *buf, sword bufl, sword ftype, sword scale, sb2 *indp,
             OraText *fmt, sword fmtl, sword fmtt, ub2 *rlen, ub2 *rcode);
sword obndrv(Cda_Def *cursor, OraText *sqlvar, sword sqlvl, ub1 *progv, sword progvl, sword ftype,
             sword scale, sb2 *indp, OraText *fmt, sword fmtl, sword fmtt);
sword obndrn(Cda_Def *cursor, sword sqlvn, ub1 *progv, sword progvl, sword ftype, sword scale,
             sb2 *indp, OraText *fmt, sword fmtl, sword fmtt);
sword obndra(Cda_Def *cursor, OraText *sqlvar, sword sqlvl, ub1 *progv, sword progvl, sword ftype,
             sword scale, sb2 *indp, ub2 *alen, ub2 *arcode, ub4 maxsiz, ub4 *cursiz, OraText *fmt,
             sword fmtl, sword fmtt);
sword oexec(Cda_Def *cursor);
sword ofetch(Cda_Def *cursor);
sword ocan(Cda_Def *cursor);
sword ocon(Cda_Def *lda);
sword ocof(Cda_Def *lda);
sword ocom(Cda_Def *lda);
sword orol(Cda_Def *lda);
sword oerhms(Cda_Def *lda, sb2 rcode, OraText *buf, sword bufsiz);
sword odessp(Cda_Def *cursor, OraText *objnam, size_t onlen, ub1 *rsv1, size_t rsv1ln, ub1 *rsv2,
             size_t rsv2ln, ub2 *ovrld, ub2 *pos, ub2 *level, OraText **argnam, ub2 *arnlen,
             ub2 *dtype, ub1 *defsup, ub1 *mode, ub4 *dtsiz, sb2 *prec, sb2 *scale, ub1 *radix,
             ub4 *spare, ub4 *arrsiz);
sword ogetpi(Cda_Def *cursor, ub1 *piecep, void **ctxpp, ub4 *iterp, ub4 *indexp);

// Splits "user/password@connect" as SQL*Plus does: the parts found there fill the password
// and the connect string when those were given empty.
void splitLogonText(std::string &user, std::string &password, std::string &connect);

} // namespace ocilite::oracle
