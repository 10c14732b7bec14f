#pragma once
#include "LedGlyphen.h"

namespace glanzzug::led {

// The point size the LED font is designed for: at it, one font pixel is one LED.
inline constexpr double kEntwurfsGröße = 6.75;

// Largest whole-pixel enlargement; larger sizes draw at this factor.
inline constexpr int kMaxFaktor = 100;

// How the design line cell maps onto pixels at one point size.
//  - Enlarged (faktor > 1): every font pixel, the dark column included, becomes a
//    faktor × faktor block; the cell is kZellenZeilen · faktor rows high.
//  - Reduced (zeilen < kZellenZeilen): the cell is sampled down to `zeilen` rows by nearest
//    neighbour (each pixel row shows the design row under its top edge), ink widths shrink by
//    breitenAnteil (each glyph keeps at least one column; its outer columns are always shown), and the
//    dark column stays one pixel wide.
//  - Otherwise the font is drawn as designed.
struct Maßstab {
    int faktor = 1;
    int zeilen = kZellenZeilen;
    double breitenAnteil = 1.0;

    // Ink width in pixels of a glyph that is entwurfsBreite font pixels wide.
    int tintenBreite(int entwurfsBreite) const;
    // Width of the dark gap after every glyph, in pixels.
    int lücke() const { return faktor; }
    bool operator==(const Maßstab&) const = default;
};

// The rule for a point size:
//  - size ≥ 6.75: faktor = round(size / 6.75), at least 1, so 6.75 ≤ size < 10.125 is unscaled
//    and 13.5 is exactly double;
//  - size < 6.75: zeilen = round(10 · size / 6.75), at least 1, breitenAnteil = size / 6.75;
//    sizes whose row count rounds to 10 (from about 6.41) are drawn unscaled.
// Zero, negative and NaN sizes count as the smallest size (one row); sizes beyond
// kMaxFaktor · 6.75 are capped there.
Maßstab maßstabFür(double größe);

} // namespace glanzzug::led
