#include "Editor.h"
#include "Anordnung.h"
#include "Fenster.h"
#include "Zahl.h"
#include <algorithm>
#include <cmath>
#include <memory>

namespace glanzzug {

namespace {
bool gültig(int index) {
    return index >= 0 && index < 6;
}

// Snaps an edge to the 4-pixel grid (rounding down, also below zero) and keeps it within
// the reach of a loadable layout file.
int eingerastet(double kante) {
    const double grenze = 4.0 * kGrößteZiehPosition;
    return int(std::clamp(ganzTeil(kante / 4) * 4, -grenze, grenze));
}

// Black dots at (1 + 4i, 1 + 4j) in the part of the editor area outside the first
// `breite` x `höhe` pixels.
void punkteAußerhalb(Bildfeld& b, int breite, int höhe) {
    QImage& bild = b.bild();
    if (bild.isNull()) return;
    const QRgb schwarz = alsPixel(RGB(0, 0, 0));
    for (int y = 1; y < bild.height(); y += 4) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = y < höhe ? 1 + 4 * ((std::max(breite, 1) - 1 + 3) / 4) : 1; x < bild.width(); x += 4)
            zeile[x] = schwarz;
    }
    b.geändert();
}
} // namespace

void MatrixÖffnen_Click(Fenster& f) {
    f.T.setzeAn(false);
    Bildfeld& editor = f.MatrixBild;
    QImage& bild = editor.bild();
    if (!bild.isNull()) {
        // Only pixels that exist in Pic and whose box reaches into the editor area.
        const int breite = int(std::min({std::floor(std::max(f.DisplayBreite, 0.0)), double(f.Pic.breite()),
                                         std::ceil(bild.width() / 4.0)}));
        const int höhe = std::min({std::max(f.DisplayHöhe, 0), f.Pic.höhe(), (bild.height() + 3) / 4});
        for (int y = 0; y < höhe; ++y) {
            const auto* quelle = reinterpret_cast<const QRgb*>(f.Pic.bild().constScanLine(y));
            for (int ey = 4 * y; ey <= 4 * y + 2 && ey < bild.height(); ++ey) {
                auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(ey));
                for (int x = 0; x < breite; ++x)
                    for (int ex = 4 * x; ex <= 4 * x + 2 && ex < bild.width(); ++ex) zeile[ex] = quelle[x];
            }
        }
        editor.geändert();
    }
    f.MatrixFeld.setzeSichtbar(true);
}

void Modul_MouseDown(Fenster& f, int, int, int, double x, double y) {
    f.ZiehX = x;
    f.ZiehY = y;
}

void Modul_MouseMove(Fenster& f, int index, int knopf, int, double x, double y) {
    if (knopf != 1 || !gültig(index)) return;
    Bildfeld& icon = f.Modul[std::size_t(index)];
    const int links = eingerastet(icon.links() + x - f.ZiehX);
    const int oben = eingerastet(icon.oben() + y - f.ZiehY);
    icon.setzePosition(links, oben);
}

void Modul_MouseUp(Fenster& f, int index, int, int, double, double) {
    if (!gültig(index)) return;
    const Bildfeld& icon = f.Modul[std::size_t(index)];
    f.ModulX[std::size_t(index)] = ganzTeil(icon.links() / 4.0);
    f.ModulY[std::size_t(index)] = ganzTeil(icon.oben() / 4.0);
}

void ModulSichtbar_Click(Fenster& f, int index) {
    if (!gültig(index)) return;
    const bool jetztSichtbar = f.Modul[std::size_t(index)].sichtbar();
    Knopf& knopf = f.ModulSichtbar[std::size_t(index)];
    f.Modul[std::size_t(index)].setzeSichtbar(!jetztSichtbar);
    knopf.setzeHintergrund(jetztSichtbar ? f.FarbeUnsichtbar : f.FarbeSichtbar);
    knopf.setzeToolTip(jetztSichtbar ? QStringLiteral("Unsichtbar") : QStringLiteral("Sichtbar"));
}

QImage ModulBild() {
    constexpr int seite = 31;
    const QRgb platine = qRgb(24, 40, 72);     // dark blue board
    const QRgb ledMitte = qRgb(150, 150, 140); // a dark LED: milky grey, brightest in its middle
    const QRgb ledRand = qRgb(90, 92, 96);
    QImage bild(seite, seite, QImage::Format_RGB32);
    bild.fill(platine);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c)
            for (int dy = 0; dy < 3; ++dy)
                for (int dx = 0; dx < 3; ++dx)
                    bild.setPixel(4 * c + dx, 4 * r + dy, dx == 1 || dy == 1 ? ledMitte : ledRand);
    return bild;
}

void EditorEinrichten(Fenster& f) {
    const QImage bild = ModulBild();
    for (int i = 0; i < 6; ++i) {
        Bildfeld& icon = f.Modul[std::size_t(i)];
        icon.setzeHintergrundBild(bild);
        icon.setzeVordergrund(RGB(255, 255, 0));
        icon.MouseDown.verbinde([&f, i](int k, int s, double x, double y) {
            // The icon reports the pixel under the pointer: whole icon pixels, however much
            // the view magnifies it.
            Modul_MouseDown(f, i, k, s, std::floor(x), std::floor(y));
        });
        icon.MouseMove.verbinde([&f, i](int k, int s, double x, double y) {
            Modul_MouseMove(f, i, k, s, std::floor(x), std::floor(y));
        });
        icon.MouseUp.verbinde([&f, i](int k, int s, double x, double y) {
            Modul_MouseUp(f, i, k, s, std::floor(x), std::floor(y));
        });
        f.ModulSichtbar[std::size_t(i)].Click.verbinde([&f, i] { ModulSichtbar_Click(f, i); });
    }
    f.MatrixÖffnen.Click.verbinde([&f] { MatrixÖffnen_Click(f); });

    // The dot grid covers the whole editor area: what grows gets its dots, since the area
    // shrinks to the modules and grows again with "Maximum".
    auto bekannt = std::make_shared<QSize>(f.MatrixBild.breite(), f.MatrixBild.höhe());
    f.MatrixBild.anzeige.verbinde([&f, bekannt] {
        Bildfeld& b = f.MatrixBild;
        const QSize jetzt(b.breite(), b.höhe());
        if (jetzt == *bekannt) return;
        if (jetzt.width() > bekannt->width() || jetzt.height() > bekannt->height())
            punkteAußerhalb(b, std::min(bekannt->width(), jetzt.width()),
                            std::min(bekannt->height(), jetzt.height()));
        *bekannt = jetzt;
    });
}

} // namespace glanzzug
