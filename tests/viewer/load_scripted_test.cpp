// LoadSource over the scripted client library: the statement as sent, the fill, the tidying
// and sizing, the row-count growth, failures of the statement and of a fetch part-way, the
// refresh held back during the main window's name load, and the hand-over.

#include "view_fixture.h"

#include "cursor/tocicur.h"
#include "fakeoci.h"
#include "session/toci.h"
#include "viewer/fmview.h"
#include "viewer/sourcegrid.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using namespace viewtest;
using fakeoci::Value;

std::vector<fakeoci::Column> sourceColumns() {
    auto column = [](const char *name, int type, int size) {
        fakeoci::Column c;
        c.name = name;
        c.dbtype = type;
        c.dbsize = size;
        return c;
    };
    return {column("LINE", OCIV7_TYPE_NUMBER, 22), column("SOURCE_TEXT", OCIV7_TYPE_VARCHAR2, 4000),
            column("SEQUENCE", OCIV7_TYPE_NUMBER, 22), column("POSITION", OCIV7_TYPE_NUMBER, 22),
            column("ERROR_MESSAGE", OCIV7_TYPE_VARCHAR2, 4000)};
}

std::vector<Value> line(int number, const std::string &text) {
    return {std::to_string(number), text, std::nullopt, std::nullopt, std::nullopt};
}

std::vector<Value> error(int number, const std::string &text, int sequence, int position,
                         const std::string &message) {
    return {std::to_string(number), text, std::to_string(sequence), std::to_string(position),
            message};
}

fakeoci::Rows numberedLines(int count) {
    fakeoci::Rows rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back(line(i, "  null; -- line " + std::to_string(i) + "\n"));
    return rows;
}

QByteArrayList gridRow(const SourceGrid *grid, int row) {
    QByteArrayList out;
    for (int c = 0; c < grid->colCount(); ++c)
        out << grid->cell(c, row).toByteArray();
    return out;
}

const QByteArrayList header = {"LINE", "SOURCE_TEXT", "SEQUENCE", "POSITION", "ERROR_MESSAGE"};

// The view over a session logged on through the scripted library, whose record of calls
// starts after the logon.
class ScriptedLoad : public ViewOverSession {
protected:
    void SetUp() override {
        fakeoci::reset();
        ViewOverSession::SetUp();
        fakeoci::reset();
    }
};

TEST_F(ScriptedLoad, TheStatementIsBuiltPieceByPieceWithQuotesDoubled) {
    const std::string head =
        "select USER_SOURCE.LINE, USER_SOURCE.TEXT SOURCE_TEXT,USER_ERRORS.SEQUENCE, "
        "USER_ERRORS.POSITION, USER_ERRORS.TEXT ERROR_MESSAGE from USER_SOURCE, USER_ERRORS "
        "where USER_SOURCE.NAME = USER_ERRORS.NAME(+) AND USER_SOURCE.TYPE = "
        "USER_ERRORS.TYPE(+) AND USER_SOURCE.LINE = USER_ERRORS.LINE(+) AND ";
    struct Case {
        const char *name, *type, *condition;
    } cases[] = {
        {"ORDERS_PKG", "PACKAGE BODY",
         "USER_SOURCE.NAME = 'ORDERS_PKG' AND USER_SOURCE.TYPE = 'PACKAGE BODY' order by LINE"},
        {"A'B", "PACKAGE",
         "USER_SOURCE.NAME = 'A''B' AND USER_SOURCE.TYPE = 'PACKAGE' order by LINE"},
        {"X' OR '1'='1", "O'",
         "USER_SOURCE.NAME = 'X'' OR ''1''=''1' AND USER_SOURCE.TYPE = 'O''' order by LINE"},
        {"", "", "USER_SOURCE.NAME = '' AND USER_SOURCE.TYPE = '' order by LINE"},
    };
    for (const Case &c : cases) {
        fakeoci::reset();
        fakeoci::setResult(sourceColumns(), {});
        load(c.name, c.type);
        ASSERT_EQ(fakeoci::parsedStatements().size(), 1u) << c.name;
        EXPECT_EQ(fakeoci::parsedStatements().back(), head + c.condition);
        EXPECT_EQ(view->edObjName->text(), QString::fromUtf8(c.name));
        EXPECT_EQ(view->edObjType->text(), QString::fromUtf8(c.type));
    }
    EXPECT_TRUE(answerer.messages.isEmpty());
}

