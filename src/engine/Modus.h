#pragma once

namespace glanzzug {

struct Fenster;

// AusWal: a display mode was selected (by a person or the loader): Modus := index, then
// ModusEinstellen.
void AusWal_Click(Fenster& f, int index);
// Prepares the selected mode: text position to the start, random letter directions for
// "Zufall", the point of "PingPong" to the middle, the line of "Linie" in row 0, a clean
// display for "Löschen". Neither changes the pass state nor sends a frame.
void ModusEinstellen(Fenster& f);
// Gives each of the first min(30, length of Txt) letters a random direction (-1, 0, +1 on
// each axis, never both 0), two draws per try. With "zurück" the letters start the larger
// display dimension away along their direction and travel back.
void ZufallsRichtungenSetzen(Fenster& f);

} // namespace glanzzug
