// Substitution of &name / &&name in one line, as SQL*Plus does it: names, the concatenation
// character, the escape character, a disabled or changed prefix, and prompts.
#include "ocilite/scripts/substitution.h"

#include <gtest/gtest.h>

namespace ocilite {
namespace {

struct Case {
    const char *line;
    const char *expected;
    bool changed;
    std::vector<std::string> asked; // variables the prompt was asked for, in order
};

TEST(Substitution, ReferencesInALine) {
    const Case cases[] = {
        {"no references", "no references", false, {}},
        {"select '&v' from dual", "select 'V1' from dual", true, {}},
        {"&V &v", "V1 V1", true, {}},
        {"&&v.x", "V1x", true, {}},
        {"&v..pkg", "V1.pkg", true, {}},
        {"a & b && c", "a & b && c", false, {}},
        {"&1 and &2", "P1 and ", true, {"2"}},
        {"&new then &new", "answer then answer", true, {"new", "new"}},
        {"&&kept then &kept", "answer then answer", true, {"kept"}},
        {"tail &", "tail &", false, {}},
        {"&v#x$y", "", true, {"v#x$y"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        SubstitutionVariables vars;
        vars.define("v", "V1");
        vars.define("1", "P1");
        std::vector<std::string> asked;
        const auto ask = [&](const std::string &name) -> std::optional<std::string> {
            asked.push_back(name);
            return name == "2" || name == "v#x$y" ? "" : "answer";
        };
        const SubstitutionResult r = substitute(c.line, vars, SubstitutionSettings(), ask);
        EXPECT_TRUE(r.complete);
        EXPECT_EQ(r.text, c.expected);
        EXPECT_EQ(r.changed, c.changed);
        EXPECT_EQ(asked, c.asked);
    }
}

TEST(Substitution, SettingsChangeWhatIsAReference) {
    SubstitutionVariables vars;
    vars.define("v", "X");
    SubstitutionSettings off;
    off.enabled = false;
    EXPECT_EQ(substitute("&v", vars, off, nullptr).text, "&v");
    SubstitutionSettings caret;
    caret.prefix = '^';
    EXPECT_EQ(substitute("^v & ^v.", vars, caret, nullptr).text, "X & X");
    SubstitutionSettings noConcat;
    noConcat.concatEnabled = false;
    EXPECT_EQ(substitute("&v.y", vars, noConcat, nullptr).text, "X.y");
    SubstitutionSettings escape;
    escape.escape = '\\';
    EXPECT_EQ(substitute("\\&v &v", vars, escape, nullptr).text, "&v X");
}

TEST(Substitution, AnUnansweredPromptLeavesTheLineUnusable) {
    SubstitutionVariables vars;
    const SubstitutionResult r = substitute("a &&missing b", vars, SubstitutionSettings(),
                                            [](const std::string &) { return std::nullopt; });
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(r.unanswered, "missing");
    EXPECT_FALSE(vars.defined("MISSING"));
}

TEST(Substitution, VariablesIgnoreCase) {
    SubstitutionVariables vars;
    vars.define("Owner", "UT3");
    EXPECT_EQ(vars.value("OWNER"), "UT3");
    EXPECT_TRUE(vars.undefine("owner"));
    EXPECT_FALSE(vars.undefine("owner"));
    EXPECT_TRUE(vars.all().empty());
}

} // namespace
} // namespace ocilite
