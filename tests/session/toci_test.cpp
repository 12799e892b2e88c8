// TOCIctrl over the complete scripted client library: activation state, error text, the
// cursor primitives, logon and logoff, clean-up of the owner's cursors, transactions.

#include "cursor/tocicur.h"
#include "session_fixture.h"

#include <QCursor>
#include <QGuiApplication>

#include <cstring>
#include <functional>
#include <map>
#include <stdexcept>

// Cursor stand-ins whose class names differ from the cursor's only in case: the session
// finds cursors by class name without regard to case. In the global namespace, where the
// cursor class lives: the meta-object's class name carries the namespace.
class TOCICur : public QObject {
    Q_OBJECT
public:
    TOCICur(QObject *owner, std::function<bool()> cleanUp)
        : QObject(owner), m_cleanUp(std::move(cleanUp)) {}
    Q_INVOKABLE bool CleanUP() {
        ++calls;
        return m_cleanUp();
    }
    int calls = 0;

private:
    std::function<bool()> m_cleanUp;
};

namespace sessiontest {
namespace {

using fakeoci::Call;

TEST_F(SessionTest, ActivationIsIdempotentAndDeactivationReleasesTheLibrary) {
    EXPECT_NO_THROW(oci->SetActive(false));
    EXPECT_TRUE(fakeoci::loadedLibraries().empty());

    EXPECT_NO_THROW(oci->SetActive(true));
    EXPECT_NO_THROW(oci->SetActive(true));
    EXPECT_TRUE(oci->LibActive());
    EXPECT_EQ(fakeoci::loadedLibraries(), std::vector<std::string>{"libOCI.so"});

    EXPECT_TRUE(oci->UnActive());
    EXPECT_FALSE(oci->LibActive());
    EXPECT_EQ(fakeoci::unloadedLibraries(), std::vector<std::string>{"libOCI.so"});
    EXPECT_TRUE(oci->UnActive());
    EXPECT_EQ(fakeoci::totalCalls(), 0);
}

// After the release nothing calls into the library (its code is gone: a call would crash);
// the error text is then the line feed alone.
TEST_F(SessionTest, NothingCallsIntoAReleasedLibrary) {
    connectSession();
    ASSERT_TRUE(oci->UnActive());
    ASSERT_EQ(fakeoci::unloadedLibraries(), std::vector<std::string>{"libOCI.so"});
    fakeoci::reset();
    tryEveryCallingPath(*oci);
    EXPECT_EQ(fakeoci::totalCalls(), 0);
    cda_def area{};
    area.rc = 1017;
    EXPECT_EQ(str(oci->err_report(&area)), "\n");
    EXPECT_FALSE(oci->Connected());
}

struct ErrReportCase {
    int fc;
    int rc;
    bool noText; // oerhms fails and writes nothing
    const char *expected;
};

// The code alone when the library gives no text for it.
TEST_F(SessionTest, ErrReportComposesTheOracleTextForTheAreasCode) {
    connectSession();
    const ErrReportCase cases[] = {
        {0, 942, false, "\nORA-00942: scripted error"},
        {14, 1017, false,
         "-- ORACLE error when processing OCI function\nORA-01017: scripted error"},
        {0, 942, true, "\nORA-00942"},
        {14, 3113, true, "-- ORACLE error when processing OCI function\nORA-03113"},
    };
    for (const auto &c : cases) {
        fakeoci::reset();
        if (c.noText)
            fakeoci::failNext("oerhms", 1);
        cda_def cursor{};
        cursor.fc = static_cast<ub1>(c.fc);
        cursor.rc = static_cast<ub2>(c.rc);
        EXPECT_EQ(str(oci->err_report(&cursor)), c.expected);
        EXPECT_EQ(str(oci->ErrMsg), c.expected);
        const auto asked = fakeoci::callsOf("oerhms");
        ASSERT_EQ(asked.size(), 1u);
        // The logon area is passed even for a cursor's error.
        EXPECT_EQ(asked[0].lda, lda);
        EXPECT_EQ(asked[0].code, c.rc);
        EXPECT_EQ(asked[0].length, 512);
    }
}

TEST_F(SessionTest, ErrReportKeepsAtMostTheBufferOfText) {
    connectSession();
    fakeoci::setErrorText(3113, std::string(700, 'e'));
    cda_def cursor{};
    cursor.rc = 3113;
    EXPECT_EQ(str(oci->err_report(&cursor)), "\n" + std::string(511, 'e'));
}

// Each primitive, called on the area; they all have the same shape.
using Primitive = std::function<bool(TOCIctrl &, cda_def *)>;

std::vector<std::pair<const char *, Primitive>> primitives() {
    static QByteArrayList values{"a", "b"};
    static describe d{};
    static char buffer[64];
    return {
        {"OpenCur", [](TOCIctrl &s, cda_def *c) { return s.OpenCur(c); }},
        {"CloseCur", [](TOCIctrl &s, cda_def *c) { return s.CloseCur(c); }},
        {"Parse", [](TOCIctrl &s, cda_def *c) { return s.Parse(c, "select 1 from dual"); }},
        {"Descr", [](TOCIctrl &s, cda_def *c) { return s.Descr(c, 0, &d); }},
        {"Defin", [](TOCIctrl &s, cda_def *c) { return s.Defin(c, 0, buffer, &d); }},
        {"Exec", [](TOCIctrl &s, cda_def *c) { return s.Exec(c); }},
        {"SelFetch", [](TOCIctrl &s, cda_def *c) { return s.SelFetch(c); }},
        {"Bind", [](TOCIctrl &s, cda_def *c) { return s.Bind(c, values, 2); }},
    };
}

TEST_F(SessionTest, PrimitivesRefuseWithoutALogonAndTouchNothing) {
    for (bool active : {false, true}) {
        if (active) {
            ASSERT_TRUE(oci->Active());
        }
        oci->ErrMsg = "before";
        for (const auto &[name, call] : primitives()) {
            cda_def cursor{};
            cursor.rc = 1234;
            cursor.fc = 7;
            EXPECT_FALSE(call(*oci, &cursor)) << name;
            EXPECT_EQ(cursor.rc, 1234) << name;
            EXPECT_EQ(cursor.fc, 7) << name;
            EXPECT_EQ(str(oci->ErrMsg), "before") << name;
        }
    }
    EXPECT_EQ(fakeoci::totalCalls(), 0);
}

TEST_F(SessionTest, PrimitivesPassOneCallWithTheInterfacesArguments) {
    connectSession();
    cda_def cursor{};
    const auto p = [](const void *ptr) { return reinterpret_cast<std::intptr_t>(ptr); };
    const std::intptr_t c = p(&cursor);

    ASSERT_TRUE(oci->OpenCur(&cursor));
    EXPECT_EQ(fakeoci::callsOf("oopen")[0].args,
              (std::vector<std::intptr_t>{c, p(lda), 0, -1, -1, 0, -1}));

    ASSERT_TRUE(oci->Parse(&cursor, "select ename from emp"));
    const Call parse = fakeoci::callsOf("oparse")[0];
    EXPECT_EQ(parse.text, "select ename from emp");
    EXPECT_EQ(std::vector<std::intptr_t>(parse.args.begin() + 2, parse.args.end()),
              (std::vector<std::intptr_t>{-1, 0, 1}));

    describe d{};
    d.dbsize = 10;
    char buffer[11] = {};
    ASSERT_TRUE(oci->Defin(&cursor, 2, buffer, &d));
    EXPECT_EQ(fakeoci::callsOf("odefin")[0].args,
              (std::vector<std::intptr_t>{c, 3, p(buffer), 11, 5, -1, 0, 0, -1, -1, 0, 0}));

    ASSERT_TRUE(oci->Exec(&cursor));
    ASSERT_FALSE(oci->SelFetch(&cursor));
    EXPECT_EQ(cursor.rc, OCIV7_RC_NO_DATA_FOUND);
    EXPECT_TRUE(oci->CloseCur(&cursor));
    EXPECT_EQ(fakeoci::totalCalls(), 6);
}

TEST_F(SessionTest, PrimitiveFailureLeavesTheCodesInTheArea) {
    connectSession();
    cda_def cursor{};
    fakeoci::failNext("oparse", 900, 54);
    EXPECT_FALSE(oci->Parse(&cursor, "selec x"));
    EXPECT_EQ(cursor.rc, 900);
    EXPECT_EQ(cursor.fc, 54);
    EXPECT_EQ(fakeoci::callCount("oerhms"), 0);
}

TEST_F(SessionTest, BindBindsEachValueToItsPlaceholderInOrder) {
    connectSession();
    cda_def cursor{};
    const QByteArrayList values{"first", "", "third"};

    EXPECT_TRUE(oci->Bind(&cursor, values, 0));
    EXPECT_TRUE(oci->Bind(&cursor, values, -3));
    EXPECT_EQ(fakeoci::totalCalls(), 0);

    ASSERT_TRUE(oci->Bind(&cursor, values, 3));
    const auto binds = fakeoci::callsOf("obndrn");
    ASSERT_EQ(binds.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(binds[i].position, i + 1);
        EXPECT_EQ(binds[i].text, values[i].toStdString());
        EXPECT_EQ(binds[i].length, values[i].size() + 1);
        EXPECT_EQ(std::vector<std::intptr_t>(binds[i].args.begin() + 4, binds[i].args.end()),
                  (std::vector<std::intptr_t>{5, -1, 0, 0, 0, -1}));
        // The library reads the caller's own strings when the statement runs.
        EXPECT_EQ(binds[i].args[2], reinterpret_cast<std::intptr_t>(values[i].constData()));
    }
}

TEST_F(SessionTest, BindStopsAtTheFirstFailureAndNeverReadsPastTheList) {
    connectSession();
    cda_def cursor{};
    fakeoci::failAfter("obndrn", 1, 1036);
    EXPECT_FALSE(oci->Bind(&cursor, {"a", "b", "c"}, 3));
    EXPECT_EQ(fakeoci::callCount("obndrn"), 2);
    EXPECT_EQ(cursor.rc, 1036);

    fakeoci::reset();
    EXPECT_TRUE(oci->Bind(&cursor, {"a"}, 4));
    EXPECT_EQ(fakeoci::callCount("obndrn"), 1);
}

struct DescrCase {
    std::string name;
    std::string expected;
};

TEST_F(SessionTest, DescrTerminatesTheNameWithinTheRecord) {
    connectSession();
    const DescrCase cases[] = {
        {"EMPNO", "EMPNO"},
        {std::string(33, 'N'), std::string(33, 'N')},
        // A library that reports a longer name than it could store: cut, never overrun.
        {std::string(40, 'L'), std::string(33, 'L')},
    };
    for (const auto &c : cases) {
        fakeoci::Column column;
        column.name = c.name;
        column.dbtype = OCIV7_TYPE_NUMBER;
        column.dbsize = 22;
        column.prec = 7;
        column.scale = 2;
        column.nullok = false;
        fakeoci::setResult({column}, {});
        cda_def cursor{};
        ASSERT_TRUE(oci->Parse(&cursor, "select x from t"));
        describe d;
        std::memset(&d, 'X', sizeof d);
        d.cbufl = OCIV7_NAME_CAPACITY;
        ASSERT_TRUE(oci->Descr(&cursor, 0, &d)) << c.name;
        EXPECT_EQ(std::string(reinterpret_cast<const char *>(d.cbuf)), c.expected);
        EXPECT_EQ(d.cbufl, static_cast<int>(c.expected.size()));
        EXPECT_EQ(d.dbsize, 22);
        EXPECT_EQ(d.dbtype, OCIV7_TYPE_NUMBER);
        EXPECT_EQ(d.prec, 7);
        EXPECT_EQ(d.scale, 2);
        EXPECT_EQ(d.nullok, 0);
        EXPECT_EQ(fakeoci::callsOf("odescr").back().position, 1);

        EXPECT_FALSE(oci->Descr(&cursor, 1, &d));
        EXPECT_EQ(cursor.rc, OCIV7_RC_NOT_IN_SELECT_LIST);
    }
}

// ---- Logon ------------------------------------------------------------------------------

TEST_F(SessionTest, ConnectPassesTheTextsAsTheyAreAndActivatesFirst) {
    oci->UserID = "scott";
    oci->Password = "";
    oci->ConnStr = "";
    ASSERT_TRUE(oci->Connect());
    EXPECT_TRUE(oci->LibActive());
    EXPECT_TRUE(oci->Connected());
    const auto logons = fakeoci::callsOf("olog");
    ASSERT_EQ(logons.size(), 1u);
    EXPECT_EQ(logons[0].user, "scott");
    EXPECT_EQ(logons[0].password, "");
    EXPECT_EQ(logons[0].conn, "");
    EXPECT_EQ(logons[0].args[3], -1);
    EXPECT_EQ(logons[0].args[5], -1);
    EXPECT_EQ(logons[0].args[7], -1);
    EXPECT_EQ(logons[0].args[8], 0);
    // An empty text is an empty string, never a null pointer.
    EXPECT_NE(logons[0].args[4], 0);
    EXPECT_NE(logons[0].args[6], 0);
    EXPECT_EQ(fakeoci::callCount("ocon") + fakeoci::callCount("ocof"), 0);
}

TEST_F(SessionTest, FailedLogonKeepsTheOracleTextAndStaysOff) {
    fakeoci::failNext("olog", 1017, 0);
    EXPECT_FALSE(oci->Connect());
    EXPECT_FALSE(oci->Connected());
    EXPECT_EQ(str(oci->ErrMsg), "\nORA-01017: scripted error");
}

TEST_F(SessionTest, ConnectTwiceLogsOffBeforeLoggingOnAgain) {
    connectSession();
    ASSERT_TRUE(oci->Connect());
    std::vector<std::string> order;
    for (const Call &c : fakeoci::calls())
        order.push_back(c.entry);
    EXPECT_EQ(order, (std::vector<std::string>{"ologof", "olog"}));
}

TEST_F(SessionTest, DisConnectOnAnInactiveOrLoggedOffSession) {
    EXPECT_FALSE(oci->DisConnect());
    EXPECT_EQ(str(oci->ErrMsg), "DLLが使用不可能です。");

    ASSERT_TRUE(oci->Active());
    oci->ErrMsg.clear();
    EXPECT_TRUE(oci->DisConnect());
    EXPECT_EQ(fakeoci::totalCalls(), 0);
    EXPECT_TRUE(oci->ErrMsg.isEmpty());
}

TEST_F(SessionTest, FailingLogoffKeepsTheLogon) {
    connectSession();
    fakeoci::failNext("ologof", 3114);
    EXPECT_FALSE(oci->DisConnect());
    EXPECT_TRUE(oci->Connected());
    EXPECT_EQ(str(oci->ErrMsg), "セッションを切断できません。");
    EXPECT_EQ(fakeoci::callCount("oerhms"), 0);

    ASSERT_TRUE(oci->DisConnect());
    EXPECT_FALSE(oci->Connected());
    EXPECT_FALSE(fakeoci::loggedOn());
}

TEST_F(SessionTest, DeactivatingWhileTheLogoffFailsRaisesAndStaysConnected) {
    connectSession();
    fakeoci::failNext("ologof", 3114);
    try {
        oci->SetActive(false);
        FAIL() << "no error raised";
    } catch (const EOCIError &e) {
        EXPECT_EQ(str(e.message()), "セッションを終了できません。");
    }
    EXPECT_TRUE(oci->LibActive());
    EXPECT_TRUE(oci->Connected());
    fakeoci::failNext("ologof", 3114);
    EXPECT_FALSE(oci->UnActive());
    EXPECT_TRUE(oci->UnActive());
    EXPECT_FALSE(oci->Connected());
    EXPECT_FALSE(oci->LibActive());
}

TEST_F(SessionTest, DestroyingAConnectedSessionLogsOffAndReleasesTheLibrary) {
    connectSession();
    owner.reset();
    EXPECT_EQ(fakeoci::callCount("ologof"), 1);
    EXPECT_EQ(fakeoci::unloadedLibraries(), std::vector<std::string>{"libOCI.so"});
}

TEST_F(SessionTest, DestroyingIgnoresAFailingLogoff) {
    connectSession();
    fakeoci::failNext("ologof", 3114);
    EXPECT_NO_THROW(owner.reset());
    EXPECT_EQ(fakeoci::callCount("ologof"), 1);
}

// ---- Clean-up of the owner's cursors --------------------------------------------------

// A class derived from the cursor is not the cursor class, and is left alone.
class DerivedCur : public TOCIcur {
    Q_OBJECT
public:
    using TOCIcur::TOCIcur;
};

class CursorCleanUpTest : public SessionTest {
protected:
    // An open cursor of the owner, with a query run on it.
    TOCIcur *openCursor(QObject *cursorOwner, TOCIcur *cursor = nullptr) {
        if (cursor == nullptr)
            cursor = new TOCIcur(cursorOwner);
        cursor->SetParent(oci);
        cursor->SQL = "select 1 from dual";
        fakeoci::setResult({fakeoci::Column{"ONE"}}, {{std::string("1")}});
        EXPECT_TRUE(cursor->Execute()) << cursor->ErrMsg.toStdString();
        return cursor;
    }

