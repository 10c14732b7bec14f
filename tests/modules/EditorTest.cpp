#include "Editor.h"
#include "Anordnung.h"
#include "AufnahmePort.h"
#include "DisplayGroesse.h"
#include "Fenster.h"
#include "Programm.h"
#include "Start.h"
#include "Textdatei.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace glanzzug;

namespace {
struct ImOrdner {
    QTemporaryDir dir;
    QString vorher = QDir::currentPath();
    ImOrdner() { QDir::setCurrent(dir.path()); }
    ~ImOrdner() { QDir::setCurrent(vorher); }
};

// A wired, started window in an empty folder: the standard arrangement, 42 x 7 display.
struct Editor {
    ImOrdner ordner;
    Fenster f;
    AufnahmePort port;
    Editor() {
        f.port = &port;
        Verdrahten(f);
        Form_Load(f);
    }
    // A drag of module i's icon with the given button: down at (x0, y0), moves through
    // the points, up at the last one. Coordinates inside the icon, as the icon reports them.
    void ziehen(int i, int knopf, double x0, double y0,
                std::initializer_list<std::pair<double, double>> wege) {
        f.Modul[i].MouseDown.auslösen(knopf, 0, x0, y0);
        double x = x0, y = y0;
        for (auto [wx, wy] : wege) {
            x = wx, y = wy;
            f.Modul[i].MouseMove.auslösen(knopf, 0, x, y);
        }
        f.Modul[i].MouseUp.auslösen(knopf, 0, x, y);
    }
};

constexpr Farbe kGrau = RGB(128, 128, 128);
constexpr Farbe kSchwarz = RGB(0, 0, 0);
} // namespace

TEST(Editor, ZiehenRastetAufVierPixelUndSpeichertErstBeimLoslassen) {
    Editor e;
    Bildfeld& icon = e.f.Modul[1];
    ASSERT_EQ(icon.links(), 28);

    // Grab at X = 10; to 15: Int(33 / 4) * 4 = 32, but the module's window stays until release.
    e.f.Modul[1].MouseDown.auslösen(1, 0, 10, 5);
    e.f.Modul[1].MouseMove.auslösen(1, 0, 15, 5);
    EXPECT_EQ(icon.links(), 32);
    EXPECT_EQ(icon.oben(), 0);
    EXPECT_EQ(e.f.ModulX[1], 7);
    e.f.Modul[1].MouseUp.auslösen(1, 0, 15, 5);
    EXPECT_EQ(e.f.ModulX[1], 8);
    EXPECT_EQ(e.f.ModulY[1], 0);

    // From 28 again: to X = 12 stays at 28, to X = 9 jumps to 24 at once.
    ModulPositionSetzen(e.f, 1, 7, 0);
    e.f.Modul[1].MouseDown.auslösen(1, 0, 10, 5);
    e.f.Modul[1].MouseMove.auslösen(1, 0, 12, 5);
    EXPECT_EQ(icon.links(), 28);
    e.f.Modul[1].MouseMove.auslösen(1, 0, 9, 5);
    EXPECT_EQ(icon.links(), 24);
    e.f.Modul[1].MouseUp.auslösen(1, 0, 9, 5);
    EXPECT_EQ(e.f.ModulX[1], 6);

    // Upwards from the top: -3 pixels round down to -4, the module to row -1.
    e.ziehen(1, 1, 10, 5, {{10, 2}});
    EXPECT_EQ(icon.oben(), -4);
    EXPECT_EQ(e.f.ModulY[1], -1);
    // Module 0 dragged 3 pixels beyond the left edge: edge -4, ModulX -1.
    e.ziehen(0, 1, 10, 10, {{7, 10}});
    EXPECT_EQ(e.f.Modul[0].links(), -4);
    EXPECT_EQ(e.f.ModulX[0], -1);
}

TEST(Editor, NurDieLinkeTasteAlleinZieht) {
    Editor e;
    Bildfeld& icon = e.f.Modul[2];
    for (int knopf : {2, 4, 3, 0}) {
        e.ziehen(2, knopf, 10, 10, {{30, 30}, {50, 40}});
        EXPECT_EQ(icon.links(), 56) << knopf;
        EXPECT_EQ(icon.oben(), 0) << knopf;
        // The release stores the unchanged position.
        EXPECT_EQ(e.f.ModulX[2], 14) << knopf;
        EXPECT_EQ(e.f.ModulY[2], 0) << knopf;
    }
    // A right-button press sets the grab point too: a following left move measures from it.
    e.f.Modul[2].MouseDown.auslösen(2, 0, 20, 20);
    e.f.Modul[2].MouseMove.auslösen(1, 0, 24, 20);
    EXPECT_EQ(icon.links(), 60);
}

