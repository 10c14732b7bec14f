#pragma once
#include "Element.h"

namespace glanzzug {

// A check box with the states 0 (clear), 1 (checked) and 2 (greyed). `Click` is raised
// whenever the state changes, by a person or by the program.
class KontrollFeld : public Element {
public:
    int wert() const { return wert_; }
    // States outside 0..2 are refused (returns false, nothing changes).
    bool setzeWert(int w) {
        if (w < 0 || w > 2) return false;
        if (ändere(wert_, w)) Click.auslösen();
        return true;
    }
    bool gesetzt() const { return wert_ != 0; }
    const QString& beschriftung() const { return beschriftung_; }
    void setzeBeschriftung(const QString& b) { ändere(beschriftung_, b); }

    Ereignis<> Click;

private:
    int wert_ = 0;
    QString beschriftung_;
};

} // namespace glanzzug
