#pragma once
#include "BildDatei.h"

namespace glanzzug {

struct Fenster;

// Shows the picture file named by Arbeitstext: loads it into Bild and puts it on Pic,
// stretched over the whole display when BilderAnpassen is set, else as Pic's background
// picture, unscaled and anchored top-left. While BilderAnpassen is set, Bild sizes itself
// to the picture, a picture larger than kBildVorschauSeite scaled down to fit (its own
// size is then BildEigeneGröße); else Bild keeps its size and shows the picture's top
// left. A file that cannot be read changes neither Bild nor Pic and shows no
// message. Either way the caption becomes "Bild " + BildNr, and while Start is set (or one
// presentation plays by itself, EinzelnAbspielen) BildNr
// moves on by one; past the last entry of AniLi it returns to 0 and the pass ends
// (DurchlaufStatus 1), so a missing picture never holds up the animation.
void BildAnzeigen(Fenster& f);

// Puts a decoded picture into Bild and on Pic as above.
void BildZeigen(Fenster& f, const Bildauszug& bild);

// Connects the pictures subsystem's handlers: the file list and picture list, their
// buttons, BilderAnpassen, saving the display and the two offset scroll bars.
void BilderEinrichten(Fenster& f);

} // namespace glanzzug
