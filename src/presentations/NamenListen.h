#pragma once

namespace glanzzug {

struct Fenster;

// The lists of saved presentations (AlleLS) and run lists (AlleLL), built from the files
// of the current folder whose names end in ".LSL" or ".LAL" in any letter case, sorted
// by name, each shown without its extension.

// Re-reads the folder into both lists; the texts of both combo boxes stay. The timer is
// off while the lists are rebuilt and on afterwards.
void DateiListenAktualisieren(Fenster& f);

// Asks, then deletes the presentation picked in AlleLS and removes its list entry. Does
// nothing when no entry is picked (a typed name). A file that cannot be deleted keeps
// its entry. Run lists naming it keep the name.
void LSlöschen_Click(Fenster& f);
// The same for the run list picked in AlleLL; LaufListe and the text of AlleLL stay.
void LLlöschen_Click(Fenster& f);

} // namespace glanzzug
