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
