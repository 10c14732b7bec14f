#pragma once

namespace glanzzug {

struct Fenster;

// Re-reads the current folder into the name lists of presentations and run lists.
void DateiListenAktualisieren(Fenster& f);
// Replaces the run list by the one named in AlleLL and selects its first entry.
void LaufListeLaden(Fenster& f);
// Writes the run list under the name in AlleLL.
void LaufListeSchreiben(Fenster& f);

// Connects the presentations' handlers and routines.
void DarstellungenEinrichten(Fenster& f);

} // namespace glanzzug
