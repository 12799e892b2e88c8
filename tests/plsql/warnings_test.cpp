// Compile warnings: PLSQL_WARNINGS values as Oracle reads them, and the rows each setting
// gives (none by default, WARNING rows when enabled, ERROR rows under ERROR:).
#include "compile_cases.h"

#include "ocilite/plsql/warnings.h"

using namespace plsqltest;
using ocilite::plsql::WarningSettings;
using ocilite::plsql::WarningState;

namespace {

TEST(PlsqlWarnings, SettingsAsPlsqlWarningsReadsThem) {
    struct Case {
        const char *value;
        WarningState severe5004, informational6002, performance7202;
    };
    constexpr auto D = WarningState::Disable, E = WarningState::Enable, X = WarningState::Error;
    const Case cases[] = {
        {"DISABLE:ALL", D, D, D},
        {"ENABLE:ALL", E, E, E},
        {"enable:informational", D, E, D},
        {"ENABLE:SEVERE, ENABLE:PERFORMANCE", E, D, E},
        {"ENABLE:ALL, DISABLE:06002", E, D, E},
        {"DISABLE:06002, ENABLE:ALL", E, E, E},
        {"ERROR:(05004, 7202)", X, D, X},
        {"ENABLE:(SEVERE,INFORMATIONAL), ERROR:06002", E, X, D},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        const auto s = WarningSettings::parse(c.value);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->state(5004), c.severe5004);
        EXPECT_EQ(s->state(6002), c.informational6002);
        EXPECT_EQ(s->state(7202), c.performance7202);
    }
    for (const char *bad : {"", "ENABLE", "ENABLE:NOTHING", "SHOUT:ALL", "ENABLE:123456",
                            "ENABLE:04999", "ENABLE:ALL,"})
        EXPECT_FALSE(WarningSettings::parse(bad)) << bad;
}

struct WarningRow {
    int line, position;
    std::string text;
    bool warning;
    bool operator==(const WarningRow &) const = default;
};

std::ostream &operator<<(std::ostream &os, const WarningRow &r) {
    return os << r.line << "/" << r.position << " " << r.text << (r.warning ? " (W)" : " (E)");
}

std::vector<WarningRow> compileWith(const char *warnings, const std::string &source) {
    std::vector<WarningRow> rows;
    for (const auto &d :
         ocilite::plsql::compileUnit("SCOTT", "PROCEDURE", source, demoSchema(), warnings).errors)
        rows.push_back({d.line, d.position, d.text, d.warning});
    return rows;
}

TEST(PlsqlWarnings, RowsAsTheSettingEnablesThem) {
    const std::string unit = "PROCEDURE p IS\n  length NUMBER;\n  c CONSTANT BOOLEAN := FALSE;\n"
                             "  v BOOLEAN := FALSE;\nBEGIN\n  IF c THEN NULL; END IF;\n"
                             "  IF 2 > 1 THEN NULL; ELSE length := 2; END IF;\n"
                             "  IF v THEN NULL; END IF;\n  IF 1 = 1 THEN NULL; ELSIF v THEN NULL; "
                             "END IF;\nEND;";
    const WarningRow shadow{2, 3,
                            "PLW-05004: identifier LENGTH is also declared in STANDARD or is a "
                            "SQL builtin",
                            true};
    const WarningRow thenDead{6, 13, "PLW-06002: Unreachable code", true};
    const WarningRow elseDead{7, 28, "PLW-06002: Unreachable code", true};
    struct Case {
        const char *setting;
        std::vector<WarningRow> rows;
    };
    const Case cases[] = {
        {"", {}},
        {"DISABLE:ALL", {}},
        {"ENABLE:SEVERE", {shadow}},
        {"ENABLE:INFORMATIONAL", {thenDead, elseDead}},
        {"ENABLE:ALL, DISABLE:05004", {thenDead, elseDead}},
        {"ERROR:06002",
         {{6, 13, "PLW-06002: Unreachable code", false},
          {7, 28, "PLW-06002: Unreachable code", false}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.setting);
        EXPECT_EQ(compileWith(c.setting, unit), c.rows);
    }
}

} // namespace
