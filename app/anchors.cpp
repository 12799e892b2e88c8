#include "app/anchors.h"

#include <QWidget>

void AnchorKeeper::place(QWidget *control, QRect designGeometry, int edges) {
    control->setGeometry(designGeometry);
    m_controls.append({control, designGeometry, edges});
}

// Start and length of a control along one axis: anchored to both edges it stretches; to
// the far edge only it moves with it; otherwise it keeps its design position.
int AnchorKeeper::span(int designStart, int designLength, int designTotal, int total, bool nearEdge,
                       bool farEdge, int *length) {
    const int farGap = designTotal - (designStart + designLength);
    if (nearEdge && farEdge) {
        *length = qMax(0, total - farGap - designStart);
        return designStart;
    }
    *length = designLength;
    if (farEdge)
        return total - farGap - designLength;
    return designStart;
}

void AnchorKeeper::relayout(QSize clientSize) const {
    for (const Anchored &a : m_controls) {
        int width = 0;
        int height = 0;
        const int x = span(a.design.x(), a.design.width(), m_designSize.width(), clientSize.width(),
                           a.edges & Left, a.edges & Right, &width);
        const int y = span(a.design.y(), a.design.height(), m_designSize.height(),
                           clientSize.height(), a.edges & Top, a.edges & Bottom, &height);
        a.control->setGeometry(x, y, width, height);
    }
}
