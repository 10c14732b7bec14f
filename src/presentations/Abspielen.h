#pragma once
#include "Einzeln.h"

namespace glanzzug {

struct Fenster;

// Playing one presentation by itself while the run list waits, and going back to the run
// list. What the remote control's "Abspielen" and "ab hier abspielen" do, on the same
// element models as the window's clicks.

// Picks entry `i` of AlleLS as a click does (Start clears, the presentation loads), then
// lets it play as it would inside a run list: an animation moves on through its pictures
// and a finished presentation starts again, until something else is chosen. The run
// list keeps its selected entry; while it has entries, LaufListePause says
// "Lauf-Liste „NAME“ pausiert" and "Lauf-Liste fortsetzen" shows. False for an index
// outside the list.
bool DarstellungAbspielen(Fenster& f, int i);

// "Lauf-Liste fortsetzen": Start is set and the run list goes on with the entry after the
// one that played last. The pass state starts afresh, so that entry is not handed over at
// once when what played before had just finished.
void LaufListeFortsetzen_Click(Fenster& f);

// "ab hier abspielen": entry `i` of LaufListe loads (also when it is selected already) and
// the run list plays on from there, starting afresh as above. False for an index outside the list.
bool LaufListeAbHier(Fenster& f, int i);

} // namespace glanzzug
