// The two sides' tables, each generated from the one list of entry points.
#include "ocilite/api/side.h"

#include "ocilite/api/embedded/calls.h"
#include "ocilite/oracle/oracle_side.h"

namespace ocilite::api {

const Side &embeddedSide() {
    static const Side side = {embedded::ownsLogon, embedded::ownsCursor, embedded::forgetLogon,
                              embedded::forgetCursor,
#define OCILITE_EMBEDDED_CALL(name, params, args) embedded::name,
                              OCIV7_ENTRY_POINTS(OCILITE_EMBEDDED_CALL)
#undef OCILITE_EMBEDDED_CALL
    };
    return side;
}

const Side &oracleSide() {
    static const Side side = {oracle::ownsLogon, oracle::ownsCursor, oracle::forgetLogon,
                              oracle::forgetCursor,
#define OCILITE_ORACLE_CALL(name, params, args) oracle::name,
                              OCIV7_ENTRY_POINTS(OCILITE_ORACLE_CALL)
#undef OCILITE_ORACLE_CALL
    };
    return side;
}

} // namespace ocilite::api
