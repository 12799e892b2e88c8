// The query half of the cursor against the scripted client library: binding, Execute,
// Fetch, CleanUP and every way they can fail, with the state each failure leaves.

#include "fake_session.h"

#include <functional>

using namespace cursortest;
using fakeoci::Rows;

namespace {

using QueryFake = FakeSession;

const QByteArray kNotBound = "OCI-Controlにバインドされていません";
const QByteArray kNotConnected = "接続されていません。";
const QByteArray kUnfetchable = "抽出不可能なカラムが選択されました。";

TEST(CursorBinding, UnboundCursorRefusesEveryOperationWithoutTouchingAnything) {
    fakeoci::reset();
    QObject owner;
    auto *cur = new TOCIcur(&owner);
    const std::vector<std::pair<const char *, std::function<bool()>>> operations = {
        {"Execute", [&] { return cur->Execute(); }},
        {"Fetch", [&] { return cur->Fetch(); }},
        {"CleanUP", [&] { return cur->CleanUP(); }},
        {"Insert", [&] { return cur->Insert("T", list({"A"})); }},
        {"InsertData",
         [&] {
             QByteArrayList values;
             return cur->InsertData(values);
         }},
        {"ExecuteSQL", [&] { return cur->ExecuteSQL("delete from t"); }},
    };
    for (const auto &[name, operation] : operations) {
        cur->ErrMsg.clear();
        cur->FetchCount = 7;
        cur->SQL = "select 1 from dual;";
        EXPECT_FALSE(operation()) << name;
        EXPECT_EQ(cur->ErrMsg, kNotBound) << name;
        EXPECT_EQ(cur->FetchCount, 7) << name;
        EXPECT_EQ(cur->SQL, "select 1 from dual;") << name;
        EXPECT_TRUE(cur->Row.isEmpty()) << name;
    }
    EXPECT_EQ(fakeoci::totalCalls(), 0);
}

TEST(CursorBinding, OnlyASessionOfTheSameOwnerIsAccepted) {
    QObject form, otherForm;
    auto *own = new TOCIctrl(&form);
    auto *foreign = new TOCIctrl(&otherForm);
    auto *notASession = new QObject(&form);
    auto *cur = new TOCIcur(&form);

    EXPECT_TRUE(cur->setProperty("OCIParent", QVariant::fromValue<QObject *>(own)));
    EXPECT_EQ(cur->property("OCIParent").value<QObject *>(), own);

    cur->SetParent(foreign);
    EXPECT_EQ(cur->GetParent(), nullptr);
    EXPECT_FALSE(cur->Execute());
    EXPECT_EQ(cur->ErrMsg, kNotBound);

    cur->SetParent(own);
    cur->SetParent(notASession);
    EXPECT_EQ(cur->GetParent(), nullptr);
    cur->SetParent(nullptr);
    EXPECT_EQ(cur->GetParent(), nullptr);
    EXPECT_FALSE(cur->CleanUP());
}

TEST(CursorBinding, ASessionThatIsDestroyedUnbindsTheCursor) {
    QObject form;
    auto *ctrl = new TOCIctrl(&form);
    auto *cur = new TOCIcur(&form);
    cur->SetParent(ctrl);
    delete ctrl;
    EXPECT_EQ(cur->GetParent(), nullptr);
    EXPECT_FALSE(cur->Execute());
    EXPECT_EQ(cur->ErrMsg, kNotBound);
}

TEST(CursorBinding, ASessionThatIsNotLoggedOnIsNeverAskedForAnErrorText) {
    fakeoci::reset();
    QObject form;
    auto *ctrl = new TOCIctrl(&form);
    auto *cur = new TOCIcur(&form);
    cur->SetParent(ctrl);
    cur->SQL = "select a from t";
    // Not even loaded: nothing may call into a library that is not there.
    EXPECT_FALSE(cur->Execute());
    EXPECT_EQ(cur->ErrMsg, kNotConnected);
    ASSERT_TRUE(ctrl->Active());
    fakeoci::reset();
    EXPECT_FALSE(cur->Execute());
    EXPECT_EQ(cur->ErrMsg, kNotConnected);
    EXPECT_FALSE(cur->ExecuteSQL("delete from t"));
    EXPECT_EQ(cur->ErrMsg, kNotConnected);
    EXPECT_FALSE(cur->Fetch());
    EXPECT_EQ(cur->ErrMsg, kNotConnected);
    EXPECT_EQ(fakeoci::totalCalls(), 0);
}

TEST_F(QueryFake, ExecuteDescribesDefinesAndFetchesEveryRowAsText) {
    fakeoci::setResult(
        {col(" A\t"), col("B", OCIV7_TYPE_NUMBER, 22, 5, 0), col("C", OCIV7_TYPE_DATE, 7)},
        Rows{{"x", "1", "07-DEC-26"}, {"y", "-2.5", "08-DEC-26"}});
    cur->SQL = "select a, b, c from t";
    ASSERT_TRUE(cur->Execute()) << cur->ErrMsg.constData();
    EXPECT_EQ(cur->Row, list({"A", "B", "C"}));
    EXPECT_EQ(cur->FetchCount, 0);

    const auto opens = fakeoci::callsOf("oopen");
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(fakeoci::parsedStatements(), std::vector<std::string>{"select a, b, c from t"});
    const auto defines = fakeoci::callsOf("odefin");
    ASSERT_EQ(defines.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(defines[i].position, i + 1);
        EXPECT_EQ(defines[i].type, OCIV7_EXT_STR);
    }
    EXPECT_EQ(defines[0].length, 31);
    EXPECT_EQ(defines[2].length, 23);
    EXPECT_EQ(fakeoci::callCount("oexec"), 1);

    ASSERT_TRUE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({"x", "1", "07-DEC-26"}));
    ASSERT_TRUE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({"y", "-2.5", "08-DEC-26"}));
    EXPECT_EQ(cur->FetchCount, 2);

    cur->ErrMsg = "earlier";
    EXPECT_FALSE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({"", "", ""}));
    EXPECT_EQ(cur->ErrMsg, "earlier"); // the end of the rows is not a failure
    EXPECT_EQ(fakeoci::callCount("oerhms"), 0);
    EXPECT_FALSE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({"", "", ""}));
    EXPECT_EQ(cur->FetchCount, 2);
    EXPECT_TRUE(isOpen());
    EXPECT_TRUE(cur->Row.isEmpty());
    EXPECT_TRUE(cur->Data()->List.empty());
    EXPECT_EQ(cur->FetchCount, 0);
}

