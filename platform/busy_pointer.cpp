// The busy pointer guard over whatever hooks the GUI part installed.

#include "platform/busy_pointer.h"

namespace velmora::platform {

namespace {

// A function-local static: the GUI part installs its hooks during static initialisation.
BusyPointerHooks &installedHooks() {
    static BusyPointerHooks hooks;
    return hooks;
}

} // namespace

void setBusyPointerHooks(const BusyPointerHooks &hooks) {
    installedHooks() = hooks;
}

BusyPointer::BusyPointer() {
    const BusyPointerHooks &hooks = installedHooks();
    m_shown = hooks.show != nullptr && hooks.restore != nullptr && hooks.show();
}

BusyPointer::~BusyPointer() {
    if (m_shown)
        installedHooks().restore();
}

} // namespace velmora::platform
