// The embedded side's logon-level calls: olog and the older logons (the connect string names
// the database, the default one seeded with the demo schema on first use), ologof, the
// transaction calls and the error texts, and what the router asks about the areas.
#include "ocilite/api/embedded/areas.h"
#include "ocilite/api/embedded/calls.h"

#include "oci/ociv7_args.h"
#include "ocilite/demo/demo_schema.h"
#include "ocilite/engine/connect_string.h"

#include <cstdlib>
#include <cstring>

namespace ocilite::embedded {
namespace {

int codeOf(const std::string &oraText) {
    return oraText.rfind("ORA-", 0) == 0 ? std::atoi(oraText.c_str() + 4) : kOraInternal;
}

// The logon's database, opened and checked; throws OraError.
std::unique_ptr<Logon> openLogon(std::string user, std::string password, std::string connect) {
    ociv7::splitLogonText(user, password, connect);
    if (user.empty())
        throw OraError(kOraLogonDenied);
    if (password.empty())
        throw OraError(kOraNullPassword);
    auto logon = std::make_unique<Logon>();
    std::string error;
    logon->db = openConnectString(connect, installDemoSchema, error);
    if (!logon->db)
        throw OraError(codeOf(error), error, OraError::FullText{});
    if (!logon->db->checkPassword(user, password))
        throw OraError(kOraLogonDenied);
    logon->db->setSchema(foldName(user));
    return logon;
}

} // namespace

bool ownsLogon(const Cda_Def *lda) {
    std::lock_guard<std::mutex> lock(areasMutex());
    return logonOf(lda) != nullptr;
}

bool ownsCursor(const Cda_Def *cda) {
    std::lock_guard<std::mutex> lock(areasMutex());
    return cursorOf(cda) != nullptr;
}

void forgetLogon(Cda_Def *lda) {
    std::lock_guard<std::mutex> lock(areasMutex());
    if (Logon *logon = logonOf(lda)) {
        closeLogon(logon);
        lda->rcsp = nullptr;
    }
}

void forgetCursor(Cda_Def *cda) {
    std::lock_guard<std::mutex> lock(areasMutex());
    if (Cursor *cursor = cursorOf(cda)) {
        closeCursor(cursor);
        cda->rcsp = nullptr;
    }
}

sword olog(Cda_Def *lda, ub1 *hda, OraText *uid, sword uidl, OraText *pswd, sword pswdl,
           OraText *conn, sword connl, ub4 mode) {
    (void)hda; // the host area is never written: all state lives behind rcsp
    if (!lda)
        return kOraNotLoggedOn;
    std::lock_guard<std::mutex> lock(areasMutex());
    if (Logon *old = logonOf(lda))
        closeLogon(old);
    lda->rcsp = nullptr;
    lda->ft = 0;
    lda->rpc = 0;
    const CallError e = guarded([&] {
        auto logon =
            openLogon(ociv7::text(uid, uidl), ociv7::text(pswd, pswdl), ociv7::text(conn, connl));
        logon->nonBlocking = mode == OCIV7_LM_NBL;
        registerLogon(lda, std::move(logon));
        return 0;
    });
    if (e.code != 0)
        lastLogonFailure() = {e.code, e.text};
    return finish(lda, nullptr, e, OCIV7_FC_NONE);
}

sword orlon(Cda_Def *lda, ub1 *hda, OraText *uid, sword uidl, OraText *pswd, sword pswdl,
            sword audit) {
    (void)audit;
    return embedded::olog(lda, hda, uid, uidl, pswd, pswdl, nullptr, -1, OCIV7_LM_DEF);
}

sword olon(Cda_Def *lda, OraText *uid, sword uidl, OraText *pswd, sword pswdl, sword audit) {
    return embedded::orlon(lda, nullptr, uid, uidl, pswd, pswdl, audit);
}

sword ologof(Cda_Def *lda) {
    const sword rc = logonCall(lda, [&](Logon &logon) {
        // A normal logoff commits, as Oracle does.
        logon.db->commitWork();
        return 0;
    });
    std::lock_guard<std::mutex> lock(areasMutex());
    if (Logon *logon = logonOf(lda); logon && rc == 0) {
        closeLogon(logon);
        lda->rcsp = nullptr;
    }
    return rc;
}

sword ocon(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.autoCommit = true;
        return 0;
    });
}

sword ocof(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.autoCommit = false;
        return 0;
    });
}

sword ocom(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.db->commitWork();
        return 0;
    });
}

sword orol(Cda_Def *lda) {
    return logonCall(lda, [](Logon &logon) {
        logon.db->rollbackWork();
        return 0;
    });
}

namespace {

sword copyText(const std::string &message, OraText *buf, sword bufsiz) {
    if (!buf || bufsiz <= 0)
        return 0;
    const size_t n = std::min(message.size(), static_cast<size_t>(bufsiz - 1));
    std::memcpy(buf, message.data(), n);
    buf[n] = '\0';
    return static_cast<sword>(n);
}

// The last failed logon's text when it has that number, else the table's text.
std::string textWithoutLogon(int code) {
    const LogonFailure &failure = lastLogonFailure();
    return code == failure.code && !failure.text.empty() ? failure.text : oraText(code);
}

} // namespace

// The text of the logon's last error when it has that code, of the last failed logon for an
// area holding none, else the table's text for the code.
sword oerhms(Cda_Def *lda, sb2 rcode, OraText *buf, sword bufsiz) {
    if (!buf || bufsiz <= 0)
        return 0;
    std::lock_guard<std::mutex> lock(areasMutex());
    const int code = rcode < 0 ? -rcode : rcode;
    const Logon *logon = logonOf(lda);
    if (logon)
        return copyText(logon->lastCode == code && !logon->lastText.empty() ? logon->lastText
                                                                            : oraText(code),
                        buf, bufsiz);
    return copyText(textWithoutLogon(code), buf, bufsiz);
}

sword messageText(sb2 rcode, OraText *buf, sword bufsiz) {
    std::lock_guard<std::mutex> lock(areasMutex());
    return copyText(textWithoutLogon(rcode < 0 ? -rcode : rcode), buf, bufsiz);
}

} // namespace ocilite::embedded