TEST_F(ScriptedLoad, RowsAreTidiedSizedAndTheFirstErrorBecomesCurrent) {
    fakeoci::setResult(
        sourceColumns(),
        {line(1, "iiiiiiiiiiiiiiiiiiii\n"), line(2, "WWWWWWWWWWWWWWWWWWWW\n"),
         line(3, "\tx\t:= 1;\n"), error(4, "  y := z;\n", 2, 3, "PL/SQL: Statement ignored"),
         error(4, "  y := z;\n", 1, 8, "PLS-00201: identifier 'Z' must be\ndeclared\n"),
         line(5, "end;")});
    grid->setColWidth(2, 77);
    load("TABS_PKG", "PACKAGE BODY");

    EXPECT_TRUE(answerer.messages.isEmpty());
    ASSERT_EQ(grid->rowCount(), 7);
    EXPECT_EQ(gridRow(grid, 0), header);
    EXPECT_EQ(gridRow(grid, 3), (QByteArrayList{"3", " x := 1; ", "", "", ""}));
    EXPECT_EQ(gridRow(grid, 4),
              (QByteArrayList{"4", "  y := z; ", "2", "3", "PL/SQL: Statement ignored"}));
    EXPECT_EQ(gridRow(grid, 5), (QByteArrayList{"4", "  y := z; ", "1", "8",
                                                "PLS-00201: identifier 'Z' must be declared "}));
    EXPECT_EQ(gridRow(grid, 6), (QByteArrayList{"5", "end;", "", "", ""}));
    EXPECT_EQ(grid->currentRow(), 5);
    EXPECT_EQ(grid->selectionModel()->selectedIndexes().size(), 1);

    // Widths: the longest text by bytes, the first of equally long ones, plus 5 pixels.
    EXPECT_EQ(grid->colWidth(0), 50);
    EXPECT_EQ(grid->colWidth(1), grid->textWidth("iiiiiiiiiiiiiiiiiiii\n") + 5);
    EXPECT_EQ(grid->colWidth(4),
              grid->textWidth("PLS-00201: identifier 'Z' must be\ndeclared\n") + 5);
    EXPECT_EQ(grid->colWidth(2), 77);
    EXPECT_EQ(grid->colWidth(3), 60);

    // Cells are copied as shown.
    grid->setCurrentCell(1, 3);
    view->sgSourceKeyDown(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), " x := 1; \r\n");
}

TEST_F(ScriptedLoad, HeaderNamesSetTheLeastWidthAndNoErrorLeavesTheCurrentRow) {
    fakeoci::setResult(sourceColumns(), {line(1, "a"), line(2, "b"), line(3, "c")});
    grid->setCurrentCell(3, 2);
    load("SHORT", "PROCEDURE");
    EXPECT_EQ(grid->colWidth(1), grid->textWidth("SOURCE_TEXT") + 5);
    EXPECT_EQ(grid->colWidth(4), grid->textWidth("ERROR_MESSAGE") + 5);
    EXPECT_EQ(grid->currentRow(), 1); // cut to the two rows before the statement ran
}

