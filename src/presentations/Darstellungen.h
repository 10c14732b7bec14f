#pragma once

namespace glanzzug {

struct Fenster;

// Connects the handlers of the presentation and run-list elements, registers the name
// lists and run-list routines with the engine, and makes every text box whose text a
// presentation or run list stores refuse characters that Windows-1252 cannot store.
void DarstellungenEinrichten(Fenster& f);

} // namespace glanzzug
