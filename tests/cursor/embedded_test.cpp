// Real statements through the embedded client library (libOCIW32.so over SQLite) as SCOTT
// on the default database, which each run of the test program creates afresh.

#include "tests/common/logged_on_session.h"

#include <gtest/gtest.h>

namespace {

QByteArrayList list(std::initializer_list<const char *> items) {
    QByteArrayList out;
    for (const char *item : items)
        out.append(QByteArray(item));
    return out;
}

class Embedded : public testsupport::LoggedOnSession {
protected:
    // A fresh table for one test; the names are the test's own so tests share nothing.
    void createTable(const QByteArray &name, const QByteArray &columns) {
        cur->ExecuteSQL("drop table " + name);
        ASSERT_TRUE(cur->ExecuteSQL("create table " + name + " (" + columns + ")"))
            << cur->ErrMsg.constData();
    }

    // Every row of a query, each as its list of values.
    std::vector<QByteArrayList> rowsOf(const QByteArray &sql) {
        std::vector<QByteArrayList> rows;
        cur->SQL = sql;
        EXPECT_TRUE(cur->Execute()) << sql.constData() << ": " << cur->ErrMsg.constData();
        while (cur->Fetch())
            rows.push_back(cur->Row);
        return rows;
    }
};

TEST_F(Embedded, AQueryWithoutRowsKeepsItsColumnNamesUntilTheFirstFetch) {
    cur->SQL = "select ename, job from emp where 1 = 0";
    ASSERT_TRUE(cur->Execute()) << cur->ErrMsg.constData();
    EXPECT_EQ(cur->Row, list({"ENAME", "JOB"}));
    EXPECT_FALSE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({"", ""}));
    EXPECT_EQ(cur->FetchCount, 0);
}

TEST_F(Embedded, ThreeColumnsComeBackAsThreeTextsPerRow) {
    createTable("cur_three", "id number(4), name varchar2(10), amount number(7,2)");
    ASSERT_TRUE(cur->ExecuteSQL("insert into cur_three values (1, 'one', 1.5)"));
    ASSERT_TRUE(cur->ExecuteSQL("insert into cur_three values (2, 'two', -0.25)"));
    cur->SQL = "select id, name, amount from cur_three order by id";
    ASSERT_TRUE(cur->Execute()) << cur->ErrMsg.constData();
    EXPECT_EQ(cur->Row, list({"ID", "NAME", "AMOUNT"}));
    ASSERT_TRUE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({"1", "one", "1.5"}));
    ASSERT_TRUE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({"2", "two", "-.25"}));
    EXPECT_FALSE(cur->Fetch());
    EXPECT_EQ(cur->FetchCount, 2);
    ASSERT_EQ(cur->Data()->List.size(), 3u);
    EXPECT_EQ(cur->Data()->List[2]->TypeName, "NUMBER");
    EXPECT_EQ(cur->Data()->List[2]->Length, 5);
    EXPECT_EQ(cur->Data()->List[2]->Scale, 2);
}

TEST_F(Embedded, ANullArrivesAsTheEmptyString) {
    createTable("cur_null", "a varchar2(5), b number");
    ASSERT_TRUE(cur->ExecuteSQL("insert into cur_null values ('x', 7)"));
    ASSERT_TRUE(cur->ExecuteSQL("insert into cur_null (a) values ('y')"));
    const auto rows = rowsOf("select a, b from cur_null order by a");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], list({"x", "7"}));
    EXPECT_EQ(rows[1], list({"y", ""}));
}

TEST_F(Embedded, ALongColumnAfterTwoVarcharColumnsIsRefused) {
    createTable("cur_long", "a varchar2(5), b varchar2(5), c long");
    cur->SQL = "select a, b, c from cur_long";
    EXPECT_FALSE(cur->Execute());
    EXPECT_EQ(cur->ErrMsg, "抽出不可能なカラムが選択されました。");
    EXPECT_EQ(cur->Row, list({"A", "B"}));
}

TEST_F(Embedded, ExecuteTwiceStartsAgain) {
    cur->SQL = "select deptno, dname from dept order by deptno";
    ASSERT_TRUE(cur->Execute());
    ASSERT_TRUE(cur->Fetch());
    ASSERT_TRUE(cur->Fetch());
    cur->SQL = "select dname from dept order by deptno";
    ASSERT_TRUE(cur->Execute()) << cur->ErrMsg.constData();
    EXPECT_EQ(cur->FetchCount, 0);
    EXPECT_EQ(cur->Row, list({"DNAME"}));
    ASSERT_TRUE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({"ACCOUNTING"}));
}

TEST_F(Embedded, OneTrailingSemicolonIsRemovedAndASecondReachesTheParser) {
    cur->SQL = "select dname from dept where deptno = 10;";
    ASSERT_TRUE(cur->Execute()) << cur->ErrMsg.constData();
    EXPECT_EQ(cur->SQL, "select dname from dept where deptno = 10");
    ASSERT_TRUE(cur->Fetch());
    EXPECT_EQ(cur->Row, list({"ACCOUNTING"}));

    cur->SQL = "select dname from dept where deptno = 10;;";
    EXPECT_FALSE(cur->Execute());
    EXPECT_EQ(cur->SQL, "select dname from dept where deptno = 10;");
    EXPECT_TRUE(cur->ErrMsg.contains("ORA-")) << cur->ErrMsg.constData();
    EXPECT_EQ(cur->ErrMsg, ctrl->ErrMsg);
}

