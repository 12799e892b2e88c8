// The main window's start-up and reconnect against the scripted client library: the four
// outcomes of the logon (library not bound, cancelled, failed, succeeded), the control
// states they leave, what is remembered, and the statements the browser sends.

#include "app/fmlist.h"
#include "app/namelist.h"
#include "cursor/tocicur.h"
#include "fakeoci.h"
#include "modal_answerer.h"
#include "session/toci.h"
#include "test_environment.h"
#include "viewer/fmview.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using fakeoci::Column;

const QString kCannotLoad = QString::fromUtf8("OCIをロードできません。\n強制終了します。");
const QString kLogonFailed = QString::fromUtf8("接続に失敗しました。");

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        clearSettingsHive();
        fakeoci::reset();
    }

    // Every selector control, the list and the show button.
    static std::vector<QWidget *> selectors(TfmList &w) {
        return {w.cbInv, w.cmbType, w.pbReload, w.edSearch, w.pbSearch, w.lbName, w.pbView};
    }
    static void expectLoggedOffControls(TfmList &w) {
        for (QWidget *control : selectors(w))
            EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
        EXPECT_TRUE(w.pbLogin->isEnabled());
        EXPECT_TRUE(w.pbEnd->isEnabled());
        EXPECT_EQ(w.cmbType->count(), 0);
        EXPECT_EQ(w.lbName->count(), 0);
    }
    static void scriptBrowser(const std::vector<std::string> &types,
                              const std::vector<std::string> &names) {
        fakeoci::Rows typeRows, nameRows;
        for (const auto &t : types)
            typeRows.push_back({t});
        for (const auto &n : names)
            nameRows.push_back({n});
        fakeoci::queueResult({Column{"OBJECT_TYPE", 1, 23}}, typeRows);
        fakeoci::queueResult({Column{"OBJECT_NAME", 1, 128}}, nameRows);
    }

    ModalAnswerer answers;
};

TEST_F(Startup, LibraryNotBoundSaysSoTwiceAndAsksToQuit) {
    TfmList w;
    EXPECT_TRUE(w.quitRequested());
    EXPECT_EQ(answers.messages, QStringList({kCannotLoad, kLogonFailed}));
    EXPECT_EQ(answers.captions, QStringList({"Velmora", "Velmora"}));
    EXPECT_EQ(answers.dialogsAnswered, 0); // no login dialog without a library
    expectLoggedOffControls(w);
    EXPECT_FALSE(storedString("USER").has_value());
}

TEST_F(Startup, CancelledLogonLeavesEverythingOffWithoutMessage) {
    answers.cancelLogon();
    TfmList w;
    EXPECT_FALSE(w.quitRequested());
    EXPECT_TRUE(answers.messages.isEmpty());
    EXPECT_EQ(answers.seenUser, "");
    expectLoggedOffControls(w);
    EXPECT_FALSE(w.OCI->Connected());
    EXPECT_FALSE(storedString("USER").has_value());
    EXPECT_FALSE(storedString("CONN").has_value());
}

TEST_F(Startup, FailedLogonShowsOnlyItsMessageAndRemembersNothing) {
    storeString("USER", "OLDUSER");
    storeString("CONN", "olddb");
    fakeoci::failNext("olog", 1017);
    answers.logOn("SCOTT", "wrong", "demo");
    TfmList w;
    EXPECT_EQ(answers.messages, QStringList({kLogonFailed}));
    expectLoggedOffControls(w);
    EXPECT_EQ(storedString("USER"), "OLDUSER");
    EXPECT_EQ(storedString("CONN"), "olddb");
}

