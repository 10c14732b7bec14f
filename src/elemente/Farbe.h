#pragma once
#include <QColor>
#include <cstdint>

namespace glanzzug {

// A colour value as the program stores it: red in the low byte, green in the middle,
// blue in the high byte (0x00BBGGRR). -1 stands for "no colour" (a point outside a picture).
using Farbe = std::int32_t;

constexpr Farbe RGB(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int rotVon(Farbe f) { return f & 0xff; }
constexpr int grünVon(Farbe f) { return (f >> 8) & 0xff; }
constexpr int blauVon(Farbe f) { return (f >> 16) & 0xff; }

// Conversions to and from Qt's 0xAARRGGBB pixels.
constexpr std::uint32_t alsPixel(Farbe f) {
    return 0xff000000u | (std::uint32_t(rotVon(f)) << 16) | (std::uint32_t(grünVon(f)) << 8) |
           std::uint32_t(blauVon(f));
}
constexpr Farbe ausPixel(std::uint32_t p) {
    return RGB(int((p >> 16) & 0xff), int((p >> 8) & 0xff), int(p & 0xff));
}
inline QColor alsQColor(Farbe f) { return QColor(rotVon(f), grünVon(f), blauVon(f)); }

} // namespace glanzzug
