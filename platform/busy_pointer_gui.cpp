// The SQL-wait pointer as Qt's application-wide override cursor, installed into the busy
// pointer guard when the program starts.

#include "platform/busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace velmora::platform {

namespace {

bool showWaitCursor() {
    // Components also run without any GUI application (tests, tools); there is no pointer then.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr)
        return false;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    return true;
}

void restoreCursor() {
    if (QCoreApplication::instance() != nullptr)
        QGuiApplication::restoreOverrideCursor();
}

const bool installed = [] {
    setBusyPointerHooks({showWaitCursor, restoreCursor});
    return true;
}();

} // namespace

} // namespace velmora::platform
