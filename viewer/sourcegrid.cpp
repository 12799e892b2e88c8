#include "viewer/sourcegrid.h"

#include "platform/client_text.h"

#include <QAbstractButton>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

using velmora::platform::fromClientText;

// ---------------------------------------------------------------------------------------------
// GridCellModel

GridCellModel::GridCellModel(int columns, int rows, QObject *parent)
    : QAbstractTableModel(parent), m_store(std::max(columns, 1), std::max(rows, 1)) {}

int GridCellModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_store.rows();
}

int GridCellModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_store.columns();
}

QVariant GridCellModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::ToolTipRole)
        return toolTip(index.column(), index.row());
    if (role != Qt::DisplayRole)
        return {};
    return fromClientText(cell(index.column(), index.row()));
}

// As rich text that keeps the blanks and line feeds as they are (a tooltip would otherwise
// wrap the text into a narrow column of its own choosing); a text given as plain would be
// taken for markup where it holds something like "<an identifier>".
QVariant GridCellModel::toolTip(int col, int row) const {
    const auto found = m_toolTips.find({row, col});
    if (found == m_toolTips.end())
        return {};
    QByteArray text = found->second;
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);
    return QStringLiteral("<p style=\"white-space:pre\">%1</p>")
        .arg(fromClientText(text).toHtmlEscaped());
}

void GridCellModel::setToolTip(int col, int row, const QByteArray &text) {
    if (col < 0 || col >= m_store.columns() || row < 0 || row >= m_store.rows())
        return;
    m_toolTips[{row, col}] = text;
}

QVariant GridCellModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_store.columns() ? fromClientText(cell(section, 0)) : QVariant();
    return section < m_store.rows() ? fromClientText(cell(0, section)) : QVariant();
}

