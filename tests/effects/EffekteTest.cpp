#include "LaufSchritt.h"
#include "Pixeleffekte.h"
#include "TestHilfen.h"
#include "Zufallsformen.h"
#include <gtest/gtest.h>
#include <map>

using namespace glanzzug;
using namespace glanzzug::test;

constexpr Farbe kWeiß = RGB(255, 255, 255), kMarke = RGB(1, 2, 3); // kMarke: no effect draws it

TEST(Linie, LäuftZwischenDenRändernUndZeigtHöchstensEineZeile) {
    // The rows after each step; on a one-pixel-high display the row stays off the display.
    const std::pair<int, std::vector<int>> fälle[] = {{7, {1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1, 0, 1}},
                                                      {1, {-1, -1, -1, -1}}};
    for (const auto& [höhe, zeilen] : fälle) {
        TestFenster t(42, höhe);
        t.f.AusWal.wähle(2);
        for (int y : zeilen) {
            t.f.DurchlaufStatus = 0;
            LinieSchritt(t.f);
            EXPECT_EQ(std::tuple(t.f.LinieY, t.f.DurchlaufStatus), std::tuple(y, kPassEnde));
            std::vector<Farbe> erwartet(std::size_t(42 * höhe), 0);
            if (y >= 0) std::fill_n(erwartet.begin() + 42 * y, 42, kWeiß);
            ASSERT_EQ(t.pixel(), erwartet) << "height " << höhe << ", row " << y;
        }
    }
    // XOR: the picture under the line comes back when it moves on.
    TestFenster t;
    t.f.AusWal.wähle(2);
    t.f.Pic.setzePunkt(5, 1, RGB(255, 0, 0));
    LinieSchritt(t.f);
    EXPECT_EQ(t.f.Pic.punkt(5, 1), RGB(0, 255, 255));
    LinieSchritt(t.f);
    EXPECT_EQ(t.f.Pic.punkt(5, 1), RGB(255, 0, 0));
}

TEST(PingPong, WegAbprallenUndGenauEinLeuchtenderPunkt) {
    struct Fall {
        int x, y, textX, textY; // start and a text pixel (-1: none)
        std::vector<std::pair<int, int>> weg;
        int dx, dy;
    };
    const Fall fälle[] = {
        {21, 3, -1, -1, {{22, 4}, {23, 5}, {24, 6}, {25, 5}, {26, 4}}, 1, -1}, // off the bottom edge
        {10, 3, 11, 3, {{9, 4}}, -1, 1},    // off a text pixel, which is cleared
        {41, 6, -1, -1, {{40, 5}}, -1, -1}, // both edges at once
        {60, 60, -1, -1, {{0, 0}}, -1, -1}, // the display shrank under the point: restarts at 1, 1
    };
    for (const Fall& fall : fälle) {
        TestFenster t;
        t.f.PunktX = fall.x, t.f.PunktY = fall.y;
        if (fall.textX >= 0) t.f.Pic.setzePunkt(fall.textX, fall.textY, RGB(0, 255, 0));
        for (auto [x, y] : fall.weg) {
            PingPongSchritt(t.f);
            EXPECT_EQ(t.f.DurchlaufStatus, kPassEnde);
            std::vector<Farbe> erwartet(42 * 7, 0);
            erwartet[std::size_t(42 * y + x)] = kWeiß;
            ASSERT_EQ(t.pixel(), erwartet) << "from " << fall.x << "," << fall.y << " to " << x << "," << y;
        }
        EXPECT_EQ(std::tuple(t.f.PunktDX, t.f.PunktDY), std::tuple(fall.dx, fall.dy));
    }
}

TEST(Negativ, ZweimalStelltDasBildGenauWiederHer) {
    TestFenster t;
    t.f.Pic.setzeHintergrundBild(einfarbig(20, 7, RGB(10, 130, 250)));
    for (int x = 0; x < 42; ++x) t.f.Pic.setzePunkt(x, x % 7, RGB(x * 6, 255 - x * 6, (x * 37) % 256));
    const auto vorher = t.pixel();
    NegativSchritt(t.f);
    EXPECT_EQ(std::tuple(t.f.Pic.punkt(30, 5), t.f.Pic.punkt(1, 0)), std::tuple(kWeiß, RGB(245, 125, 5)));
    NegativSchritt(t.f);
    EXPECT_EQ(t.pixel(), vorher);
}

