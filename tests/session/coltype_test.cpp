// Column type lookup through user_tab_columns, over the scripted client library.

#include "session_fixture.h"

namespace sessiontest {
namespace {

const std::string kQueryStart =
    "SELECT COLUMN_NAME, DATA_TYPE from user_tab_columns WHERE TABLE_NAME = '";

class ColTypeTest : public SessionTest {
protected:
    void SetUp() override {
        SessionTest::SetUp();
        fakeoci::setResult({fakeoci::Column{"COLUMN_NAME"}, fakeoci::Column{"DATA_TYPE"}},
                           {{std::string("EMPNO"), std::string("NUMBER")},
                            {std::string("ENAME"), std::string("VARCHAR2")},
                            {std::string("HIREDATE"), std::string("DATE")}});
    }
    // Logged on with an open cursor area, the calls so far forgotten.
    void openCursor() {
        connectSession();
        ASSERT_TRUE(oci->OpenCur(&cursor));
        fakeoci::reset();
        fakeoci::setResult({fakeoci::Column{"COLUMN_NAME"}, fakeoci::Column{"DATA_TYPE"}},
                           {{std::string("EMPNO"), std::string("NUMBER")},
                            {std::string("ENAME"), std::string("VARCHAR2")},
                            {std::string("HIREDATE"), std::string("DATE")}});
    }

    cda_def cursor{};
};

TEST_F(ColTypeTest, FindsColumnsWithoutRegardToCaseOnlyTheFirstOfATwin) {
    openCursor();
    const QByteArrayList columns{"ename", "HireDate", "ENAME", "missing"};
    QByteArrayList types{"", "", "", "keep"};
    ASSERT_TRUE(oci->ChkColType("emp", columns, types, &cursor)) << str(oci->ErrMsg);
    EXPECT_EQ(types, (QByteArrayList{"VARCHAR2", "DATE", "", "keep"}));
    EXPECT_EQ(fakeoci::callsOf("oparse")[0].text, kQueryStart + "EMP'");
    // Two 30-byte names would cut a 30-character identifier: the buffers hold any.
    for (const auto &define : fakeoci::callsOf("odefin")) {
        EXPECT_GE(define.length, 31);
        EXPECT_EQ(define.type, 5);
    }
    EXPECT_EQ(fakeoci::callCount("odefin"), 2);
}

TEST_F(ColTypeTest, QuotesInTheTableNameAreDoubledAndOnlyAsciiIsUpperCased) {
    openCursor();
    QByteArrayList none;
    ASSERT_TRUE(oci->ChkColType("o'brien_表x", none, none, &cursor));
    EXPECT_EQ(fakeoci::callsOf("oparse")[0].text, kQueryStart + "O''BRIEN_表X'");
}

TEST_F(ColTypeTest, AThirtyCharacterColumnNameIsFound) {
    openCursor();
    const std::string longName(30, 'C');
    fakeoci::setResult(
        {fakeoci::Column{"COLUMN_NAME"}, fakeoci::Column{"DATA_TYPE"}},
        {{longName, std::string("VARCHAR2")}, {std::string("AFTER"), std::string("NUMBER")}});
    QByteArrayList types{"", ""};
    ASSERT_TRUE(
        oci->ChkColType("t", {QByteArray::fromStdString(longName), "after"}, types, &cursor));
    EXPECT_EQ(types, (QByteArrayList{"VARCHAR2", "NUMBER"}));
}

TEST_F(ColTypeTest, EmptyListsStillRunTheQuery) {
    openCursor();
    QByteArrayList none;
    EXPECT_TRUE(oci->ChkColType("EMP", none, none, &cursor));
    EXPECT_EQ(fakeoci::callCount("oexec"), 1);
    EXPECT_EQ(fakeoci::callCount("ofetch"), 4);
}

TEST_F(ColTypeTest, ListsOfDifferentSizesAreRefusedBeforeAnyCall) {
    openCursor();
    QByteArrayList types{""};
    EXPECT_FALSE(oci->ChkColType("EMP", {"A", "B"}, types, &cursor));
    EXPECT_EQ(str(oci->ErrMsg), "OCIクラス内部エラー：カラム配列とタイプ配列の数が合いません。");
    EXPECT_EQ(fakeoci::totalCalls(), 0);
}

TEST_F(ColTypeTest, WithoutALogonNothingIsCalled) {
    for (bool active : {false, true}) {
        if (active) {
            ASSERT_TRUE(oci->Active());
        }
        QByteArrayList types{""};
        EXPECT_FALSE(oci->ChkColType("EMP", {"ENAME"}, types, &cursor));
        EXPECT_EQ(str(oci->ErrMsg), "接続されていません。");
        EXPECT_EQ(types, QByteArrayList{""});
    }
    EXPECT_EQ(fakeoci::totalCalls(), 0);
}

struct StepFailure {
    const char *entry;
    int skip;
    std::vector<std::string> expectedCalls;
};

TEST_F(ColTypeTest, AFailingStepReportsTheOracleText) {
    const StepFailure cases[] = {
        {"oparse", 0, {"oparse", "oerhms"}},
        // The second define is made even when the first failed.
        {"odefin", 0, {"oparse", "odefin", "oerhms", "odefin"}},
        {"odefin", 1, {"oparse", "odefin", "odefin", "oerhms"}},
        {"oexec", 0, {"oparse", "odefin", "odefin", "oexec", "oerhms"}},
    };
    for (const auto &c : cases) {
        openCursor();
        fakeoci::failAfter(c.entry, c.skip, 942, 0);
        QByteArrayList types{""};
        EXPECT_FALSE(oci->ChkColType("EMP", {"ENAME"}, types, &cursor)) << c.entry;
        EXPECT_EQ(str(oci->ErrMsg), "\nORA-00942: scripted error");
        std::vector<std::string> made;
        for (const auto &call : fakeoci::calls())
            made.push_back(call.entry);
        EXPECT_EQ(made, c.expectedCalls) << c.entry << " " << c.skip;
        EXPECT_EQ(types, QByteArrayList{""});
        ASSERT_TRUE(oci->DisConnect());
    }
}

TEST_F(ColTypeTest, AFetchFailureAfterSomeRowsKeepsThem) {
    openCursor();
    fakeoci::failAfter("ofetch", 2, 3113);
    oci->ErrMsg = "unchanged";
    QByteArrayList types{"", "", ""};
    EXPECT_TRUE(oci->ChkColType("EMP", {"HIREDATE", "ENAME", "EMPNO"}, types, &cursor));
    EXPECT_EQ(types, (QByteArrayList{"", "VARCHAR2", "NUMBER"}));
    EXPECT_EQ(str(oci->ErrMsg), "unchanged");
    EXPECT_EQ(fakeoci::callCount("oerhms"), 0);
}

TEST_F(SessionTest, ExtractColumnAcceptsAnyList) {
    EXPECT_TRUE(oci->ExtractColumn({}));
    EXPECT_TRUE(oci->ExtractColumn({"A", "b"}));
    EXPECT_EQ(fakeoci::totalCalls(), 0);
}

} // namespace
} // namespace sessiontest
