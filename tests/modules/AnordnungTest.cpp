#include "Anordnung.h"
#include "DisplayGroesse.h"
#include "Fenster.h"
#include "Start.h"
#include "TestHilfen.h"
#include "Textdatei.h"
#include <gtest/gtest.h>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
QStringList standardDatei() {
    QStringList z;
    for (int i = 0; i < 6; ++i) z << "Sichtbar" << QString(" %1").arg(7 * i) << " 0";
    return z << " 42"
             << " 7";
}
// Display size, then the editor area's outer size in pixels.
std::tuple<double, int, int, int> größen(Fenster& f) {
    return {f.DisplayBreite, f.DisplayHöhe, MatrixBildAußenBreite(f), MatrixBildAußenHöhe(f)};
}
} // namespace

TEST(Anordnung, DateiWirdGelesenFehlendeUndBeschädigteGebenDenStandardUndTimerAus) {
    const struct {
        const char* name;
        std::function<void(QStringList&)> ändern;
        bool gelesen;
    } fälle[] = {
        {"keine Datei", nullptr, false},
        // Module 1 absent, module 5 at (-3, 2), a stored size that disagrees.
        {"gut", [](QStringList& z) { z[16] = "-3", z[17] = " 2", z[18] = " 99", z[19] = " 99"; }, true},
        {"zu kurz", [](QStringList& z) { z = z.mid(0, 10); }, false},
        {"keine Zahl", [](QStringList& z) { z[4] = "sieben"; }, false},
        {"absurd", [](QStringList& z) { z[1] = "1e9"; }, false},
        {"absurd negativ", [](QStringList& z) { z[2] = "-5000"; }, false},
        {"Größe", [](QStringList& z) { z[19] = "x"; }, false},
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.name);
        TestOrdner o;
        TestFenster a;
        QStringList z = standardDatei();
        z[3] = "Unsichtbar";
        if (fall.ändern) {
            fall.ändern(z);
            ASSERT_TRUE(schreibeZeilenAtomar(kAnordnungsDatei, z));
        }
        a.f.T.setzeAn(!fall.gelesen);
        MatrixAnordnungLaden(a.f);
        EXPECT_EQ(a.f.T.an(), fall.gelesen); // nothing from a damaged file survives
        EXPECT_EQ(std::tuple(a.f.ModulSichtbar[1].toolTip(), a.f.ModulSichtbar[1].hintergrund(),
                             a.f.Modul[1].sichtbar()),
                  fall.gelesen ? std::tuple(QString("Unsichtbar"), RGB(255, 0, 0), false)
                               : std::tuple(QString("Sichtbar"), RGB(0, 255, 0), true));
        EXPECT_EQ(std::tuple(a.f.ModulX[5], a.f.ModulY[5]),
                  fall.gelesen ? std::tuple(-3.0, 2.0) : std::tuple(35.0, 0.0));
        // Read: module 4 at x 28 is the rightmost present one.
        EXPECT_EQ(größen(a.f), fall.gelesen ? std::tuple(35, 9, 141, 37) : std::tuple(42, 7, 169, 29));
        EXPECT_EQ(std::tuple(a.f.Pic.breite(), a.f.Bild.höhe()),
                  fall.gelesen ? std::tuple(35, 9) : std::tuple(42, 7));
    }
}

TEST(Anordnung, SchließenSchreibtWasDerNächsteStartLiest) {
    TestOrdner o;
    {
        TestFenster a;
        MatrixStandart_Click(a.f);
        MatrixSchließen_Click(a.f);
        EXPECT_EQ(*leseZeilen(kAnordnungsDatei), standardDatei());
        ModulPositionSetzen(a.f, 2, 0, 7);
        ModulPräsenzSetzen(a.f, 4, QString()); // any other text counts as present and is kept
        MatrixSchließen_Click(a.f);
        EXPECT_TRUE(a.f.T.an());
        EXPECT_FALSE(a.f.MatrixFeld.sichtbar());
    }
    FrischGestartet g;
    Fenster& f = g.f;
    EXPECT_EQ(std::tuple(f.ModulX[2], f.ModulY[2], f.ModulSichtbar[4].toolTip(), f.Modul[4].sichtbar(),
                         f.DisplayHöhe),
              std::tuple(0.0, 7.0, QString(), true, 14));
    EXPECT_TRUE(f.T.an());
}

TEST(DisplayGröße, DieFälleDerKnöpfe) {
    TestFenster a;
    MatrixStandart_Click(a.f);
    // Two stacked modules, the others absent: 7 x 14.
    ModulPositionSetzen(a.f, 1, 0, 7);
    for (int i = 2; i < 6; ++i) ModulPräsenzSetzen(a.f, i, QStringLiteral("Unsichtbar"));
    Modulgröße_Click(a.f);
    EXPECT_EQ(std::tuple(a.f.DisplayBreite, a.f.DisplayHöhe), std::tuple(7.0, 14));
    // All absent: 0 x 0, the editor area 1 x 1 pixel (15 twips).
    for (int i = 0; i < 6; ++i) ModulPräsenzSetzen(a.f, i, QStringLiteral("Unsichtbar"));
    Modulgröße_Click(a.f);
    EXPECT_EQ(größen(a.f), std::tuple(0, 0, 1, 1));
    EXPECT_EQ(std::tuple(a.f.Pic.breite(), a.f.Pic.punkt(0, 0), a.f.MatrixBild.breite()),
              std::tuple(0, -1, 0));
    Maximum_Click(a.f);
    EXPECT_EQ(größen(a.f), std::tuple(120, 120, 481, 481));
    EXPECT_EQ(a.f.Pic.höhe(), 120);
}

TEST(DisplayGröße, BildergrößeMitUndOhneMeldung) {
    TestFenster a;
    MatrixStandart_Click(a.f);
    a.f.Bild.setzeGröße(160, 120);
    // Random colours fill the display at every step while the message is open; the steps
    // meanwhile still see the display's own size.
    a.f.AusWal.wähle(6);
    std::pair<double, int> währenddessen;
    a.dialoge.ticksImDialog(a.f.T, 3, [&] { währenddessen = {a.f.DisplayBreite, a.f.DisplayHöhe}; });
    Bildergröße_Click(a.f);
    EXPECT_EQ(a.dialoge.hinweise, QStringList{QStringLiteral("Das Bild ist mit 160x120 Pixeln zu groß")});
    EXPECT_EQ(a.dialoge.getickt, 3);
    EXPECT_EQ(währenddessen, std::pair(42.0, 7));
    EXPECT_EQ(std::tuple(a.f.Pic.breite(), a.f.Pic.höhe(), a.f.DisplayBreite),
              std::tuple(42, 7, 42.0)); // kept
    a.f.Bild.setzeGröße(64, 32);
    Bildergröße_Click(a.f);
    EXPECT_EQ(a.dialoge.hinweise.size(), 1);
    EXPECT_EQ(größen(a.f), std::tuple(64, 32, 257, 129)); // 3855 x 1935 twips
}
