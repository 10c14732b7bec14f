#include "Zufallsformen.h"
#include "LaufSchritt.h"
#include "TestFenster.h"
#include <gtest/gtest.h>

using namespace glanzzug;
using glanzzug::test::TestFenster;

namespace {
// A marker colour that no shape ever draws.
constexpr Farbe kMarke = RGB(1, 2, 3);

struct Form {
    const char* name;
    void (*zeichne)(Fenster&);
    int züge;
    int größteÜberstand; // how far beyond the display a shape may reach (circle radius)
};
const Form kFormen[] = {
    {"Kreis", FormKreis_Click, 5, 7},
    {"Quadrat", FormQuadrat_Click, 6, 0},
    {"Linie", FormLinie_Click, 6, 0},
};
} // namespace

TEST(Zufallsformen, JedeFormZiehtIhreZahlUndBleibtImDisplay) {
    for (const Form& form : kFormen) {
        // The picture is larger than the 42 x 7 display, so that drawing beyond the
        // display shows; the marker must stay wherever no shape may reach.
        TestFenster t;
        t.f.Pic.setzeHintergrund(kMarke);
        t.f.Pic.setzeGröße(80, 30);
        for (int i = 0; i < 300; ++i) {
            const auto vorher = t.f.zufall.gezogen();
            form.zeichne(t.f);
            ASSERT_EQ(t.f.zufall.gezogen() - vorher, std::uint64_t(form.züge)) << form.name;
        }
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 80; ++x) {
                const bool erreichbar = x < 42 + form.größteÜberstand && y < 7 + form.größteÜberstand;
                if (!erreichbar) {
                    ASSERT_EQ(t.f.Pic.punkt(x, y), kMarke) << form.name << " at " << x << "," << y;
                }
            }
        // Some of the 300 shapes did reach the display.
        int gemalt = 0;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 42; ++x) gemalt += t.f.Pic.punkt(x, y) != kMarke;
        EXPECT_GT(gemalt, 100) << form.name;
    }
}

TEST(Zufallsformen, SchrittZiehtEinmalJeFormUndIstWiederholbar) {
    TestFenster a, b;
    a.f.ZufallsFormAnzahl.setzeText(QStringLiteral("9"));
    b.f.ZufallsFormAnzahl.setzeText(QStringLiteral("9"));
    for (int i = 0; i < 20; ++i) {
        const auto vorher = a.f.zufall.gezogen();
        ZufallsformenSchritt(a.f);
        ZufallsformenSchritt(b.f);
        const auto züge = a.f.zufall.gezogen() - vorher;
        // Nine choices, each followed by a shape of 5 or 6 draws.
        EXPECT_GE(züge, 9u * 6);
        EXPECT_LE(züge, 9u * 7);
        EXPECT_EQ(a.f.DurchlaufStatus, kPassEnde);
    }
    EXPECT_EQ(a.pixel(), b.pixel()); // the same sequence draws the same picture
    EXPECT_TRUE(a.f.Pic.gefüllt());  // circles and boxes are filled
}

TEST(Zufallsformen, PlusLöschenLeertVorJedemSchritt) {
    TestFenster t;
    t.f.Pic.setzeHintergrundBild(glanzzug::test::einfarbig(42, 7, kMarke));
    ZufallsformenSchritt(t.f); // unchecked: shapes pile up over the picture
    EXPECT_FALSE(t.f.Pic.hintergrundBild().isNull());
    t.f.PlusLöschen.setzeWert(2); // greyed counts as checked
    t.f.Pic.setzePunkt(0, 0, kMarke);
    ZufallsformenSchritt(t.f);
    EXPECT_TRUE(t.f.Pic.hintergrundBild().isNull());
    for (Farbe p : t.pixel()) ASSERT_NE(p, kMarke);
}

TEST(Zufallsformen, KnöpfeZeichnenSofort) {
    TestFenster t;
    t.f.Pic.setzeHintergrund(kMarke);
    const auto vorher = t.f.zufall.gezogen();
    t.f.FormLinie.klick();
    EXPECT_EQ(t.f.zufall.gezogen() - vorher, 6u);
    EXPECT_NE(t.pixel(), std::vector<Farbe>(42 * 7, kMarke));
    t.f.FormKreis.klick();
    t.f.FormQuadrat.klick();
    EXPECT_EQ(t.f.zufall.gezogen() - vorher, 17u);
    t.f.Pic.setzeHintergrundBild(glanzzug::test::einfarbig(2, 2, RGB(0, 0, 255)));
    t.f.FormLöschen.klick();
    EXPECT_EQ(t.pixel(), std::vector<Farbe>(42 * 7, kMarke));
    EXPECT_EQ(t.f.DurchlaufStatus, 0);
}

TEST(ZufallsFormAnzahl, HältDieZahlZwischenEinsUndNeun) {
    TestFenster t;
    struct Fall {
        const char* eingabe;
        const char* text;
        double anzahl;
    };
    const Fall fälle[] = {
        {"5", "5", 5}, {"", "1", 1},   {"0", "1", 1},  {"a", "1", 1},
        {"9", "9", 9}, {"12", "9", 9}, {"-3", "1", 1}, {"3x", "3x", 3},
    };
    for (const Fall& fall : fälle) {
        t.f.ZufallsFormAnzahl.setzeText(QString::fromUtf8(fall.eingabe));
        EXPECT_EQ(t.f.ZufallsFormAnzahl.text(), QString::fromUtf8(fall.text)) << fall.eingabe;
        EXPECT_EQ(t.f.FormAnzahl, fall.anzahl) << fall.eingabe;
    }
}
