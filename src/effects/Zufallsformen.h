#pragma once

namespace glanzzug {

struct Fenster;

// Random shapes on the display image Pic. Every shape takes its numbers from the one
// random generator in a fixed order, so a run is reproducible:
//   circle    5 draws: outline colour (10 table entries), fill colour (10), centre x,
//             centre y, radius 0..7;
//   rectangle 6 draws: outline colour (10), fill colour (10), x1, y1, x2, y2;
//   line      6 draws: colour (first 8 entries), fill colour (8), x1, y1, x2, y2.
// Coordinates lie within the display size; a circle may reach beyond the edge (clipped).
void FormKreis_Click(Fenster& f);
void FormQuadrat_Click(Fenster& f);
void FormLinie_Click(Fenster& f);
// Clears Pic to its back colour and removes its background picture.
void FormLöschen_Click(Fenster& f);

// One step of "Zufallsformen": clears first unless PlusLöschen is clear, then draws
// FormAnzahl shapes, each chosen by one draw (circle, line, rectangle equally likely),
// and ends the pass.
void ZufallsformenSchritt(Fenster& f);

// Keeps FormAnzahl between 1 and 9 from the text of ZufallsFormAnzahl, writing "1" or
// "9" back into the box when the text is out of range or not a number.
void ZufallsFormAnzahl_Change(Fenster& f);

} // namespace glanzzug
