#pragma once
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace glanzzug::led {

// The line cell of the LED font at its design size: kLeerZeilenOben blank rows above
// kTintenZeilen rows that may carry ink. Drawn with the cell top at y = -3, the ink rows are
// exactly the rows 0 to 6 of a seven-row sign.
inline constexpr int kLeerZeilenOben = 3;
inline constexpr int kTintenZeilen = 7;
inline constexpr int kZellenZeilen = kLeerZeilenOben + kTintenZeilen;

// Widest glyph the table may hold, in columns.
inline constexpr std::size_t kMaxBreite = 12;

// One glyph as drawn at the design size: kTintenZeilen rows of equal length, '#' = LED on,
// '.' = LED off. The row length is the ink width; the dark column that separates letters is
// not part of it.
struct GlyphMuster {
    char32_t zeichen;
    std::array<std::string_view, kTintenZeilen> zeilen;
};

// The glyphs of the font in ascending code point order: every printable character of
// Windows-1252, as Unicode.
std::span<const GlyphMuster> glyphMuster();

// The glyph drawn for every character the font does not cover (an empty box).
const GlyphMuster& ersatzMuster();

} // namespace glanzzug::led
