#include "LedSchrift.h"

#include <algorithm>
#include <vector>

namespace glanzzug::led {
namespace {

Glyphe ausMuster(const GlyphMuster& muster) {
    Glyphe glyphe;
    glyphe.breite = static_cast<int>(muster.zeilen[0].size());
    for (int zeile = 0; zeile < kTintenZeilen; ++zeile)
        for (int spalte = 0; spalte < glyphe.breite; ++spalte)
            if (muster.zeilen[zeile][spalte] == '#') glyphe.zeilen[zeile] |= 1u << spalte;
    return glyphe;
}

struct Verzeichnis {
    std::vector<Glyphe> glyphen;
    std::array<std::uint16_t, 256> latin1{};                // index by code point below U+0100
    std::vector<std::pair<char32_t, std::uint16_t>> übrige; // ascending, code points above U+00FF
    std::uint16_t ersatz = 0;

    Verzeichnis() {
        const auto muster = glyphMuster();
        glyphen.reserve(muster.size() + 1);
        for (const GlyphMuster& m : muster) glyphen.push_back(ausMuster(m));
        glyphen.push_back(ausMuster(ersatzMuster()));
        ersatz = static_cast<std::uint16_t>(glyphen.size() - 1);
        latin1.fill(ersatz);
        for (std::size_t i = 0; i < muster.size(); ++i) {
            const auto index = static_cast<std::uint16_t>(i);
            if (muster[i].zeichen < latin1.size())
                latin1[muster[i].zeichen] = index;
            else
                übrige.emplace_back(muster[i].zeichen, index);
        }
    }
};

const Verzeichnis& verzeichnis() {
    static const Verzeichnis v;
    return v;
}

} // namespace

std::span<const Glyphe> glyphen() {
    return verzeichnis().glyphen;
}

int glyphIndex(char32_t zeichen) {
    const Verzeichnis& v = verzeichnis();
    if (zeichen < v.latin1.size()) return v.latin1[zeichen];
    const auto it = std::lower_bound(v.übrige.begin(), v.übrige.end(), zeichen,
                                     [](const auto& eintrag, char32_t z) { return eintrag.first < z; });
    return it != v.übrige.end() && it->first == zeichen ? it->second : v.ersatz;
}

} // namespace glanzzug::led