TEST_F(QueryFake, NoRowsLeavesTheNamesUntilTheFirstFetch) {
    fakeoci::setResult({col("A"), col("B")}, Rows{});
    cur->SQL = "select a, b from t";
    ASSERT_TRUE(cur->Execute());
    EXPECT_EQ(cur->Row, list({"A", "B"}));
    EXPECT_FALSE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({"", ""}));
    EXPECT_EQ(cur->FetchCount, 0);
}

TEST_F(QueryFake, ANullArrivesAsTheEmptyStringAndTheRowCounts) {
    fakeoci::setResult({col("A"), col("B")}, Rows{{"before", "b1"}, {std::nullopt, "b2"}});
    cur->SQL = "select a, b from t";
    ASSERT_TRUE(cur->Execute());
    ASSERT_TRUE(cur->Fetch());
    ASSERT_TRUE(cur->Fetch()); // rc 1405
    EXPECT_EQ(cur->Row, list({"", "b2"}));
    EXPECT_EQ(cur->FetchCount, 2);
}

TEST_F(QueryFake, AFailedFetchKeepsTheDatabaseTextButStillBlanksTheRow) {
    fakeoci::setResult({col("A"), col("B")}, Rows{{"1", "2"}, {"3", "4"}});
    cur->SQL = "select a, b from t";
    ASSERT_TRUE(cur->Execute());
    ASSERT_TRUE(cur->Fetch());
    fakeoci::failNext("ofetch", 3113);
    EXPECT_FALSE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({"", ""}));
    EXPECT_EQ(cur->ErrMsg, oracleText(3113));
    EXPECT_EQ(ctrl->ErrMsg, oracleText(3113));
    EXPECT_EQ(cur->FetchCount, 1);
    EXPECT_TRUE(isOpen());
}

TEST_F(QueryFake, ATruncatedValueIsAFailureNotAShortValue) {
    fakeoci::setResult({col("A", OCIV7_TYPE_VARCHAR2, 3)}, Rows{{"abcdef"}});
    cur->SQL = "select a from t";
    ASSERT_TRUE(cur->Execute());
    EXPECT_FALSE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({""}));
    EXPECT_EQ(cur->ErrMsg, oracleText(OCIV7_RC_TRUNCATED));
}

