#pragma once
// Shows the application-wide SQL-wait pointer for as long as the guard lives and restores the
// default pointer on every way out. Does nothing when no GUI application exists.

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

} // namespace velmora::platform
