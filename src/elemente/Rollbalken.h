#pragma once
#include "Element.h"

namespace glanzzug {

// A scroll bar with a whole-number value between min and max. `Change` is raised when
// the value changes, by a person or by the program.
class Rollbalken : public Element {
public:
    Rollbalken(int min = 0, int max = 100) : min_(min), max_(max) {}
    int min() const { return min_; }
    int max() const { return max_; }
    int wert() const { return wert_; }
    // Values outside min..max are refused (returns false, nothing changes).
    bool setzeWert(int w) {
        if (w < min_ || w > max_) return false;
        if (ändere(wert_, w)) Change.auslösen();
        return true;
    }

    Ereignis<> Change;

private:
    int min_, max_;
    int wert_ = 0;
};

} // namespace glanzzug
