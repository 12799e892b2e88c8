// odessp through Oracle: a stored procedure's or function's arguments as OCIDescribeAny
// reports them, one row per argument in the program's arrays (a function's return value at
// position 0, a record's fields one level down, one row of type 0 for no arguments, each
// overload of a packaged name with its overload number), the names Oracle refuses to
// describe, and arrays too short for the rows.
#include "v7.h"

namespace oracle_test {
namespace {

using scriptedoci::Argument;
using scriptedoci::StoredObject;
using scriptedoci::Subprogram;

constexpr int kRoom = 8;

struct Row {
    int overload, position, level;
    std::string name;
    int type, hasDefault, mode, size, precision, scale, radix;
    bool operator==(const Row &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Row &r) {
    return out << "{" << r.overload << "," << r.position << "," << r.level << "," << r.name << ","
               << r.type << "," << r.hasDefault << "," << r.mode << "," << r.size << ","
               << r.precision << "," << r.scale << "," << r.radix << "}";
}

Argument arg(const std::string &name, int type, int mode = 0, int size = 0, int precision = 0,
             int scale = 0, bool hasDefault = false) {
    Argument a;
    a.name = name;
    a.type = type;
    a.mode = mode;
    a.size = size;
    a.precision = precision;
    a.scale = scale;
    a.radix = type == 2 ? 10 : 0;
    a.hasDefault = hasDefault;
    return a;
}

StoredObject unit(const std::string &name, Subprogram s) {
    StoredObject o;
    o.name = name;
    o.subprograms = {std::move(s)};
    return o;
}

class DescribeTest : public Logged {
protected:
    void SetUp() override {
        Logged::SetUp();
        for (int k = 0; k < kRoom; ++k)
            names[k] = nameBuffers[k];
        Subprogram raise{"RAISE_SALARY",
                         false,
                         0,
                         {arg("EMPNO", 2, 0, 22, 4), arg("PCT", 2, 0, 22, 5, 2, true),
                          arg("NEW_SAL", 2, 1, 22), arg("NOTE", 1, 2, 200)}};
        Subprogram bonus{"BONUS", true, 0, {arg("", 2, 1, 22), arg("EMPNO", 2, 0, 22, 4)}};
        Subprogram tick{"TICK", false, 0, {}};
        scriptedoci::addObject(unit("RAISE_SALARY", raise));
        scriptedoci::addObject(unit("BONUS", bonus));
        scriptedoci::addObject(unit("TICK", tick));
        StoredObject pkg;
        pkg.name = "PAYROLL";
        pkg.package = true;
        Argument record = arg("EMP", 250, 0);
        record.fields = {arg("ID", 2, 0, 22), arg("NAME", 1, 0, 30)};
        pkg.subprograms = {Subprogram{"PAY", false, 1, {arg("EMPNO", 2)}},
                           Subprogram{"PAY", false, 2, {record}},
                           Subprogram{"CLOSE_MONTH", false, 0, {}}};
        scriptedoci::addObject(pkg);
        StoredObject synonym;
        synonym.name = "RAISE";
        synonym.synonymFor = "SCOTT.RAISE_SALARY";
        scriptedoci::addObject(synonym);
        synonym.schema = "PUBLIC";
        synonym.name = "PUB_TICK";
        synonym.synonymFor = "SCOTT.RAISE";
        scriptedoci::addObject(synonym);
    }

    int describe(const std::string &name, ub4 room = kRoom) {
        count = room;
        return v7::odessp(&lda, txt(name.c_str()), name.size(), nullptr, 0, nullptr, 0, overload,
                          position, level, names, nameLength, type, defaults, modes, size,
                          precision, scale, radix, spare, &count);
    }
    std::vector<Row> rows() const {
        std::vector<Row> out;
        for (ub4 k = 0; k < count; ++k)
            out.push_back(Row{overload[k], position[k], level[k],
                              std::string(reinterpret_cast<const char *>(names[k]), nameLength[k]),
                              type[k], defaults[k], modes[k], static_cast<int>(size[k]),
                              precision[k], scale[k], radix[k]});
        return out;
    }

