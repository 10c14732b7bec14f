#include "Pixeleffekte.h"
#include "LaufSchritt.h"
#include "TestFenster.h"
#include <gtest/gtest.h>
#include <set>

using namespace glanzzug;
using glanzzug::test::TestFenster;

namespace {
constexpr Farbe kWeiß = RGB(255, 255, 255);

int anzahl(const std::vector<Farbe>& pixel, Farbe farbe) {
    return int(std::count(pixel.begin(), pixel.end(), farbe));
}

// The rows of Pic in which every pixel has the colour.
std::vector<int> zeilenIn(const Fenster& f, Farbe farbe) {
    std::vector<int> zeilen;
    for (int y = 0; y < f.Pic.höhe(); ++y) {
        bool ganz = true;
        for (int x = 0; x < f.Pic.breite(); ++x) ganz = ganz && f.Pic.punkt(x, y) == farbe;
        if (ganz) zeilen.push_back(y);
    }
    return zeilen;
}
} // namespace

TEST(Linie, LäuftAuf42x7RunterUndHochUndZeigtGenauEineZeileNegativ) {
    TestFenster t;
    t.f.AusWal.wähle(2); // draws the line on row 0
    EXPECT_EQ(zeilenIn(t.f, kWeiß), std::vector<int>{0});
    std::vector<int> besucht;
    for (int i = 0; i < 13; ++i) {
        t.f.DurchlaufStatus = 0;
        LinieSchritt(t.f);
        EXPECT_EQ(t.f.DurchlaufStatus, kPassEnde);
        besucht.push_back(t.f.LinieY);
        EXPECT_EQ(zeilenIn(t.f, kWeiß), std::vector<int>{t.f.LinieY}) << "after step " << i + 1;
        EXPECT_EQ(anzahl(t.pixel(), kWeiß), 42);
    }
    EXPECT_EQ(besucht, (std::vector<int>{1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1, 0, 1}));
}

TEST(Linie, XorLässtDasBildDarunterHeil) {
    TestFenster t;
    t.f.Pic.setzePunkt(5, 1, RGB(255, 0, 0));
    t.f.AusWal.wähle(2);
    LinieSchritt(t.f); // row 1 inverted: red becomes cyan
    EXPECT_EQ(t.f.Pic.punkt(5, 1), RGB(0, 255, 255));
    LinieSchritt(t.f); // row 1 restored
    EXPECT_EQ(t.f.Pic.punkt(5, 1), RGB(255, 0, 0));
    EXPECT_EQ(t.f.Pic.punkt(5, 2), kWeiß);
}

TEST(Linie, SchwarzeTextfarbeZeigtNichts) {
    TestFenster t;
    t.f.TextFarbe = 0;
    t.f.AusWal.wähle(2);
    for (int i = 0; i < 4; ++i) LinieSchritt(t.f);
    for (Farbe p : t.pixel()) ASSERT_EQ(p, 0);
    EXPECT_EQ(t.f.LinieY, 4);
}

TEST(Linie, DisplayEinPixelHochBleibtBeiMinusEins) {
    TestFenster t(42, 1);
    t.f.AusWal.wähle(2);
    for (int i = 0; i < 5; ++i) {
        LinieSchritt(t.f);
        EXPECT_EQ(t.f.LinieY, -1);
        for (Farbe p : t.pixel()) ASSERT_EQ(p, 0) << "step " << i;
    }
}

TEST(PingPong, WegAufLeeremDisplayUndAbprallenAmUnterenRand) {
    TestFenster t;
    t.f.AusWal.wähle(3);
    ASSERT_EQ(t.f.PunktX, 21);
    ASSERT_EQ(t.f.PunktY, 3);
    const std::vector<std::pair<int, int>> erwartet{{22, 4}, {23, 5}, {24, 6}, {25, 5}, {26, 4}};
    for (auto [x, y] : erwartet) {
        PingPongSchritt(t.f);
        EXPECT_EQ(t.f.PunktX, x);
        EXPECT_EQ(t.f.PunktY, y);
        // Exactly the point is lit.
        EXPECT_EQ(anzahl(t.pixel(), kWeiß), 1);
        EXPECT_EQ(t.f.Pic.punkt(x, y), kWeiß);
    }
    EXPECT_EQ(t.f.PunktDX, 1);
    EXPECT_EQ(t.f.PunktDY, -1);
}

