// The embedded side's options and interruptions: oopt, obreak and non-blocking mode.
//
// The embedded database runs each call in the caller's own process and never waits on a
// network. What can make a call wait is a lock another session holds on the database file (a
// writer in another process, or another logon to the same file). So:
// - non-blocking mode (onbset, or olog with OCIV7_LM_NBL) means a call that would wait for
//   such a lock returns ORA-03123 at once, having done nothing, and the program calls it again
//   later; every other call completes as in blocking mode;
// - oopt's wait option 4 makes a cursor's statements fail at once with ORA-00054 on such a
//   lock instead of waiting; its rollback option is taken as given, since a failing statement
//   is always undone alone and the embedded database has no deadlocks to roll back for;
// - obreak stops the call running on the logon from another thread: it ends with ORA-01013.
#include "ocilite/api/embedded/areas.h"
#include "ocilite/api/embedded/calls.h"

namespace ocilite::embedded {
namespace {

constexpr sword kNoWait = 4;

} // namespace

sword oopt(Cda_Def *cursor, sword rbopt, sword waitopt) {
    (void)rbopt;
    return cursorCall(cursor, OCIV7_FC_OPT, [&](Cursor &c) {
        c.noWait = waitopt == kNoWait;
        return 0;
    });
}

sword obreak(Cda_Def *lda) {
    return requestBreak(lda) ? 0 : kOraNotLoggedOn;
}

sword onbset(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.nonBlocking = true;
        return 0;
    });
}

sword onbclr(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.nonBlocking = false;
        return 0;
    });
}

sword onbtst(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        return logon.nonBlocking ? 0 : static_cast<int>(kOraBlockingMode);
    });
}

} // namespace ocilite::embedded
