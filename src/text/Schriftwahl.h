#pragma once

namespace glanzzug {

struct Fenster;

// Opens the font dialog and applies the choice: name, bold and italic to Pic, Txt and
// Txt2; the size (as a single-precision number) to Pic and SchriftGröße only. Pic is
// cleared first and the timer T stands still while the dialog is open; afterwards T runs,
// whether or not it ran before and also when the dialog was cancelled (which applies
// nothing) or no dialog is available.
void Schriftart_Click(Fenster& f);

// Schrittweite = the leading number of the text of Schritt ("2.5" 2.5, "2,5" 2, " 3" 3,
// "" and "abc" 0); no range check, so 0, negative and fractional widths are taken.
void Schritt_Change(Fenster& f);

} // namespace glanzzug