TEST(Editor, WeitGezogenBleibtDieAnordnungLadbar) {
    Editor e;
    // Far beyond anything a layout file may hold: the module stops at the bound.
    e.ziehen(5, 1, 0, 0, {{1e6, 5e5}});
    e.ziehen(4, 1, 0, 0, {{-1e6, -1e6}});
    EXPECT_EQ(e.f.ModulX[5], kGrößteZiehPosition);
    EXPECT_EQ(e.f.ModulY[5], kGrößteZiehPosition);
    EXPECT_EQ(e.f.ModulX[4], -kGrößteZiehPosition);
    EXPECT_EQ(e.f.ModulY[4], -kGrößteZiehPosition);
    e.f.MatrixSchließen.klick();
    // The size follows, and no picture box grows beyond what the arrangement needs.
    EXPECT_EQ(e.f.DisplayBreite, kGrößteZiehPosition + 7);
    EXPECT_LE(e.f.MatrixBild.breite(), 4 * kGrößteZiehPosition + 27);

    Fenster neu;
    AufnahmePort port;
    neu.port = &port;
    Verdrahten(neu);
    Form_Load(neu);
    EXPECT_EQ(neu.ModulX[5], kGrößteZiehPosition); // not taken for a damaged file
    EXPECT_EQ(neu.ModulX[4], -kGrößteZiehPosition);
    EXPECT_TRUE(neu.T.an());
}

TEST(Editor, PräsenzZweimalUmschaltenUndDasIconEntscheidet) {
    Editor e;
    e.f.ModulSichtbar[1].klick();
    EXPECT_FALSE(e.f.Modul[1].sichtbar());
    EXPECT_EQ(e.f.ModulSichtbar[1].hintergrund(), RGB(255, 0, 0));
    EXPECT_EQ(e.f.ModulSichtbar[1].toolTip(), u"Unsichtbar");
    EXPECT_EQ(e.f.DisplayBreite, 42); // not recomputed here
    e.f.ModulSichtbar[1].klick();
    EXPECT_TRUE(e.f.Modul[1].sichtbar());
    EXPECT_EQ(e.f.ModulSichtbar[1].hintergrund(), RGB(0, 255, 0));
    EXPECT_EQ(e.f.ModulSichtbar[1].toolTip(), u"Sichtbar");

    // A button whose tool tip disagrees with its icon follows the icon.
    e.f.Modul[3].setzeSichtbar(false);
    e.f.ModulSichtbar[3].klick();
    EXPECT_TRUE(e.f.Modul[3].sichtbar());
    EXPECT_EQ(e.f.ModulSichtbar[3].toolTip(), u"Sichtbar");
}

TEST(Editor, ÖffnenKopiertDasDisplayInDreiMalDreiKästchen) {
    Editor e;
    // A larger editor area than the display, so that what lies outside can be checked.
    e.f.Maximum.klick();
    e.f.DisplayBreite = 42;
    e.f.DisplayHöhe = 7;
    DisplayGrößeSetzen(e.f);
    const auto farbe = [](int x, int y) { return RGB(6 * x + 1, 30 * y + 2, 200); };
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 42; ++x) e.f.Pic.setzePunkt(x, y, farbe(x, y));
    const QImage vorher = e.f.MatrixBild.bild();
    e.f.T.setzeAn(true);

    e.f.MatrixÖffnen.klick();
    EXPECT_FALSE(e.f.T.an());
    EXPECT_TRUE(e.f.MatrixFeld.sichtbar());
    const Bildfeld& m = e.f.MatrixBild;
    int kästchenPixel = 0, rechts = -1, unten = -1;
    for (int y = 0; y < m.höhe(); ++y)
        for (int x = 0; x < m.breite(); ++x) {
            const bool imKästchen = x % 4 < 3 && y % 4 < 3 && x / 4 < 42 && y / 4 < 7;
            if (imKästchen) {
                ASSERT_EQ(m.punkt(x, y), farbe(x / 4, y / 4)) << x << "," << y;
                ++kästchenPixel;
                rechts = std::max(rechts, x), unten = std::max(unten, y);
            } else {
                ASSERT_EQ(m.punkt(x, y), ausPixel(vorher.pixel(x, y))) << x << "," << y;
            }
        }
    EXPECT_EQ(kästchenPixel, 294 * 9);
    EXPECT_EQ(rechts, 166);
    EXPECT_EQ(unten, 26);

    // A display of 0 x 0 copies nothing.
    e.f.MatrixBild.bild().fill(Qt::gray);
    const QImage leer = e.f.MatrixBild.bild();
    e.f.DisplayBreite = 0;
    e.f.DisplayHöhe = 0;
    DisplayGrößeSetzen(e.f);
    e.f.MatrixÖffnen.klick();
    EXPECT_EQ(e.f.MatrixBild.bild(), leer);
}

