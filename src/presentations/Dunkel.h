#pragma once

namespace glanzzug {

struct Fenster;

// The sign dark on purpose ("Dunkel") and back ("Weiter"). One pair for every part of
// the program that darkens the sign (the remote control, a timetable for the night).

// Stops the timer, blanks every module (the live view goes dark with them) and says so in
// the status line. The picture and the pass state stay, so that AnzeigeWeiter continues
// where playing stopped. Whatever switches the timer on again ("Weiter", "Timer an",
// loading or saving a presentation) ends the dark state. Without `melden` the status line
// keeps what it says (the caller shows its own reason elsewhere).
void AnzeigeDunkel(Fenster& f, bool melden = true);

// Ends the dark state: the timer runs again and the next tick goes on with what played.
void AnzeigeWeiter(Fenster& f);

// Connects the status line to the timer: switching it on ends the dark state.
void DunkelEinrichten(Fenster& f);

} // namespace glanzzug
