#include "Farbwahl.h"
#include "Fenster.h"
#include <optional>

namespace glanzzug {

namespace {
constexpr Farbe kSchwarz = RGB(0, 0, 0), kRot = RGB(255, 0, 0), kGrün = RGB(0, 255, 0),
                kGelb = RGB(255, 255, 0), kBlau = RGB(0, 0, 255), kMagenta = RGB(255, 0, 255),
                kCyan = RGB(0, 255, 255), kWeiß = RGB(255, 255, 255);

// Fills columns x1..x2 and rows y1..y2 (both included).
void feld(Bildfeld& b, int x1, int y1, int x2, int y2, Farbe c) {
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) b.setzePunkt(x, y, c);
}

void palette(Bildfeld& b) {
    b.setzeGröße(16, 16);
    b.setzeHintergrund(kSchwarz);
    b.entferneHintergrundBild();
    b.leeren();
}

// The palette pixel under the pointer; nothing outside the palette.
std::optional<Farbe> gepickt(const Bildfeld& b, double x, double y) {
    const Farbe c = b.punkt(x, y);
    if (c < 0) return std::nullopt;
    return c;
}
} // namespace

void TextPaletteZeichnen(Bildfeld& b) {
    palette(b);
    const Farbe oben[4] = {kRot, kGrün, kBlau, kGelb};
    for (int i = 0; i < 4; ++i) feld(b, 4 * i, 0, 4 * i + 3, 3, oben[i]);
    const Farbe mitte[3] = {kWeiß, kMagenta, kCyan};
    for (int i = 0; i < 3; ++i) feld(b, 6, 4 + 4 * i, 9, 7 + 4 * i, mitte[i]);
}

void HintergrundPaletteZeichnen(Bildfeld& b) {
    palette(b);
    const Farbe links[3] = {kGelb, kMagenta, kCyan};
    const Farbe rechts[3] = {kRot, kBlau, kGrün};
    for (int i = 0; i < 3; ++i) {
        feld(b, 0, 4 + 4 * i, 4, 7 + 4 * i, links[i]);
        feld(b, 11, 4 + 4 * i, 15, 7 + 4 * i, rechts[i]);
    }
    feld(b, 5, 12, 10, 15, kWeiß);
}

void PalettenZeichnen(Fenster& f) {
    TextPaletteZeichnen(f.TeFaPic);
    TextPaletteZeichnen(f.WeTeFaPic);
    HintergrundPaletteZeichnen(f.HiFaPic);
    HintergrundPaletteZeichnen(f.WeHiFaPic);
}

void FarbwertZeigen(Fenster& f, Farbe c) {
    for (int k = 0; k <= 7; ++k) {
        if (f.Farbtabelle[std::size_t(k)] != c) continue;
        f.FaWe.setzeText(QString::number(k));
        return;
    }
}

void TeFaPic_MouseDown(Fenster& f, int, int, double x, double y) {
    const auto c = gepickt(f.TeFaPic, x, y);
    if (!c) return;
    f.TextFarbe = *c;
    f.TeFaLabel.setzeVordergrund(*c);
    f.Pic.setzeVordergrund(*c);
    FarbwertZeigen(f, *c);
}

void HiFaPic_MouseDown(Fenster& f, int, int, double x, double y) {
    const auto c = gepickt(f.HiFaPic, x, y);
    if (!c) return;
    f.HintergrundFarbe = *c;
    f.TeFaLabel.setzeHintergrund(*c);
    f.Pic.setzeHintergrund(*c);
    f.Bild.setzeHintergrund(*c);
}

void WeTeFaPic_MouseDown(Fenster& f, int, int, double x, double y) {
    const auto c = gepickt(f.WeTeFaPic, x, y);
    if (!c) return;
    f.WechselTextFarbe = *c;
    f.WeFaLabel.setzeVordergrund(*c);
    FarbwertZeigen(f, *c);
}

void WeHiFaPic_MouseDown(Fenster& f, int, int, double x, double y) {
    const auto c = gepickt(f.WeHiFaPic, x, y);
    if (!c) return;
    f.WechselHintergrundFarbe = *c;
    f.WeFaLabel.setzeHintergrund(*c);
}

} // namespace glanzzug
