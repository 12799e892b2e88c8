// A side that serves the version-7 calls (private to the client library): the embedded
// database (api/embedded/) or a real Oracle database (ocilite/oracle/). A logon area belongs
// to the side that logged it on and every cursor area opened under it to the same side;
// entry_points.cpp routes each call by its area. A side is a table of the calls that take an
// area (the twenty entry points and the interface's other calls), each with the call's
// signature and meaning, plus what the router needs to know about the areas.
#pragma once

#include "oci/ociv7.h"

namespace ocilite::api {

struct Side {
    // Whether the area holds a logon / a cursor of this side.
    bool (*ownsLogon)(const Cda_Def *lda);
    bool (*ownsCursor)(const Cda_Def *cda);
    // Lets go of the logon / cursor the area holds, when the area is about to serve the other
    // side (no commit: the area is being reused, as a second olog on it does).
    void (*forgetLogon)(Cda_Def *lda);
    void (*forgetCursor)(Cda_Def *cda);
    // The logon's text for an error number, for oerhms on an area holding no logon and for
    // oermsg: the side's own wording, or the last failed logon's text for that number.
    sword (*messageText)(sb2 rcode, OraText *buf, sword bufsiz);
#define OCILITE_SIDE_CALL(name, params, args) sword(*name) params;
    OCIV7_ENTRY_POINTS(OCILITE_SIDE_CALL)
    OCIV7_MORE_CALLS(OCILITE_SIDE_CALL)
#undef OCILITE_SIDE_CALL
};

const Side &embeddedSide();
const Side &oracleSide();

} // namespace ocilite::api
