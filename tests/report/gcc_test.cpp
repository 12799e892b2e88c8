// gcc-style lines: where (TYPE NAME, or the script file with the unit's positions moved onto
// the file's lines), severity, and the text on one line.

#include "listing_builders.h"

#include <gtest/gtest.h>

namespace velmora::report::test {
namespace {

TEST(GccLines, OneLinePerErrorAtTheUnitOrTheFilePosition) {
    struct Case {
        const char *what;
        Unit unit;
        std::string expected;
    };
    const Unit body = invalidUnit(
        "PACKAGE BODY", "PAYROLL_PKG",
        {error(1, 14, "PLS-00304: cannot compile body of 'PAYROLL_PKG' without its specification"),
         error(7, 21, "PLS-00302: component 'PUT_LIN' must be declared")});
    const std::vector<Case> cases = {
        {"database unit", body,
         "PACKAGE BODY PAYROLL_PKG:1:14: error: PLS-00304: cannot compile body of 'PAYROLL_PKG' "
         "without its specification\n"
         "PACKAGE BODY PAYROLL_PKG:7:21: error: PLS-00302: component 'PUT_LIN' must be declared\n"},
        // "CREATE OR REPLACE " (18 characters) before the unit's line 1 on script line 20.
        {"script unit", fileUnit(body, "db/payroll.sql", 20, 18),
         "db/payroll.sql:20:32: error: PLS-00304: cannot compile body of 'PAYROLL_PKG' without "
         "its specification\n"
         "db/payroll.sql:26:21: error: PLS-00302: component 'PUT_LIN' must be declared\n"},
        {"warning and several lines",
         invalidUnit("PROCEDURE", "P",
                     {warning(3, 5, "PLW-06002: Unreachable code"),
                      error(4, 1, "PLS-00103: Encountered the symbol \"END\"\n\n   ; begin\n")}),
         "PROCEDURE P:3:5: warning: PLW-06002: Unreachable code\n"
         "PROCEDURE P:4:1: error: PLS-00103: Encountered the symbol \"END\" ; begin\n"},
        // Oracle's 0/0 rows are about the unit as a whole: its first character in the script.
        {"unit-wide row in a script",
         fileUnit(invalidUnit("PACKAGE", "K",
                              {error(0, 0,
                                     "PL/SQL: Compilation unit analysis "
                                     "terminated")}),
                  "k.pks", 3, 18),
         "k.pks:3:19: error: PL/SQL: Compilation unit analysis terminated\n"},
        {"invalid without errors", invalidUnit("FUNCTION", "F", {}),
         "FUNCTION F: error: the unit is INVALID but holds no compile errors; compile it again to "
         "see why\n"},
        {"valid unit", validUnit("FUNCTION", "F"), ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(written(listingOf({c.unit}), Format::Gcc), c.expected) << c.what;
}

TEST(FormatNames, EveryChoiceIsKnownAndNothingElse) {
    std::istringstream choices(formatChoices());
    int count = 0;
    for (std::string name; std::getline(choices, name, '|'); ++count)
        EXPECT_TRUE(formatFromName(name).has_value()) << name;
    EXPECT_EQ(count, 5);
    for (const char *unknown : {"", "TEXT", "xml", "sarif2", "gcc "})
        EXPECT_FALSE(formatFromName(unknown).has_value()) << unknown;
}

} // namespace
} // namespace velmora::report::test