TEST_F(ScriptedLoad, TheRowCountGrowsAThousandAtATimeAndEndsExact) {
    fakeoci::setResult(sourceColumns(), numberedLines(2500));
    QSignalSpy inserted(grid->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(grid->model(), &QAbstractItemModel::rowsRemoved);
    load("BIG", "PACKAGE BODY");
    std::vector<std::pair<int, int>> growth;
    for (const auto &args : inserted)
        growth.emplace_back(args.at(1).toInt(), args.at(2).toInt());
    EXPECT_EQ(growth, (std::vector<std::pair<int, int>>{{2, 1001}, {1002, 2001}, {2002, 3001}}));
    ASSERT_FALSE(removed.isEmpty());
    EXPECT_EQ(removed.last().at(1).toInt(), 2501);
    EXPECT_EQ(removed.last().at(2).toInt(), 3001);
    EXPECT_EQ(grid->rowCount(), 2501);
    EXPECT_EQ(grid->cell(0, 2500), "2500");
}

TEST_F(ScriptedLoad, AUnitWithoutSourceKeepsTheHeaderRowOnly) {
    fakeoci::setResult(sourceColumns(), numberedLines(3));
    load("FIRST", "PACKAGE");
    fakeoci::setResult(sourceColumns(), {});
    load("EMPTY", "PACKAGE");
    EXPECT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(gridRow(grid, 0), header);
    EXPECT_EQ(grid->currentRow(), -1);
    EXPECT_TRUE(answerer.messages.isEmpty());
}

TEST_F(ScriptedLoad, AFailedStatementShowsTheSessionsTextAndKeepsTheFirstRows) {
    fakeoci::setResult(sourceColumns(), numberedLines(10));
    load("GOOD", "PACKAGE BODY");
    const QByteArrayList firstRow = gridRow(grid, 1);
    fakeoci::setErrorText(942, "ORA-00942: table or view does not exist");
    fakeoci::failNext("oparse", 942);
    load("BAD", "PACKAGE BODY");
    ASSERT_EQ(answerer.messages.size(), 1);
    EXPECT_EQ(answerer.messages.first(), QString::fromUtf8(ctrl->ErrMsg));
    EXPECT_TRUE(answerer.messages.first().contains("ORA-00942: table or view does not exist"));
    EXPECT_EQ(answerer.captions.first(), "Velmora");
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(gridRow(grid, 0), header);
    EXPECT_EQ(gridRow(grid, 1), firstRow);
    EXPECT_EQ(view->edObjName->text(), "BAD");
}

TEST_F(ScriptedLoad, AFetchFailingPartWayShowsTheRowsReadAndSaysSo) {
    fakeoci::setResult(sourceColumns(), numberedLines(10));
    fakeoci::setErrorText(3113, "ORA-03113: end-of-file on communication channel");
    fakeoci::failAfter("ofetch", 3, 3113);
    load("CUT", "PACKAGE BODY");
    EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->cell(0, 3), "3");
    ASSERT_EQ(answerer.messages.size(), 1);
    EXPECT_TRUE(answerer.messages.first().contains("ソースを最後まで読み込めませんでした"));
    EXPECT_TRUE(
        answerer.messages.first().contains("ORA-03113: end-of-file on communication channel"));

    // The failure's text stays in the cursor, and is not mistaken for a failure next time.
    load("WHOLE", "PACKAGE BODY");
    EXPECT_EQ(grid->rowCount(), 11);
    EXPECT_EQ(answerer.messages.size(), 1);
    EXPECT_TRUE(cur->ErrMsg.contains("ORA-03113"));
}

TEST_F(ScriptedLoad, ARefreshDuringTheNameLoadWaitsForTheLoadToEnd) {
    bool loading = true;
    int endRequests = 0;
    view->setCursorGate([&loading] { return loading; }, [&endRequests] { ++endRequests; });
    fakeoci::setResult(sourceColumns(), numberedLines(5));
    view->ObjName = "LATER";
    view->ObjType = "PACKAGE";
    view->pbRefClick();
    view->pbRefClick();
    // The name load goes on processing events row by row: nothing runs on its cursor.
    for (int row = 0; row < 20; ++row)
        QCoreApplication::processEvents();
    EXPECT_GE(endRequests, 1);
    EXPECT_EQ(fakeoci::callCount("oparse"), 0);
    loading = false;
    QTest::qWait(20);
    EXPECT_EQ(fakeoci::callCount("oparse"), 1); // the two presses make one load
    EXPECT_EQ(grid->rowCount(), 6);
    EXPECT_EQ(view->edObjName->text(), "LATER");
}

TEST_F(ScriptedLoad, EveryHandOverLoadsAfresh) {
    fakeoci::queueResult(sourceColumns(), numberedLines(3));
    fakeoci::queueResult(sourceColumns(), numberedLines(7));
    view->ObjName = "FIRST_PKG";
    view->ObjType = "PACKAGE";
    view->show();
    EXPECT_EQ(grid->rowCount(), 4);
    view->close();
    EXPECT_FALSE(view->isVisible());
    view->ObjName = "SECOND_PKG";
    view->show();
    EXPECT_EQ(grid->rowCount(), 8);
    ASSERT_EQ(fakeoci::parsedStatements().size(), 2u);
    EXPECT_NE(fakeoci::parsedStatements().back().find("'SECOND_PKG'"), std::string::npos);
    EXPECT_EQ(view->edObjName->text(), "SECOND_PKG");
}

