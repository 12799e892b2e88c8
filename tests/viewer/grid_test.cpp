// The string grid: cell addressing with a fixed row and column, row-count changes, batched
// updates, the current cell, and the selection as clipboard text.

#include "viewer/sourcegrid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <malloc.h>

namespace {

QByteArrayList texts(std::initializer_list<const char *> list) {
    QByteArrayList out;
    for (const char *t : list)
        out << QByteArray(t);
    return out;
}

QByteArrayList rowOf(const SourceGrid &grid, int row) {
    QByteArrayList out;
    for (int c = 0; c < grid.colCount(); ++c)
        out << grid.cell(c, row).toByteArray();
    return out;
}

// A grid of `rows` rows whose cell (c, r) reads "c:r".
void fillNumbered(SourceGrid &grid, int rows) {
    grid.setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < grid.colCount(); ++c)
            grid.setCell(c, r, QByteArray::number(c) + ':' + QByteArray::number(r));
}

void select(SourceGrid &grid, int left, int top, int right, int bottom) {
    auto *model = grid.model();
    grid.selectionModel()->setCurrentIndex(model->index(top, left), QItemSelectionModel::NoUpdate);
    grid.selectionModel()->select(
        QItemSelection(model->index(top, left), model->index(bottom, right)),
        QItemSelectionModel::ClearAndSelect);
}

TEST(SourceGrid, SettingARowTakesAsManyEntriesAsFitAndKeepsTheRest) {
    struct Case {
        QByteArrayList list;
        QByteArrayList expected;
    } cases[] = {
        {texts({"a", "b"}), texts({"a", "b", "2:1", "3:1", "4:1"})},
        {texts({"a", "b", "c", "d", "e"}), texts({"a", "b", "c", "d", "e"})},
        {texts({"a", "b", "c", "d", "e", "f", "g"}), texts({"a", "b", "c", "d", "e"})},
        {QByteArrayList{}, texts({"0:1", "1:1", "2:1", "3:1", "4:1"})},
    };
    for (const Case &c : cases) {
        SourceGrid grid(5, 3);
        fillNumbered(grid, 3);
        grid.setRowTexts(1, c.list);
        EXPECT_EQ(rowOf(grid, 1), c.expected) << c.list.join(',').constData();
        EXPECT_EQ(rowOf(grid, 2), texts({"0:2", "1:2", "2:2", "3:2", "4:2"}));
    }
}

TEST(SourceGrid, RowCountChangesKeepLeadingRowsAndAddEmptyOnes) {
    SourceGrid grid(5, 5);
    fillNumbered(grid, 5);
    grid.setRowCount(2);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cell(3, 1), "3:1");
    grid.setRowCount(4);
    EXPECT_EQ(grid.cell(3, 1), "3:1");
    EXPECT_EQ(rowOf(grid, 3), texts({"", "", "", "", ""}));
    // The header row always stays.
    grid.setRowCount(0);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.cell(1, 0), "1:0");
    // Out-of-range cells read empty and writes to them are dropped.
    grid.setCell(1, 7, "lost");
    EXPECT_EQ(grid.cell(1, 7), "");
    EXPECT_EQ(grid.cell(9, 0), "");
}

TEST(SourceGrid, FixedRowAndColumnAreHeadersAndNeverSelectable) {
    SourceGrid grid(5, 3);
    fillNumbered(grid, 3);
    auto *model = grid.model();
    EXPECT_EQ(model->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "2:0");
    EXPECT_EQ(model->headerData(2, Qt::Vertical, Qt::DisplayRole).toString(), "0:2");
    EXPECT_FALSE(model->flags(model->index(0, 2)) & Qt::ItemIsSelectable);
    EXPECT_FALSE(model->flags(model->index(2, 0)) & Qt::ItemIsSelectable);
    EXPECT_TRUE(model->flags(model->index(2, 2)) & Qt::ItemIsSelectable);
    EXPECT_FALSE(model->flags(model->index(2, 2)) & Qt::ItemIsEditable);
    EXPECT_TRUE(grid.isRowHidden(0));
    EXPECT_TRUE(grid.isColumnHidden(0));
    EXPECT_EQ(grid.colWidth(1), SourceGrid::DefaultColumnWidth);
    grid.setColWidth(0, 50);
    EXPECT_EQ(grid.colWidth(0), 50);
    EXPECT_EQ(grid.verticalHeader()->width(), 50);
    // Selecting everything takes only the normal cells.
    grid.selectAll();
    for (const QModelIndex &index : grid.selectionModel()->selectedIndexes())
        EXPECT_TRUE(index.row() > 0 && index.column() > 0);
}

