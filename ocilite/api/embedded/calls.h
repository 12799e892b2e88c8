// The embedded side's twenty calls and its area ownership (private header): each call has the
// signature and the meaning of the entry point of the same name and serves logons of the
// embedded database and the cursors opened under them. logon_calls.cpp, cursor_calls.cpp and
// bind_calls.cpp hold them.
#pragma once

#include "oci/ociv7.h"

namespace ocilite::embedded {

bool ownsLogon(const Cda_Def *lda);
bool ownsCursor(const Cda_Def *cda);
void forgetLogon(Cda_Def *lda);
void forgetCursor(Cda_Def *cda);

OCIV7_ENTRY_POINTS(OCIV7_DECLARE)

} // namespace ocilite::embedded