// NUMBER is described with its internal size (22) but its text can be twice as long.
TEST_F(QueryFake, NumberBuffersHoldTheLongestNumberText) {
    const std::string longest = "-1234567890123456789012345678901234567.8";
    const std::string tiny = "-1.2345678901234567890123456789012346E-125";
    fakeoci::setResult({col("N", OCIV7_TYPE_NUMBER, 22, 38, 0)}, Rows{{longest}, {tiny}});
    cur->SQL = "select n from t";
    ASSERT_TRUE(cur->Execute());
    EXPECT_GE(fakeoci::callsOf("odefin").at(0).length, 46);
    ASSERT_TRUE(cur->Fetch()) << cur->ErrMsg.constData();
    EXPECT_EQ(cur->Row.at(0).toStdString(), longest);
    ASSERT_TRUE(cur->Fetch()) << cur->ErrMsg.constData();
    EXPECT_EQ(cur->Row.at(0).toStdString(), tiny);
    ASSERT_EQ(cur->Data()->List.size(), 1u);
    EXPECT_EQ(cur->Data()->List[0]->Size, 22); // the description is reported as it came
}

struct ExecuteFailure {
    const char *name;
    std::function<void()> program;
    QByteArray errMsg; // empty: the database's text for `code`
    int code;
    QByteArrayList row;
    std::size_t described;
    bool open;
};

TEST_F(QueryFake, EveryFailureOfExecuteLeavesItsDocumentedState) {
    const std::vector<ExecuteFailure> cases = {
        {"open", [] { fakeoci::failNext("oopen", 1001); }, {}, 1001, {}, 0, false},
        {"parse", [] { fakeoci::failNext("oparse", 942); }, {}, 942, {}, 0, true},
        {"unfetchable after two columns",
         [] {
             fakeoci::setResult({col("A"), col("B"), col("C", OCIV7_TYPE_LONG, 0)}, {});
         },
         kUnfetchable, 0, list({"A", "B"}), 2, true},
        {"raw",
         [] { fakeoci::setResult({col("R", OCIV7_TYPE_RAW, 16)}, {}); },
         kUnfetchable,
         0,
         {},
         0,
         true},
        {"describe other than 1007",
         [] {
             fakeoci::setResult({col("A"), col("B"), col("C")}, {});
             fakeoci::setDescribeFailure(2, 1013);
         },
         {},
         1013,
         list({"A"}),
         1,
         true},
        {"define",
         [] {
             fakeoci::setResult({col("A"), col("B")}, {});
             fakeoci::failAfter("odefin", 1, 1008);
         },
         {},
         1008,
         list({"A", "B"}),
         2,
         true},
        {"exec",
         [] {
             fakeoci::setResult({col("A")}, {});
             fakeoci::failNext("oexec", 1476);
         },
         {},
         1476,
         list({"A"}),
         1,
         true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fakeoci::reset();
        c.program();
        cur->SQL = "select * from t";
        cur->FetchCount = 9;
        EXPECT_FALSE(cur->Execute());
        EXPECT_EQ(cur->ErrMsg, c.errMsg.isEmpty() ? oracleText(c.code) : c.errMsg);
        if (c.errMsg.isEmpty()) {
            EXPECT_EQ(ctrl->ErrMsg, cur->ErrMsg);
        }
        EXPECT_EQ(cur->Row, c.row);
        EXPECT_EQ(cur->Data()->List.size(), c.described);
        EXPECT_EQ(cur->FetchCount, 0);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(isOpen(), c.open);
    }
}

TEST_F(QueryFake, ADescribeFailureDefinesNothingAgainstTheWrongColumns) {
    fakeoci::setResult({col("A"), col("B"), col("C")}, Rows{{"a", "b", "c"}});
    fakeoci::setDescribeFailure(2, 1013);
    cur->SQL = "select a, b, c from t";
    EXPECT_FALSE(cur->Execute());
    EXPECT_EQ(fakeoci::callCount("odefin"), 0);
    EXPECT_EQ(fakeoci::callCount("oexec"), 0);
}

TEST_F(QueryFake, AFailedCloseStillReleasesTheStatementAndKeepsTheCursorOpen) {
    fakeoci::setResult({col("A")}, Rows{{"1"}});
    cur->SQL = "select a from t";
    ASSERT_TRUE(cur->Execute());
    ASSERT_TRUE(cur->Fetch());
    fakeoci::failNext("oclose", 1001);
    EXPECT_FALSE(cur->Execute());
    EXPECT_EQ(cur->ErrMsg, oracleText(1001));
    EXPECT_TRUE(cur->Row.isEmpty());
    EXPECT_TRUE(cur->Data()->List.empty());
    EXPECT_EQ(cur->FetchCount, 0);
    EXPECT_EQ(fakeoci::callCount("oopen"), 1); // no second open on top of the first
    EXPECT_TRUE(isOpen());
}

TEST_F(QueryFake, CleanUpOfACursorThatIsNotOpenChangesNothing) {
    cur->ErrMsg = "kept";
    cur->FetchCount = 4;
    EXPECT_TRUE(cur->CleanUP());
    EXPECT_EQ(cur->ErrMsg, "kept");
    EXPECT_EQ(cur->FetchCount, 4);
    EXPECT_EQ(fakeoci::totalCalls(), 0);
}

TEST_F(QueryFake, OnlyOneTrailingSemicolonIsRemovedFromSql) {
    const std::vector<std::pair<QByteArray, QByteArray>> cases = {
        {"select a from t;", "select a from t"},
        {"select a from t;;", "select a from t;"},
        {"select a from t", "select a from t"},
        {"select ';' from t ; ", "select ';' from t ; "},
    };
    fakeoci::setResult({col("A")}, {});
    for (const auto &[sql, sent] : cases) {
        fakeoci::reset();
        fakeoci::setResult({col("A")}, {});
        cur->SQL = sql;
        EXPECT_TRUE(cur->Execute());
        EXPECT_EQ(cur->SQL, sent);
        EXPECT_EQ(fakeoci::parsedStatements(), std::vector<std::string>{sent.toStdString()});
    }
}

TEST_F(QueryFake, ExecuteTwiceClosesTheFirstStatementAndStartsAgain) {
    fakeoci::queueResult({col("A"), col("B")}, Rows{{"1", "2"}, {"3", "4"}});
    fakeoci::queueResult({col("X")}, Rows{{"9"}});
    cur->SQL = "select a, b from t";
    ASSERT_TRUE(cur->Execute());
    ASSERT_TRUE(cur->Fetch());
    ASSERT_TRUE(cur->Fetch());
    cur->SQL = "select x from u";
    ASSERT_TRUE(cur->Execute());
    EXPECT_EQ(fakeoci::callCount("oclose"), 1);
    EXPECT_EQ(cur->FetchCount, 0);
    EXPECT_EQ(cur->Row, list({"X"}));
    ASSERT_EQ(cur->Data()->List.size(), 1u);
    EXPECT_EQ(cur->Data()->List[0]->Name, "X");
    ASSERT_TRUE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({"9"}));
}

