// The logon-level entry points of the Oracle side: logon and logoff, the transaction calls,
// oerhms, and what the client library's router asks of this side.
#include "oracle_side.h"

#include "areas.h"

#include "oci/ociv7_args.h"

#include <algorithm>
#include <cstring>

namespace ocilite::oracle {
namespace {

// Credentials are handed to Oracle's session handle and not kept: our copies are cleared.
void wipe(std::string &secret) {
    std::fill(secret.begin(), secret.end(), '\0');
}

} // namespace

bool ownsLogon(const Cda_Def *lda) {
    std::lock_guard<std::mutex> lock(areas().mutex);
    return logonOf(lda) != nullptr;
}
bool ownsCursor(const Cda_Def *cda) {
    std::lock_guard<std::mutex> lock(areas().mutex);
    return cursorOf(cda) != nullptr;
}
void forgetLogon(Cda_Def *lda) {
    std::lock_guard<std::mutex> lock(areas().mutex);
    if (Logon *logon = logonOf(lda)) {
        closeLogon(logon);
        lda->rcsp = nullptr;
    }
}
void forgetCursor(Cda_Def *cda) {
    std::lock_guard<std::mutex> lock(areas().mutex);
    if (Cursor *cursor = cursorOf(cda)) {
        closeCursor(cursor);
        cda->rcsp = nullptr;
    }
}
sword logon(Cda_Def *lda, const std::string &user, const std::string &password,
            const std::string &connect) {
    if (!lda)
        return kOraNotLoggedOn;
    std::lock_guard<std::mutex> lock(areas().mutex);
    if (Logon *old = logonOf(lda))
        closeLogon(old);
    lda->rcsp = nullptr;
    lda->ft = 0;
    lda->rpc = 0;
    auto opened = std::make_unique<Logon>();
    Credentials credentials{user, password, connect};
    const Outcome o = guarded([&] {
        std::string error;
        const ClientLibrary *library = ClientLibrary::instance(error);
        if (!library)
            throw BridgeError(kOraClientUnavailable, error);
        opened->connection = std::make_unique<Connection>(*library, credentials);
        return 0;
    });
    wipe(credentials.password);
    if (o.code != 0) {
        areas().logonFailureCode = o.code;
        areas().logonFailureText = o.text;
        return finish(lda, nullptr, o, OCIV7_FC_NONE);
    }
    lda->rcsp = opened.get();
    {
        std::lock_guard<std::mutex> breakLock(areas().breakMutex);
        areas().breakable.insert(opened.get());
    }
    areas().logons.insert(opened.release());
    return finish(lda, nullptr, Outcome{}, OCIV7_FC_NONE);
}
sword olog(Cda_Def *lda, ub1 *hda, OraText *uid, sword uidl, OraText *pswd, sword pswdl,
           OraText *conn, sword connl, ub4 mode) {
    (void)hda; // the host area is never written: all state lives behind rcsp
    std::string user = text(uid, uidl), password = text(pswd, pswdl), connect = text(conn, connl);
    ociv7::splitLogonText(user, password, connect);
    const sword rc = logon(lda, user, password, connect);
    wipe(password);
    // A non-blocking logon: the logon itself completes; the calls after it do not wait.
    if (rc == 0 && mode == OCIV7_LM_NBL)
        return oracle::onbset(lda);
    return rc;
}
sword ologof(Cda_Def *lda) {
    // A normal logoff commits, as Oracle does; a connection already lost has nothing left to
    // commit, and the logon is released either way so the program can log on again.
    const sword rc = logonCall(lda, [](Logon &logon) {
        try {
            logon.connection->commit();
        } catch (const BridgeError &e) {
            if (!isConnectionLost(e.code()))
                throw;
        }
        return 0;
    });
    if (rc == kOraWouldBlock) // a non-blocking server is still committing: call again
        return rc;
    std::lock_guard<std::mutex> lock(areas().mutex);
    if (Logon *logon = logonOf(lda)) {
        closeLogon(logon);
        lda->rcsp = nullptr;
    }
    return rc;
}
sword ocon(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.connection->autoCommit = true;
        return 0;
    });
}
sword ocof(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.connection->autoCommit = false;
        return 0;
    });
}
sword ocom(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.connection->commit();
        return 0;
    });
}
sword orol(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.connection->rollback();
        return 0;
    });
}
// The text of the logon's error with that number as Oracle composed it; for a logon that
// failed, the failure's text; otherwise Oracle's wording for the number.
sword oerhms(Cda_Def *lda, sb2 rcode, OraText *buf, sword bufsiz) {
    if (!buf || bufsiz <= 0)
        return 0;
    std::lock_guard<std::mutex> lock(areas().mutex);
    std::string message;
    try {
        const int code = rcode < 0 ? -rcode : rcode;
        const Logon *logon = logonOf(lda);
        const std::string *known = logon ? logon->connection->textOf(code) : nullptr;
        if (known)
            message = *known;
        else if (!logon && code == areas().logonFailureCode && !areas().logonFailureText.empty())
            message = areas().logonFailureText;
        else
            message = composedText(code);
    } catch (...) {
        message = composedText(kOraInternal);
    }
    const size_t n = std::min(message.size(), static_cast<size_t>(bufsiz - 1));
    std::memcpy(buf, message.data(), n);
    buf[n] = '\0';
    return static_cast<sword>(n);
}
} // namespace ocilite::oracle