TEST(SourceGrid, RowHeightAppliesToEveryRowAndTheHeaderRow) {
    SourceGrid grid(5, 3);
    fillNumbered(grid, 1000);
    for (int height : {18, 24, 8}) {
        grid.setDefaultRowHeight(height);
        EXPECT_EQ(grid.rowHeight(1), height);
        EXPECT_EQ(grid.rowHeight(999), height);
        EXPECT_EQ(grid.horizontalHeader()->height(), height);
    }
}

TEST(SourceGrid, UpdatesInsideAnUpdateAreAnnouncedOnce) {
    SourceGrid grid(5, 2);
    QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(grid.model(), &QAbstractItemModel::rowsInserted);
    grid.beginUpdate();
    for (int i = 1; i <= 100000; ++i) {
        if (grid.rowCount() < i + 1)
            grid.setRowCount(i + 1000);
        grid.setRowTexts(i, texts({"1", "text", "", "", ""}));
    }
    grid.setRowCount(100001);
    grid.endUpdate();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(inserted.count(), 100);
    EXPECT_EQ(grid.rowCount(), 100001);
    EXPECT_EQ(grid.cell(1, 100000), "text");
}

TEST(SourceGrid, CurrentCellMovesShrinksTheSelectionAndScrollsIntoView) {
    SourceGrid grid(5, 2);
    grid.resize(400, 300);
    grid.show();
    fillNumbered(grid, 5000);
    select(grid, 1, 1, 3, 4);
    grid.setCurrentCell(2, 4200);
    EXPECT_EQ(grid.currentRow(), 4200);
    EXPECT_EQ(grid.currentCol(), 2);
    EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 1);
    const QRect cell = grid.visualRect(grid.model()->index(4200, 2));
    EXPECT_TRUE(grid.viewport()->rect().contains(cell)) << cell.y();
    // Fixed cells cannot become current.
    grid.setCurrentCell(0, 10);
    grid.setCurrentCell(2, 0);
    EXPECT_EQ(grid.currentRow(), 4200);
    // Rows cut off take the current cell with them to the last remaining row.
    grid.setRowCount(2);
    EXPECT_EQ(grid.currentRow(), 1);
}

TEST(SourceGrid, SelectionTextIsTabSeparatedRowsEachEndedByCrLf) {
    SourceGrid grid(5, 2);
    fillNumbered(grid, 6);
    select(grid, 2, 2, 3, 4);
    EXPECT_EQ(grid.selectionText(), "2:2\t3:2\r\n2:3\t3:3\r\n2:4\t3:4\r\n");

    // Only the current cell: its text and CR LF.
    grid.selectionModel()->clearSelection();
    grid.selectionModel()->setCurrentIndex(grid.model()->index(5, 4),
                                           QItemSelectionModel::NoUpdate);
    EXPECT_EQ(grid.selectionText(), "4:5\r\n");

    // Columns come in the order they are shown after the user moved one.
    grid.horizontalHeader()->moveSection(4, 1);
    select(grid, 1, 1, 4, 1);
    EXPECT_EQ(grid.selectionText(), "4:1\t1:1\t2:1\t3:1\r\n");
}

