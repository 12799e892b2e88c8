#pragma once
// The SQL-wait pointer for as long as the guard lives, restored on every way out. The guard
// itself needs no GUI library: the GUI part of the platform installs how the pointer is shown
// (busy_pointer_gui.cpp); without it, as in command-line programs, the guard does nothing.

namespace velmora::platform {

class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    bool m_shown = false;
};

// How the pointer is shown: show() returns true when it showed one (restore() then follows).
struct BusyPointerHooks {
    bool (*show)() = nullptr;
    void (*restore)() = nullptr;
};
void setBusyPointerHooks(const BusyPointerHooks &hooks);

} // namespace velmora::platform
