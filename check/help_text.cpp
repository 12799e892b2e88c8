// The text of "velmora-check --help".

#include "check/check_options.h"

namespace velmora::check {

std::string helpText() {
    return usageLine() + R"(
Logs on to an Oracle schema and lists its invalid PL/SQL units (packages, package
bodies, procedures and functions) with every compile error the database holds for them.
Made for build pipelines: the exit status says whether anything is invalid.

Options:
  -u, --user NAME        the schema (user name) to log on as; required
  -c, --connect STRING   the connect string; empty (the default) reaches the embedded
                         default database, a path or an alias an embedded database file
  -t, --type TYPE        only units of this type: PACKAGE, "PACKAGE BODY", PROCEDURE or
                         FUNCTION (any letter case); may be given more than once
  -n, --name PATTERN     only units whose name is LIKE the pattern: % any run of
                         characters, _ one character; used exactly as typed, so it is
                         case-sensitive
  -f, --format FORMAT    text     SQL*Plus SHOW ERRORS style, per unit (the default)
                         gcc      "TYPE NAME:LINE:COL: error: TEXT", one line per error
                         json     one JSON document
                         sarif    SARIF 2.1.0, for code-scanning services
                         junit    JUnit XML, one test case per unit checked
  -h, --help             show this help and exit
  -V, --version          show the version and exit

The password is taken from the environment variable VELMORA_PASSWORD when it is set,
otherwise as one line from standard input when that is not a terminal, otherwise it is
asked for without echo. It is never taken from the command line.

Exit status:
  0  no unit is invalid
  1  some units are invalid (they are listed)
  2  wrong usage, or the logon or a query failed (the database's text is shown)
)";
}

} // namespace velmora::check