TEST(SourceGrid, AGridWithoutDataRowsHasNothingToCopy) {
    SourceGrid grid(5, 1);
    grid.setCell(1, 0, "HEAD");
    EXPECT_EQ(grid.currentRow(), -1);
    EXPECT_EQ(grid.selectionText(), "");
}

TEST(SourceGrid, TheGridsOwnCopyKeyLeavesTheClipboardAlone) {
    SourceGrid grid(5, 2);
    fillNumbered(grid, 3);
    grid.show();
    QGuiApplication::clipboard()->setText("before");
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&grid, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
}

TEST(SourceGrid, TypingDoesNotJumpToAMatchingCell) {
    SourceGrid grid(5, 2);
    fillNumbered(grid, 10);
    grid.show();
    grid.setCurrentCell(1, 1);
    QTest::keyClicks(&grid, "1:7");
    EXPECT_EQ(grid.currentRow(), 1);
}

// Heap bytes in use (small blocks and mapped ones); 0 where the allocator does not say (under
// AddressSanitizer, for one).
std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// A long unit costs little more than its text: the grid keeps its cells packed, not one heap
// string per cell. Texts are changed in place and elsewhere, and read back whole, as the view
// does; the space of replaced texts is given back once it outweighs the rest.
TEST(SourceGrid, ALongUnitCostsLittleMoreThanItsText) {
    constexpr int kLines = 200000;
    const std::size_t before = heapInUse();
    if (before == 0)
        GTEST_SKIP() << "the allocator does not report its use here";
    std::size_t textBytes = 0;
    {
        SourceGrid grid(5, 2);
        grid.setRowTexts(0,
                         texts({"LINE", "SOURCE_TEXT", "SEQUENCE", "POSITION", "ERROR_MESSAGE"}));
        grid.beginUpdate();
        for (int i = 1; i <= kLines; ++i) {
            if (grid.rowCount() < i + 1)
                grid.setRowCount(i + 1000);
            const QByteArray line = QByteArray::number(i);
            const QByteArray text = "    v_total := v_total + p_amount(" + line + ");\t-- add\n";
            const QByteArrayList row =
                i % 100 == 0
                    ? QByteArrayList{line, text, "1", "9", "PLS-00201: identifier must be declared"}
                    : QByteArrayList{line, text, "", "", ""};
            for (const QByteArray &cell : row)
                textBytes += static_cast<std::size_t>(cell.size());
            grid.setRowTexts(i, row);
        }
        grid.setRowCount(kLines + 1);
        grid.endUpdate();
        const std::size_t held = heapInUse() - before;
        EXPECT_LT(held, textBytes * 3 / 2 + std::size_t(kLines) * 24)
            << held / kLines << " bytes a line for " << textBytes / kLines << " of text";

        // In place, the same length: tidying a line costs nothing.
        grid.replaceBytes(1, 7, "\t\n", ' ');
        EXPECT_EQ(grid.cell(1, 7), "    v_total := v_total + p_amount(7); -- add ");
        // Another length: the cell moves, the row keeps its other texts.
        grid.setCell(4, 7, "a longer text than the empty one it replaces");
        EXPECT_EQ(rowOf(grid, 7), texts({"7", "    v_total := v_total + p_amount(7); -- add ", "",
                                         "", "a longer text than the empty one it replaces"}));
        // Replacing every text leaves the old ones behind; they are given back as it goes.
        for (int i = 1; i <= kLines; ++i)
            grid.setCell(1, i, "    null; -- replaced, " + QByteArray::number(i));
        EXPECT_EQ(grid.cell(1, kLines), "    null; -- replaced, " + QByteArray::number(kLines));
        EXPECT_EQ(grid.cell(4, 7), "a longer text than the empty one it replaces");
        EXPECT_LT(heapInUse() - before, textBytes * 3 / 2 + std::size_t(kLines) * 24);
        grid.setRowCount(2);
        EXPECT_EQ(grid.cell(0, 1), "1");
        EXPECT_LT(heapInUse() - before, std::size_t(8) << 20);
    }
}

} // namespace
