// LoadSource against the embedded client library and its demo database, logged on as
// SCOTT/TIGER: units with errors, tabs and multi-line error texts, a long body, a name with a
// quote, a failed load and the hand-over. Each run starts from a fresh database.

#include "view_fixture.h"

#include "cursor/tocicur.h"
#include "ocilite/engine/connect_string.h"
#include "ocilite/engine/database.h"
#include "session/toci.h"
#include "viewer/fmview.h"
#include "viewer/sourcegrid.h"

#include <QDir>
#include <QLabel>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace viewtest;

std::string longBody(int lines) {
    std::string text = "CREATE OR REPLACE PACKAGE BODY long_body AS\n";
    for (int line = 2; line < lines; ++line)
        text += "  -- line " + std::to_string(line) + "\n";
    text += "END long_body;";
    return text;
}

// The units the tests read, created once through the engine as SCOTT's.
void createUnits() {
    {
        // The first logon creates the default database with the demo schema.
        QObject owner;
        auto *ctrl = new TOCIctrl(&owner);
        ASSERT_TRUE(ctrl->Active()) << ctrl->ErrMsg.constData();
        ctrl->UserID = "SCOTT";
        ctrl->Password = "TIGER";
        ASSERT_TRUE(ctrl->Connect()) << ctrl->ErrMsg.constData();
        ctrl->DisConnect();
    }
    std::string error;
    auto db = ocilite::Database::open(ocilite::defaultDatabasePath(), false, error);
    ASSERT_TRUE(db) << error;
    auto run = [&](const std::string &sql) {
        ASSERT_TRUE(db->execute("SCOTT", sql, error)) << error;
    };
    run("CREATE OR REPLACE PACKAGE two_errs AS\n  PROCEDURE p;\nEND two_errs;");
    run("CREATE OR REPLACE PACKAGE BODY two_errs AS\n"
        "  PROCEDURE p IS\n"
        "  BEGIN\n"
        "    x := y;\n"
        "    z := 1;\n"
        "  END p;\n"
        "END two_errs;");
    // Sequence 1 is on line 5, after the two errors of line 4 in line order.
    ASSERT_TRUE(db->setCompileErrors("SCOTT", "PACKAGE BODY", "TWO_ERRS",
                                     {{5, 5, "PLS-00201: identifier 'Z' must be declared"},
                                      {4, 5, "PLS-00201: identifier 'X' must be declared"},
                                      {4, 10, "PLS-00201: identifier 'Y' must be declared"}},
                                     error))
        << error;
    run("CREATE OR REPLACE PROCEDURE tabbed IS\nBEGIN\n\tnull;\tnull;\nEND tabbed;");
    ASSERT_TRUE(db->setCompileErrors(
        "SCOTT", "PROCEDURE", "TABBED",
        {{3, 2,
          "PLS-00103: Encountered the symbol \"NULL\" when expecting one of the following:\n\n"
          "   begin case declare end\n"}},
        error))
        << error;
    run("CREATE OR REPLACE PACKAGE long_body AS\nEND long_body;");
    run(longBody(1500));
}

// The view over SCOTT's session on a default database made afresh for this suite.
class DemoLoad : public ViewOverSession {
protected:
    static void SetUpTestSuite() {
        testsupport::clearDataHome();
        createUnits();
    }

    // Grid rows of one source line.
    std::vector<int> rowsOfLine(const char *lineNumber) const {
        std::vector<int> rows;
        for (int r = 1; r < grid->rowCount(); ++r)
            if (grid->cell(0, r) == lineNumber)
                rows.push_back(r);
        return rows;
    }
};

TEST_F(DemoLoad, ALineWithTwoErrorsTakesTwoRowsAndSequenceOneIsCurrent) {
    load("TWO_ERRS", "PACKAGE BODY");
    ASSERT_TRUE(answerer.messages.isEmpty()) << answerer.messages.join('\n').toStdString();
    EXPECT_EQ(grid->cell(1, 0), "SOURCE_TEXT");
    EXPECT_EQ(grid->cell(4, 0), "ERROR_MESSAGE");
    EXPECT_EQ(grid->rowCount(), 1 + 7 + 1); // seven lines, line 4 twice
    const std::vector<int> line4 = rowsOfLine("4");
    ASSERT_EQ(line4.size(), 2u);
    for (int r : line4)
        EXPECT_EQ(grid->cell(1, r), "    x := y; ");
    QByteArrayList sequences = {grid->cell(2, line4[0]).toByteArray(),
                                grid->cell(2, line4[1]).toByteArray()};
    std::sort(sequences.begin(), sequences.end());
    EXPECT_EQ(sequences, (QByteArrayList{"2", "3"}));
    const std::vector<int> line5 = rowsOfLine("5");
    ASSERT_EQ(line5.size(), 1u);
    EXPECT_EQ(grid->currentRow(), line5[0]);
    EXPECT_EQ(grid->cell(3, line5[0]), "5");
    EXPECT_EQ(grid->cell(4, line5[0]), "PLS-00201: identifier 'Z' must be declared");
}

