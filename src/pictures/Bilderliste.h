#pragma once

namespace glanzzug {

struct Fenster;

// The picture files of the folder (AniFiles) and the picture list of the presentation
// (AniLi, bare file names in playing order, duplicates allowed).

// Shows the clicked file; while AniFiles lists all files ("*") it links the clicked file
// as the text file of DateiBenutzen and reads it instead.
void AniFiles_Click(Fenster& f);
// BildNr := the clicked index, and that entry is shown.
void AniLi_Click(Fenster& f);

// The list edits below clear Start first (a playing run list stops), except where said.
// Inserts the selected file at the selected entry of AniLi (which moves down), or at the
// end when no entry is selected.
void BildEinfügen_Click(Fenster& f);
// After asking, appends every file of AniFiles in list order. The two questions below
// change nothing when the presentation or its picture list changed while they were open
// (a playing run list moved on): the answer was about the list shown when asked.
void AlleBilderEinfügen_Click(Fenster& f);
// Removes the selected entry, or the last one when none is selected.
void BildLöschen_Click(Fenster& f);
// After asking, empties AniLi; Start is left as it is.
void AlleBilderEntfernen_Click(Fenster& f);

// Bild sizes itself to its picture while BilderAnpassen is set, starting at 120 x 120;
// otherwise it takes the display size.
void BilderAnpassen_Click(Fenster& f);

} // namespace glanzzug