Qt::ItemFlags GridCellModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Fixed cells take no part in selection; nothing is editable.
    if (index.row() == 0 || index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GridCellModel::setCell(int col, int row, QByteArrayView text) {
    if (col < 0 || col >= m_store.columns() || row < 0 || row >= m_store.rows())
        return;
    m_store.setCell(col, row, text);
    announceChange(row, row);
}

void GridCellModel::setRowTexts(int row, const QByteArrayList &texts) {
    if (row < 0 || row >= m_store.rows())
        return;
    m_store.setRow(row, texts);
    announceChange(row, row);
}

void GridCellModel::replaceBytes(int col, int row, QByteArrayView from, char to) {
    if (m_store.replaceBytes(col, row, from, to))
        announceChange(row, row);
}

void GridCellModel::setRows(int rows) {
    rows = std::max(rows, 1);
    const int current = m_store.rows();
    if (rows == current)
        return;
    if (rows > current) {
        beginInsertRows({}, current, rows - 1);
        m_store.resize(rows);
        endInsertRows();
    } else {
        beginRemoveRows({}, rows, current - 1);
        m_store.resize(rows);
        m_toolTips.erase(m_toolTips.lower_bound({rows, 0}), m_toolTips.end());
        endRemoveRows();
    }
}

void GridCellModel::beginUpdate() {
    ++m_updateDepth;
}

void GridCellModel::endUpdate() {
    if (m_updateDepth == 0 || --m_updateDepth > 0)
        return;
    if (m_changedWhileUpdating) {
        m_changedWhileUpdating = false;
        announceChange(0, m_store.rows() - 1);
    }
}

void GridCellModel::announceChange(int firstRow, int lastRow) {
    if (m_updateDepth > 0) {
        m_changedWhileUpdating = true;
        return;
    }
    const int lastColumn = m_store.columns() - 1;
    emit dataChanged(index(firstRow, 0), index(lastRow, lastColumn), {Qt::DisplayRole});
    if (firstRow == 0)
        emit headerDataChanged(Qt::Horizontal, 0, lastColumn);
    emit headerDataChanged(Qt::Vertical, firstRow, lastRow);
}

// ---------------------------------------------------------------------------------------------
// FixedCellHeader

FixedCellHeader::FixedCellHeader(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent) {
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHighlightSections(false);
    // Clicking a fixed cell selects nothing; columns are still dragged by their header.
    setSectionsClickable(false);
    setMinimumSectionSize(1);
}

void FixedCellHeader::paintFixedCell(QPainter *painter, const QRect &rect, const QString &text,
                                     const QColor &fill, const QColor &textColor) {
    painter->save();
    painter->fillRect(rect, fill);
    // Raised edge and grid line, as fixed cells of a string grid are drawn.
    painter->setPen(fill.lighter(130));
    painter->drawLine(rect.topLeft(), rect.topRight());
    painter->drawLine(rect.topLeft(), rect.bottomLeft());
    painter->setPen(Qt::black);
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->setPen(textColor);
    painter->setClipRect(rect.adjusted(0, 0, -1, -1));
    painter->drawText(rect.adjusted(2, 0, -1, -1), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

void FixedCellHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const {
    if (!rect.isValid())
        return;
    const auto *grid = qobject_cast<const SourceGrid *>(parentWidget());
    const QColor fill = grid ? grid->fixedColor() : palette().color(QPalette::Button);
    const QColor text = grid ? grid->textColor() : palette().color(QPalette::ButtonText);
    const QString caption =
        model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString()
                : QString();
    painter->setFont(font());
    paintFixedCell(painter, rect, caption, fill, text);
}

// ---------------------------------------------------------------------------------------------
// SourceGrid

SourceGrid::SourceGrid(int columns, int rows, QWidget *parent)
    : QTableView(parent), m_model(new GridCellModel(columns, rows, this)),
      m_columnHeader(new FixedCellHeader(Qt::Horizontal, this)),
      m_rowHeader(new FixedCellHeader(Qt::Vertical, this)) {
    setHorizontalHeader(m_columnHeader);
    setVerticalHeader(m_rowHeader);
    setModel(m_model);

    // Row 0 and column 0 are shown by the headers, which do not scroll away.
    setRowHidden(0, true);
    setColumnHidden(0, true);

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    m_columnHeader->setSectionsMovable(true);
    m_columnHeader->setSectionResizeMode(QHeaderView::Interactive);
    m_columnHeader->setDefaultSectionSize(DefaultColumnWidth);
    m_columnHeader->setStretchLastSection(false);
    m_rowHeader->setSectionResizeMode(QHeaderView::Fixed);
    m_rowHeader->setFixedWidth(DefaultColumnWidth);
    setDefaultRowHeight(DefaultRowHeight);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    m_lastCol = current.column();
            });

    // The corner shows cell (0, 0); it is painted like the other fixed cells.
    m_corner = findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner) {
        m_corner->installEventFilter(this);
        connect(m_model, &QAbstractItemModel::headerDataChanged, m_corner,
                qOverload<>(&QWidget::update));
    }

    applyPalette();
    ensureCurrentCell();
}

void SourceGrid::setRowCount(int rows) {
    rows = std::max(rows, 1);
    const int current = currentRow();
    if (current >= rows && rows > 1)
        setCurrentCell(currentCol(), rows - 1);
    m_model->setRows(rows);
    ensureCurrentCell();
}

int SourceGrid::colWidth(int col) const {
    if (col == 0)
        return m_rowHeader->width();
    return columnWidth(col);
}

void SourceGrid::setColWidth(int col, int width) {
    width = std::max(width, 0);
    if (col == 0)
        m_rowHeader->setFixedWidth(width);
    else if (col > 0 && col < colCount())
        setColumnWidth(col, width);
}

void SourceGrid::setDefaultRowHeight(int height) {
    m_rowHeight = std::max(height, 1);
    m_rowHeader->setMinimumSectionSize(1);
    m_rowHeader->setDefaultSectionSize(m_rowHeight);
    m_columnHeader->setFixedHeight(m_rowHeight);
}

void SourceGrid::setBackgroundColor(const QColor &color) {
    m_background = color;
    applyPalette();
}

void SourceGrid::setGridFont(const QFont &font, const QColor &textColor) {
    m_textColor = textColor;
    setFont(font);
    m_columnHeader->setFont(font);
    m_rowHeader->setFont(font);
    applyPalette();
}

int SourceGrid::textWidth(QByteArrayView text) const {
    return fontMetrics().horizontalAdvance(fromClientText(text));
}

