#include "LedSchriftsatz.h"

#include <QColor>

#include <algorithm>

namespace glanzzug {
namespace {

// Calls f with every code point of the text; an unpaired surrogate is passed on as it is and
// so draws as the placeholder.
template <typename F> void fürJedesZeichen(QStringView text, F&& f) {
    const char16_t* p = text.utf16();
    const char16_t* const ende = p + text.size();
    while (p != ende) {
        const char16_t c = *p++;
        if (QChar::isHighSurrogate(c) && p != ende && QChar::isLowSurrogate(*p))
            f(static_cast<char32_t>(QChar::surrogateToUcs4(c, *p++)));
        else
            f(static_cast<char32_t>(c));
    }
}

// Source column of pixel column `ziel` when a glyph of `quelle` columns is drawn `länge` pixels
// wide. Enlarged: ziel / faktor, exactly. Reduced: nearest neighbour with the outer columns
// aligned, which keeps both stems and the centre column of odd widths (T, H, V at 5 → 4).
inline int spalteIn(int ziel, int quelle, int länge) {
    if (länge >= quelle) return static_cast<int>(1LL * ziel * quelle / länge);
    if (länge == 1) return quelle / 2;
    return static_cast<int>(1LL * ziel * (quelle - 1) / (länge - 1));
}

// Source row of pixel row `ziel` in a cell of `länge` rows, sampled at the pixel's top edge: a
// reduction loses rows from the bottom of each stretch, so at nine rows only the descender row
// goes and every capital stays whole. Exact for whole-number enlargements (ziel / faktor).
inline int zeileIn(int ziel, int länge) {
    return static_cast<int>(1LL * ziel * led::kZellenZeilen / länge);
}

led::Glyphe gestalte(led::Glyphe g, bool fett, bool kursiv) {
    if (kursiv) {
        for (int zeile = 0; zeile < 3; ++zeile) g.zeilen[zeile] <<= 1;
        ++g.breite;
    }
    if (fett) {
        for (auto& bits : g.zeilen) bits |= bits << 1;
        ++g.breite;
    }
    return g;
}

} // namespace

struct LedSchriftsatz::Ziel {
    QImage& bild;
    QRgb farbe;
    int y;        // image row of the cell's top
    int zeileVon; // first visible cell row
    int zeileBis; // one past the last visible cell row
    uchar* daten = nullptr;
    qsizetype zeilenLänge = 0;
    bool direkt = false; // 32 bits per pixel: write words instead of going through QImage
};

LedSchriftsatz::LedSchriftsatz(double größe, bool fett, bool kursiv) : maßstab_(led::maßstabFür(größe)) {
    const auto design = led::glyphen();
    formen_.reserve(design.size());
    tinte_.reserve(design.size());
    vorschub_.reserve(design.size());
    for (const led::Glyphe& g : design) {
        formen_.push_back(gestalte(g, fett, kursiv));
        tinte_.push_back(maßstab_.tintenBreite(formen_.back().breite));
        vorschub_.push_back(tinte_.back() + maßstab_.lücke());
    }
    zellenZeile_.resize(maßstab_.zeilen);
    for (int zeile = 0; zeile < maßstab_.zeilen; ++zeile)
        zellenZeile_[zeile] = zeileIn(zeile, maßstab_.zeilen) - led::kLeerZeilenOben;
    for (char32_t z = 0; z < latin1_.size(); ++z) latin1_[z] = static_cast<std::uint16_t>(led::glyphIndex(z));
}

int LedSchriftsatz::breite(QStringView text) const {
    long long summe = 0;
    fürJedesZeichen(text, [&](char32_t z) { summe += vorschub_[glyphe(z)]; });
    return static_cast<int>(summe);
}

int LedSchriftsatz::zeichne(QImage& bild, int x, int y, QStringView text, QRgb farbe) const {
    const long long oben = y;
    Ziel ziel{bild, farbe, y, static_cast<int>(std::clamp<long long>(-oben, 0, maßstab_.zeilen)),
              static_cast<int>(std::clamp<long long>(bild.height() - oben, 0, maßstab_.zeilen))};
    const bool sichtbar = !bild.isNull() && ziel.zeileVon < ziel.zeileBis;
    const long long rechts = bild.width();

    long long stift = x;
    fürJedesZeichen(text, [&](char32_t z) {
        const int index = glyphe(z);
        if (sichtbar && stift < rechts && stift + tinte_[index] > 0) rastere(ziel, index, stift);
        stift += vorschub_[index];
    });
    return static_cast<int>(stift - x);
}

void LedSchriftsatz::rastere(Ziel& ziel, int glyphe, long long stift) const {
    if (!ziel.daten) {
        ziel.direkt = ziel.bild.depth() == 32;
        ziel.daten = ziel.bild.bits(); // detaches once per call, not per glyph
        ziel.zeilenLänge = ziel.bild.bytesPerLine();
    }
    const led::Glyphe& form = formen_[glyphe];
    const int breite = tinte_[glyphe];
    const int spalteVon = static_cast<int>(std::max<long long>(0, -stift));
    const int spalteBis = static_cast<int>(std::min<long long>(breite, ziel.bild.width() - stift));
    const QRgb farbe = ziel.farbe | 0xff000000u;

    for (int zeile = ziel.zeileVon; zeile < ziel.zeileBis; ++zeile) {
        const int tintenZeile = zellenZeile_[zeile];
        if (tintenZeile < 0 || form.zeilen[tintenZeile] == 0) continue;
        const std::uint32_t bits = form.zeilen[tintenZeile];
        const int bildZeile = ziel.y + zeile;
        auto* pixel = reinterpret_cast<QRgb*>(ziel.daten + bildZeile * ziel.zeilenLänge);
        for (int spalte = spalteVon; spalte < spalteBis; ++spalte) {
            if (!((bits >> spalteIn(spalte, form.breite, breite)) & 1u)) continue;
            const int bildSpalte = static_cast<int>(stift + spalte);
            if (ziel.direkt)
                pixel[bildSpalte] = farbe;
            else
                ziel.bild.setPixelColor(bildSpalte, bildZeile, QColor::fromRgb(farbe));
        }
    }
}

} // namespace glanzzug