TEST_F(Startup, SuccessfulLogonFillsListsAndRemembersUserAndConnection) {
    scriptBrowser({"PACKAGE BODY", "PROCEDURE"}, {"ORDERS_PKG", "BILLING_PKG"});
    answers.logOn("SCOTT", "TIGER", "demo");
    TfmList w;
    EXPECT_TRUE(answers.messages.isEmpty());
    EXPECT_TRUE(w.OCI->Connected());
    ASSERT_EQ(w.cmbType->count(), 2);
    EXPECT_EQ(w.cmbType->currentText(), "PACKAGE BODY");
    ASSERT_EQ(w.lbName->count(), 2);
    EXPECT_EQ(w.lbName->selectedText(), "ORDERS_PKG");
    for (QWidget *control : selectors(w))
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_EQ(storedString("USER"), "SCOTT");
    EXPECT_EQ(storedString("CONN"), "demo");
    EXPECT_FALSE(settingsHiveText().contains("TIGER"));
    EXPECT_EQ(fakeoci::parsedStatements(),
              std::vector<std::string>(
                  {"SELECT DISTINCT OBJECT_TYPE FROM USER_OBJECTS WHERE OBJECT_TYPE "
                   "IN('PACKAGE', 'PACKAGE BODY', 'PROCEDURE', 'FUNCTION') AND STATUS = "
                   "'INVALID'",
                   "SELECT OBJECT_NAME FROM USER_OBJECTS WHERE OBJECT_TYPE = 'PACKAGE BODY' "
                   "AND STATUS = 'INVALID'"}));
}

TEST_F(Startup, RememberedLogonPrefillsDialogWithEmptyPassword) {
    storeString("USER", "SCOTT");
    storeString("CONN", "demo");
    answers.cancelLogon();
    answers.logOn("SCOTT", "TIGER", "demo");
    TfmList w;
    EXPECT_EQ(answers.seenUser, "SCOTT");
    // Reconnect reads the remembered values again: the dialog shows the last good logon.
    scriptBrowser({}, {});
    w.pbLoginClick();
    EXPECT_EQ(answers.seenUser, "SCOTT");
    EXPECT_EQ(answers.seenPassword, "");
    EXPECT_EQ(answers.seenConn, "demo");
    EXPECT_EQ(answers.seenFocus, "edPassword");
}

TEST_F(Startup, EmptyListsDisableListAndShowButtonOnly) {
    scriptBrowser({}, {});
    answers.logOn("SCOTT", "TIGER", "");
    TfmList w;
    EXPECT_TRUE(w.cbInv->isEnabled());
    EXPECT_TRUE(w.cmbType->isEnabled());
    EXPECT_FALSE(w.lbName->isEnabled());
    EXPECT_FALSE(w.pbView->isEnabled());
    // No type selected: the name query compares with empty text.
    EXPECT_EQ(fakeoci::parsedStatements().back(),
              "SELECT OBJECT_NAME FROM USER_OBJECTS WHERE OBJECT_TYPE = '' AND STATUS = "
              "'INVALID'");
}

TEST_F(Startup, ReconnectLogsOffAndEmptiesListsBeforeTheDialog) {
    scriptBrowser({"FUNCTION"}, {"F1"});
    answers.logOn("SCOTT", "TIGER", "");
    TfmList w;
    ASSERT_EQ(w.lbName->count(), 1);
    answers.cancelLogon();
    w.pbLoginClick();
    EXPECT_EQ(fakeoci::callCount("ologof"), 1);
    EXPECT_FALSE(w.OCI->Connected());
    expectLoggedOffControls(w);
}

TEST_F(Startup, ClosingTheWindowWhileLoggedOnLogsOffAndReleasesTheLibrary) {
    scriptBrowser({}, {});
    answers.logOn("SCOTT", "TIGER", "");
    {
        TfmList w;
        ASSERT_TRUE(fakeoci::loggedOn());
    }
    EXPECT_FALSE(fakeoci::loggedOn());
    EXPECT_FALSE(fakeoci::unloadedLibraries().empty());
}

TEST_F(Startup, PatternAndTypeQuotesAreDoubled) {
    scriptBrowser({"PACKAGE"}, {});
    answers.logOn("SCOTT", "TIGER", "");
    TfmList w;
    fakeoci::setResult({Column{"OBJECT_NAME", 1, 128}}, {});
    w.cbInv->setChecked(false);
    w.edSearch->setText("A'B%");
    w.cmbTypeChange();
    EXPECT_EQ(fakeoci::parsedStatements().back(),
              "SELECT OBJECT_NAME FROM USER_OBJECTS WHERE OBJECT_TYPE = 'PACKAGE' AND "
              "OBJECT_NAME LIKE 'A''B%'");
}

// Rows enough that the load is still running when the events queued below are handled.
void scriptLongNameList(int count) {
    fakeoci::Rows rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({"NAME_" + std::to_string(i)});
    fakeoci::setResult({Column{"OBJECT_NAME", 1, 128}}, rows);
}

