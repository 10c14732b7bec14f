// The picture-box behaviour the effects and pictures rely on.
#include "Bildfeld.h"
#include "TestFenster.h"
#include <gtest/gtest.h>

using namespace glanzzug;
using glanzzug::test::einfarbig;

namespace {
constexpr Farbe kRot = RGB(255, 0, 0), kGrün = RGB(0, 255, 0), kBlau = RGB(0, 0, 255),
                kGelb = RGB(255, 255, 0);
} // namespace

TEST(Bildfeld, HintergrundbildObenLinksUnterDemGemalten) {
    Bildfeld b(6, 4);
    b.setzeHintergrundBild(einfarbig(3, 2, kRot));
    b.setzePunkt(1, 1, kGrün);
    EXPECT_EQ(b.punkt(0, 0), kRot);
    EXPECT_EQ(b.punkt(1, 1), kGrün);
    EXPECT_EQ(b.punkt(3, 0), 0);
    EXPECT_EQ(b.punkt(0, 2), 0);
    EXPECT_EQ(b.punkt(6, 0), -1);
    EXPECT_EQ(b.punkt(-1, 0), -1);

    b.leeren(); // back colour, then background picture
    EXPECT_EQ(b.punkt(1, 1), kRot);
    EXPECT_EQ(b.punkt(5, 3), 0);

    b.setzePunkt(4, 3, kGrün);
    b.setzeHintergrund(kBlau); // erases the drawn, keeps the picture
    EXPECT_EQ(b.punkt(4, 3), kBlau);
    EXPECT_EQ(b.punkt(2, 1), kRot);

    b.entferneHintergrundBild();
    EXPECT_EQ(b.punkt(2, 1), kBlau);
}

TEST(Bildfeld, WachsenZeigtDasHintergrundbildAuchImNeuenTeil) {
    Bildfeld b(2, 2);
    b.setzeHintergrundBild(einfarbig(4, 4, kRot));
    b.setzePunkt(0, 0, kGrün);
    b.setzeGröße(5, 5);
    EXPECT_EQ(b.punkt(0, 0), kGrün);
    EXPECT_EQ(b.punkt(3, 3), kRot);
    EXPECT_EQ(b.punkt(4, 4), 0);
}

TEST(Bildfeld, DurchsichtigesZeigtDieHintergrundfarbe) {
    QImage bild(2, 1, QImage::Format_ARGB32);
    bild.setPixel(0, 0, qRgba(255, 0, 0, 255));
    bild.setPixel(1, 0, qRgba(0, 0, 0, 0));
    Bildfeld b(3, 1);
    b.setzeHintergrund(kGelb);
    b.setzeHintergrundBild(bild);
    EXPECT_EQ(b.punkt(0, 0), kRot);
    EXPECT_EQ(b.punkt(1, 0), kGelb);
    b.setzeHintergrund(kBlau);
    EXPECT_EQ(b.punkt(1, 0), kBlau);
}

TEST(Bildfeld, GestrecktGemaltFülltDieFläche) {
    QImage bild(2, 1, QImage::Format_RGB32);
    bild.setPixel(0, 0, alsPixel(kRot));
    bild.setPixel(1, 0, alsPixel(kBlau));
    Bildfeld b(42, 7);
    b.maleGestreckt(bild, 0, 0, 42, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 42; ++x) ASSERT_EQ(b.punkt(x, y), x < 21 ? kRot : kBlau) << x << "," << y;
}

TEST(Bildfeld, KreiseGefülltOhneLückenUndUmrandet) {
    for (int r = 0; r <= 7; ++r) {
        Bildfeld b(20, 20);
        b.setzeGefüllt(true);
        b.setzeFüllFarbe(kGelb);
        b.kreis(10, 10, r, kRot);
        EXPECT_EQ(b.punkt(10 + r, 10), kRot) << r;
        EXPECT_EQ(b.punkt(10, 10 - r), kRot) << r;
        if (r >= 2) {
            EXPECT_EQ(b.punkt(10, 10), kGelb) << r;
        }
        for (int y = 0; y < 20; ++y) {
            int links = 20, rechts = -1;
            for (int x = 0; x < 20; ++x)
                if (b.punkt(x, y) != 0) links = std::min(links, x), rechts = std::max(rechts, x);
            for (int x = links; x <= rechts; ++x)
                ASSERT_NE(b.punkt(x, y), 0) << "r " << r << " at " << x << "," << y;
            for (int x = 0; x < 20; ++x) {
                if (b.punkt(x, y) != 0) {
                    ASSERT_LE((x - 10) * (x - 10) + (y - 10) * (y - 10), (r + 1) * (r + 1));
                }
            }
        }
    }
}

TEST(Bildfeld, RechteckGefülltOderNurUmrandet) {
    Bildfeld b(10, 10);
    b.setzeFüllFarbe(kGelb);
    b.rechteck(7, 6, 2, 1, kRot); // corners in any order
    EXPECT_EQ(b.punkt(2, 1), kRot);
    EXPECT_EQ(b.punkt(7, 6), kRot);
    EXPECT_EQ(b.punkt(4, 3), 0); // not filled
    b.setzeGefüllt(true);
    b.rechteck(2, 1, 7, 6, kRot);
    EXPECT_EQ(b.punkt(4, 3), kGelb);
    EXPECT_EQ(b.punkt(2, 4), kRot);
    EXPECT_EQ(b.punkt(8, 4), 0);
}
