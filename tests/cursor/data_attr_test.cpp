// Column attributes: the type-name table and the NUMBER/DATE rules for Length, Scale,
// Width and Size, both from a record and as a query leaves them in Data.

#include "cursor/tocidata.h"
#include "fake_session.h"

#include <cstring>

using namespace cursortest;

namespace {

describe record(const char *name, int dbtype, int dbsize, int prec = 0, int scale = 0) {
    describe d{};
    std::memcpy(d.cbuf, name, std::strlen(name));
    d.cbufl = static_cast<sb4>(std::strlen(name));
    d.dbtype = static_cast<sb2>(dbtype);
    d.dbsize = dbsize;
    d.prec = static_cast<sb2>(prec);
    d.scale = static_cast<sb2>(scale);
    return d;
}

struct AttrCase {
    const char *name;
    int dbtype, dbsize, prec, scale;
    const char *typeName;
    int length, attrScale, width, size;
};

TEST(DataAttr, FollowsTheTypeRules) {
    const AttrCase cases[] = {
        {"SAL", OCIV7_TYPE_NUMBER, 22, 7, 2, "NUMBER", 5, 2, 22, 22},
        {"ID", OCIV7_TYPE_NUMBER, 22, 4, 0, "NUMBER", 4, 0, 22, 22},
        {"F", OCIV7_TYPE_NUMBER, 22, 0, -127, "NUMBER", 127, -127, 22, 22},
        {"HIREDATE", OCIV7_TYPE_DATE, 22, 0, 0, "DATE", 22, 0, 22, 22},
        {"ENAME", OCIV7_TYPE_VARCHAR2, 10, 3, 1, "VARCHAR2", 10, 0, 10, 10},
        {"A_LONG_COLUMN_NAME", OCIV7_TYPE_CHAR, 1, 0, 0, "CHAR", 1, 0, 18, 1},
        {"ROWID", OCIV7_TYPE_ROWID, 18, 0, 0, "ROWID", 18, 0, 18, 18},
        {"L", OCIV7_TYPE_LONG, 0, 0, 0, "Unknown", 0, 0, 1, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TOCIData data;
        data.Add(record(c.name, c.dbtype, c.dbsize, c.prec, c.scale));
        ASSERT_EQ(data.List.size(), 1u);
        const DataAttr &a = *data.List[0];
        EXPECT_EQ(a.Name, c.name);
        EXPECT_EQ(a.TypeName, c.typeName);
        EXPECT_EQ(a.Length, c.length);
        EXPECT_EQ(a.Scale, c.attrScale);
        EXPECT_EQ(a.Width, c.width);
        EXPECT_EQ(a.Size, c.size);
    }
}

TEST(DataAttr, NameLosesTrailingBlanksAndControlsOnly) {
    const DataAttr a(record(" A B \t\r", OCIV7_TYPE_VARCHAR2, 1));
    EXPECT_EQ(a.Name, " A B");
    EXPECT_EQ(a.Width, 4);
}

TEST(DataAttr, ANameFillingTheWholeBufferIsReadOnlyThatFar) {
    describe d = record("", OCIV7_TYPE_VARCHAR2, 1);
    std::memset(d.cbuf, 'Q', sizeof d.cbuf); // no terminator anywhere
    d.cbufl = 200;
    const DataAttr a(d);
    EXPECT_EQ(a.Name, QByteArray(OCIV7_NAME_CAPACITY, 'Q'));
}

TEST(DataAttr, OnlyTheFiveTextTypesAreFetchable) {
    for (int type = 0; type < 256; ++type) {
        const bool expected = type == 1 || type == 2 || type == 11 || type == 12 || type == 96;
        EXPECT_EQ(DataAttr::fetchable(type), expected) << type;
    }
}

using DataFake = FakeSession;

TEST_F(DataFake, AQueryLeavesOneAttributeRecordPerColumnWithDatesAt22) {
    fakeoci::setResult({col("EMPNO", OCIV7_TYPE_NUMBER, 22, 4, 0),
                        col("SAL", OCIV7_TYPE_NUMBER, 22, 7, 2),
                        col("HIREDATE", OCIV7_TYPE_DATE, 7), col("ENAME", OCIV7_TYPE_VARCHAR2, 10)},
                       {});
    cur->SQL = "select empno, sal, hiredate, ename from emp";
    ASSERT_TRUE(cur->Execute()) << cur->ErrMsg.constData();
    const auto &list = cur->Data()->List;
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0]->Length, 4);
    EXPECT_EQ(list[1]->Length, 5);
    EXPECT_EQ(list[1]->Scale, 2);
    EXPECT_EQ(list[2]->TypeName, "DATE");
    EXPECT_EQ(list[2]->Size, 22);
    EXPECT_EQ(list[2]->Length, 22);
    EXPECT_EQ(list[2]->Width, 22);
    EXPECT_EQ(list[3]->Size, 10);
    EXPECT_EQ(fakeoci::callsOf("odefin").at(2).length, 23);
    EXPECT_EQ(fakeoci::callsOf("odefin").at(3).length, 11);
}

} // namespace