    ub2 overload[kRoom], position[kRoom], level[kRoom], nameLength[kRoom], type[kRoom];
    OraText nameBuffers[kRoom][30];
    OraText *names[kRoom];
    ub1 defaults[kRoom], modes[kRoom], radix[kRoom];
    ub4 size[kRoom], spare[kRoom], count = kRoom;
    sb2 precision[kRoom], scale[kRoom];
};

TEST_F(DescribeTest, ArgumentsOfProceduresAndFunctions) {
    const struct {
        std::string name;
        std::vector<Row> rows;
    } cases[] = {
        {"RAISE_SALARY",
         {{0, 1, 0, "EMPNO", 2, 0, 0, 22, 4, 0, 10},
          {0, 2, 0, "PCT", 2, 1, 0, 22, 5, 2, 10},
          {0, 3, 0, "NEW_SAL", 2, 0, 1, 22, 0, 0, 10},
          {0, 4, 0, "NOTE", 1, 0, 2, 200, 0, 0, 0}}},
        {"scott.bonus",
         {{0, 0, 0, "", 2, 0, 1, 22, 0, 0, 10}, {0, 1, 0, "EMPNO", 2, 0, 0, 22, 4, 0, 10}}},
        {"TICK", {{0, 1, 0, "", 0, 0, 0, 0, 0, 0, 0}}},
        {"payroll.pay",
         {{1, 1, 0, "EMPNO", 2, 0, 0, 0, 0, 0, 10},
          {2, 1, 0, "EMP", 250, 0, 0, 0, 0, 0, 0},
          {2, 1, 1, "ID", 2, 0, 0, 22, 0, 0, 10},
          {2, 2, 1, "NAME", 1, 0, 0, 30, 0, 0, 0}}},
        {"SCOTT.PAYROLL.CLOSE_MONTH", {{0, 1, 0, "", 0, 0, 0, 0, 0, 0, 0}}},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(0, describe(c.name)) << c.name << ": " << message(lda, lda.rc);
        EXPECT_EQ(c.rows, rows()) << c.name;
    }
}

TEST_F(DescribeTest, SynonymsAreFollowedToWhatTheyName) {
    ASSERT_EQ(0, describe("RAISE_SALARY"));
    const std::vector<Row> direct = rows();
    for (const char *name : {"raise", "SCOTT.RAISE", "PUB_TICK"}) {
        ASSERT_EQ(0, describe(name)) << name << ": " << message(lda, lda.rc);
        EXPECT_EQ(direct, rows()) << name;
    }
    const auto calls = scriptedoci::callsOf("OCIDescribeAny");
    EXPECT_EQ("\"SCOTT\".\"RAISE\"", calls[calls.size() - 2].text) << "the public synonym's target";
    EXPECT_EQ(4043, describe("PUBLIC.NOPE"));
}

TEST_F(DescribeTest, NamesOracleDoesNotDescribe) {
    const struct {
        std::string name;
        int code;
        std::string text;
    } cases[] = {
        {"NO_SUCH_PROC", 4043, "ORA-04043: object NO_SUCH_PROC does not exist"},
        {"PAYROLL", 20000,
         "ORA-20000: ORU-10035: cannot describe a package ('PAYROLL') only a procedure within a "
         "package"},
        {"PAYROLL.NOPE", 20001,
         "ORA-20001: ORU-10032: procedure 'NOPE' within package 'PAYROLL' does not exist"},
        {"RAISE_SALARY.X", 4043, "ORA-04043: object RAISE_SALARY.X does not exist"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.code, describe(c.name)) << c.name;
        EXPECT_EQ(c.code, lda.rc);
        EXPECT_EQ(c.text, message(lda, c.code));
    }
    EXPECT_EQ(1009, v7::odessp(&lda, nullptr, 0, nullptr, 0, nullptr, 0, overload, position, level,
                               names, nameLength, type, defaults, modes, size, precision, scale,
                               radix, spare, &count));
}

TEST_F(DescribeTest, ArraysShorterThanTheRowsTakeWhatFits) {
    std::memset(type, 0xEE, sizeof type);
    EXPECT_EQ(6513, describe("RAISE_SALARY", 2));
    EXPECT_EQ(2u, count);
    EXPECT_EQ("PCT", rows()[1].name);
    EXPECT_EQ(0xEEEE, type[2]) << "nothing past the room given";
    EXPECT_EQ("ORA-06513: PL/SQL: index for PL/SQL table out of range for host language array",
              message(lda, 6513));
}

TEST_F(DescribeTest, OneRoundTripPerNameAndTheDescribeHandleFreed) {
    ASSERT_EQ(0, describe("RAISE_SALARY"));
    EXPECT_EQ(1u, scriptedoci::callsOf("OCIDescribeAny").size());
    ASSERT_EQ(0, describe("PAYROLL.PAY"));
    const auto calls = scriptedoci::callsOf("OCIDescribeAny");
    ASSERT_EQ(3u, calls.size());
    EXPECT_EQ("PAYROLL.PAY", calls[1].text);
    EXPECT_EQ("PAYROLL", calls[2].text);
    const int before = scriptedoci::liveHandles();
    ASSERT_EQ(0, describe("RAISE_SALARY"));
    EXPECT_EQ(before, scriptedoci::liveHandles());
}

} // namespace
} // namespace oracle_test
