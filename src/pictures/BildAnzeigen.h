#pragma once
#include <QImage>

namespace glanzzug {

struct Fenster;

// Shows the picture file named by Arbeitstext: loads it into Bild (which sizes itself to
// the picture while BilderAnpassen is set) and puts it on Pic, stretched over the whole
// display when BilderAnpassen is set, else as Pic's background picture, unscaled and
// anchored top-left. A file that cannot be read changes neither Bild nor Pic and shows no
// message. Either way the caption becomes "Bild " + BildNr, and while Start is set (or one
// presentation plays by itself, EinzelnAbspielen) BildNr
// moves on by one; past the last entry of AniLi it returns to 0 and the pass ends
// (DurchlaufStatus 1), so a missing picture never holds up the animation.
void BildAnzeigen(Fenster& f);

// Puts a decoded picture into Bild and on Pic as above.
void BildZeigen(Fenster& f, const QImage& bild);

// Connects the pictures subsystem's handlers: the file list and picture list, their
// buttons, BilderAnpassen, saving the display and the two offset scroll bars.
void BilderEinrichten(Fenster& f);

} // namespace glanzzug
