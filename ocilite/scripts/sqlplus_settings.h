// The SQL*Plus system variables a script can SET and that change what the runner does:
// substitution (DEFINE, SCAN, CONCAT, ESCAPE, VERIFY), output (TERMOUT, HEADING, PAGESIZE,
// LINESIZE, FEEDBACK, COLSEP, NUMWIDTH, NULL, TRIMOUT, TRIMSPOOL, SERVEROUTPUT), the
// transaction (AUTOCOMMIT, EXITCOMMIT). The many
// others SQL*Plus knows (ECHO, TIMING, LONG, ...) are accepted and passed over.
#pragma once

#include "ocilite/scripts/substitution.h"

#include <string>
#include <string_view>

namespace ocilite {

struct SqlPlusSettings {
    SubstitutionSettings substitution;
    bool verify = true;
    bool termout = true;
    bool heading = true;
    int pagesize = 14;
    int linesize = 80;
    int feedback = 6; // 0: off; otherwise the row count from which "n rows selected." shows
    std::string colsep = " ";
    int numwidth = 10;
    std::string nullText;
    bool trimout = true;
    bool trimspool = false;
    bool serveroutput = false;
    bool autocommit = false; // SET AUTOCOMMIT ON | IMMEDIATE | n: commit after each DML
    bool exitcommit = true;  // what EXIT and the end of the script do: commit or roll back

    // Applies "SET name value [name value ...]" (the text after SET); false with an SP2-
    // message in error for an unknown option or a bad value (options before it stay set).
    bool apply(std::string_view arguments, std::string &error);
};

} // namespace ocilite
