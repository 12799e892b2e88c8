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

// The calls, and the wording of an error number for oermsg.
OCIV7_ENTRY_POINTS(OCIV7_DECLARE)
OCIV7_MORE_CALLS(OCIV7_DECLARE)
sword messageText(sb2 rcode, OraText *buf, sword bufsiz);

} // namespace ocilite::oracle
