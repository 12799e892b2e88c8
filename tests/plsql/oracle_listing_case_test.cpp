// The listing corpus's own reader and row comparison: a case file's parts and wrapped rows,
// message numbers taken from texts, and each way two sets of rows can differ named as the
// fidelity report names it.
#include "oracle_listing_case.h"

#include <gtest/gtest.h>

namespace {

using listings::Row;

TEST(ListingCase, ReadsHeaderScriptAndWrappedRows) {
    const std::string text = "# A body without its specification.\n"
                             "source: https://example.org/q/1\nkind: PLS-00304\n"
                             "oracle: 11.2\nsetup: none\norder: listing\nstatus: known-difference\n"
                             "--- script\ncreate package body p is\nend;\n/\n"
                             "--- errors PACKAGE BODY P\n"
                             "0/0      PL/SQL: Compilation unit analysis terminated\n"
                             "1/14     PLS-00304: cannot compile body of 'P' without its\n"
                             "         specification\n"
                             "2/1      PLS-00103: Encountered the symbol \"X\" when [cut]\n"
                             "--- errors PROCEDURE Q\n";
    listings::Case c;
    std::string error;
    ASSERT_TRUE(listings::parseCase("nospec", text, c, error)) << error;
    EXPECT_EQ(c.summary, "A body without its specification.");
    EXPECT_EQ(c.oracle, "11.2");
    EXPECT_TRUE(c.knownDifference);
    EXPECT_TRUE(c.setups.empty());
    EXPECT_FALSE(c.bySequence);
    EXPECT_EQ(c.script, "create package body p is\nend;\n/\n");
    ASSERT_EQ(c.units.size(), 2u);
    EXPECT_EQ(c.units[0].type, "PACKAGE BODY");
    EXPECT_EQ(c.units[0].name, "P");
    const std::vector<Row> rows = {
        {0, 0, "PL/SQL: Compilation unit analysis terminated", 0},
        {1, 14, "PLS-00304: cannot compile body of 'P' without its specification", 304},
        {2, 1, "PLS-00103: Encountered the symbol \"X\" when", 103, true}};
    EXPECT_EQ(c.units[0].rows, rows);
    EXPECT_TRUE(c.units[1].rows.empty());
}

TEST(ListingCase, SetupScriptsInOrder) {
    listings::Case c;
    std::string error;
    ASSERT_TRUE(listings::parseCase("s",
                                    "source: x\nkind: y\nsetup: hr, retired_emps\n--- script\n"
                                    "--- errors PROCEDURE P\n",
                                    c, error))
        << error;
    EXPECT_EQ(c.setups, (std::vector<std::string>{"hr", "retired_emps"}));
}

TEST(ListingCase, RefusesMalformedFiles) {
    const char *const bad[] = {
        "source: x\nkind: y\n--- script\n/\n",                                     // no errors part
        "source: x\nkind: y\nstatus: maybe\n--- script\n--- errors PROCEDURE P\n", // bad status
        "kind: y\n--- script\n--- errors PROCEDURE P\n",                           // no source
        "source: x\nkind: y\n--- script\n--- errors PROCEDURE P\nPLS-00103 at 1/1\n",
    };
    for (const char *text : bad) {
        listings::Case c;
        std::string error;
        EXPECT_FALSE(listings::parseCase("bad", text, c, error)) << text;
        EXPECT_FALSE(error.empty());
    }
}

TEST(ListingCase, MessageNumbersFromTexts) {
    EXPECT_EQ(listings::messageNumberOf("PLS-00103: Encountered the symbol"), 103);
    EXPECT_EQ(listings::messageNumberOf("PL/SQL: ORA-00942: table or view does not exist"), 942);
    EXPECT_EQ(listings::messageNumberOf("PLW-06002: Unreachable code"), 6002);
    EXPECT_EQ(listings::messageNumberOf("PL/SQL: Statement ignored"), 0);
}

TEST(ListingCase, NamesEachKindOfDifference) {
    const Row ignored{5, 3, "PL/SQL: SQL Statement ignored", 0};
    const Row table{5, 17, "PL/SQL: ORA-00942: table or view does not exist", 942};
    const Row end{9, 1, "PLS-00103: Encountered the symbol \"END\" when expecting ;", 103};
    struct {
        std::vector<Row> expected, actual;
        std::vector<std::string> patterns;
    } const table_[] = {
        {{ignored, table}, {ignored, table}, {}},
        {{ignored, table}, {table, ignored}, {"wrong order"}},
        {{end}, {{10, 1, end.text, 103}}, {"wrong line"}},
        {{end}, {{9, 4, end.text, 103}}, {"wrong column"}},
        {{end},
         {{9, 1, "PLS-00103: Encountered the symbol \"END\" when expecting :=", 103}},
         {"wrong text"}},
        {{table}, {{5, 17, "PLS-00201: identifier 'X' must be declared", 201}}, {"wrong message"}},
        {{end}, {{12, 7, "PLS-00103: Encountered the symbol \"X\"", 103}}, {"wrong line and text"}},
        {{table}, {{5, 17, table.text, 0}}, {"wrong message number"}},
        {{ignored, table}, {table}, {"missing row"}},
        {{}, {end}, {"extra row"}},
        {{{9, 1, "PLS-00103: Encountered the symbol \"END\" when", 103, true}}, {end}, {}},
        {{{9, 1, "PLS-00103: Encountered the symbol \"X\" when", 103, true}},
         {end},
         {"wrong text"}},
    };
    for (const auto &t : table_) {
        std::vector<std::string> patterns;
        for (const auto &d : listings::differences(t.expected, t.actual))
            patterns.push_back(listings::patternOf(d));
        EXPECT_EQ(patterns, t.patterns) << (t.patterns.empty() ? "match" : t.patterns[0]);
    }
}

} // namespace
