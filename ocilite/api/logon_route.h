// Which side serves a logon, decided by its connect string when the logon is made: the
// embedded database for the empty string, an ocilite alias, the path of an existing database
// file or anything written as a file path; a real Oracle database for everything else (Easy
// Connect "host[:port][/service]", "//host...", a TNS alias, "(DESCRIPTION=...)"). Every
// later call on the logon area or one of its cursor areas goes to the side it was opened on.
#pragma once

#include "oci/ociv7.h"

#include <string>

namespace ocilite::api {

enum class LogonSide { Embedded, Oracle };

LogonSide logonSide(const std::string &connect);

// The side of an olog call, from its arguments as olog receives them (the connect string may
// also come inside the user name, "user/password@connect"); remembered as the side of the
// last logon, whose failure text oerhms reports for an area holding no logon.
LogonSide routeLogon(OraText *uid, sword uidl, OraText *pswd, sword pswdl, OraText *conn,
                     sword connl);
LogonSide lastLogonSide();

} // namespace ocilite::api