// Line numbers are never shown cut: column 0 keeps its 50 pixels while the widest number fits
// the fixed cell's text area, and widens to fit it otherwise, after each load and each change
// of font.
TEST_F(ScriptedLoad, TheLineNumberColumnWidensForNumbersThatWouldNotFit) {
    struct Case {
        int points;
        std::vector<int> lines;
    } cases[] = {
        {9, {1, 2, 9}},         {9, {99995, 99996}},   {16, {1, 2, 9}},
        {16, {99995, 99996}},   {16, {99999, 100000}}, {24, {999999, 1000000}},
        {9, {999999, 1000000}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.points) + " pt, last line " + std::to_string(c.lines.back()));
        answerer.answerNext([&](QDialog *dialog) {
            auto *fontDialog = qobject_cast<QFontDialog *>(dialog);
            QFont font = fontDialog->currentFont();
            font.setPointSize(c.points);
            fontDialog->setCurrentFont(font);
            dialog->accept();
        });
        view->pbFontClick();
        fakeoci::Rows rows;
        for (int number : c.lines)
            rows.push_back(line(number, "x\n"));
        fakeoci::setResult(sourceColumns(), rows);
        load("BIG", "PACKAGE BODY");
        ASSERT_EQ(grid->rowCount(), static_cast<int>(c.lines.size()) + 1);
        // The fixed cell draws its text 2 pixels in and keeps 1 for the grid line.
        const QFontMetrics metrics(grid->font());
        int widest = 0;
        for (int number : c.lines)
            widest = std::max(widest, metrics.horizontalAdvance(QString::number(number)));
        EXPECT_GE(grid->colWidth(0) - 3, widest);
        if (widest + 5 <= 50)
            EXPECT_EQ(grid->colWidth(0), 50);
        else
            EXPECT_LE(grid->colWidth(0), widest + 5 + metrics.maxWidth());
    }
    // A smaller font after a load narrows the column again without a reload.
    answerer.answerNext([](QDialog *dialog) {
        auto *fontDialog = qobject_cast<QFontDialog *>(dialog);
        QFont font = fontDialog->currentFont();
        font.setPointSize(6);
        fontDialog->setCurrentFont(font);
        dialog->accept();
    });
    view->pbFontClick();
    EXPECT_EQ(grid->colWidth(0), 50);
}

// Each load of a different object starts scrolled fully left, its first error's row scrolled
// into view however far down it is; a refresh of the same object is not sent back there.
TEST_F(ScriptedLoad, ANewObjectOpensAtItsLeftEdge) {
    view->show();
    const std::string wide(600, 'w');
    fakeoci::Rows rows = numberedLines(300);
    rows.push_back(error(301, wide + "\n", 1, 590, "PLS-00103: " + wide));
    fakeoci::setResult(sourceColumns(), rows);
    QScrollBar *across = grid->horizontalScrollBar();
    load("FIRST", "PACKAGE BODY");
    QCoreApplication::processEvents(); // the scroll bars follow the new column widths
    struct Step {
        const char *name;
        bool sameObject;
    } steps[] = {{"FIRST", true}, {"SECOND", false}, {"SECOND", true}, {"FIRST", false}};
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        ASSERT_GT(across->maximum(), 0);
        grid->setCurrentCell(4, 5);
        across->setValue(across->maximum());
        load(step.name, "PACKAGE BODY");
        QCoreApplication::processEvents();
        if (step.sameObject)
            EXPECT_GT(across->value(), across->minimum());
        else
            EXPECT_EQ(across->value(), across->minimum());
        ASSERT_EQ(grid->currentRow(), 301);
        const QRect errorRow = grid->visualRect(grid->model()->index(301, 1));
        EXPECT_TRUE(errorRow.top() >= 0 && errorRow.bottom() <= grid->viewport()->height());
    }
}

} // namespace