TEST(PingPong, PrallVonTextpunktLöschtIhnUndKehrtWaagerechtUm) {
    TestFenster t;
    t.f.PunktX = 10;
    t.f.PunktY = 3;
    t.f.Pic.setzePunkt(11, 3, RGB(0, 255, 0)); // a text pixel right of the point
    PingPongSchritt(t.f);
    EXPECT_EQ(t.f.Pic.punkt(11, 3), 0);
    EXPECT_EQ(t.f.PunktDX, -1);
    EXPECT_EQ(t.f.PunktDY, 1);
    EXPECT_EQ(t.f.PunktX, 9);
    EXPECT_EQ(t.f.PunktY, 4);
    EXPECT_EQ(t.f.DurchlaufStatus, kPassEnde);
}

TEST(PingPong, EckeUndVerkleinertesDisplay) {
    TestFenster t;
    t.f.PunktX = 41;
    t.f.PunktY = 6;
    PingPongSchritt(t.f); // both edges at once
    EXPECT_EQ(t.f.PunktX, 40);
    EXPECT_EQ(t.f.PunktY, 5);
    t.f.PunktX = 60; // the display shrank under the point
    t.f.PunktY = 60;
    PingPongSchritt(t.f);
    EXPECT_EQ(t.f.PunktX, 1 + t.f.PunktDX);
    EXPECT_EQ(t.f.PunktY, 1 + t.f.PunktDY);
}

TEST(Negativ, ZweimalStelltDasBildGenauWiederHer) {
    TestFenster t;
    t.f.Pic.setzeHintergrundBild(glanzzug::test::einfarbig(20, 7, RGB(10, 130, 250)));
    for (int x = 0; x < 42; ++x) t.f.Pic.setzePunkt(x, x % 7, RGB(x * 6, 255 - x * 6, (x * 37) % 256));
    const auto vorher = t.pixel();
    NegativSchritt(t.f);
    EXPECT_EQ(t.f.Pic.punkt(30, 5), RGB(255, 255, 255));
    EXPECT_EQ(t.f.Pic.punkt(1, 0), RGB(245, 125, 5));
    EXPECT_EQ(t.f.DurchlaufStatus, kPassEnde);
    EXPECT_NE(t.pixel(), vorher);
    NegativSchritt(t.f);
    EXPECT_EQ(t.pixel(), vorher);
}

TEST(Löschen, LeertUndEntferntDasHintergrundbild) {
    TestFenster t;
    t.f.Pic.setzeHintergrundBild(glanzzug::test::einfarbig(5, 5, RGB(0, 0, 255)));
    t.f.Pic.setzePunkt(20, 3, kWeiß);
    DisplayLöschen(t.f);
    for (Farbe p : t.pixel()) ASSERT_EQ(p, 0);
    EXPECT_TRUE(t.f.Pic.hintergrundBild().isNull());
    EXPECT_EQ(t.f.DurchlaufStatus, kPassEnde);
}

TEST(Zufallsfarben, EinheitlichAusDenAchtFarbenMitEinemZug) {
    TestFenster t;
    t.f.Pic.setzePunkt(3, 3, RGB(1, 2, 3));
    std::set<Farbe> gesehen;
    for (int i = 0; i < 200; ++i) {
        const auto vorher = t.f.zufall.gezogen();
        ZufallsfarbeSchritt(t.f);
        ASSERT_EQ(t.f.zufall.gezogen(), vorher + 1);
        const auto alle = t.pixel();
        ASSERT_EQ(std::set<Farbe>(alle.begin(), alle.end()).size(), 1u) << "step " << i;
        gesehen.insert(alle.front());
    }
    EXPECT_EQ(gesehen, std::set<Farbe>(t.f.Farbtabelle.begin(), t.f.Farbtabelle.begin() + 8));
}

TEST(Effekte, JederSchrittEndetEinenDurchlauf) {
    // Every effect mode ends a pass with each step; the scheduler then waits.
    for (int modus = 2; modus <= 7; ++modus) {
        TestFenster t;
        t.f.AusWal.wähle(modus);
        t.f.DurchläufeTxt.setzeText(QStringLiteral("5"));
        LaufSchritt(t.f);
        EXPECT_EQ(t.f.DurchlaufStatus, kPassEnde) << modus;
        EXPECT_EQ(t.f.DurchlaufNummer, 1) << modus;
    }
}
