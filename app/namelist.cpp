#include "app/namelist.h"

int NameListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

QVariant NameListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_names.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_names.at(index.row());
    return {};
}

void NameListModel::flushPending() {
    if (m_pending.isEmpty())
        return;
    const int first = static_cast<int>(m_names.size());
    beginInsertRows({}, first, first + static_cast<int>(m_pending.size()) - 1);
    m_names.append(m_pending);
    m_pending.clear();
    endInsertRows();
}

void NameListModel::clear() {
    beginResetModel();
    m_names.clear();
    m_pending.clear();
    endResetModel();
}

QString NameListModel::nameAt(int row) const {
    if (row < 0)
        return {};
    if (row < m_names.size())
        return m_names.at(row);
    row -= static_cast<int>(m_names.size());
    return row < m_pending.size() ? m_pending.at(row) : QString();
}

NameListBox::NameListBox(QWidget *parent) : QListView(parent), m_model(new NameListModel(this)) {
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true); // keeps layout cost flat for long lists
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &NameListBox::keepSelection);
}

QItemSelectionModel::SelectionFlags NameListBox::selectionCommand(const QModelIndex &index,
                                                                  const QEvent *) const {
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect;
}

// Whatever else empties the selection of a list that still holds names (the style's own
// handling of a key or a click, say) puts the name back.
void NameListBox::keepSelection(const QItemSelection &, const QItemSelection &deselected) {
    if (!selectionModel()->selectedIndexes().isEmpty() || deselected.isEmpty())
        return;
    const QModelIndex previous = deselected.indexes().value(0);
    if (previous.isValid() && previous.row() < m_model->rowCount())
        selectionModel()->select(previous, QItemSelectionModel::ClearAndSelect);
}

QString NameListBox::selectedText() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : m_model->nameAt(selected.first().row());
}

void NameListBox::selectRow(int row) {
    m_model->flushPending();
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
}
