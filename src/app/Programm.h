#pragma once

namespace glanzzug {

struct Fenster;

// Puts the program together: every subsystem connects its handlers to the window
// elements and registers the routines the engine calls.
void Verdrahten(Fenster& f);

} // namespace glanzzug