TEST_F(QueryFake, AnOverlongColumnNameIsCutToItsBuffer) {
    const std::string name33(33, 'N');
    const std::string name40 = std::string(33, 'L') + "TOOLONG";
    fakeoci::setResult({col(name33), col(name40), col("C")}, Rows{{"1", "2", "3"}});
    cur->SQL = "select * from t";
    ASSERT_TRUE(cur->Execute()) << cur->ErrMsg.constData();
    ASSERT_EQ(cur->Row.size(), 3);
    EXPECT_EQ(cur->Row[0].toStdString(), name33);
    EXPECT_EQ(cur->Row[1].toStdString(), std::string(33, 'L'));
    EXPECT_EQ(cur->Row[2], "C");
    ASSERT_EQ(cur->Data()->List.size(), 3u);
    EXPECT_EQ(cur->Data()->List[1]->Name.toStdString(), std::string(33, 'L'));
    EXPECT_EQ(cur->Data()->List[1]->Size, 30); // the rest of the record is intact
    ASSERT_TRUE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({"1", "2", "3"}));
}

TEST_F(QueryFake, TheSessionsLogoffCleansTheCursorUpFirst) {
    fakeoci::setResult({col("A")}, Rows{{"1"}});
    cur->SQL = "select a from t";
    ASSERT_TRUE(cur->Execute());
    ASSERT_TRUE(ctrl->DisConnect()) << ctrl->ErrMsg.constData();
    const auto all = fakeoci::calls();
    std::vector<std::string> order;
    for (const auto &c : all)
        if (c.entry == "oclose" || c.entry == "ologof")
            order.push_back(c.entry);
    EXPECT_EQ(order, (std::vector<std::string>{"oclose", "ologof"}));
    EXPECT_TRUE(cur->Row.isEmpty());
    EXPECT_TRUE(cur->Data()->List.empty());
}

} // namespace
