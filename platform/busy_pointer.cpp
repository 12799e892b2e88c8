// The SQL-wait pointer as Qt's application-wide override cursor.

#include "platform/busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace velmora::platform {

BusyPointer::BusyPointer() {
    // Components also run without any GUI application (tests, tools); there is no pointer then.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr)
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    m_shown = true;
}

BusyPointer::~BusyPointer() {
    if (m_shown && QCoreApplication::instance() != nullptr)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace velmora::platform