    std::vector<const void *> closedAreas() {
        std::vector<const void *> areas;
        for (const Call &c : fakeoci::callsOf("oclose"))
            areas.push_back(c.area);
        return areas;
    }
};

TEST_F(CursorCleanUpTest, CleansOnlyTheOwnersCursorsOfExactlyTheCursorClass) {
    connectSession();
    TOCIcur *mine = openCursor(owner.get());
    QObject other;
    TOCIcur *foreign = new TOCIcur(&other);
    foreign->SetParent(oci); // refused: another owner
    auto *derived = openCursor(owner.get(), new DerivedCur(owner.get()));
    const auto mineArea = fakeoci::callsOf("oopen").front().area;
    const auto derivedArea = fakeoci::callsOf("oopen").back().area;
    fakeoci::reset();

    EXPECT_TRUE(oci->CleanUP());
    EXPECT_EQ(closedAreas(), std::vector<const void *>{mineArea});
    EXPECT_NE(mineArea, derivedArea);
    EXPECT_TRUE(mine->Row.isEmpty());
    EXPECT_FALSE(derived->Row.isEmpty());
}

TEST_F(CursorCleanUpTest, NoCursorsOrNoOwnerMeansNothingToClean) {
    connectSession();
    EXPECT_TRUE(oci->CleanUP());
    TOCIctrl orphan(nullptr);
    EXPECT_TRUE(orphan.CleanUP());
    EXPECT_EQ(fakeoci::totalCalls(), 0);
}

TEST_F(CursorCleanUpTest, DisConnectCleansTheCursorsBeforeLoggingOff) {
    connectSession();
    openCursor(owner.get());
    fakeoci::reset();
    ASSERT_TRUE(oci->DisConnect());
    std::vector<std::string> order;
    for (const Call &c : fakeoci::calls())
        order.push_back(c.entry);
    EXPECT_EQ(order, (std::vector<std::string>{"oclose", "ologof"}));
}

TEST_F(CursorCleanUpTest, AFailingCleanUpKeepsTheLogonAndTheCursorsText) {
    connectSession();
    TOCIcur *cursor = openCursor(owner.get());
    fakeoci::reset();
    fakeoci::failNext("oclose", 1001);
    EXPECT_FALSE(oci->DisConnect());
    EXPECT_TRUE(oci->Connected());
    EXPECT_EQ(fakeoci::callCount("ologof"), 0);
    EXPECT_EQ(str(oci->ErrMsg), "\nORA-01001: scripted error");
    EXPECT_EQ(cursor->ErrMsg, oci->ErrMsg);
}

TEST_F(SessionTest, CleanUpIgnoresACursorThatThrowsAndStopsAtOneThatFails) {
    auto *throwing = new TOCICur(owner.get(), []() -> bool { throw std::runtime_error("x"); });
    auto *failing = new TOCICur(owner.get(), [] { return false; });
    auto *after = new TOCICur(owner.get(), [] { return true; });
    EXPECT_FALSE(oci->CleanUP());
    EXPECT_EQ(throwing->calls, 1);
    EXPECT_EQ(failing->calls, 1);
    EXPECT_EQ(after->calls, 0);

    delete failing;
    EXPECT_TRUE(oci->CleanUP());
    EXPECT_EQ(after->calls, 1);
}

// ---- Transactions -----------------------------------------------------------------------

TEST_F(SessionTest, AutoCommitIsOnlySwitchedWhileConnectedAndOnlyOnAChange) {
    ASSERT_TRUE(oci->Active());
    oci->SetAutoCommit(true);
    EXPECT_FALSE(oci->AutoCommit());
    EXPECT_EQ(fakeoci::totalCalls(), 0);

    connectSession();
    oci->SetAutoCommit(false);
    EXPECT_EQ(fakeoci::totalCalls(), 0);
    oci->SetAutoCommit(true);
    EXPECT_TRUE(oci->AutoCommit());
    oci->SetAutoCommit(true);
    EXPECT_EQ(fakeoci::callCount("ocon"), 1);
    EXPECT_EQ(fakeoci::callsOf("ocon")[0].area, lda);

    // The member survives a new logon without being applied to it.
    ASSERT_TRUE(oci->Connect());
    EXPECT_TRUE(oci->AutoCommit());
    oci->SetAutoCommit(false);
    EXPECT_FALSE(oci->AutoCommit());
    EXPECT_EQ(fakeoci::callCount("ocof"), 1);
    EXPECT_TRUE(oci->setProperty("AutoCommit", true));
    EXPECT_TRUE(oci->property("AutoCommit").toBool());
}

struct AutoCommitFailure {
    bool target;
    const char *entry;
    const char *message;
};

TEST_F(SessionTest, FailingAutoCommitSwitchRaisesAndKeepsTheOracleText) {
    const AutoCommitFailure cases[] = {{true, "ocon", "Auto-CommitをONにできません。"},
                                       {false, "ocof", "Auto-CommitをOFFにできません。"}};
    for (const auto &c : cases) {
        connectSession();
        if (!c.target)
            oci->SetAutoCommit(true);
        fakeoci::failNext(c.entry, 3114, 0);
        try {
            oci->SetAutoCommit(c.target);
            ADD_FAILURE() << "no error raised";
        } catch (const EOCIError &e) {
            EXPECT_EQ(str(e.message()), c.message);
        }
        EXPECT_EQ(oci->AutoCommit(), !c.target);
        EXPECT_EQ(str(oci->ErrMsg), "\nORA-03114: scripted error");
        ASSERT_TRUE(oci->DisConnect());
    }
}

struct TransactionCase {
    const char *entry;
    std::function<bool(TOCIctrl &)> call;
};

const TransactionCase kTransactions[] = {{"ocom", [](TOCIctrl &s) { return s.Commit(); }},
                                         {"orol", [](TOCIctrl &s) { return s.Rollback(); }}};

TEST_F(SessionTest, CommitAndRollbackRefuseSilentlyWithoutALogon) {
    for (bool active : {false, true}) {
        if (active) {
            ASSERT_TRUE(oci->Active());
        }
        for (const auto &t : kTransactions) {
            oci->ErrMsg = "kept";
            EXPECT_FALSE(t.call(*oci)) << t.entry;
            EXPECT_EQ(str(oci->ErrMsg), "kept");
        }
    }
    EXPECT_EQ(fakeoci::totalCalls(), 0);
}

TEST_F(SessionTest, CommitAndRollbackReportTheOracleText) {
    connectSession();
    for (const auto &t : kTransactions) {
        EXPECT_TRUE(t.call(*oci)) << t.entry;
        EXPECT_EQ(fakeoci::callsOf(t.entry).back().area, lda);
        fakeoci::failNext(t.entry, 2091, 0);
        EXPECT_FALSE(t.call(*oci)) << t.entry;
        EXPECT_EQ(str(oci->ErrMsg), "\nORA-02091: scripted error");
        EXPECT_TRUE(oci->Connected());
    }
}

// ---- Busy pointer -----------------------------------------------------------------------

TEST_F(SessionTest, TheWaitPointerShowsWhileTheDatabaseWorksAndGoesOnEveryWayOut) {
    std::map<std::string, bool> busyDuring;
    const auto watch = [&] {
        fakeoci::setCallHook([&](const Call &c) {
            const QCursor *shown = QGuiApplication::overrideCursor();
            busyDuring[c.entry] = shown != nullptr && shown->shape() == Qt::WaitCursor;
        });
    };
    const std::function<bool()> steps[] = {
        [&] { return oci->Connect(); },
        [&] { return oci->Commit(); },
        [&] { return oci->Rollback(); },
        [&] { return oci->DisConnect(); },
    };
    for (const auto &step : steps) {
        watch();
        EXPECT_TRUE(step());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    ASSERT_TRUE(oci->Connect());
    // Failures: the logoff of the second Connect, the commit, the rollback, the logoff.
    for (const auto &step : steps) {
        for (const char *entry : {"olog", "ocom", "orol", "ologof"})
            fakeoci::failNext(entry, 1);
        EXPECT_FALSE(step());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        fakeoci::reset();
    }
    for (const char *entry : {"olog", "ocom", "orol", "ologof"})
        EXPECT_TRUE(busyDuring[entry]) << entry;
}

} // namespace
} // namespace sessiontest

#include "toci_test.moc"
