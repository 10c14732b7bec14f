#include "DisplayGroesse.h"
#include "Fenster.h"
#include "Zahl.h"
#include <algorithm>

namespace glanzzug {

namespace {
// The editor area never grows beyond four times this in either direction.
constexpr int kGrößteSeite = 4096;
int begrenzt(double v) { return int(std::clamp(v, 0.0, double(kGrößteDisplaySeite))); }
} // namespace

void MatrixBildAußenSetzen(Fenster& f, int breite, int höhe) {
    f.MatrixBildAußenB = std::max(0, breite);
    f.MatrixBildAußenH = std::max(0, höhe);
    f.MatrixBild.setzeGröße(std::clamp(breite - 2, 0, kGrößteSeite * 4), std::clamp(höhe - 2, 0, kGrößteSeite * 4));
}
int MatrixBildAußenBreite(const Fenster& f) { return f.MatrixBildAußenB; }
int MatrixBildAußenHöhe(const Fenster& f) { return f.MatrixBildAußenH; }

void DisplayGrößeSetzen(Fenster& f) {
    const int b = begrenzt(f.DisplayBreite), h = begrenzt(f.DisplayHöhe);
    f.Pic.setzeGröße(b, h);
    f.Bild.setzeGröße(b, h);
    f.BildEigeneGröße = QSize();
}

void Modulgröße_Click(Fenster& f) {
    double r = -1, u = -1;
    for (int i = 0; i <= f.LetztesModul; ++i) {
        if (f.ModulSichtbar[std::size_t(i)].toolTip() == QStringLiteral("Unsichtbar")) continue;
        const Bildfeld& icon = f.Modul[std::size_t(i)];
        r = std::max(r, double(icon.links() + icon.breite()));
        u = std::max(u, double(icon.oben() + icon.höhe()));
    }
    // R x 15 + 30 twips at 15 twips per pixel: R + 2 pixels.
    MatrixBildAußenSetzen(f, int(r) + 2, int(u) + 2);
    f.DisplayBreite = ganzTeil(r / 4) + 1;
    f.DisplayHöhe = std::int32_t(ganzTeil(u / 4) + 1);
    DisplayGrößeSetzen(f);
}

void Maximum_Click(Fenster& f) {
    f.DisplayBreite = 120;
    f.DisplayHöhe = 120;
    MatrixBildAußenSetzen(f, 4 * 120 + 1, 4 * 120 + 1);
    DisplayGrößeSetzen(f);
}

void Bildergröße_Click(Fenster& f) {
    // Bild shows a large picture scaled down; its own size counts.
    const QSize bild = f.BildEigeneGröße.isValid() ? f.BildEigeneGröße : QSize(f.Bild.breite(), f.Bild.höhe());
    const double breite = bild.width();
    const std::int32_t höhe = bild.height();
    if (breite > 120 || höhe > 120) {
        // The display keeps its size; the picture's size is only reported.
        if (f.dialoge)
            f.dialoge->hinweis(QStringLiteral("Das Bild ist mit %1x%2 Pixeln zu groß").arg(int(breite)).arg(höhe));
        return;
    }
    f.DisplayBreite = breite;
    f.DisplayHöhe = höhe;
    MatrixBildAußenSetzen(f, 4 * int(breite) + 1, 4 * höhe + 1);
    DisplayGrößeSetzen(f);
}

} // namespace glanzzug
