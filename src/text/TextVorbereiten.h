#pragma once

namespace glanzzug {

struct Fenster;

// One step of the mode "Lauf-Text": re-reads a linked text file, chooses the frame's
// text (the alternating text Txt2 when Wechseltext is checked and Laufposition, rounded
// half to even, is odd; else Txt), replaces its clock tokens in Arbeitstext (the boxes
// keep their tokens) and draws the frame with TextZeichnen.
void TextVorbereiten(Fenster& f);

// Whether the frame at this text position shows the alternating text.
bool WechseltextDran(const Fenster& f);

// Connects the text subsystem's handlers, registers its step routine and the run-list
// hand-over, and draws the four palettes.
void TextEinrichten(Fenster& f);

} // namespace glanzzug
