#pragma once
// SourceGrid: a read-only string grid on QTableView with one fixed header row and one fixed
// line-number column, addressed like a classic string grid (cell(col, row), row 0 and column 0
// being the fixed cells). The fixed cells are shown in the view's headers so they stay in place
// while the rest scrolls; the text lives in GridCellModel, packed row by row (CellStore).

#include "viewer/cellstore.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QColor>
#include <QHeaderView>
#include <QTableView>

#include <map>
#include <utility>

// The cells of the grid, row-major, in the client's code page. Row 0 and column 0 are the
// fixed cells; the model serves them as header data as well as cell data.
class GridCellModel : public QAbstractTableModel {
    Q_OBJECT

public:
    GridCellModel(int columns, int rows, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(GridCellModel)

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // A cell's text, valid until the cells next change; empty outside the grid.
    QByteArrayView cell(int col, int row) const { return m_store.cell(col, row); }
    void setCell(int col, int row, QByteArrayView text);
    // Puts the first min(texts, columns) entries into the row; cells beyond keep their text.
    void setRowTexts(int row, const QByteArrayList &texts);
    // Every byte of the cell that is one of `from` becomes `to`; the text keeps its length.
    void replaceBytes(int col, int row, QByteArrayView from, char to);
    // New rows are empty; rows cut off are dropped. At least one row (the header) remains.
    void setRows(int rows);

    // A text shown as the cell's tooltip as it is given, line feeds and blanks kept. The
    // tooltips go with their rows when rows are cut off, and all at once by clearToolTips.
    void setToolTip(int col, int row, const QByteArray &text);
    void clearToolTips() { m_toolTips.clear(); }

    // While updating, cell changes are announced once, at the end, not cell by cell.
    void beginUpdate();
    void endUpdate();

private:
    void announceChange(int firstRow, int lastRow);

    QVariant toolTip(int col, int row) const;

    CellStore m_store;
    std::map<std::pair<int, int>, QByteArray> m_toolTips; // by row, then column
    int m_updateDepth = 0;
    bool m_changedWhileUpdating = false;
};

// The fixed row and column: drawn in the fixed colour with grid lines, in the grid's font.
class FixedCellHeader : public QHeaderView {
    Q_OBJECT

public:
    FixedCellHeader(Qt::Orientation orientation, QWidget *parent);

    static void paintFixedCell(QPainter *painter, const QRect &rect, const QString &text,
                               const QColor &fill, const QColor &textColor);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
};

class SourceGrid : public QTableView {
    Q_OBJECT

public:
    static constexpr int DefaultColumnWidth = 60;
    static constexpr int DefaultRowHeight = 18;

    SourceGrid(int columns, int rows, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(SourceGrid)

    int colCount() const { return m_model->columnCount(); }
    int rowCount() const { return m_model->rowCount(); }
    void setRowCount(int rows);

    QByteArrayView cell(int col, int row) const { return m_model->cell(col, row); }
    void setCell(int col, int row, QByteArrayView text) { m_model->setCell(col, row, text); }
    void setRowTexts(int row, const QByteArrayList &texts) { m_model->setRowTexts(row, texts); }
    void replaceBytes(int col, int row, QByteArrayView from, char to) {
        m_model->replaceBytes(col, row, from, to);
    }
    void setToolTip(int col, int row, const QByteArray &text) {
        m_model->setToolTip(col, row, text);
    }
    void clearToolTips() { m_model->clearToolTips(); }
    void beginUpdate() { m_model->beginUpdate(); }
    void endUpdate() { m_model->endUpdate(); }

    // Column 0 is the fixed column; its width is the width of the line-number header.
    int colWidth(int col) const;
    void setColWidth(int col, int width);
    int defaultRowHeight() const { return m_rowHeight; }
    void setDefaultRowHeight(int height);

    QColor backgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor &color);
    QColor textColor() const { return m_textColor; }
    // Sets the font and its colour together, as a font object carries both.
    void setGridFont(const QFont &font, const QColor &textColor);
    QColor fixedColor() const { return m_fixedColor; }
    // Rendered width of a text in the grid's font.
    int textWidth(QByteArrayView text) const;
    // Rendered width of the widest text of the fixed column (the line numbers): the longest
    // one, or as many of the widest digit when it is a number, whichever is wider.
    int widestLineNumberWidth() const;
    // Scrolls to the first column, keeping the rows where they are.
    void scrollToLeftEdge();

    // The current cell in grid coordinates; -1 when the grid has no data row.
    int currentRow() const;
    int currentCol() const;
    // Makes the cell current, shrinks the selection to it and scrolls it into view.
    void setCurrentCell(int col, int row);

    // The selected rectangle (or the current cell alone) as text: TAB between cells, CR LF
    // after every row, columns in the order they are shown. Empty when no cell is current.
    QByteArray selectionText() const;

    GridCellModel *cellModel() const { return m_model; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyboardSearch(const QString &search) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct VisualRect {
        int top = -1, bottom = -1, left = -1, right = -1;
    };
    VisualRect selectedVisualRect() const;
    void applyPalette();
    void ensureCurrentCell();

    GridCellModel *m_model;
    FixedCellHeader *m_columnHeader;
    FixedCellHeader *m_rowHeader;
    QWidget *m_corner = nullptr;
    int m_rowHeight = DefaultRowHeight;
    int m_lastCol = 1;
    QColor m_background = Qt::black;
    QColor m_textColor = QColor(0x00, 0xFF, 0x00);
    QColor m_fixedColor = QColor(0x80, 0x80, 0xC0);
};
