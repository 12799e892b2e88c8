// The SQL*Plus SHOW ERRORS listing: layout, word wrapping of the ERROR column, units without
// rows and runs without invalid units.

#include "listing_builders.h"

#include <gtest/gtest.h>

namespace velmora::report::test {
namespace {

const std::string kRule = "-------- " + std::string(65, '-') + "\n";

std::string textOf(std::vector<Unit> units) {
    return written(listingOf(std::move(units)), Format::Text);
}

TEST(SqlPlusText, OneBlockPerInvalidUnitWithLineSlashColumnRows) {
    const std::string text = textOf(
        {invalidUnit("PROCEDURE", "SHOW_EMP_BONUS",
                     {error(7, 3, "PL/SQL: Statement ignored"),
                      error(7, 22, "PLS-00201: identifier 'BONUS_RATE' must be declared")}),
         validUnit("FUNCTION", "NET_PAY"),
         invalidUnit("PACKAGE BODY", "PAYROLL_PKG",
                     {error(12345, 123, "PLS-00302: component 'PUT_LIN' must be declared")})});
    EXPECT_EQ(text, "Errors for PROCEDURE SHOW_EMP_BONUS:\n\n"
                    "LINE/COL ERROR\n" +
                        kRule +
                        "7/3      PL/SQL: Statement ignored\n"
                        "7/22     PLS-00201: identifier 'BONUS_RATE' must be declared\n"
                        "\n"
                        "Errors for PACKAGE BODY PAYROLL_PKG:\n\n"
                        "LINE/COL ERROR\n" +
                        kRule + "12345/123 PLS-00302: component 'PUT_LIN' must be declared\n");
}

// The text of a PLS-00103 as the database holds it, and as SQL*Plus shows it: each line of the
// text on its own row, blank lines and leading blanks dropped, rows broken at 65 columns.
TEST(SqlPlusText, LongAndMultiLineTextsWrapAsSqlPlusWrapsThem) {
    const std::string message =
        "PLS-00103: Encountered the symbol \"BEGIN\" when expecting one of the following:\n"
        "\n"
        "   ( ; is with default authid as cluster compress order using\n"
        "   compiled wrapped external deterministic parallel_enable\n"
        "   pipelined result_cache accessible rewrite\n"
        "The symbol \"is\" was substituted for \"BEGIN\" to continue.\n";
    const std::string text = textOf({invalidUnit("PROCEDURE", "P1", {error(2, 1, message)})});
    EXPECT_EQ(text,
              "Errors for PROCEDURE P1:\n\nLINE/COL ERROR\n" + kRule +
                  "2/1      PLS-00103: Encountered the symbol \"BEGIN\" when expecting one of\n"
                  "         the following:\n"
                  "         ( ; is with default authid as cluster compress order using\n"
                  "         compiled wrapped external deterministic parallel_enable\n"
                  "         pipelined result_cache accessible rewrite\n"
                  "         The symbol \"is\" was substituted for \"BEGIN\" to continue.\n");
}

// Splits a block into its rows below the rule, the LINE/COL column cut away.
std::vector<std::string> errorColumn(const std::string &text) {
    std::vector<std::string> rows;
    std::istringstream in(text.substr(text.find(kRule) + kRule.size()));
    for (std::string row; std::getline(in, row);)
        rows.push_back(row.substr(9));
    return rows;
}

TEST(SqlPlusText, WrapsByColumnsOnScreenAndCutsWordsWiderThanTheColumn) {
    struct Case {
        std::string message;
        std::vector<std::string> rows;
    };
    const std::string wide40 = [] {
        std::string s;
        for (int i = 0; i < 40; ++i)
            s += "\xE8\xA1\x8C"; // 行, two columns on screen
        return s;
    }();
    const std::vector<Case> cases = {
        {std::string(70, 'x'), {std::string(65, 'x'), std::string(5, 'x')}},
        {"ab " + std::string(70, 'y'), {"ab", std::string(65, 'y'), std::string(5, 'y')}},
        {wide40, {wide40.substr(0, 32 * 3), wide40.substr(32 * 3)}},
        {std::string(64, 'z') + " \xE8\xA1\x8C", {std::string(64, 'z'), "\xE8\xA1\x8C"}},
        {"\n\n   only line   \n", {"only line"}},
    };
    for (const Case &c : cases) {
        const std::string text = textOf({invalidUnit("PROCEDURE", "P", {error(1, 1, c.message)})});
        EXPECT_EQ(errorColumn(text), c.rows) << c.message;
    }
}

TEST(SqlPlusText, AnInvalidUnitWithoutErrorsAndARunWithoutInvalidUnits) {
    EXPECT_EQ(textOf({invalidUnit("PACKAGE", "ORDERS_PKG", {})}),
              "Errors for PACKAGE ORDERS_PKG:\n\nNo errors.\n");
    EXPECT_EQ(textOf({validUnit("PACKAGE", "ORDERS_PKG")}), "No errors.\n");
    EXPECT_EQ(textOf({}), "No errors.\n");
}

TEST(SqlPlusText, AnEmptyErrorTextLeavesNoTrailingBlanks) {
    const std::string text = textOf({invalidUnit("PROCEDURE", "P", {error(4, 2, "")})});
    EXPECT_NE(text.find("\n4/2\n"), std::string::npos) << text;
}

} // namespace
} // namespace velmora::report::test
