// odessp on the logon area, as Oracle's DBMS_DESCRIBE reports a stored procedure's arguments:
// overload, position (0 for a function's result), level, name, datatype code, default, mode,
// size, precision, scale and radix per row; one row of datatype 0 for a procedure without
// arguments; and the errors for a package, a missing subprogram, an invalid unit, a remote name
// and arrays too small.
#include "oci_client.h"

#include <string>
#include <vector>

namespace ocilite::test {
namespace {

struct Row {
    int overload, position, level;
    std::string name;
    int type, defaulted, mode, radix;
    bool operator==(const Row &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Row &r) {
    return os << "{" << r.overload << "," << r.position << "," << r.level << "," << r.name << ","
              << r.type << "," << r.defaulted << "," << r.mode << "," << r.radix << "}";
}

class DescribeProcedure : public OciTest {
protected:
    void SetUp() override {
        OciTest::SetUp();
        const char *units[] = {
            "CREATE PROCEDURE move_emp(p_emp IN NUMBER, p_dept OUT VARCHAR2, p_when IN OUT DATE, "
            "p_note VARCHAR2 DEFAULT 'x', p_sal EMP.SAL%TYPE, p_flag BOOLEAN, p_n PLS_INTEGER) "
            "IS BEGIN NULL; END;",
            "CREATE PACKAGE tools AS\n  TYPE rec_t IS RECORD (a NUMBER);\n  TYPE tab_t IS TABLE OF "
            "NUMBER INDEX BY BINARY_INTEGER;\n  PROCEDURE put(p CHAR);\n  PROCEDURE put(p RAW, q "
            "rec_t);\n  FUNCTION get RETURN tab_t;\nEND tools;",
            "CREATE PROCEDURE broken IS BEGIN nosuch; END;",
        };
        for (const char *sql : units)
            ASSERT_EQ(0, oci.run(sql)) << sql << "\n" << oci.message(oci.cur.rc);
    }

    // odessp on the logon with arrays of `size`; rc in `rc`.
    std::vector<Row> describe(const std::string &name, int &rc, ub4 size = 16) {
        std::vector<ub2> ovrld(size), pos(size), level(size), arnlen(size), dtype(size);
        std::vector<ub1> defsup(size), mode(size), radix(size);
        std::vector<ub4> dtsiz(size), spare(size);
        std::vector<sb2> prec(size), scale(size);
        std::vector<std::vector<char>> names(size, std::vector<char>(30));
        std::vector<OraText *> argnam(size);
        for (ub4 i = 0; i < size; ++i)
            argnam[i] = (OraText *)names[i].data();
        ub4 count = size;
        rc = odessp(&oci.lda, (OraText *)name.c_str(), name.size(), nullptr, 0, nullptr, 0,
                    ovrld.data(), pos.data(), level.data(), argnam.data(), arnlen.data(),
                    dtype.data(), defsup.data(), mode.data(), dtsiz.data(), prec.data(),
                    scale.data(), radix.data(), spare.data(), &count);
        std::vector<Row> rows;
        for (ub4 i = 0; i < count && (rc == 0 || rc == 6513); ++i)
            rows.push_back({ovrld[i], pos[i], level[i], std::string(names[i].data(), arnlen[i]),
                            dtype[i], defsup[i], mode[i], radix[i]});
        return rows;
    }
};

TEST_F(DescribeProcedure, ArgumentsOfStandaloneUnits) {
    int rc = 0;
    EXPECT_EQ((std::vector<Row>{{0, 1, 0, "P_EMP", 2, 0, 0, 10},
                                {0, 2, 0, "P_DEPT", 1, 0, 1, 0},
                                {0, 3, 0, "P_WHEN", 12, 0, 2, 0},
                                {0, 4, 0, "P_NOTE", 1, 1, 0, 0},
                                {0, 5, 0, "P_SAL", 2, 0, 0, 10},
                                {0, 6, 0, "P_FLAG", 252, 0, 0, 0},
                                {0, 7, 0, "P_N", 3, 0, 0, 10}}),
              describe("move_emp", rc));
    EXPECT_EQ(0, rc);
    EXPECT_EQ((std::vector<Row>{{0, 1, 0, "", 0, 0, 0, 0}}), describe("SCOTT.CALC_BONUS", rc));
    EXPECT_EQ((std::vector<Row>{{0, 0, 0, "", 1, 0, 1, 0}}), describe("get_name", rc));
}

TEST_F(DescribeProcedure, PackagedSubprogramsAndOverloads) {
    int rc = 0;
    EXPECT_EQ((std::vector<Row>{{0, 1, 0, "P_ID", 2, 0, 0, 10}}), describe("pk_orders.ship", rc));
    EXPECT_EQ((std::vector<Row>{{1, 1, 0, "P", 96, 0, 0, 0},
                                {2, 1, 0, "P", 23, 0, 0, 0},
                                {2, 2, 0, "Q", 250, 0, 0, 0}}),
              describe("TOOLS.PUT", rc));
    EXPECT_EQ((std::vector<Row>{{0, 0, 0, "", 251, 0, 1, 0}}), describe("scott.tools.get", rc));
}

TEST_F(DescribeProcedure, NamesThatCannotBeDescribed) {
    int rc = 0;
    describe("TOOLS", rc);
    char text[512] = {};
    oerhms(&oci.lda, 20000, (OraText *)text, sizeof text);
    EXPECT_STREQ("ORA-20000: ORU-10035: cannot describe a package ('TOOLS') only a procedure "
                 "within a package",
                 text);
    const std::pair<const char *, int> cases[] = {
        {"TOOLS", 20000},  {"tools.nosuch", 20001}, {"calc_bonus@far", 20002},
        {"broken", 20003}, {"nosuch", 4043},        {"nosuch.calc_bonus", 4043},
        {"DEPT", 4043},
    };
    for (const auto &[name, code] : cases) {
        describe(name, rc);
        EXPECT_EQ(code, rc) << name;
        EXPECT_EQ(code, oci.lda.rc) << name;
    }
}

TEST_F(DescribeProcedure, ArraysTooSmallKeepWhatFits) {
    int rc = 0;
    const std::vector<Row> rows = describe("move_emp", rc, 3);
    EXPECT_EQ(6513, rc);
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ("P_WHEN", rows[2].name);
}

} // namespace
} // namespace ocilite::test
