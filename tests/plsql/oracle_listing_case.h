// A case of the Oracle listing corpus (tests/plsql/oracle_listings): a script that Oracle
// compiled, with the error rows Oracle reported for each unit, and how rows the embedded
// database reports for the same units differ from them. Private to the listing test.
#pragma once

#include <string>
#include <vector>

namespace listings {

// One USER_ERRORS row as a listing shows it; text with its whitespace runs made single.
struct Row {
    int line = 0;
    int position = 0;
    std::string text;
    int number = -1;  // MESSAGE_NUMBER; -1 where the row does not carry it
    bool cut = false; // the published text was cut short ("[cut]"): it is a prefix
    bool operator==(const Row &) const = default;
};

// The rows Oracle reported for one unit ("PACKAGE BODY", "PACK1"); none: the unit is VALID.
struct UnitRows {
    std::string type;
    std::string name;
    std::vector<Row> rows;
};

struct Case {
    std::string name;                // the file name without its extension
    std::string summary;             // the "# " line: what is wrong with the code
    std::string source;              // where Oracle's output was published
    std::string kind;                // the main error kind, e.g. PLS-00103
    std::string oracle;              // the Oracle release that printed the rows, where known
    std::vector<std::string> setups; // scripts of setup/ run first, in order ("none": nothing)
    bool bySequence = false;         // rows in SEQUENCE order, not the listing's line/column order
    bool knownDifference = false;
    // An anonymous block ("unit: anonymous block"): run as the body of a trigger named
    // ANONYMOUS_BLOCK, whose lines and columns count from its block as a block's own do.
    bool anonymousBlock = false;
    std::string script;
    std::vector<UnitRows> units;
};

// Reads a case file; false with a reason in error when it is malformed.
bool parseCase(const std::string &name, const std::string &text, Case &out, std::string &error);

// "PLS-00103: ..." -> 103, "PL/SQL: ORA-00942: ..." -> 942, "PL/SQL: Statement ignored" -> 0.
int messageNumberOf(const std::string &text);

// Whether a row's text is Oracle's (whole, or the start of it where Oracle's was cut short).
bool sameText(const Row &oracle, const Row &ours);

// Whitespace runs made single spaces, ends trimmed.
std::string squeeze(const std::string &text);

// How the rows a unit got differ from Oracle's: one entry per difference, each starting with
// its pattern ("wrong line", "wrong column", "wrong text", "wrong message number",
// "missing row", "extra row", "wrong order"), then the rows concerned. Empty: they match.
std::vector<std::string> differences(const std::vector<Row> &expected,
                                     const std::vector<Row> &actual);

// The pattern of one difference entry (its text before " (").
std::string patternOf(const std::string &difference);

} // namespace listings
