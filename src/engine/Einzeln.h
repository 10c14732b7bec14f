#pragma once
#include "Fenster.h"

namespace glanzzug {

// Ends playing one presentation by itself (EinzelnAbspielen, see Abspielen.h): the flag
// clears, "Lauf-Liste … pausiert" and "Lauf-Liste fortsetzen" hide. Runs when Start is
// set and when the window picks a presentation or edits its picture list.
inline void EinzelnBeenden(Fenster& f) {
    f.EinzelnAbspielen = false;
    f.LaufListePause.setzeText(QString());
    f.LaufListePause.setzeSichtbar(false);
    f.LaufListeFortsetzen.setzeSichtbar(false);
}

} // namespace glanzzug
