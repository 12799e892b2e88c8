// The embedded side's calls and its area ownership (private header): each call has the
// signature and the meaning of the version-7 call of the same name and serves logons of the
// embedded database and the cursors opened under them. logon_calls.cpp and option_calls.cpp
// hold the logon-level calls, cursor_calls.cpp, fetch_calls.cpp, bind_calls.cpp and
// piece_calls.cpp the cursor-level ones, describe_procedure.cpp odessp.
#pragma once

#include "oci/ociv7.h"

namespace ocilite::embedded {

bool ownsLogon(const Cda_Def *lda);
bool ownsCursor(const Cda_Def *cda);
void forgetLogon(Cda_Def *lda);
void forgetCursor(Cda_Def *cda);
sword messageText(sb2 rcode, OraText *buf, sword bufsiz);

OCIV7_ENTRY_POINTS(OCIV7_DECLARE)
OCIV7_MORE_CALLS(OCIV7_DECLARE)

} // namespace ocilite::embedded
