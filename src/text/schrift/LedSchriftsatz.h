#pragma once
#include "LedMassstab.h"
#include "LedSchrift.h"
#include "Schriftsatz.h"

#include <array>
#include <cstdint>
#include <vector>

namespace glanzzug {

// The built-in LED font at one size and style.
//
// Bold draws every glyph a second time one font pixel to the right (ink width + 1 font pixel);
// italic shifts the top three ink rows one font pixel to the right (ink width + 1 font pixel).
// Both are applied to the design glyphs before scaling, so widths stay exact at every size.
// Draws into 32-bit images directly; other formats go through QImage::setPixelColor.
class LedSchriftsatz final : public Schriftsatz {
public:
    LedSchriftsatz(double größe, bool fett, bool kursiv);

    int breite(QStringView text) const override;
    int zeilenhöhe() const override { return maßstab_.zeilen; }
    int zeichne(QImage& bild, int x, int y, QStringView text, QRgb farbe) const override;
    bool zeichenweise() const override { return true; }

    const led::Maßstab& maßstab() const { return maßstab_; }

private:
    struct Ziel;
    // Index into the glyph tables; the common characters without a call.
    int glyphe(char32_t zeichen) const {
        return zeichen < latin1_.size() ? latin1_[zeichen] : led::glyphIndex(zeichen);
    }
    void rastere(Ziel& ziel, int glyphe, long long stift) const;

    led::Maßstab maßstab_;
    std::vector<led::Glyphe> formen_; // design glyphs with bold / italic applied
    std::vector<int> tinte_;          // ink width in pixels, per glyph
    std::vector<int> vorschub_;       // ink width plus the dark gap, per glyph
    std::vector<int> zellenZeile_;    // per pixel row of the cell: the ink row it shows, or -1
    std::array<std::uint16_t, 256> latin1_{}; // glyph index of every code point below U+0100
};

} // namespace glanzzug