TEST_F(DemoLoad, TabsAndLineFeedsAreShownAsBlanks) {
    load("TABBED", "PROCEDURE");
    ASSERT_TRUE(answerer.messages.isEmpty()) << answerer.messages.join('\n').toStdString();
    const std::vector<int> line3 = rowsOfLine("3");
    ASSERT_EQ(line3.size(), 1u);
    const int r = line3[0];
    EXPECT_EQ(grid->cell(1, r), " null; null; ");
    EXPECT_EQ(grid->cell(4, r), "PLS-00103: Encountered the symbol \"NULL\" when expecting one "
                                "of the following:     begin case declare end ");
    EXPECT_EQ(grid->currentRow(), r);
    EXPECT_EQ(grid->colWidth(4),
              grid->textWidth("PLS-00103: Encountered the symbol \"NULL\" when expecting one "
                              "of the following:\n\n   begin case declare end\n") +
                  5);
}

TEST_F(DemoLoad, ALongBodyWithoutErrorsFillsEveryLineAndLeavesTheCurrentRow) {
    load("LONG_BODY", "PACKAGE BODY");
    ASSERT_TRUE(answerer.messages.isEmpty()) << answerer.messages.join('\n').toStdString();
    ASSERT_EQ(grid->rowCount(), 1501);
    EXPECT_EQ(grid->cell(0, 1500), "1500");
    EXPECT_TRUE(grid->cell(1, 1500).startsWith("END long_body;"));
    EXPECT_EQ(grid->cell(1, 1499), "  -- line 1499 ");
    for (int r = 1; r <= 1500; ++r) {
        ASSERT_TRUE(grid->cell(2, r).isEmpty() && grid->cell(3, r).isEmpty() &&
                    grid->cell(4, r).isEmpty())
            << r;
    }
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->colWidth(4), grid->textWidth("ERROR_MESSAGE") + 5);
}

TEST_F(DemoLoad, AQuoteInTheNameFindsNothingInsteadOfBreakingTheStatement) {
    load("TWO_ERRS' OR 'X'='X", "PACKAGE BODY");
    EXPECT_TRUE(answerer.messages.isEmpty()) << answerer.messages.join('\n').toStdString();
    EXPECT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->cell(1, 0), "SOURCE_TEXT");
}

// Logged off, the statement never reaches the library and the session holds no text for it:
// the message box says what the cursor says, never nothing.
TEST_F(DemoLoad, AFailedLoadKeepsTheHeaderAndFirstRowAndSaysWhy) {
    load("TWO_ERRS", "PACKAGE BODY");
    const QByteArray firstRow = grid->cell(1, 1).toByteArray();
    ASSERT_FALSE(firstRow.isEmpty());
    // The connection is lost while the view is open.
    ASSERT_TRUE(ctrl->DisConnect());
    load("TABBED", "PROCEDURE");
    ASSERT_EQ(answerer.messages.size(), 1);
    EXPECT_EQ(answerer.messages.first(), QString::fromUtf8("接続されていません。"));
    EXPECT_EQ(answerer.captions.first(), "Velmora");
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->cell(1, 0), "SOURCE_TEXT");
    EXPECT_EQ(grid->cell(1, 1), firstRow);
    // A later refresh tries again.
    ASSERT_TRUE(ctrl->Connect()) << ctrl->ErrMsg.constData();
    view->pbRefClick();
    EXPECT_EQ(answerer.messages.size(), 1);
    EXPECT_EQ(rowsOfLine("3").size(), 1u);
    EXPECT_EQ(grid->cell(1, 1), "PROCEDURE tabbed IS ");
}

TEST_F(DemoLoad, HandingOverAnotherUnitReloadsTheOpenView) {
    view->ObjName = "TWO_ERRS";
    view->ObjType = "PACKAGE BODY";
    view->show();
    EXPECT_EQ(grid->rowCount(), 9);
    view->close();
    view->ObjName = "LONG_BODY";
    view->show();
    EXPECT_EQ(grid->rowCount(), 1501);
    EXPECT_EQ(view->edObjName->text(), "LONG_BODY");
    EXPECT_EQ(view->edObjType->text(), "PACKAGE BODY");
    EXPECT_TRUE(answerer.messages.isEmpty()) << answerer.messages.join('\n').toStdString();
}

} // namespace
