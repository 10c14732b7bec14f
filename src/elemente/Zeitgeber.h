#pragma once
#include "Element.h"

namespace glanzzug {

// The periodic timer: on or off and an interval in milliseconds. The model does not
// measure time itself; a driver (a Qt timer in the program, the test itself in tests)
// calls `ablaufen()` when the interval has passed. Every assignment of the interval or
// the on-state raises `umgestellt`, so that the driver restarts its countdown.
class Zeitgeber : public Element {
public:
    bool an() const { return an_; }
    void setzeAn(bool a) {
        an_ = a;
        umgestellt.auslösen();
    }
    int intervall() const { return intervall_; }
    // Milliseconds; values below 1 count as 1.
    void setzeIntervall(int ms) {
        intervall_ = ms < 1 ? 1 : ms;
        umgestellt.auslösen();
    }
    // Raises Timer if the timer is on.
    void ablaufen() {
        if (an_) Timer.auslösen();
    }

    Ereignis<> Timer;
    Ereignis<> umgestellt;

private:
    bool an_ = true;
    int intervall_ = 1;
};

} // namespace glanzzug
