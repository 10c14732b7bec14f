#pragma once

namespace glanzzug {

struct Fenster;

// Shows the picture file named by Arbeitstext on the display.
void BildAnzeigen(Fenster& f);

// Connects the pictures subsystem's handlers and routines.
void BilderEinrichten(Fenster& f);

} // namespace glanzzug
