#pragma once
// Small control variants the main window's layout asks for: an edit field that keeps its text
// unselected when it gains the focus, and list items of a fixed height.

#include <QLineEdit>
#include <QStyledItemDelegate>

// A single-line edit whose text is not selected when the focus arrives (by Tab, Shift+Tab or
// its label's accelerator); the caret stays where it was.
class UnselectedOnFocusEdit : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override;
};

// Items drawn as the style draws them, each the given number of pixels high. Where the font's
// line is taller than the item, the text sits on the item's bottom edge: what is cut off is
// then the empty top of the line, never the underscores of a name such as NET_PAY (which
// would read as a blank).
class FixedHeightItems : public QStyledItemDelegate {
    Q_OBJECT

public:
    FixedHeightItems(int height, QObject *parent) : QStyledItemDelegate(parent), m_height(height) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    int m_height;
};