namespace {

// Lines 1 to 10 with errors on lines 3 (SEQUENCE 2), 5 (1 and 3) and 9 (4): the error rows are
// grid rows 3, 5, 6 and 10, the first error (SEQUENCE 1) row 5.
fakeoci::Rows unitWithErrors() {
    fakeoci::Rows rows;
    for (int n = 1; n <= 10; ++n) {
        const std::string text = "  stmt" + std::to_string(n) + ";\n";
        if (n == 3)
            rows.push_back(error(n, text, 2, 3, "PLS-00201: identifier 'A' must be declared"));
        else if (n == 5) {
            rows.push_back(error(n, text, 1, 3, "PLS-00201: identifier 'B' must be declared"));
            rows.push_back(error(n, text, 3, 9, "PL/SQL: Statement ignored"));
        } else if (n == 9)
            rows.push_back(error(n, text, 4, 1,
                                 "PLS-00103: Encountered the symbol \"<\" when expecting one of "
                                 "the following:\n\n   <an identifier> <a double-quoted\n"));
        else
            rows.push_back(line(n, text));
    }
    return rows;
}

} // namespace

// F8 and Shift+F8 move the current row to the next and the previous error row, wrapping around
// at the ends, in the current column, with the selection shrunk to that cell; in a unit without
// errors nothing moves.
TEST_F(ScriptedLoad, F8AndShiftF8StepThroughTheErrorsAndWrapAround) {
    fakeoci::setResult(sourceColumns(), unitWithErrors());
    view->ObjName = "STEPS";
    view->ObjType = "PACKAGE BODY";
    view->show();
    QApplication::setActiveWindow(view.get());
    ASSERT_EQ(grid->rowCount(), 12);
    ASSERT_EQ(grid->currentRow(), 5);
    struct Step {
        const char *what;
        Qt::KeyboardModifiers modifiers;
        int startRow, startCol; // 0: where the previous step left it
        int row, col;
    } steps[] = {
        {"F8 from the first error", Qt::NoModifier, 0, 0, 6, 1},
        {"F8 to the last error", Qt::NoModifier, 0, 0, 10, 1},
        {"F8 wraps to the top", Qt::NoModifier, 0, 0, 3, 1},
        {"Shift+F8 wraps to the bottom", Qt::ShiftModifier, 0, 0, 10, 1},
        {"Shift+F8 back", Qt::ShiftModifier, 0, 0, 6, 1},
        {"F8 from a line between errors", Qt::NoModifier, 8, 4, 10, 4},
        {"Shift+F8 from a line between errors", Qt::ShiftModifier, 8, 2, 6, 2},
        {"F8 from above the first error row", Qt::NoModifier, 1, 3, 3, 3},
        {"Shift+F8 from below the last error row", Qt::ShiftModifier, 11, 1, 10, 1},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        if (step.startRow > 0)
            grid->setCurrentCell(step.startCol, step.startRow);
        QTest::keyClick(grid, Qt::Key_F8, step.modifiers);
        EXPECT_EQ(grid->currentRow(), step.row);
        EXPECT_EQ(grid->currentCol(), step.col);
        EXPECT_EQ(grid->selectionModel()->selectedIndexes().size(), 1);
    }
    // A selection of several cells shrinks to the error's cell.
    grid->selectAll();
    QTest::keyClick(grid, Qt::Key_F8);
    EXPECT_EQ(grid->selectionModel()->selectedIndexes().size(), 1);

    // Without errors: F8 and Shift+F8 leave the current cell where it is.
    fakeoci::setResult(sourceColumns(), numberedLines(6));
    view->pbRefClick();
    grid->setCurrentCell(2, 4);
    for (Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
        QTest::keyClick(grid, Qt::Key_F8, modifiers);
        EXPECT_EQ(grid->currentRow(), 4);
        EXPECT_EQ(grid->currentCol(), 2);
    }
    EXPECT_TRUE(answerer.messages.isEmpty());
}

