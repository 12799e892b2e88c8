// The Oracle side's calls beyond the twenty, until each is mapped: ORA-03001.
#include "oracle_side.h"

#include "areas.h"

namespace ocilite::oracle {
namespace {

sword notYet(Cda_Def *cursor) {
    return cursorCall(cursor, OCIV7_FC_NONE,
                      [](Cursor &) -> int { throw BridgeError(kOraUnimplemented); });
}

} // namespace

sword ofen(Cda_Def *cursor, sword) {
    return notYet(cursor);
}
sword oexfet(Cda_Def *cursor, ub4, sword, sword) {
    return notYet(cursor);
}
sword oexn(Cda_Def *cursor, sword, sword) {
    return notYet(cursor);
}
sword oflng(Cda_Def *cursor, sword, ub1 *, sb4, sword, ub4 *, sb4) {
    return notYet(cursor);
}
sword obindps(Cda_Def *cursor, ub1, OraText *, sword, ub1 *, sb4, sword, sword, sb2 *, ub2 *, ub2 *,
              sb4, sb4, sb4, sb4, ub4, ub4 *, OraText *, sb4, sword) {
    return notYet(cursor);
}
sword odefinps(Cda_Def *cursor, ub1, sword, ub1 *, sb4, sword, sword, sb2 *, OraText *, sb4, sword,
               ub2 *, ub2 *, sb4, sb4, sb4, sb4) {
    return notYet(cursor);
}
sword osetpi(Cda_Def *cursor, ub1, void *, ub4 *) {
    return notYet(cursor);
}
sword oopt(Cda_Def *cursor, sword, sword) {
    return notYet(cursor);
}
sword obreak(Cda_Def *) {
    return kOraNotLoggedOn;
}
sword onbset(Cda_Def *lda) {
    return notYet(lda);
}
sword onbtst(Cda_Def *lda) {
    return notYet(lda);
}
sword onbclr(Cda_Def *lda) {
    return notYet(lda);
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
sword odsc(Cda_Def *cursor, sword, sb2 *, sb2 *, sb2 *, sb2 *, sb1 *, sb2 *, sb2 *) {
    return notYet(cursor);
}
sword oname(Cda_Def *cursor, sword, sb1 *, sb2 *, sb1 *, sb2 *) {
    return notYet(cursor);
}
sword messageText(sb2 rcode, OraText *buf, sword bufsiz) {
    (void)rcode, (void)buf, (void)bufsiz;
    return 0;
}

} // namespace ocilite::oracle
