// The exported calls, generated from the lists in oci/ociv7.h: the twenty entry points and the
// interface's other calls. Each runs its whole body inside the seal (seal.h), so that no
// exception, out-of-memory included, crosses the C boundary, and hands the call to the side
// its area belongs to (side.h): the embedded database, or a real Oracle database for a logon
// whose connect string names one.
#define OCIV7_BUILDING_LIBRARY
#include "oci/ociv7.h"

#include "ocilite/api/logon_route.h"
#include "ocilite/api/seal.h"
#include "ocilite/api/side.h"

#include <atomic>

namespace ocilite::api {
namespace {

// Set by the first logon routed to Oracle; until then no area can belong to the Oracle side,
// and calls go to the embedded side without asking.
std::atomic<bool> g_oracleUsed{false};

const Side &otherThan(const Side &side) {
    return &side == &embeddedSide() ? oracleSide() : embeddedSide();
}

// The side of an area: Oracle's when it holds an Oracle logon or cursor, else the embedded
// side, which also answers for an area that holds nothing.
const Side &sideOf(const Cda_Def *area) {
    if (!g_oracleUsed.load(std::memory_order_relaxed))
        return embeddedSide();
    const Side &oracle = oracleSide();
    return oracle.ownsCursor(area) || oracle.ownsLogon(area) ? oracle : embeddedSide();
}

// The side whose wording an error text takes when no logon area tells: the last logon's.
const Side &lastLogonsSide() {
    return g_oracleUsed && lastLogonSide() == LogonSide::Oracle ? oracleSide() : embeddedSide();
}

#define OCILITE_FIRST(first, ...) first

// Every call goes to the side of its first area...
struct Routes {
#define OCILITE_ROUTE(name, params, args)                                                          \
    static sword name params {                                                                     \
        return sideOf(OCILITE_FIRST args).name args;                                               \
    }
    OCIV7_ENTRY_POINTS(OCILITE_ROUTE)
    OCIV7_MORE_CALLS(OCILITE_ROUTE)
#undef OCILITE_ROUTE
};

// ...except these: a logon goes where its connect string says (the area lets go of what it
// held on the other side), a cursor opens on its logon's side, an error text comes from the
// side of the logon area, or of the last logon for an area that holds none, and a break
// reaches the logon without waiting for the call it interrupts.
struct Router : Routes {
    static sword olog(Cda_Def *lda, ub1 *hda, OraText *uid, sword uidl, OraText *pswd, sword pswdl,
                      OraText *conn, sword connl, ub4 mode) {
        const bool toOracle = routeLogon(uid, uidl, pswd, pswdl, conn, connl) == LogonSide::Oracle;
        if (toOracle)
            g_oracleUsed = true;
        const Side &side = toOracle ? oracleSide() : embeddedSide();
        if (g_oracleUsed)
            otherThan(side).forgetLogon(lda);
        return side.olog(lda, hda, uid, uidl, pswd, pswdl, conn, connl, mode);
    }

    // The older logons carry the connect string in the user name ("user/password@connect").
    static sword orlon(Cda_Def *lda, ub1 *hda, OraText *uid, sword uidl, OraText *pswd, sword pswdl,
                       sword audit) {
        (void)audit; // never used, as in Oracle's own
        return olog(lda, hda, uid, uidl, pswd, pswdl, nullptr, -1, OCIV7_LM_DEF);
    }

    static sword olon(Cda_Def *lda, OraText *uid, sword uidl, OraText *pswd, sword pswdl,
                      sword audit) {
        return orlon(lda, nullptr, uid, uidl, pswd, pswdl, audit);
    }

    static sword oopen(Cda_Def *cursor, Cda_Def *lda, OraText *dbn, sword dbnl, sword arsize,
                       OraText *uid, sword uidl) {
        const Side &side = sideOf(lda);
        if (g_oracleUsed)
            otherThan(side).forgetCursor(cursor);
        return side.oopen(cursor, lda, dbn, dbnl, arsize, uid, uidl);
    }

    static sword oerhms(Cda_Def *lda, sb2 rcode, OraText *buf, sword bufsiz) {
        return sealedText(buf, bufsiz, [&] {
            const bool oracleText =
                g_oracleUsed &&
                (oracleSide().ownsLogon(lda) ||
                 (!embeddedSide().ownsLogon(lda) && lastLogonSide() == LogonSide::Oracle));
            const Side &side = oracleText ? oracleSide() : embeddedSide();
            return side.oerhms(lda, rcode, buf, bufsiz);
        });
    }

    // Each side's obreak answers ORA-01012 at once for an area holding none of its logons.
    static sword obreak(Cda_Def *lda) {
        const sword rc = embeddedSide().obreak(lda);
        if (rc == kOraNotLoggedOn && g_oracleUsed)
            return oracleSide().obreak(lda);
        return rc;
    }
};

} // namespace

// opinit: the library serves threads whatever the mode (each side serialises the calls on its
// areas), so there is nothing to set up.
sword processInit(ub4 mode) {
    (void)mode;
    return 0;
}

sword messageOf(sb2 rcode, OraText *buf) {
    return sealedText(buf, OCIV7_ERMSG_SIZE,
                      [&] { return lastLogonsSide().messageText(rcode, buf, OCIV7_ERMSG_SIZE); });
}

} // namespace ocilite::api

extern "C" {

#define OCILITE_EXPORT(name, params, args)                                                         \
    OCIV7_API sword name params {                                                                  \
        return ocilite::api::sealed(OCILITE_FIRST args,                                            \
                                    [&] { return ocilite::api::Router::name args; });              \
    }
OCIV7_ENTRY_POINTS(OCILITE_EXPORT)
OCIV7_MORE_CALLS(OCILITE_EXPORT)
#undef OCILITE_EXPORT

OCIV7_API sword opinit(ub4 mode) {
    return ocilite::api::processInit(mode);
}

OCIV7_API sword oermsg(sb2 rcode, OraText *buf) {
    return buf ? ocilite::api::messageOf(rcode, buf) : 0;
}

OCIV7_API void sqllda(Cda_Def *lda) {
    ocilite::api::sealFailure(lda, ocilite::kOraNotLoggedOn);
}

OCIV7_API void sqlld2(Cda_Def *lda, OraText *cname, sb4 *cnlen) {
    (void)cname, (void)cnlen;
    ocilite::api::sealFailure(lda, ocilite::kOraNotLoggedOn);
}

} // extern "C"
