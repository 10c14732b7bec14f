#pragma once
#include "Farbe.h"

namespace glanzzug {

struct Fenster;
class Bildfeld;

// The four colour pickers: 16 x 16 palettes of the eight LED colours. A press picks the
// colour of the palette pixel under the pointer (x, y in palette pixels); a press outside
// the palette picks nothing. The button and shift state are not used.

// Text palette: a top row of 4 x 4 fields red, green, blue, yellow; below it in columns
// 6..9 fields white, magenta, cyan; the rest black.
void TextPaletteZeichnen(Bildfeld& b);
// Background palette: rows 0..3 black; rows 4..7 yellow (columns 0..4) and red (11..15);
// rows 8..11 magenta and blue; rows 12..15 cyan, white (5..10) and green; the rest black.
void HintergrundPaletteZeichnen(Bildfeld& b);
// Draws all four palettes.
void PalettenZeichnen(Fenster& f);

// Text colour: TextFarbe, the text colour of TeFaLabel and the drawing colour of Pic; FaWe.
void TeFaPic_MouseDown(Fenster& f, int knopf, int umschalt, double x, double y);
// Background colour: HintergrundFarbe, back colour of TeFaLabel, Pic and Bild (the next
// frame is cleared in it).
void HiFaPic_MouseDown(Fenster& f, int knopf, int umschalt, double x, double y);
// Alternating text colour: WechselTextFarbe, text colour of WeFaLabel; FaWe.
void WeTeFaPic_MouseDown(Fenster& f, int knopf, int umschalt, double x, double y);
// Alternating background colour: WechselHintergrundFarbe, back colour of WeFaLabel.
void WeHiFaPic_MouseDown(Fenster& f, int knopf, int umschalt, double x, double y);

// Writes the colour code digit of a picked text colour into FaWe: the first of
// Farbtabelle[0..7] equal to it. A colour not among them leaves FaWe as it is.
void FarbwertZeigen(Fenster& f, Farbe c);

} // namespace glanzzug
