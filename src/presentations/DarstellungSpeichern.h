#pragma once
#include "DarstellungsDatei.h"

namespace glanzzug {

struct Fenster;

// The current settings of the window as a presentation stores them.
DarstellungsWerte DarstellungErfassen(const Fenster& f);

// Saves the current settings under the text of AlleLS (name + ".LSL", or the existing
// file whose extension differs only in letter case). An empty name saves nothing and
// leaves the timer alone; so does a file changed on disk since it was read, unless the
// user agrees to write over it (überschreibenErlaubt). Otherwise the timer is off while
// the file is written and on afterwards (also when it was off before), and the name
// lists are refreshed. The file is replaced atomically: a save that fails leaves the old
// file as it was and is logged. The status line says whether it was saved, or why not.
// True when the file was written.
bool DarstellungSpeichern(Fenster& f);

void LaufschriftSpeichern_Click(Fenster& f);

} // namespace glanzzug