int SourceGrid::widestLineNumberWidth() const {
    QByteArrayView longest;
    for (int row = 1; row < rowCount(); ++row) {
        const QByteArrayView text = cell(0, row);
        if (text.size() > longest.size())
            longest = text;
    }
    if (longest.isEmpty())
        return 0;
    const QFontMetrics metrics = fontMetrics();
    int width = metrics.horizontalAdvance(fromClientText(longest));
    if (std::all_of(longest.begin(), longest.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        int digit = 0;
        for (char c = '0'; c <= '9'; ++c)
            digit = std::max(digit, metrics.horizontalAdvance(QLatin1Char(c)));
        width = std::max(width, digit * static_cast<int>(longest.size()));
    }
    return width;
}

void SourceGrid::scrollToLeftEdge() {
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
}

int SourceGrid::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() && current.row() > 0 && current.column() > 0 ? current.row() : -1;
}

int SourceGrid::currentCol() const {
    const QModelIndex current = currentIndex();
    return current.isValid() && current.row() > 0 && current.column() > 0 ? current.column() : -1;
}

void SourceGrid::setCurrentCell(int col, int row) {
    if (row < 1 || row >= rowCount() || col < 1 || col >= colCount())
        return;
    const QModelIndex target = m_model->index(row, col);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    scrollTo(target, QAbstractItemView::EnsureVisible);
}

SourceGrid::VisualRect SourceGrid::selectedVisualRect() const {
    VisualRect r;
    auto widen = [&r, this](int top, int bottom, int left, int right) {
        for (int c = left; c <= right; ++c) {
            if (isColumnHidden(c))
                continue;
            const int visual = m_columnHeader->visualIndex(c);
            r.left = r.left < 0 ? visual : std::min(r.left, visual);
            r.right = std::max(r.right, visual);
        }
        r.top = r.top < 0 ? top : std::min(r.top, top);
        r.bottom = std::max(r.bottom, bottom);
    };
    for (const QItemSelectionRange &range : selectionModel()->selection())
        widen(range.top(), range.bottom(), range.left(), range.right());
    if (r.left < 0 || r.top < 0) {
        r = {};
        if (currentRow() > 0)
            widen(currentRow(), currentRow(), currentCol(), currentCol());
    }
    return r;
}

QByteArray SourceGrid::selectionText() const {
    const VisualRect r = selectedVisualRect();
    if (r.top < 0 || r.left < 0)
        return {};
    QByteArray text;
    for (int row = r.top; row <= r.bottom; ++row) {
        for (int visual = r.left; visual <= r.right; ++visual) {
            if (visual > r.left)
                text += '\t';
            text += cell(m_columnHeader->logicalIndex(visual), row);
        }
        text += "\r\n";
    }
    return text;
}

void SourceGrid::keyPressEvent(QKeyEvent *event) {
    // A string grid has no copy of its own: the window's key handler decides what is copied.
    if (event->matches(QKeySequence::Copy)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void SourceGrid::keyboardSearch(const QString &) {
    // Typing does not jump to a matching cell in a string grid.
}

bool SourceGrid::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_corner && event->type() == QEvent::Paint) {
        QPainter painter(m_corner);
        painter.setFont(font());
        FixedCellHeader::paintFixedCell(&painter, m_corner->rect(), fromClientText(cell(0, 0)),
                                        m_fixedColor, m_textColor);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void SourceGrid::applyPalette() {
    QPalette pal = palette();
    // Only the cells' roles: the style takes the grid lines from the window colour, which
    // stays as it is so that the lines show on any background.
    pal.setColor(QPalette::Base, m_background);
    pal.setColor(QPalette::Text, m_textColor);
    setPalette(pal);
    viewport()->update();
    m_columnHeader->viewport()->update();
    m_rowHeader->viewport()->update();
    if (m_corner)
        m_corner->update();
}

void SourceGrid::ensureCurrentCell() {
    if (rowCount() < 2) {
        // Only the header row is left: no cell can be current (Qt would pick a fixed one).
        selectionModel()->clear();
        return;
    }
    if (currentRow() > 0)
        return;
    const int col = (m_lastCol >= 1 && m_lastCol < colCount()) ? m_lastCol : 1;
    selectionModel()->setCurrentIndex(m_model->index(1, col), QItemSelectionModel::ClearAndSelect);
}