// An error's whole text, line feeds and blanks kept, is the tooltip of its ERROR_MESSAGE cell
// (also where it holds what looks like markup); other cells have none, and a reload of a unit
// without errors leaves none behind.
TEST_F(ScriptedLoad, AnErrorsWholeTextIsItsMessageCellsTooltip) {
    fakeoci::setResult(sourceColumns(), unitWithErrors());
    load("TIPS", "PACKAGE BODY");
    const auto tipAsShown = [this](int col, int row) {
        const QVariant tip = grid->model()->data(grid->model()->index(row, col), Qt::ToolTipRole);
        if (!tip.isValid())
            return QString();
        QTextDocument document;
        document.setHtml(tip.toString());
        return document.toPlainText();
    };
    EXPECT_EQ(tipAsShown(4, 10), QString("PLS-00103: Encountered the symbol \"<\" when expecting "
                                         "one of the following:\n\n   <an identifier> <a "
                                         "double-quoted"));
    EXPECT_EQ(grid->cell(4, 10).indexOf('\n'), -1); // the cell itself shows one line
    EXPECT_EQ(tipAsShown(4, 5), "PLS-00201: identifier 'B' must be declared");
    EXPECT_EQ(tipAsShown(4, 6), "PL/SQL: Statement ignored");
    for (const auto &[col, row] : std::vector<std::pair<int, int>>{{4, 4}, {1, 10}, {2, 10}})
        EXPECT_EQ(tipAsShown(col, row), "") << col << "," << row;

    fakeoci::setResult(sourceColumns(), numberedLines(12));
    load("TIPS", "PACKAGE BODY");
    for (int row = 1; row < grid->rowCount(); ++row)
        EXPECT_EQ(tipAsShown(4, row), "") << row;
}

// Every call a refresh makes is failed in turn at each of its call sites (found by a refresh
// without a failure), once with the error's text and once with a library that has no text for
// it: one message box that is never empty and says that the source is cut short where a fetch
// failed, only rows as the database holds them, and a refresh that works again afterwards.
TEST_F(ScriptedLoad, EveryFailingCallOfARefreshIsToldAndOnlyWhatWasReadIsShown) {
    constexpr int fault = 1578;
    const std::string faultText = "ORA-01578: ORACLE data block corrupted (file # 4, block # 12)";
    fakeoci::setResult(sourceColumns(), unitWithErrors());
    load("SITES", "PACKAGE BODY");
    std::vector<QByteArrayList> whole;
    for (int r = 0; r < grid->rowCount(); ++r)
        whole.push_back(gridRow(grid, r));
    const std::size_t start = fakeoci::calls().size();
    view->pbRefClick();
    const std::vector<fakeoci::CallSite> sites = fakeoci::callSitesSince(start);
    ASSERT_GT(sites.size(), 10u);
    ASSERT_TRUE(answerer.messages.isEmpty());

    for (const fakeoci::CallSite &site : sites) {
        for (bool textLost : {false, true}) {
            SCOPED_TRACE(site.entry + " #" + std::to_string(site.skip + 1) +
                         (textLost ? ", no text" : ""));
            fakeoci::reset();
            fakeoci::setErrorText(fault, faultText);
            fakeoci::setResult(sourceColumns(), unitWithErrors());
            load("SITES", "PACKAGE BODY");
            answerer.messages.clear();
            fakeoci::failAfter(site.entry, site.skip, fault);
            if (textLost)
                fakeoci::failNext("oerhms", 1);
            view->pbRefClick();

            ASSERT_EQ(answerer.messages.size(), 1);
            const QString message = answerer.messages.first();
            EXPECT_TRUE(message.contains("ORA-01578")) << message.toStdString();
            EXPECT_EQ(message.contains(QString::fromUtf8("ソースを最後まで読み込めませんでした")),
                      site.entry == "ofetch");
            ASSERT_LE(grid->rowCount(), static_cast<int>(whole.size()));
            for (int r = 0; r < grid->rowCount(); ++r)
                EXPECT_EQ(gridRow(grid, r), whole[static_cast<std::size_t>(r)]) << r;
            EXPECT_TRUE(view->pbRef->isEnabled());

            view->pbRefClick();
            EXPECT_EQ(grid->rowCount(), static_cast<int>(whole.size()));
            EXPECT_EQ(answerer.messages.size(), 1);
        }
    }
}
