#include "LedMassstab.h"

#include <algorithm>
#include <cmath>

namespace glanzzug::led {

int Maßstab::tintenBreite(int entwurfsBreite) const {
    if (breitenAnteil >= 1.0) return entwurfsBreite * faktor;
    return std::max(1, static_cast<int>(std::lround(entwurfsBreite * breitenAnteil)));
}

Maßstab maßstabFür(double größe) {
    // One row is the smallest cell; anything at or below that size (or no number at all) is it.
    constexpr double kKleinste = kEntwurfsGröße / kZellenZeilen;
    if (!(größe > kKleinste)) größe = kKleinste;
    größe = std::min(größe, kMaxFaktor * kEntwurfsGröße);

    Maßstab m;
    if (größe >= kEntwurfsGröße) {
        m.faktor = std::max(1, static_cast<int>(std::lround(größe / kEntwurfsGröße)));
        m.zeilen = kZellenZeilen * m.faktor;
        return m;
    }
    const int zeilen = std::max(1, static_cast<int>(std::lround(kZellenZeilen * größe / kEntwurfsGröße)));
    if (zeilen >= kZellenZeilen) return m;
    m.zeilen = zeilen;
    m.breitenAnteil = größe / kEntwurfsGröße;
    return m;
}

} // namespace glanzzug::led