TEST(Editor, PunkteRasterAuchAufWiederGewachsenerFläche) {
    Editor e;
    // Start-up drew the dots on 479 x 479; the standard arrangement shrank the area.
    ASSERT_EQ(e.f.MatrixBild.breite(), 167);
    e.f.Maximum.klick();
    const Bildfeld& m = e.f.MatrixBild;
    ASSERT_EQ(m.breite(), 479);
    for (int y = 0; y < 479; ++y)
        for (int x = 0; x < 479; ++x)
            ASSERT_EQ(m.punkt(x, y), x % 4 == 1 && y % 4 == 1 ? kSchwarz : kGrau) << x << "," << y;
}

TEST(Editor, SchließenSchreibtWasDerNächsteStartLiest) {
    Editor e;
    e.f.MatrixÖffnen.klick();
    e.ziehen(2, 1, 3, 3, {{-53, 31}}); // 56 - 56 = 0, 0 + 28 = 28: under module 0
    e.f.ModulSichtbar[4].klick();
    // "Maximum" while open; closing fits the size to the modules again.
    e.f.Maximum.klick();
    EXPECT_EQ(e.f.Pic.breite(), 120);
    EXPECT_EQ(MatrixBildAußenBreite(e.f), 481);
    e.f.MatrixSchließen.klick();
    EXPECT_FALSE(e.f.MatrixFeld.sichtbar());
    EXPECT_TRUE(e.f.T.an());
    EXPECT_EQ(e.f.Pic.höhe(), 14);
    EXPECT_EQ(MatrixBildAußenHöhe(e.f), 57);
    const auto zeilen = leseZeilen(kAnordnungsDatei);
    ASSERT_TRUE(zeilen);
    EXPECT_EQ(*zeilen,
              (QStringList{"Sichtbar", " 0",       " 0",       "Sichtbar", " 7",  " 0",         "Sichtbar",
                           " 0",       " 7",       "Sichtbar", " 21",      " 0",  "Unsichtbar", " 28",
                           " 0",       "Sichtbar", " 35",      " 0",       " 42", " 14"}));

    Fenster neu;
    AufnahmePort port;
    neu.port = &port;
    Verdrahten(neu);
    Form_Load(neu);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(neu.ModulX[i], e.f.ModulX[i]) << i;
        EXPECT_EQ(neu.ModulY[i], e.f.ModulY[i]) << i;
        EXPECT_EQ(neu.Modul[i].links(), 4 * e.f.ModulX[i]) << i;
        EXPECT_EQ(neu.Modul[i].oben(), 4 * e.f.ModulY[i]) << i;
        EXPECT_EQ(neu.Modul[i].sichtbar(), i != 4) << i;
    }
    EXPECT_EQ(neu.ModulSichtbar[4].hintergrund(), RGB(255, 0, 0));
    EXPECT_EQ(neu.DisplayBreite, 42);
    EXPECT_EQ(neu.DisplayHöhe, 14);
    EXPECT_TRUE(neu.T.an());
}

TEST(Editor, ModulIconZeigtLedsUndNummer) {
    Editor e;
    const QImage bild = ModulBild();
    for (int i = 0; i < 6; ++i) {
        const Bildfeld& icon = e.f.Modul[i];
        EXPECT_EQ(icon.toolTip(), QStringLiteral("Modul %1").arg(i + 1));
        // The picture shows where the number does not reach: an LED at the lower right
        // and the board beside it.
        EXPECT_EQ(icon.bild().pixel(25, 25), bild.pixel(25, 25));
        EXPECT_EQ(icon.bild().pixel(23, 23), bild.pixel(23, 23));
        EXPECT_NE(bild.pixel(25, 25), bild.pixel(23, 23));
    }
    // The numbers are printed over it.
    EXPECT_NE(e.f.Modul[0].bild(), e.f.Modul[1].bild());
    EXPECT_NE(e.f.Modul[0].bild().copy(0, 0, 27, 27), bild.copy(0, 0, 27, 27));
}
