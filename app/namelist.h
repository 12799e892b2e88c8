#pragma once
// The object-name list of the main window: a list view over an append-only model of
// names. Names appended during a load are handed to the view in batches (flushPending), so a
// load of many thousand names does not repaint the list once per name. Like a single-choice
// list box, it never drops its selection by a click: a name stays selected whenever the list
// holds names and one was selected, so the show button always has a name to hand over.

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>

class NameListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    void append(const QString &name) { m_pending.append(name); }
    void flushPending();
    void clear();
    // Names shown plus names not yet handed to the view.
    int count() const { return m_names.size() + m_pending.size(); }
    QString nameAt(int row) const;

private:
    QStringList m_names;
    QStringList m_pending;
};

class NameListBox : public QListView {
    Q_OBJECT

public:
    explicit NameListBox(QWidget *parent = nullptr);

    void addItem(const QString &name) { m_model->append(name); }
    void flushPending() { m_model->flushPending(); }
    void clear() { m_model->clear(); }
    int count() const { return m_model->count(); }
    QString itemText(int row) const { return m_model->nameAt(row); }
    // The selected name, or empty text when none is selected.
    QString selectedText() const;
    void selectRow(int row);

protected:
    // A click below the last name changes nothing; Ctrl does not toggle the selected name off.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;

private:
    void keepSelection(const QItemSelection &selected, const QItemSelection &deselected);

    NameListModel *m_model;
};
