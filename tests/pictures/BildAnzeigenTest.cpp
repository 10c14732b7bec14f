#include "BildAnzeigen.h"
#include "BildDatei.h"
#include "TestHilfen.h"
#include <gtest/gtest.h>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
constexpr Farbe kRot = RGB(255, 0, 0), kBlau = RGB(0, 0, 255), kGrün = RGB(0, 255, 0);

// A picture whose pixel (x, y) has red x and green y, to check where each pixel lands.
QImage verlauf(int breite, int höhe) {
    QImage b(breite, höhe, QImage::Format_RGB32);
    for (int y = 0; y < höhe; ++y)
        for (int x = 0; x < breite; ++x) b.setPixel(x, y, alsPixel(RGB(x % 256, y % 256, 7)));
    return b;
}

void zeige(Fenster& f, const char* name) {
    f.Arbeitstext = QString::fromUtf8(name);
    BildAnzeigen(f);
}
} // namespace

TEST(BildAnzeigen, UngestrecktObenLinksUndBeschnitten) {
    TestOrdner ordner;
    TestFenster t;
    ASSERT_TRUE(verlauf(60, 10).save(QStringLiteral("gross.bmp")));
    QImage klein = verlauf(10, 3).convertToFormat(QImage::Format_ARGB32);
    klein.setPixel(0, 0, qRgba(0, 0, 0, 0)); // transparent: shows the back colour
    ASSERT_TRUE(klein.save(QStringLiteral("klein.png")));
    t.f.Pic.setzePunkt(30, 5, kGrün); // drawn content gives way to the picture
    zeige(t.f, "gross.bmp");
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 42; ++x) ASSERT_EQ(t.f.Pic.punkt(x, y), RGB(x, y, 7));
    EXPECT_EQ(std::tuple(t.f.Bild.breite(), t.f.Bild.punkt(41, 6)),
              std::tuple(42, RGB(41, 6, 7))); // display size
    t.f.Pic.setzeGröße(60, 10);               // the display grows under the picture: it shows there too
    EXPECT_EQ(t.f.Pic.punkt(59, 9), RGB(59, 9, 7));

    t.f.Pic.setzeHintergrund(kBlau);
    zeige(t.f, "klein.png");
    EXPECT_EQ(t.f.Pic.punkt(9, 2), RGB(9, 2, 7));
    for (auto [x, y] : {std::pair{0, 0}, {10, 2}, {9, 3}})
        EXPECT_EQ(t.f.Pic.punkt(x, y), kBlau) << x << "," << y;
}

TEST(BildAnzeigen, AngepasstGestrecktUndBildNimmtSeineGröße) {
    TestOrdner ordner;
    TestFenster t;
    QImage zwei(2, 1, QImage::Format_ARGB32);
    zwei.fill(Qt::transparent); // shows the back colour
    zwei.setPixel(0, 0, qRgba(255, 0, 0, 255));
    ASSERT_TRUE(zwei.save(QStringLiteral("zwei.png")));
    t.f.Pic.setzeHintergrund(kBlau);
    t.f.BilderAnpassen.setzeWert(1);
    zeige(t.f, "zwei.png");
    EXPECT_EQ(t.f.Bild.bild().size(), QSize(2, 1));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 42; ++x) ASSERT_EQ(t.f.Pic.punkt(x, y), x < 21 ? kRot : kBlau);
    t.f.BilderAnpassen.setzeWert(0);
    EXPECT_EQ(t.f.Bild.bild().size(), QSize(42, 7));
    // Wider than the preview: Bild shows it scaled down to fit.
    ASSERT_TRUE(einfarbig(5000, 10, kRot).save(QStringLiteral("breit.bmp")));
    t.f.BilderAnpassen.setzeWert(1);
    zeige(t.f, "breit.bmp");
    EXPECT_EQ(std::tuple(t.f.Bild.bild().size(), t.f.Pic.punkt(41, 6)),
              std::tuple(QSize(kBildVorschauSeite, 1), kRot));
}

// A GIF shows its first frame; the extension's letter case does not matter.
TEST(BildAnzeigen, GifErstesBildUndBmpInGroßbuchstaben) {
    TestOrdner ordner;
    TestFenster t;
    ASSERT_TRUE(einfarbig(4, 4, kGrün).save(QStringLiteral("grün.BMP"), "BMP"));
    // Two 1 x 1 frames, red then blue (fromHex skips the blanks).
    schreib(QStringLiteral("zwei.gif"),
            "GIF89a" +
                QByteArray::fromHex("01 00 01 00 80 00 00 ff 00 00 00 00 ff"
                                    "21 f9 04 00 00 00 00 00 2c 00 00 00 00 01 00 01 00 00 02 02 44 01 00"
                                    "21 f9 04 00 00 00 00 00 2c 00 00 00 00 01 00 01 00 00 02 02 4c 01 00"
                                    "3b"));
    for (auto [name, farbe] : {std::pair{"zwei.gif", kRot}, {"grün.BMP", kGrün}}) {
        t.f.Pic.leeren();
        zeige(t.f, name);
        EXPECT_EQ(t.f.Pic.punkt(0, 0), farbe) << name;
    }
}
