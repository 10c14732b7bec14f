#pragma once
#include "LedGlyphen.h"

#include <array>
#include <cstdint>
#include <span>

namespace glanzzug::led {

// A glyph of the LED font as bit rows: bit c of zeilen[r] is the LED in column c (counted from
// the left) of ink row r. Columns at or beyond breite are never set.
struct Glyphe {
    int breite = 0; // ink columns, without the dark column that follows every glyph
    std::array<std::uint32_t, kTintenZeilen> zeilen{};
    bool operator==(const Glyphe&) const = default;
};

// All glyphs, in the order of glyphMuster(), followed by the placeholder as the last entry.
std::span<const Glyphe> glyphen();

// Index into glyphen() for a code point; characters the font lacks, control characters
// included, give the placeholder's index.
int glyphIndex(char32_t zeichen);

} // namespace glanzzug::led