TEST_F(Startup, EscDuringLoadKeepsNamesSoFarAndEnablesControls) {
    scriptBrowser({"PACKAGE"}, {"P1"});
    answers.logOn("SCOTT", "TIGER", "");
    TfmList w;
    w.show();
    scriptLongNameList(500);
    QTimer::singleShot(0, &w, [&] { QTest::keyClick(&w, Qt::Key_Escape); });
    w.pbReloadClick();
    EXPECT_GE(w.lbName->count(), 1);
    EXPECT_LT(w.lbName->count(), 500);
    EXPECT_TRUE(w.lbName->isEnabled());
    EXPECT_EQ(w.lbName->selectedText(), "NAME_0");
    // The Esc is not remembered: the next load lists every name.
    w.pbReloadClick();
    EXPECT_EQ(w.lbName->count(), 500);
}

TEST_F(Startup, CloseAndHandlersDuringLoadAreRefused) {
    scriptBrowser({"PACKAGE"}, {"P1"});
    answers.logOn("SCOTT", "TIGER", "");
    TfmList w;
    w.show();
    scriptLongNameList(300);
    bool stillVisible = false;
    int parsesDuringLoad = -1;
    QTimer::singleShot(0, &w, [&] {
        const int before = fakeoci::callCount("oparse");
        w.close();
        w.cbInvClick();
        w.cmbTypeChange();
        w.pbViewClick();
        stillVisible = w.isVisible();
        parsesDuringLoad = fakeoci::callCount("oparse") - before;
    });
    w.pbReloadClick();
    EXPECT_TRUE(stillVisible);
    EXPECT_EQ(parsesDuringLoad, 0);
    EXPECT_EQ(w.lbName->count(), 300);
    w.close(); // after the load the same action closes it
    EXPECT_FALSE(w.isVisible());
}

TEST_F(Startup, ReconnectDuringLoadEndsTheLoadBeforeLoggingOff) {
    scriptBrowser({"PACKAGE"}, {"P1"});
    answers.logOn("SCOTT", "TIGER", "");
    TfmList w;
    w.show();
    scriptLongNameList(400);
    bool connectedRightAfterClick = false;
    QTimer::singleShot(0, &w, [&] {
        answers.cancelLogon();
        w.pbLoginClick();
        connectedRightAfterClick = w.OCI->Connected();
    });
    w.pbReloadClick();
    EXPECT_TRUE(connectedRightAfterClick); // nothing was freed under the running load
    EXPECT_LT(w.lbName->count(), 400);
    EXPECT_TRUE(waitUntil([&] { return !w.OCI->Connected(); })); // then the reconnect ran
    EXPECT_EQ(w.lbName->count(), 0);
}

// Whatever the user does with mouse and keys in the name list, a name stays selected while
// the show button can act, and the view is handed that name, never an empty one.
TEST_F(Startup, ANameStaysSelectedWhateverTheClickSoTheViewNeverGetsAnEmptyName) {
    scriptBrowser({"PACKAGE"}, {"ALPHA", "BETA", "GAMMA"});
    answers.logOn("SCOTT", "TIGER", "");
    TfmList w;
    TfmView view(w.OCIcur, w.OCI);
    w.setView(&view);
    w.show();
    QListView *list = w.lbName;
    const auto rowCentre = [list](int row) {
        return list->visualRect(list->model()->index(row, 0)).center();
    };
    const QPoint belowLastName(rowCentre(2).x(), rowCentre(2).y() + 3 * list->sizeHintForRow(0));
    ASSERT_FALSE(list->indexAt(belowLastName).isValid());
    struct Action {
        const char *what;
        std::function<void()> act;
        QString selected;
    } actions[] = {
        {"click below the last name",
         [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, belowLastName); }, "ALPHA"},
        {"Ctrl+click on the selected name",
         [&] {
             QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(0));
         },
         "ALPHA"},
        {"Ctrl+Space on the selected name",
         [&] { QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier); }, "ALPHA"},
        {"click on another name",
         [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(1)); }, "BETA"},
        {"Ctrl+click below the last name",
         [&] {
             QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                               belowLastName);
         },
         "BETA"},
        {"double click below the last name",
         [&] { QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, belowLastName); }, "BETA"},
    };
    for (const Action &action : actions) {
        SCOPED_TRACE(action.what);
        list->setFocus();
        action.act();
        EXPECT_EQ(w.lbName->selectedText(), action.selected);
        ASSERT_TRUE(w.pbView->isEnabled());
        fakeoci::setResult({Column{"LINE", 2, 22}, Column{"SOURCE_TEXT", 1, 4000}}, {});
        w.pbView->click();
        EXPECT_EQ(view.ObjName, action.selected.toUtf8());
    }
    for (const std::string &statement : fakeoci::parsedStatements())
        EXPECT_EQ(statement.find("USER_SOURCE.NAME = ''"), std::string::npos) << statement;
}

