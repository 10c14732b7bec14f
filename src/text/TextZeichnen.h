#pragma once
#include <algorithm>
#include <cmath>

namespace glanzzug {

struct Fenster;

// Draws one frame of the scrolling text (Arbeitstext) into Pic: places it by the checked
// directions (TextLageSetzen), draws it switching colour at colour codes and moving the
// first 30 letters by their own offsets while "Zufall" is checked, and reports the end of
// a pass in DurchlaufStatus (1 end of a vertical or zoom cycle or a step of 0, 3 the text
// has left the display, 4 the text stands still or the letters have flown off; then the
// letters go back to their start and Laufposition to 0, so that every pass shows the
// flight).
// Afterwards the drawing colour of Pic is TextFarbe again.
void TextZeichnen(Fenster& f);

// The pixel a drawing position falls on: the nearest whole pixel, halves up, so a text
// top at -3.25 (a font size of 7 against the design size 6.75) stays on row -3. Positions
// that are not numbers or lie absurdly far away map far outside every image.
inline int textPixel(double v) {
    constexpr double kFern = 1e9;
    if (std::isnan(v)) return int(-kFern);
    return int(std::clamp(std::floor(v + 0.5), -kFern, kFern));
}

} // namespace glanzzug
