#pragma once
#include "Anordnung.h"

namespace glanzzug {

// The largest display size the program ever sets, in pixels each way: a module placed at
// the farthest position a layout file or the editor allows, plus its 7 pixels. Pic and
// Bild never grow beyond it, so this much of a picture's top-left corner is all a display
// can show of it unscaled.
inline constexpr int kGrößteDisplaySeite = int(kGrößtePosition) + 7;

struct Fenster;

// The display size: DisplayBreite x DisplayHöhe pixels, normally just large enough for
// the present modules, at most 120 x 120 when set with the buttons.

// Gives Pic and Bild the display size (a size of 0 is allowed; at most kGrößteDisplaySeite).
void DisplayGrößeSetzen(Fenster& f);
// Size from the present modules: the largest ModulX + 7 and ModulY + 7 (never below 0);
// the editor area shrinks to the present icons.
void Modulgröße_Click(Fenster& f);
// 120 x 120.
void Maximum_Click(Fenster& f);
// Size of the picture last loaded into Bild; a picture over 120 in either direction is
// refused with a message and nothing changes.
void Bildergröße_Click(Fenster& f);

// The editor area's outer size in screen pixels (one pixel of border on each side); its
// drawing area is two pixels smaller in each direction.
void MatrixBildAußenSetzen(Fenster& f, int breite, int höhe);
int MatrixBildAußenBreite(const Fenster& f);
int MatrixBildAußenHöhe(const Fenster& f);

} // namespace glanzzug
