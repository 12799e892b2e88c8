// Cuts a SQL*Plus-style script into the items a runner acts on: SQL statements ended by ';',
// program units ended by a line holding only '/', SQL*Plus commands (named, with their
// arguments as written: substitution variables are replaced when the runner reaches them),
// and the compile-error directives ("--@error line:pos text") that follow a unit. Knows
// nothing of any database.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ocilite {

// One compile error that a script declares for the program unit just before it.
struct ErrorDirective {
    int line = 0;       // line in the unit's stored source (1-based)
    int position = 0;   // column in that line (1-based, in characters)
    std::string text;   // "PLS-00201: ..."; continuation lines joined with LF
    int scriptLine = 0; // where the directive stands, for reports
};

enum class ScriptItemKind {
    Sql,            // one SQL statement, without its ';'
    PlsqlUnit,      // CREATE [OR REPLACE] PACKAGE/PROCEDURE/TYPE/... up to the '/' line
    AnonymousBlock, // DECLARE/BEGIN block
    Command,        // a SQL*Plus command: `command` names it, text holds its arguments
    Include,        // @file / START file (relative to the working folder) or @@file (to the
                    // script); text holds the file and its arguments as written
    Ignored,        // a '/' line with no statement before it
    Invalid,        // something the script cannot mean; text says why
};

struct ScriptItem {
    ScriptItemKind kind = ScriptItemKind::Ignored;
    int line = 0;                       // script line where the item begins
    int column = 0;                     // characters before the item's text on that line
    std::string text;                   // statement, command arguments, include or reason
    std::string command;                // Command: "PROMPT", "SET", "HOST", "EXECUTE" ...
    bool relativeToScript = false;      // Include: @@ rather than @
    std::vector<ErrorDirective> errors; // PlsqlUnit: the directives following it
};

// Splits a whole script. Never fails: problems come back as Invalid items.
std::vector<ScriptItem> splitScript(std::string_view script);

// Type and name of a unit from its CREATE header ("PACKAGE BODY", "EMP_MGMT");
// false when the text is not a CREATE of a stored unit.
struct UnitHeader {
    std::string type;
    std::string name;
    size_t sourceOffset = 0; // where the stored source begins: Oracle drops "CREATE OR REPLACE"
};
bool parseUnitHeader(std::string_view statement, UnitHeader &header);

} // namespace ocilite
