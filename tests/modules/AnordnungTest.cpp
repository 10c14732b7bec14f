#include "Anordnung.h"
#include "AufnahmePort.h"
#include "DisplayGroesse.h"
#include "Fenster.h"
#include "Programm.h"
#include "Start.h"
#include "TestHilfen.h"
#include "Textdatei.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace glanzzug;

namespace {
using Aufbau = test::TestFenster;
using ImOrdner = test::TestOrdner;

QStringList standardDatei() {
    QStringList z;
    for (int i = 0; i < 6; ++i) z << "Sichtbar" << QString(" %1").arg(7 * i) << " 0";
    return z << " 42" << " 7";
}
} // namespace

TEST(Anordnung, OhneDateiStandardUndTimerAus) {
    ImOrdner o;
    Aufbau a;
    a.f.T.setzeAn(true);
    MatrixAnordnungLaden(a.f);
    EXPECT_FALSE(a.f.T.an());
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(a.f.ModulX[i], 7 * i);
        EXPECT_EQ(a.f.ModulY[i], 0);
        EXPECT_EQ(a.f.ModulSichtbar[i].toolTip(), u"Sichtbar");
        EXPECT_EQ(a.f.ModulSichtbar[i].hintergrund(), RGB(0, 255, 0));
        EXPECT_EQ(a.f.Modul[i].links(), 28 * i);
    }
    EXPECT_EQ(a.f.DisplayBreite, 42);
    EXPECT_EQ(a.f.DisplayHöhe, 7);
    EXPECT_EQ(a.f.Pic.breite(), 42);
    EXPECT_EQ(a.f.Bild.höhe(), 7);
    EXPECT_EQ(MatrixBildAußenBreite(a.f), 169);
    EXPECT_EQ(MatrixBildAußenHöhe(a.f), 29);
}

TEST(Anordnung, DateiWirdGelesenUndDieGrößeNeuBerechnet) {
    ImOrdner o;
    Aufbau a;
    QStringList z = standardDatei();
    z[3] = "Unsichtbar";                // module 1 absent
    z[16] = "-3", z[17] = " 2";         // module 5 at (-3, 2)
    z[18] = " 99", z[19] = " 99";       // a stored size that disagrees
    ASSERT_TRUE(schreibeZeilenAtomar(kAnordnungsDatei, z));
    a.f.T.setzeAn(false);
    MatrixAnordnungLaden(a.f);
    EXPECT_TRUE(a.f.T.an());
    EXPECT_EQ(a.f.ModulSichtbar[1].toolTip(), u"Unsichtbar");
    EXPECT_EQ(a.f.ModulSichtbar[1].hintergrund(), RGB(255, 0, 0));
    EXPECT_FALSE(a.f.Modul[1].sichtbar());
    EXPECT_EQ(a.f.ModulX[5], -3);
    EXPECT_EQ(a.f.ModulY[5], 2);
    EXPECT_EQ(a.f.DisplayBreite, 35); // module 4 at x 28 is the rightmost present one
    EXPECT_EQ(a.f.DisplayHöhe, 9);
}

TEST(Anordnung, BeschädigteDateienFallenAufDenStandardZurück) {
    const std::vector<std::function<void(QStringList&)>> schäden = {
        [](QStringList& z) { z = z.mid(0, 10); },        // too short
        [](QStringList& z) { z[4] = "sieben"; },          // not a number
        [](QStringList& z) { z[1] = "1e9"; },             // an absurd position
        [](QStringList& z) { z[2] = "-5000"; },
        [](QStringList& z) { z[19] = "x"; },
    };
    for (const auto& schaden : schäden) {
        ImOrdner o;
        Aufbau a;
        QStringList z = standardDatei();
        z[3] = "Unsichtbar";
        schaden(z);
        ASSERT_TRUE(schreibeZeilenAtomar(kAnordnungsDatei, z));
        MatrixAnordnungLaden(a.f);
        EXPECT_FALSE(a.f.T.an());
        EXPECT_EQ(a.f.ModulSichtbar[1].toolTip(), u"Sichtbar"); // nothing from the file survives
        EXPECT_EQ(a.f.DisplayBreite, 42);
        EXPECT_EQ(a.f.DisplayHöhe, 7);
    }
}

