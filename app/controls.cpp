#include "app/controls.h"

void UnselectedOnFocusEdit::focusInEvent(QFocusEvent *event) {
    const int caret = cursorPosition();
    QLineEdit::focusInEvent(event); // selects everything for some focus reasons
    if (hasSelectedText()) {
        deselect();
        setCursorPosition(caret);
    }
}

QSize FixedHeightItems::sizeHint(const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(m_height);
    return size;
}

void FixedHeightItems::initStyleOption(QStyleOptionViewItem *option,
                                       const QModelIndex &index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->fontMetrics.height() > m_height)
        option->displayAlignment =
            (option->displayAlignment & ~Qt::AlignVertical_Mask) | Qt::AlignBottom;
}
