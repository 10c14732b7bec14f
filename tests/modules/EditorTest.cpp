#include "Editor.h"
#include "Anordnung.h"
#include "DisplayGroesse.h"
#include "TestHilfen.h"
#include "Textdatei.h"
#include <gtest/gtest.h>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
// A started window in an empty folder: the standard arrangement, 42 x 7 display.
struct Editor {
    TestOrdner ordner;
    TestFenster t;
    Fenster& f = t.f;
    Editor() { Form_Load(f); }
};
} // namespace

TEST(Editor, ZiehenRastetAufVierPixelUndSpeichertErstBeimLoslassen) {
    Editor e;
    const struct {
        int modul, knopf;
        double x0, y0, x, y; // grab and move, in icon pixels
        int links, oben;     // where the icon then lies
    } fälle[] = {
        // Int((28 + 15 - 10) / 4) * 4 = 32; to 12 stays; one pixel left jumps a whole step.
        {1, 1, 10, 5, 15, 5, 32, 0},
        {1, 1, 10, 5, 12, 5, 28, 0},
        {1, 1, 10, 5, 9, 5, 24, 0},
        // 3 pixels above the top, 3 pixels beyond the left edge.
        {1, 1, 10, 5, 10, 2, 28, -4},
        {0, 1, 10, 10, 7, 10, -4, 0},
        // Only the left button alone drags (the right one is tried with the real mouse in the window).
        {2, 3, 10, 10, 50, 40, 56, 0},
        {2, 4, 10, 10, 50, 40, 56, 0},
        // Stops where a layout file still loads.
        {5, 1, 0, 0, 1e6, -1e6, 4000, -4000},
    };
    for (const auto& c : fälle) {
        SCOPED_TRACE(testing::Message() << c.modul << " button " << c.knopf << ": " << c.x << "," << c.y);
        MatrixStandart_Click(e.f);
        Bildfeld& icon = e.f.Modul[c.modul];
        icon.MouseDown.auslösen(c.knopf, 0, c.x0, c.y0);
        icon.MouseMove.auslösen(c.knopf, 0, c.x, c.y);
        EXPECT_EQ(std::tuple(icon.links(), icon.oben()), std::tuple(c.links, c.oben));
        EXPECT_EQ(e.f.ModulX[c.modul], 7 * c.modul); // the module's window waits for the release
        icon.MouseUp.auslösen(c.knopf, 0, c.x, c.y);
        EXPECT_EQ(std::tuple(e.f.ModulX[c.modul], e.f.ModulY[c.modul]),
                  std::tuple(c.links / 4.0, c.oben / 4.0));
    }
    e.f.MatrixSchließen.klick();
    EXPECT_LE(e.f.MatrixBild.breite(), 4 * kGrößteZiehPosition + 27); // no larger than the modules need
    TestFenster neu;
    Form_Load(neu.f);
    EXPECT_EQ(neu.f.ModulY[5], -kGrößteZiehPosition);

    // A right-button press sets the grab point too: a following left move measures from it.
    e.f.Modul[2].MouseDown.auslösen(2, 0, 20, 20);
    e.f.Modul[2].MouseMove.auslösen(1, 0, 24, 20);
    EXPECT_EQ(e.f.Modul[2].links(), 60);
}

TEST(Editor, PräsenzZweimalUmschaltenUndDasIconEntscheidet) {
    Editor e;
    for (bool sichtbar : {false, true}) {
        e.f.ModulSichtbar[1].klick();
        EXPECT_EQ(std::tuple(e.f.Modul[1].sichtbar(), e.f.ModulSichtbar[1].hintergrund(),
                             e.f.ModulSichtbar[1].toolTip()),
                  sichtbar ? std::tuple(true, RGB(0, 255, 0), QString("Sichtbar"))
                           : std::tuple(false, RGB(255, 0, 0), QString("Unsichtbar")));
        EXPECT_EQ(e.f.DisplayBreite, 42); // not recomputed here
    }
    // A button whose tool tip disagrees with its icon follows the icon.
    e.f.Modul[3].setzeSichtbar(false);
    e.f.ModulSichtbar[3].klick();
    EXPECT_EQ(std::tuple(e.f.Modul[3].sichtbar(), e.f.ModulSichtbar[3].toolTip()),
              std::tuple(true, QString("Sichtbar")));
}

TEST(Editor, ÖffnenKopiertDasDisplayIn294KästchenUndDasPunkteraster) {
    Editor e;
    // The area grown again by "Maximum" (the start drew the dots on a larger area).
    ASSERT_EQ(e.f.MatrixBild.breite(), 167);
    e.f.Maximum.klick();
    ASSERT_EQ(e.f.MatrixBild.breite(), 479);
    e.f.DisplayBreite = 42, e.f.DisplayHöhe = 7;
    DisplayGrößeSetzen(e.f);
    const auto farbe = [](int x, int y) { return RGB(6 * x + 1, 30 * y + 2, 200); };
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 42; ++x) e.f.Pic.setzePunkt(x, y, farbe(x, y));
    e.f.MatrixÖffnen.klick();
    EXPECT_EQ(std::tuple(e.f.T.an(), e.f.MatrixFeld.sichtbar()), std::tuple(false, true));
    int kästchenPixel = 0;
    for (int y = 0; y < 479; ++y)
        for (int x = 0; x < 479; ++x) {
            const Farbe p = e.f.MatrixBild.punkt(x, y);
            if (x % 4 < 3 && y % 4 < 3 && x < 168 && y < 28) {
                ASSERT_EQ(p, farbe(x / 4, y / 4)) << x << "," << y;
                ++kästchenPixel;
            } else {
                ASSERT_EQ(p, x % 4 == 1 && y % 4 == 1 ? RGB(0, 0, 0) : RGB(128, 128, 128)) << x << "," << y;
            }
        }
    EXPECT_EQ(kästchenPixel, 294 * 9);

    // A display of 0 x 0 copies nothing.
    e.f.MatrixBild.bild().fill(Qt::gray);
    const QImage leer = e.f.MatrixBild.bild();
    e.f.DisplayBreite = e.f.DisplayHöhe = 0;
    DisplayGrößeSetzen(e.f);
    e.f.MatrixÖffnen.klick();
    EXPECT_EQ(e.f.MatrixBild.bild(), leer);
}