TEST(Zufallsfarben, EinheitlichAusDenAchtFarbenMitEinemZug) {
    TestFenster t;
    std::map<Farbe, int> gesehen;
    for (int i = 0; i < 800; ++i) {
        const auto vorher = t.f.zufall.gezogen();
        ZufallsfarbeSchritt(t.f);
        ASSERT_EQ(t.f.zufall.gezogen(), vorher + 1);
        const auto alle = t.pixel();
        ASSERT_EQ(std::count(alle.begin(), alle.end(), alle.front()), 42 * 7) << "step " << i;
        ++gesehen[alle.front()];
    }
    ASSERT_EQ(gesehen.size(), 8u);
    for (Farbe c : t.f.Farbtabelle) EXPECT_TRUE(gesehen[c] > 60 && gesehen[c] < 140) << c; // 100 of each
}

TEST(Effekte, JederSchrittEndetEinenDurchlaufNurLöschenNimmtDasBild) {
    // Mode, PlusLöschen; "Display löschen" and shapes with PlusLöschen set (greyed counts)
    // clear the drawn and the background picture.
    for (auto [modus, plus] : {std::pair{2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {7, 2}}) {
        TestFenster t;
        t.f.AusWal.wähle(modus); // clears the display
        t.f.PlusLöschen.setzeWert(plus);
        t.f.Pic.setzeHintergrundBild(einfarbig(2, 2, kMarke));
        t.f.Pic.setzePunkt(20, 5, kMarke);
        t.f.DurchläufeTxt.setzeText(QStringLiteral("5"));
        LaufSchritt(t.f);
        SCOPED_TRACE(modus);
        const bool weg = modus == 5 || plus;
        EXPECT_EQ(std::tuple(t.f.DurchlaufStatus, t.f.DurchlaufNummer, t.f.Pic.hintergrundBild().isNull()),
                  std::tuple(kPassEnde, 1, weg));
        const auto p = t.pixel();
        if (weg) {
            EXPECT_EQ(std::count(p.begin(), p.end(), kMarke), 0);
        } else if (modus == 6) {
            EXPECT_EQ(p[42 + 1], kMarke); // a new back colour, the picture over it
        }
    }
}

TEST(Zufallsformen, JederKnopfZiehtSeineZahlUndMaltGefülltImDisplay) {
    const struct {
        Knopf Fenster::*knopf;
        int züge, überstand; // a circle may reach its radius beyond the display
    } formen[] = {{&Fenster::FormKreis, 5, 7}, {&Fenster::FormQuadrat, 6, 0}, {&Fenster::FormLinie, 6, 0}};
    for (const auto& form : formen) {
        // Pic larger than the 42 x 7 display, so that drawing beyond the display shows.
        TestFenster t;
        t.f.Pic.setzeHintergrund(kMarke);
        t.f.Pic.setzeGröße(80, 30);
        int zeilen = 0;
        for (int i = 0; i < 200; ++i) {
            t.f.Pic.leeren();
            const auto vorher = t.f.zufall.gezogen();
            (t.f.*form.knopf).klick();
            ASSERT_EQ(t.f.zufall.gezogen() - vorher, std::uint64_t(form.züge)) << form.züge;
            // Each row of one shape is a single run without gaps, within the reach.
            for (int y = 0; y < 30; ++y) {
                int links = 80, rechts = -1;
                for (int x = 0; x < 80; ++x)
                    if (t.f.Pic.punkt(x, y) != kMarke)
                        links = std::min(links, x), rechts = std::max(rechts, x);
                for (int x = links; x <= rechts; ++x) ASSERT_NE(t.f.Pic.punkt(x, y), kMarke) << x << "," << y;
                if (rechts < 0) continue;
                ASSERT_TRUE(rechts < 42 + form.überstand && y < 7 + form.überstand) << rechts << "," << y;
                ++zeilen;
            }
        }
        EXPECT_GT(zeilen, 400) << form.züge;
    }
}

TEST(ZufallsFormAnzahl, HältDieZahlZwischenEinsUndNeun) {
    TestFenster t;
    const std::tuple<const char*, const char*, int> fälle[] = {
        {"5", "5", 5}, {"", "1", 1},   {"0", "1", 1},  {"a", "1", 1},
        {"9", "9", 9}, {"12", "9", 9}, {"-3", "1", 1}, {"3x", "3x", 3},
    };
    for (auto [eingabe, text, anzahl] : fälle) {
        t.f.ZufallsFormAnzahl.setzeText(QString::fromUtf8(eingabe));
        SCOPED_TRACE(eingabe);
        EXPECT_EQ(std::tuple(t.f.ZufallsFormAnzahl.text(), t.f.FormAnzahl),
                  std::tuple(QString::fromUtf8(text), anzahl));
        // A step draws that many shapes: one draw for the choice, then 5 or 6 for the shape.
        const auto vorher = t.f.zufall.gezogen();
        ZufallsformenSchritt(t.f);
        const auto züge = t.f.zufall.gezogen() - vorher;
        EXPECT_TRUE(züge >= 6u * anzahl && züge <= 7u * anzahl) << züge;
    }
}