TEST(Anordnung, SchließenSchreibtWasDerNächsteStartLiest) {
    ImOrdner o;
    {
        Aufbau a;
        MatrixStandart_Click(a.f);
        MatrixSchließen_Click(a.f);
        EXPECT_EQ(*leseZeilen(kAnordnungsDatei), standardDatei());
        ModulPositionSetzen(a.f, 2, 0, 7);
        ModulPräsenzSetzen(a.f, 4, QString()); // any other text counts as present and is kept
        MatrixSchließen_Click(a.f);
        EXPECT_TRUE(a.f.T.an());
        EXPECT_FALSE(a.f.MatrixFeld.sichtbar());
    }
    test::FrischGestartet g;
    Fenster& f = g.f;
    EXPECT_EQ(f.ModulX[2], 0);
    EXPECT_EQ(f.ModulY[2], 7);
    EXPECT_EQ(f.ModulSichtbar[4].toolTip(), QString());
    EXPECT_TRUE(f.Modul[4].sichtbar());
    EXPECT_EQ(f.DisplayHöhe, 14);
    EXPECT_TRUE(f.T.an());
}

TEST(DisplayGröße, DieFälleDerKnöpfe) {
    Aufbau a;
    MatrixStandart_Click(a.f);
    // Two stacked modules, the others absent: 7 x 14.
    ModulPositionSetzen(a.f, 1, 0, 7);
    for (int i = 2; i < 6; ++i) ModulPräsenzSetzen(a.f, i, QStringLiteral("Unsichtbar"));
    Modulgröße_Click(a.f);
    EXPECT_EQ(a.f.DisplayBreite, 7);
    EXPECT_EQ(a.f.DisplayHöhe, 14);
    // All absent: 0 x 0, the editor area 1 x 1 pixel.
    for (int i = 0; i < 6; ++i) ModulPräsenzSetzen(a.f, i, QStringLiteral("Unsichtbar"));
    Modulgröße_Click(a.f);
    EXPECT_EQ(a.f.DisplayBreite, 0);
    EXPECT_EQ(a.f.DisplayHöhe, 0);
    EXPECT_EQ(a.f.Pic.breite(), 0);
    EXPECT_EQ(a.f.Pic.punkt(0, 0), -1);
    EXPECT_EQ(MatrixBildAußenBreite(a.f), 1); // 15 twips
    EXPECT_EQ(a.f.MatrixBild.breite(), 0);
    Maximum_Click(a.f);
    EXPECT_EQ(a.f.DisplayBreite, 120);
    EXPECT_EQ(MatrixBildAußenBreite(a.f), 481);
    EXPECT_EQ(a.f.Pic.höhe(), 120);
}

TEST(DisplayGröße, BildergrößeMitUndOhneMeldung) {
    Aufbau a;
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
    EXPECT_EQ(a.f.Pic.höhe(), 7);
    EXPECT_EQ(a.f.Pic.breite(), 42);
    EXPECT_EQ(a.f.DisplayBreite, 42); // the old size is kept
    a.f.Bild.setzeGröße(64, 32);
    Bildergröße_Click(a.f);
    EXPECT_EQ(a.dialoge.hinweise.size(), 1);
    EXPECT_EQ(a.f.DisplayBreite, 64);
    EXPECT_EQ(a.f.DisplayHöhe, 32);
    EXPECT_EQ(MatrixBildAußenBreite(a.f), 257); // 3855 twips
    EXPECT_EQ(MatrixBildAußenHöhe(a.f), 129);   // 1935 twips
}