// Details of the window description that Qt does differently unless told: the filter's text
// is not selected when the focus arrives, the type selector shows the window colour when
// enabled and the button face when disabled (also under Fusion, which paints such a list with
// the button colour), and the items of both lists are 12 pixels high.
TEST_F(Startup, LayoutDetailsOfTheSelectors) {
    scriptBrowser({"PACKAGE", "FUNCTION"}, {"ALPHA", "BETA"});
    answers.logOn("SCOTT", "TIGER", "");
    TfmList w;
    w.show();
    QApplication::setActiveWindow(&w);

    w.edSearch->setText("PK%");
    w.edSearch->setCursorPosition(1);
    struct Focus {
        const char *how;
        std::function<void()> move;
    } arrivals[] = {
        {"Tab from the reload button",
         [&] {
             w.pbReload->setFocus();
             QTest::keyClick(w.pbReload, Qt::Key_Tab);
         }},
        {"Shift+Tab from the search button",
         [&] {
             w.pbSearch->setFocus();
             QTest::keyClick(w.pbSearch, Qt::Key_Backtab);
         }},
        {"Alt+S, the label's accelerator",
         [&] {
             w.cbInv->setFocus();
             QTest::keyClick(&w, Qt::Key_S, Qt::AltModifier);
         }},
    };
    for (const Focus &arrival : arrivals) {
        SCOPED_TRACE(arrival.how);
        arrival.move();
        ASSERT_EQ(QApplication::focusWidget(), w.edSearch);
        EXPECT_FALSE(w.edSearch->hasSelectedText());
        EXPECT_EQ(w.edSearch->text(), "PK%");
    }

    // Colours far apart, so that the style's shading cannot blur which one is shown.
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Button, QColor(96, 96, 96));
    QApplication::setPalette(palette);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    w.cmbType->setStyle(fusion.get());
    const auto fillOf = [&w] {
        const QImage image = w.cmbType->grab().toImage();
        return QColor(image.pixel(image.width() / 3, image.height() / 2));
    };
    for (bool enabled : {true, false, true}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        w.EnableControls(enabled);
        const QColor expected = enabled ? Qt::white : QColor(96, 96, 96);
        const QColor shown = fillOf();
        EXPECT_LT(std::abs(shown.lightness() - expected.lightness()), 24)
            << shown.name().toStdString();
    }
    w.cmbType->setStyle(nullptr);
    QApplication::setPalette(QPalette());

    EXPECT_EQ(w.lbName->sizeHintForRow(0), 12);
    EXPECT_EQ(w.lbName->visualRect(w.lbName->model()->index(1, 0)).height(), 12);
    EXPECT_EQ(w.cmbType->view()->sizeHintForRow(0), 12);
}

} // namespace

namespace {

// The items are 12 pixels high, less than a line of the window's font: still, the underscores
// of a name are shown (cut off, NET_PAY would read as NET PAY).
TEST_F(Startup, AnUnderscoreInANameIsNeverCutOff) {
    scriptBrowser({"PACKAGE"}, {"SELECTED", "________"});
    answers.logOn("SCOTT", "TIGER", "");
    TfmList w;
    w.show();
    ASSERT_EQ(w.lbName->selectedText(), "SELECTED");
    const QImage row = w.lbName->viewport()->grab().toImage().copy(
        w.lbName->visualRect(w.lbName->model()->index(1, 0)));
    ASSERT_EQ(row.height(), 12);
    const QRgb background = row.pixel(row.width() - 1, row.height() / 2);
    int inked = 0;
    for (int y = 0; y < row.height(); ++y) {
        for (int x = 0; x < row.width(); ++x)
            inked += row.pixel(x, y) != background;
    }
    EXPECT_GT(inked, 0);
}

} // namespace
