// Selecting a display mode, and the random letter directions of "Zufall".
#include "Modus.h"
#include "TextAufbau.h"
#include "TextLage.h"

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
// The same draws the routine must make: two per try, again while both are 0.
std::pair<int, int> richtungAus(Zufall& z) {
    for (;;) {
        const int vx = int(std::floor(z.Rnd() * 3)) - 1;
        const int vy = int(std::floor(z.Rnd() * 3)) - 1;
        if (vx != 0 || vy != 0) return {vx, vy};
    }
}
} // namespace

TEST(ZufallsRichtungen, DreißigBuchstabenNieStillstehend) {
    TextAufbau a;
    a.richtungen({kNachLinks, kZufall});
    a.f.Txt.setzeText(QString(40, u'x'));
    a.f.Laufposition = 17;
    Zufall nachbau = a.f.zufall;
    a.f.AusWal.wähle(1);
    a.f.AusWal.wähle(0); // selecting the text prepares the letters
    EXPECT_EQ(a.f.Laufposition, 0);
    EXPECT_EQ(a.f.Buchstabennummer, 30);
    for (std::size_t k = 0; k < 30; ++k) {
        const auto [vx, vy] = richtungAus(nachbau);
        EXPECT_EQ(a.f.BuchstabeVX[k], vx) << k;
        EXPECT_EQ(a.f.BuchstabeVY[k], vy) << k;
        EXPECT_FALSE(vx == 0 && vy == 0);
        EXPECT_EQ(a.f.BuchstabeDX[k], 0);
        EXPECT_EQ(a.f.BuchstabeDY[k], 0);
    }
    EXPECT_EQ(a.f.zufall.gezogen(), nachbau.gezogen()); // nothing drawn for letters 31..40
}

TEST(ZufallsRichtungen, ZurückBeginntDieGrößereDisplayseiteEntferntUndKehrtUm) {
    TextAufbau a;
    a.richtungen({kZufall, kZurück});
    a.f.Txt.setzeText(QStringLiteral("HALLO"));
    Zufall nachbau = a.f.zufall;
    a.f.Modus = 0;
    ModusEinstellen(a.f);
    EXPECT_EQ(a.f.Buchstabennummer, 5);
    for (std::size_t k = 0; k < 5; ++k) {
        const auto [vx, vy] = richtungAus(nachbau);
        EXPECT_EQ(a.f.BuchstabeDX[k], 42 * vx) << k;
        EXPECT_EQ(a.f.BuchstabeDY[k], 42 * vy) << k;
        EXPECT_EQ(a.f.BuchstabeVX[k], -vx) << k;
        EXPECT_EQ(a.f.BuchstabeVY[k], -vy) << k;
    }
    // A display taller than wide takes its height.
    a.f.DisplayBreite = 14;
    a.f.DisplayHöhe = 21;
    ModusEinstellen(a.f);
    const auto [vx, vy] = richtungAus(nachbau);
    EXPECT_EQ(a.f.BuchstabeDX[0], 21 * vx);
    EXPECT_EQ(a.f.BuchstabeDY[0], 21 * vy);
}

TEST(ZufallsRichtungen, LeererTextUndAndereModiLassenAllesStehen) {
    TextAufbau a;
    a.richtungen({kZufall});
    a.f.BuchstabeVX[0] = 1, a.f.BuchstabeDX[0] = 7, a.f.Buchstabennummer = 3;
    const auto vorher = a.f.zufall.gezogen();
    a.f.Txt.setzeText(QString());
    ZufallsRichtungenSetzen(a.f);
    a.f.Txt.setzeText(QStringLiteral("AB"));
    a.f.AusWal.wähle(4); // "Negativ" draws no directions
    EXPECT_EQ(a.f.BuchstabeVX[0], 1);
    EXPECT_EQ(a.f.BuchstabeDX[0], 7);
    EXPECT_EQ(a.f.Buchstabennummer, 3);
    EXPECT_EQ(a.f.zufall.gezogen(), vorher);
}

TEST(ModusEinstellen, PingPongLinieUndLöschen) {
    TextAufbau a;
    a.f.PunktX = 3, a.f.PunktY = 1, a.f.PunktDX = -1;
    a.f.AusWal.wähle(3);
    EXPECT_EQ(a.f.PunktX, 21);
    EXPECT_EQ(a.f.PunktY, 3);
    a.f.PunktX = 5;
    a.f.AusWal.wähle(0);
    a.f.AusWal.wähle(3);
    EXPECT_EQ(a.f.PunktX, 21);
    EXPECT_EQ(a.f.PunktDX, -1); // the direction is kept

    a.f.Pic.leeren();
    a.f.Pic.setzePunkt(5, 0, RGB(255, 0, 0));
    a.f.LinieY = 4, a.f.LinieRichtung = -1;
    a.f.AusWal.wähle(2);
    EXPECT_EQ(a.f.LinieY, 0);
    EXPECT_EQ(a.f.LinieRichtung, 1);
    EXPECT_EQ(a.f.Pic.punkt(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(a.f.Pic.punkt(41, 0), RGB(255, 255, 255));
    EXPECT_EQ(a.f.Pic.punkt(5, 0), RGB(0, 255, 255));
    EXPECT_EQ(a.f.Pic.punkt(0, 1), 0);

    a.f.Bild.setzeHintergrund(RGB(0, 0, 255));
    a.f.Pic.setzeHintergrundBild(QImage(4, 4, QImage::Format_RGB32));
    a.f.AusWal.wähle(5);
    EXPECT_TRUE(a.f.Pic.hintergrundBild().isNull());
    EXPECT_EQ(a.f.Pic.hintergrund(), RGB(0, 0, 255));
    EXPECT_EQ(a.f.Pic.punkt(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(a.f.Pic.punkt(41, 6), RGB(0, 0, 255));
    EXPECT_EQ(a.f.DurchlaufStatus, 0);
}