TEST_F(Embedded, InsertedTextAndDatesReadBack) {
    createTable("cur_ins", "name varchar2(20), born date, note varchar2(10)");
    ASSERT_TRUE(cur->Insert("cur_ins", list({"Name", "BORN"}))) << cur->ErrMsg.constData();
    QByteArrayList row = list({"Ada", "1815-12-10 13:45:00"});
    ASSERT_TRUE(cur->InsertData(row)) << cur->ErrMsg.constData();
    const auto rows = rowsOf("select name, to_char(born, 'yyyy-mm-dd hh24:mi:ss'), note, born "
                             "from cur_ins");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].mid(0, 3), list({"Ada", "1815-12-10 13:45:00", ""}));
    EXPECT_EQ(rows[0][3], "10-DEC-15"); // the session's default date format

    QByteArrayList bad = list({"Bob", "not a date"});
    ASSERT_TRUE(cur->Insert("cur_ins", list({"name", "born"})));
    EXPECT_FALSE(cur->InsertData(bad));
    EXPECT_TRUE(cur->ErrMsg.contains("ORA-")) << cur->ErrMsg.constData();
    EXPECT_EQ(cur->FetchCount, 0);
}

TEST_F(Embedded, PlaceholdersFollowTheCallersEntries) {
    createTable("cur_zx", "x varchar2(5), y varchar2(5), z varchar2(5)");
    ASSERT_TRUE(cur->Insert("cur_zx", list({"Z", "X"})));
    QByteArrayList row = list({"zz", "xx"});
    ASSERT_TRUE(cur->InsertData(row)) << cur->ErrMsg.constData();
    const auto rows = rowsOf("select x, y, z from cur_zx");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], list({"xx", "", "zz"}));
}

TEST_F(Embedded, AColumnTheTableLacksIsNamedAsSuch) {
    createTable("cur_miss", "x varchar2(5)");
    EXPECT_FALSE(cur->Insert("cur_miss", list({"X", "NOPE"})));
    EXPECT_EQ(cur->ErrMsg, "項目がテーブルに存在しません。");
    EXPECT_FALSE(cur->Insert("cur_absent", list({"X"})));
    EXPECT_TRUE(cur->ErrMsg.contains("ORA-00942")) << cur->ErrMsg.constData();
}

TEST_F(Embedded, FetchCountCountsInsertedRowsThenProcessedRows) {
    createTable("cur_count", "k number, v varchar2(5)");
    ASSERT_TRUE(cur->Insert("cur_count", list({"k", "v"})));
    for (const char *k : {"1", "2", "3"}) {
        QByteArrayList row = list({k, "a"});
        ASSERT_TRUE(cur->InsertData(row)) << cur->ErrMsg.constData();
    }
    EXPECT_EQ(cur->FetchCount, 3);
    for (const char *k : {"4", "5"}) {
        QByteArrayList row = list({k});
        ASSERT_TRUE(cur->InsertData(row)) << cur->ErrMsg.constData();
    }
    ASSERT_TRUE(cur->ExecuteSQL("update cur_count set v = 'b'")) << cur->ErrMsg.constData();
    EXPECT_EQ(cur->FetchCount, 5);
    EXPECT_TRUE(cur->Row.isEmpty());
    ASSERT_TRUE(cur->ExecuteSQL("update cur_count set v = 'c' where k > 3"));
    EXPECT_EQ(cur->FetchCount, 2);
    EXPECT_EQ(rowsOf("select count(*) from cur_count where v is null").at(0), list({"0"}));
}

TEST_F(Embedded, ExecuteSqlHandsTheParserTheWholeText) {
    createTable("cur_semi", "a number");
    // The ";" reaches the parser, which refuses it as Oracle does, so nothing is deleted.
    ASSERT_TRUE(cur->ExecuteSQL("insert into cur_semi values (1)"));
    EXPECT_FALSE(cur->ExecuteSQL("delete from cur_semi;"));
    EXPECT_TRUE(cur->ErrMsg.contains("ORA-00911")) << cur->ErrMsg.constData();
    EXPECT_EQ(cur->FetchCount, 0);
    EXPECT_EQ(rowsOf("select count(*) from cur_semi").at(0), list({"1"}));

    // A block's compile errors come as several lines, and nothing of it runs.
    EXPECT_FALSE(cur->ExecuteSQL("begin delete from cur_semi; delete from cur_none; end;"));
    EXPECT_TRUE(cur->ErrMsg.contains("\nORA-06550")) << cur->ErrMsg.constData();
    EXPECT_EQ(cur->ErrMsg, ctrl->ErrMsg);
    EXPECT_EQ(rowsOf("select count(*) from cur_semi").at(0), list({"1"}));
}

TEST_F(Embedded, TheSessionsDisconnectClosesTheCursor) {
    cur->SQL = "select ename from emp";
    ASSERT_TRUE(cur->Execute());
    ASSERT_TRUE(cur->Fetch());
    ASSERT_TRUE(ctrl->DisConnect()) << ctrl->ErrMsg.constData();
    EXPECT_TRUE(cur->Row.isEmpty());
    EXPECT_FALSE(cur->Fetch());
    EXPECT_EQ(cur->ErrMsg, "接続されていません。");
    ASSERT_TRUE(ctrl->Connect());
    EXPECT_EQ(rowsOf("select dname from dept where deptno = 20").at(0), list({"RESEARCH"}));
}

} // namespace
