// The two sides' tables, each generated from the one list of entry points.
#include "ocilite/api/side.h"

#include "ocilite/api/embedded/calls.h"
#include "ocilite/oracle/oracle_side.h"

namespace ocilite::api {

// The table of the side whose calls and area functions are in the namespace aliased `ns`.
#define OCILITE_SIDE_CALL(name, params, args) ns::name,
#define OCILITE_SIDE_TABLE                                                                         \
    static const Side side =                                                                       \
        {ns::ownsLogon,                                                                            \
         ns::ownsCursor,                                                                           \
         ns::forgetLogon,                                                                          \
         ns::forgetCursor,                                                                         \
         ns::messageText,                                                                          \
         OCIV7_ENTRY_POINTS(OCILITE_SIDE_CALL) OCIV7_MORE_CALLS(OCILITE_SIDE_CALL)};               \
    return side

const Side &embeddedSide() {
    namespace ns = embedded;
    OCILITE_SIDE_TABLE;
}

const Side &oracleSide() {
    namespace ns = oracle;
    OCILITE_SIDE_TABLE;
}

} // namespace ocilite::api
