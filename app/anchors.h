#pragma once
// Keeps child controls at fixed distances from the edges of their parent that they are
// anchored to, as laid out at a design size: a control anchored left and right stretches,
// one anchored right (only) moves with the right edge.

#include <QRect>
#include <QSize>
#include <QVector>

class QWidget;

class AnchorKeeper {
public:
    enum Edge { Left = 1, Top = 2, Right = 4, Bottom = 8 };

    explicit AnchorKeeper(QSize designSize) : m_designSize(designSize) {}

    // Places the control at its design geometry and remembers its anchors.
    void place(QWidget *control, QRect designGeometry, int edges);
    // Re-applies every control's anchors for the parent's new client size.
    void relayout(QSize clientSize) const;

private:
    struct Anchored {
        QWidget *control;
        QRect design;
        int edges;
    };
    static int span(int designStart, int designLength, int designTotal, int total, bool nearEdge,
                    bool farEdge, int *length);

    QSize m_designSize;
    QVector<Anchored> m_controls;
};
