#pragma once

namespace glanzzug {

struct Fenster;

// A click into the scrolling text: the run list stops advancing (Start unchecked) and the
// text-file link is removed, so the typed text is shown from then on.
void Txt_Click(Fenster& f);
// A click into the alternating text: the run list stops advancing.
void Txt2_Click(Fenster& f);
// Switches the file list AniFiles between every file ("*", so a text file can be linked)
// and the picture files, and refreshes it.
void DateiBenutzen_Click(Fenster& f);
// Append the date tokens "tA.mO.20jA" / the time tokens "sT:mI:sE" to Txt and to Txt2.
void DatumSetzen_Click(Fenster& f);
void ZeitSetzen_Click(Fenster& f);

} // namespace glanzzug
