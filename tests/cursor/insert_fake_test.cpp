// Inserts by column name and direct statements against the scripted client library: the
// statement text the cursor builds, the binds of each row, FetchCount and every failure.

#include "fake_session.h"

#include <functional>

using namespace cursortest;
using fakeoci::Rows;

namespace {

using InsertFake = FakeSession;

const QByteArray kNotConnected = "接続されていません。";
const std::string kDate = ", 'yyyy-mm-dd hh24:mi:ss')";

// Table T: X VARCHAR2, Y NUMBER, Z DATE, W DATE.
void scriptTable() {
    fakeoci::setResult({col("X"), col("Y", OCIV7_TYPE_NUMBER, 22, 10, 0),
                        col("Z", OCIV7_TYPE_DATE, 7), col("W", OCIV7_TYPE_DATE, 7)},
                       {});
}

TEST_F(InsertFake, TheStatementFollowsTheCallersEntriesInOrderAndLetterCase) {
    const std::vector<std::pair<QByteArrayList, std::string>> cases = {
        {list({"z", "X"}), "INSERT INTO T(z,X)VALUES(TO_DATE(:1" + kDate + ",:2)"},
        {list({"X", "Z", "y", "W"}),
         "INSERT INTO T(X,Z,y,W)VALUES(:1,TO_DATE(:2" + kDate + ",:3,TO_DATE(:4" + kDate + ")"},
        {list({"Y"}), "INSERT INTO T(Y)VALUES(:1)"},
    };
    for (const auto &[columns, statement] : cases) {
        SCOPED_TRACE(statement);
        fakeoci::reset();
        scriptTable();
        ASSERT_TRUE(cur->Insert("T", columns)) << cur->ErrMsg.constData();
        EXPECT_EQ(fakeoci::parsedStatements(),
                  (std::vector<std::string>{"select * from T", statement}));
        EXPECT_EQ(fakeoci::callCount("oexec"), 0); // the table query is never run
        EXPECT_EQ(cur->Row, QByteArrayList(columns.size(), QByteArray()));
        EXPECT_EQ(cur->FetchCount, 0);
    }
}

TEST_F(InsertFake, ColumnNamesMatchInAnyLetterCaseButNotWithBlanks) {
    fakeoci::setResult({col("ÄRGER"), col("Name")}, {});
    ASSERT_TRUE(cur->Insert("T", list({"ärger", "NAME"}))) << cur->ErrMsg.constData();
    EXPECT_EQ(fakeoci::parsedStatements().back(), "INSERT INTO T(ärger,NAME)VALUES(:1,:2)");

    for (const char *entry : {" NAME", "NAME ", "NAMES", ""}) {
        SCOPED_TRACE(entry);
        fakeoci::reset();
        fakeoci::setResult({col("ÄRGER"), col("Name")}, {});
        EXPECT_FALSE(cur->Insert("T", list({"Name", entry})));
        EXPECT_EQ(cur->ErrMsg, "項目がテーブルに存在しません。");
        EXPECT_TRUE(cur->Row.isEmpty());
        EXPECT_EQ(fakeoci::callCount("oparse"), 1);
        EXPECT_TRUE(isOpen());
    }
}

struct InsertFailure {
    const char *name;
    QByteArray table;
    QByteArrayList columns;
    std::function<void()> program;
    QByteArray errMsg; // empty: the database's text for `code`
    int code;
    int rowEntries;
    bool open;
};

TEST_F(InsertFake, EveryFailureOfInsertLeavesItsDocumentedState) {
    const std::vector<InsertFailure> cases = {
        {"no table", "", list({"X"}), [] {}, "INSERTするテーブルが指定されていません。", 0, 0,
         true},
        {"no columns", "T", {}, [] {}, "INSERTする列が指定されていません。", 0, 0, true},
        {"open", "T", list({"X"}), [] { fakeoci::failNext("oopen", 1001); }, {}, 1001, 0, false},
        {"table query",
         "T",
         list({"X"}),
         [] { fakeoci::failNext("oparse", 942); },
         {},
         942,
         0,
         true},
        {"describe other than 1007",
         "T",
         list({"Z"}),
         [] { fakeoci::setDescribeFailure(2, 1013); },
         {},
         1013,
         0,
         true},
        {"insert statement",
         "T",
         list({"X", "X"}),
         [] { fakeoci::failAfter("oparse", 1, 957); },
         {},
         957,
         2,
         true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fakeoci::reset();
        scriptTable();
        c.program();
        cur->FetchCount = 5;
        EXPECT_FALSE(cur->Insert(c.table, c.columns));
        EXPECT_EQ(cur->ErrMsg, c.errMsg.isEmpty() ? oracleText(c.code) : c.errMsg);
        EXPECT_EQ(cur->Row.size(), c.rowEntries);
        EXPECT_EQ(cur->FetchCount, 0);
        EXPECT_EQ(isOpen(), c.open);
    }
}

TEST_F(InsertFake, InsertDataFillsUpTheCallersListAndIgnoresExtras) {
    scriptTable();
    ASSERT_TRUE(cur->Insert("T", list({"X", "Y", "Z"})));

    QByteArrayList shortList = list({"a"});
    ASSERT_TRUE(cur->InsertData(shortList)) << cur->ErrMsg.constData();
    EXPECT_EQ(shortList, list({"a", "", ""}));
    auto execs = fakeoci::callsOf("oexec");
    ASSERT_EQ(execs.size(), 1u);
    EXPECT_EQ(execs[0].bound, (std::vector<std::string>{"a", "", ""}));

    QByteArrayList longList = list({"b", "2", "2026-12-08 00:00:00", "extra"});
    ASSERT_TRUE(cur->InsertData(longList));
    EXPECT_EQ(longList.size(), 4);
    const auto binds = fakeoci::callsOf("obndrn");
    ASSERT_EQ(binds.size(), 6u);
    EXPECT_EQ(binds[5].position, 3);
    EXPECT_EQ(binds[5].text, "2026-12-08 00:00:00");
    EXPECT_EQ(binds[5].length, 20); // the terminator is part of the bound length
    EXPECT_EQ(binds[5].type, OCIV7_EXT_STR);

    QByteArrayList third = list({"c", "3"});
    ASSERT_TRUE(cur->InsertData(third));
    EXPECT_EQ(cur->FetchCount, 3);
    EXPECT_EQ(cur->Row, QByteArrayList(3, QByteArray())); // still one empty entry per column
}

TEST_F(InsertFake, AFailedRowKeepsTheInsertPreparedAndTheCountUnchanged) {
    scriptTable();
    ASSERT_TRUE(cur->Insert("T", list({"X", "Y"})));
    QByteArrayList row = list({"a", "1"});
    ASSERT_TRUE(cur->InsertData(row));

    fakeoci::failNext("oexec", 1722);
    QByteArrayList bad = list({"b", "not a number"});
    EXPECT_FALSE(cur->InsertData(bad));
    EXPECT_EQ(cur->ErrMsg, oracleText(1722));
    EXPECT_EQ(cur->FetchCount, 1);

    fakeoci::failAfter("obndrn", 1, 1008);
    EXPECT_FALSE(cur->InsertData(row));
    EXPECT_EQ(cur->ErrMsg, oracleText(1008));
    EXPECT_EQ(cur->FetchCount, 1);

    ASSERT_TRUE(cur->InsertData(row));
    EXPECT_EQ(cur->FetchCount, 2);
    EXPECT_EQ(fakeoci::callCount("oparse"), 2); // prepared once, executed row after row
    EXPECT_TRUE(isOpen());
}

TEST_F(InsertFake, InsertDataAfterACleanUpBindsNothingAndReportsTheDatabase) {
    scriptTable();
    ASSERT_TRUE(cur->Insert("T", list({"X"})));
    ASSERT_TRUE(cur->CleanUP());
    fakeoci::failNext("oexec", 1001);
    QByteArrayList row = list({"a"});
    EXPECT_FALSE(cur->InsertData(row));
    EXPECT_EQ(fakeoci::callCount("obndrn"), 0);
    EXPECT_EQ(cur->ErrMsg, oracleText(1001));
}

TEST_F(InsertFake, ExecuteSqlReportsTheRowsProcessedAndClosesAgain) {
    fakeoci::setRowsProcessed(5);
    cur->ErrMsg = "earlier";
    ASSERT_TRUE(cur->ExecuteSQL("update t set a = 1"));
    EXPECT_EQ(cur->FetchCount, 5);
    EXPECT_EQ(fakeoci::callCount("oopen"), 1);
    EXPECT_EQ(fakeoci::callCount("oclose"), 1);
    EXPECT_TRUE(cur->Row.isEmpty());
    EXPECT_EQ(cur->ErrMsg, "earlier"); // a success does not clear the last failure
    EXPECT_FALSE(isOpen());
}

TEST_F(InsertFake, ExecuteSqlSendsTheTextWholeTrailingSemicolonIncluded) {
    const std::string block = "begin update t set a = 1; end;";
    ASSERT_TRUE(cur->ExecuteSQL(QByteArray::fromStdString(block)));
    EXPECT_EQ(fakeoci::parsedStatements(), std::vector<std::string>{block});
}

TEST_F(InsertFake, ExecuteSqlEndsAnInsertThatWasPrepared) {
    scriptTable();
    ASSERT_TRUE(cur->Insert("T", list({"X"})));
    ASSERT_TRUE(cur->ExecuteSQL("commit"));
    EXPECT_TRUE(cur->Row.isEmpty());
    EXPECT_EQ(fakeoci::callCount("oclose"), 2);
}

TEST_F(InsertFake, EveryFailureOfExecuteSqlLeavesTheCursorClosed) {
    const std::vector<std::pair<const char *, int>> cases = {
        {"oopen", 1001}, {"oparse", 900}, {"oexec", 1}};
    for (const auto &[entry, code] : cases) {
        SCOPED_TRACE(entry);
        fakeoci::reset();
        fakeoci::setRowsProcessed(3);
        fakeoci::failNext(entry, code);
        cur->FetchCount = 8;
        EXPECT_FALSE(cur->ExecuteSQL("delete from t"));
        EXPECT_EQ(cur->ErrMsg, oracleText(code));
        EXPECT_EQ(cur->FetchCount, 0);
        EXPECT_FALSE(isOpen());
    }
}

TEST_F(InsertFake, AFailedFinalCloseOfExecuteSqlKeepsTheResultAndReportsTheClose) {
    fakeoci::setRowsProcessed(2);
    fakeoci::failNext("oclose", 1001);
    EXPECT_TRUE(cur->ExecuteSQL("delete from t"));
    EXPECT_EQ(cur->FetchCount, 2);
    EXPECT_EQ(cur->ErrMsg, oracleText(1001));
    EXPECT_TRUE(isOpen());
}

TEST_F(InsertFake, APreviousCursorThatCannotBeClosedStopsTheNextStatement) {
    scriptTable();
    ASSERT_TRUE(cur->Insert("T", list({"X"})));
    fakeoci::reset();
    fakeoci::failNext("oclose", 1001, 0, 2);
    EXPECT_FALSE(cur->ExecuteSQL("delete from t"));
    EXPECT_EQ(cur->ErrMsg, oracleText(1001));
    EXPECT_FALSE(cur->Insert("T", list({"X"})));
    EXPECT_EQ(cur->ErrMsg, oracleText(1001));
    EXPECT_EQ(fakeoci::callCount("oopen"), 0);
    EXPECT_EQ(fakeoci::callCount("oparse"), 0);
    EXPECT_TRUE(cur->Row.isEmpty());
    EXPECT_TRUE(isOpen());
}

} // namespace
