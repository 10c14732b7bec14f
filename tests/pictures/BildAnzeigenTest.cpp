#include "BildAnzeigen.h"
#include "BildDatei.h"
#include "LaufSchritt.h"
#include "TestFenster.h"
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

using namespace glanzzug;
using glanzzug::test::einfarbig;
using glanzzug::test::TestFenster;
using glanzzug::test::TestOrdner;

namespace {
constexpr Farbe kRot = RGB(255, 0, 0), kBlau = RGB(0, 0, 255), kGrün = RGB(0, 255, 0);

// A picture whose pixel (x, y) has red x and green y, to check where each pixel lands.
QImage verlauf(int breite, int höhe) {
    QImage b(breite, höhe, QImage::Format_RGB32);
    for (int y = 0; y < höhe; ++y)
        for (int x = 0; x < breite; ++x) b.setPixel(x, y, alsPixel(RGB(x % 256, y % 256, 7)));
    return b;
}

void schreibe(const QString& name, const QByteArray& bytes) {
    QFile d(name);
    ASSERT_TRUE(d.open(QIODevice::WriteOnly));
    d.write(bytes);
}

// A GIF of two 1 x 1 frames: the first red (palette index 0), the second blue (index 1).
QByteArray zweiBildGif() {
    // fromHex skips the blanks.
    return QByteArray("GIF89a") +
           QByteArray::fromHex("01 00 01 00 80 00 00"    // 1 x 1, global palette of 2 colours
                               "ff 00 00 00 00 ff"       // red, blue
                               "21 f9 04 00 00 00 00 00" // graphic control, no delay
                               "2c 00 00 00 00 01 00 01 00 00 02 02 44 01 00" // frame 1: clear, 0, end
                               "21 f9 04 00 00 00 00 00"
                               "2c 00 00 00 00 01 00 01 00 00 02 02 4c 01 00" // frame 2: clear, 1, end
                               "3b");
}

// A BMP header that claims a picture of 100000 x 100000 pixels and carries no pixels.
QByteArray riesenBmpKopf() {
    return QByteArray::fromHex("42 4d 36 00 00 00 00 00 00 00 36 00 00 00"       // file header
                               "28 00 00 00 a0 86 01 00 a0 86 01 00 01 00 18 00" // 100000 x 100000, 24 bit
                               "00 00 00 00 00 00 00 00 13 0b 00 00 13 0b 00 00 00 00 00 00 00 00 00 00");
}

bool nah(Farbe a, Farbe b) {
    return std::abs(rotVon(a) - rotVon(b)) < 40 && std::abs(grünVon(a) - grünVon(b)) < 40 &&
           std::abs(blauVon(a) - blauVon(b)) < 40;
}
} // namespace

TEST(BildAnzeigen, UngestrecktObenLinksUndBeschnitten) {
    TestOrdner ordner;
    TestFenster t;
    ASSERT_TRUE(verlauf(60, 10).save(QStringLiteral("gross.bmp")));
    ASSERT_TRUE(verlauf(10, 3).save(QStringLiteral("klein.bmp")));
    t.f.Pic.setzePunkt(30, 5, kGrün); // drawn content gives way to the picture
    t.f.Arbeitstext = QStringLiteral("gross.bmp");
    BildAnzeigen(t.f);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 42; ++x) ASSERT_EQ(t.f.Pic.punkt(x, y), RGB(x, y, 7));
    EXPECT_EQ(t.f.Bild.breite(), 42); // Bild keeps the display size
    EXPECT_EQ(t.f.Bild.punkt(41, 6), RGB(41, 6, 7));
    EXPECT_EQ(t.f.Titel.text(), QStringLiteral("Bild 0"));

    t.f.Arbeitstext = QStringLiteral("klein.bmp");
    BildAnzeigen(t.f);
    EXPECT_EQ(t.f.Pic.punkt(9, 2), RGB(9, 2, 7));
    EXPECT_EQ(t.f.Pic.punkt(10, 2), 0);
    EXPECT_EQ(t.f.Pic.punkt(9, 3), 0);
}

