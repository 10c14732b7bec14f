#pragma once
#include <array>
#include "Farbe.h"

namespace glanzzug {

struct Fenster;

// The ten colours of the colour codes: a three-bit counter with red as the lowest bit
// (black, red, green, yellow, blue, magenta, cyan, white), then white twice more.
std::array<Farbe, 10> FarbtabelleBauen();

// Start-up: shows the window, sets the window-level variables, refreshes the name lists,
// applies the display size and loads the module arrangement, then restores the run list
// named in "Letzte Lauf-Liste" (which loads and plays its first presentation, so its
// first frame already fits the modules). The timer ends up running only when the layout
// file was read.
void Form_Load(Fenster& f);

// Shut-down: saves the run list in use, writes its name to "Letzte Lauf-Liste"
// (atomically; a failure is logged and otherwise ignored) and blanks the modules.
void Form_Unload(Fenster& f);

// Connects the playback engine's handlers to their window elements.
void EngineEinrichten(Fenster& f);

} // namespace glanzzug
