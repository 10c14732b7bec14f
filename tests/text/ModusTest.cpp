// Selecting a display mode, and the random letter directions of "Zufall".
#include "Modus.h"
#include "TextAufbau.h"
#include <cmath>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
// The draws the routine must make: Int(Rnd * 3) - 1 twice, again while both are 0.
std::pair<double, double> richtungAus(Zufall& z) {
    for (;;) {
        const double vx = std::floor(z.Rnd() * 3) - 1, vy = std::floor(z.Rnd() * 3) - 1;
        if (vx != 0 || vy != 0) return {vx, vy};
    }
}
} // namespace

TEST(ZufallsRichtungen, DreißigBuchstabenNieStillstehendMitZurückVonWeitHer) {
    for (bool zurück : {false, true}) {
        TextFenster t({kNachLinks, kZufall});
        t.f.Richtung[kZurück].setzeWert(zurück);
        t.f.Txt.setzeText(QString(40, u'x'));
        t.f.Laufposition = 17;
        Zufall nachbau = t.f.zufall;
        t.f.AusWal.wähle(1);
        t.f.AusWal.wähle(0); // selecting the text draws the directions
        EXPECT_EQ(std::tuple(t.f.Laufposition, t.f.Buchstabennummer), std::tuple(0.0, 30));
        // "zurück": the letter starts the larger display side away and flies back.
        const double weg = zurück ? 42 : 0, richtung = zurück ? -1 : 1;
        for (std::size_t k = 0; k < 30; ++k) {
            const auto [vx, vy] = richtungAus(nachbau);
            EXPECT_EQ(
                std::tuple(t.f.BuchstabeVX[k], t.f.BuchstabeVY[k], t.f.BuchstabeDX[k], t.f.BuchstabeDY[k]),
                std::tuple(richtung * vx, richtung * vy, weg * vx, weg * vy))
                << k;
        }
        EXPECT_EQ(t.f.zufall.gezogen(), nachbau.gezogen()); // nothing drawn for letters 31..40
        if (zurück) {
            t.größe(14, 21); // taller than wide: the height
            ZufallsRichtungenSetzen(t.f);
            const auto [vx, vy] = richtungAus(nachbau);
            EXPECT_EQ(std::pair(t.f.BuchstabeDX[0], t.f.BuchstabeDY[0]), std::pair(21 * vx, 21 * vy));
        }
    }
}

TEST(ZufallsRichtungen, LeererTextUndAndereModiLassenAllesStehen) {
    TextFenster t({kZufall});
    t.f.BuchstabeVX[0] = 1, t.f.BuchstabeDX[0] = 7, t.f.Buchstabennummer = 3;
    const auto vorher = t.f.zufall.gezogen();
    t.f.Txt.setzeText(QString());
    ZufallsRichtungenSetzen(t.f);
    t.f.Txt.setzeText("AB");
    t.f.AusWal.wähle(4); // "Negativ" draws no directions
    EXPECT_EQ(std::tuple(t.f.BuchstabeVX[0], t.f.BuchstabeDX[0], t.f.Buchstabennummer), std::tuple(1, 7, 3));
    EXPECT_EQ(t.f.zufall.gezogen(), vorher);
}

TEST(ModusEinstellen, PingPongLinieUndLöschenBeginnen) {
    TestFenster t;
    Fenster& f = t.f;
    f.PunktX = 5, f.PunktDX = -1;
    f.AusWal.wähle(3); // the point starts in the middle and keeps its direction
    EXPECT_EQ(std::tuple(f.PunktX, f.PunktY, f.PunktDX), std::tuple(21, 3, -1));

    f.Pic.setzePunkt(5, 0, kRot);
    f.LinieY = 4, f.LinieRichtung = -1;
    f.AusWal.wähle(2); // the line starts downwards on row 0, inverting what is there
    EXPECT_EQ(std::pair(f.LinieY, f.LinieRichtung), std::pair(0, 1));
    const auto p = t.pixel();
    EXPECT_EQ(std::count(p.begin(), p.begin() + 42, kWeiß), 41);
    EXPECT_EQ(f.Pic.punkt(5, 0), RGB(0, 255, 255));
    EXPECT_EQ(std::count(p.begin() + 42, p.end(), kSchwarz), 42 * 6);

    f.Bild.setzeHintergrund(kBlau);
    f.Pic.setzeHintergrundBild(einfarbig(4, 4, kRot));
    f.AusWal.wähle(5); // cleared in the back colour of Bild
    EXPECT_TRUE(f.Pic.hintergrundBild().isNull());
    for (Farbe c : t.pixel()) ASSERT_EQ(c, kBlau);
}
