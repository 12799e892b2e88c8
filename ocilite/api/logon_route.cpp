#include "ocilite/api/logon_route.h"

#include "oci/ociv7_args.h"
#include "ocilite/engine/connect_string.h"

#include <atomic>
#include <cctype>
#include <cstring>

namespace ocilite::api {
namespace {

std::atomic<LogonSide> g_lastSide{LogonSide::Embedded};

// "/db/file", "~/x.db", "./x.db", "../x.db", "C:\x.db", "C:/x.db" -- but not Easy Connect's
// "//host".
bool writtenAsPath(const std::string &s) {
    if (s.rfind("//", 0) == 0)
        return false;
    if (s[0] == '/' || s[0] == '\\' || s.rfind("~/", 0) == 0 || s.rfind("./", 0) == 0 ||
        s.rfind("../", 0) == 0)
        return true;
    return s.size() > 2 && std::isalpha(static_cast<unsigned char>(s[0])) && s[1] == ':' &&
           (s[2] == '\\' || s[2] == '/');
}

} // namespace

LogonSide logonSide(const std::string &connect) {
    const std::string name = trimBlanks(connect);
    if (name.empty() || writtenAsPath(name))
        return LogonSide::Embedded;
    if (name[0] == '(')
        return LogonSide::Oracle;
    std::string path, error;
    return resolveConnectString(name, path, error) ? LogonSide::Embedded : LogonSide::Oracle;
}

LogonSide routeLogon(OraText *uid, sword uidl, OraText *pswd, sword pswdl, OraText *conn,
                     sword connl) {
    std::string user = ociv7::text(uid, uidl), password = ociv7::text(pswd, pswdl),
                connect = ociv7::text(conn, connl);
    ociv7::splitLogonText(user, password, connect);
    std::fill(password.begin(), password.end(), '\0');
    const LogonSide side = logonSide(connect);
    g_lastSide = side;
    return side;
}

LogonSide lastLogonSide() {
    return g_lastSide;
}

} // namespace ocilite::api