TEST(BildAnzeigen, AngepasstGestrecktUndBildNimmtSeineGröße) {
    TestOrdner ordner;
    TestFenster t;
    QImage zwei(2, 1, QImage::Format_RGB32);
    zwei.setPixel(0, 0, alsPixel(kRot));
    zwei.setPixel(1, 0, alsPixel(kBlau));
    ASSERT_TRUE(zwei.save(QStringLiteral("zwei.bmp")));
    t.f.BilderAnpassen.setzeWert(1);
    EXPECT_EQ(t.f.Bild.breite(), 120); // its design size until a picture comes
    t.f.Arbeitstext = QStringLiteral("zwei.bmp");
    BildAnzeigen(t.f);
    EXPECT_EQ(t.f.Bild.breite(), 2);
    EXPECT_EQ(t.f.Bild.höhe(), 1);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 42; ++x) ASSERT_EQ(t.f.Pic.punkt(x, y), x < 21 ? kRot : kBlau);
    t.f.BilderAnpassen.setzeWert(0);
    EXPECT_EQ(t.f.Bild.breite(), 42);
    EXPECT_EQ(t.f.Bild.höhe(), 7);
}

TEST(BildAnzeigen, FormateJpegGifErstesBildBmpIco) {
    TestOrdner ordner;
    TestFenster t;
    ASSERT_TRUE(einfarbig(16, 16, kRot).save(QStringLiteral("rot.jpg")));
    ASSERT_TRUE(einfarbig(16, 16, kBlau).save(QStringLiteral("blau.ico")));
    schreibe(QStringLiteral("zwei.gif"), zweiBildGif());
    ASSERT_TRUE(einfarbig(4, 4, kGrün).save(QStringLiteral("grün.BMP")));
    const std::pair<const char*, Farbe> fälle[] = {
        {"rot.jpg", kRot}, {"blau.ico", kBlau}, {"zwei.gif", kRot}, {"grün.BMP", kGrün}};
    for (auto [name, farbe] : fälle) {
        t.f.Pic.leeren();
        t.f.Arbeitstext = QString::fromUtf8(name);
        BildAnzeigen(t.f);
        EXPECT_TRUE(nah(t.f.Pic.punkt(0, 0), farbe)) << name << " gives " << std::hex << t.f.Pic.punkt(0, 0);
    }
}

TEST(BildAnzeigen, UnlesbaresÄndertNichtsUndMeldetNichts) {
    TestOrdner ordner;
    TestFenster t;
    t.f.Pic.setzeHintergrundBild(einfarbig(5, 5, kBlau));
    t.f.Pic.setzePunkt(20, 3, kGrün);
    t.f.Bild.setzeHintergrundBild(einfarbig(5, 5, kRot));
    schreibe(QStringLiteral("film.avi"), QByteArray("RIFF\0\0\0\0AVI LIST", 16));
    schreibe(QStringLiteral("leer.jpg"), QByteArray());
    schreibe(QStringLiteral("falsch.gif"), QByteArray("kein Bild"));
    const std::vector<Farbe> bild = t.pixel();
    t.f.Start.setzeWert(0);
    for (const char* name : {"film.avi", "leer.jpg", "falsch.gif", "fehlt.bmp", ""}) {
        t.f.Arbeitstext = QString::fromUtf8(name);
        BildAnzeigen(t.f);
        EXPECT_EQ(t.pixel(), bild) << name;
        EXPECT_EQ(t.f.Bild.punkt(0, 0), kRot) << name;
        EXPECT_EQ(t.f.Titel.text(), QStringLiteral("Bild 0"));
        EXPECT_EQ(t.f.BildNr, 0);
    }
}

TEST(BildAnzeigen, RiesigeBilderSprengenDenSpeicherNicht) {
    TestOrdner ordner;
    TestFenster t;
    // Wider than the largest side kept: decoded scaled down to fit.
    QImage breit = einfarbig(5000, 10, kRot);
    ASSERT_TRUE(breit.save(QStringLiteral("breit.bmp")));
    const auto gelesen = BildDateiLesen(QStringLiteral("breit.bmp"));
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->width(), kGrößteBildSeite);
    EXPECT_EQ(gelesen->height(), 8);
    t.f.BilderAnpassen.setzeWert(1);
    t.f.Arbeitstext = QStringLiteral("breit.bmp");
    BildAnzeigen(t.f);
    EXPECT_EQ(t.f.Bild.breite(), kGrößteBildSeite);
    EXPECT_EQ(t.f.Pic.punkt(41, 6), kRot);

    // A header that claims 100000 x 100000 pixels is refused quickly, without a crash.
    schreibe(QStringLiteral("riesig.bmp"), riesenBmpKopf());
    QElapsedTimer uhr;
    uhr.start();
    EXPECT_FALSE(BildDateiLesen(QStringLiteral("riesig.bmp")));
    EXPECT_LT(uhr.elapsed(), 5000);
}
