// The font dialog and the step width.
#include "TextAufbau.h"

using namespace glanzzug;
using namespace glanzzug::test;

TEST(Schriftwahl, WahlGehtAnsBildUndOhneGrößeAnDieTextfelder) {
    TextAufbau a;
    FalscheDialoge d;
    d.timer = &a.f.T;
    a.f.dialoge = &d;
    a.f.T.setzeAn(false);
    a.f.Pic.setzePunkt(3, 3, RGB(255, 0, 0));
    d.antwort = SchriftWahl{QStringLiteral("DejaVu Sans"), 9.3, true, true};
    a.f.Schriftart.klick();
    EXPECT_FALSE(d.timerWährendDessen);
    EXPECT_TRUE(a.f.T.an()); // runs afterwards, although it was off before
    EXPECT_TRUE(a.leer());
    EXPECT_EQ(a.f.Pic.schrift(), (SchriftWahl{QStringLiteral("DejaVu Sans"), double(9.3f), true, true}));
    EXPECT_EQ(a.f.SchriftGröße, double(9.3f));
    for (const TextFeld* t : {&a.f.Txt, &a.f.Txt2}) {
        EXPECT_EQ(t->schriftName(), QStringLiteral("DejaVu Sans"));
        EXPECT_TRUE(t->fett());
        EXPECT_TRUE(t->kursiv());
    }
    // The dialog opens on the font in use.
    d.antwort.reset();
    a.f.T.setzeAn(false);
    a.f.Schriftart.klick();
    ASSERT_TRUE(d.geöffnetMit);
    EXPECT_EQ(d.geöffnetMit->name, QStringLiteral("DejaVu Sans"));
    // Cancelled: nothing applied, the timer runs again.
    EXPECT_EQ(a.f.SchriftGröße, double(9.3f));
    EXPECT_TRUE(a.f.T.an());
    a.f.dialoge = nullptr;
}

TEST(Schriftwahl, SchrittweiteIstDieFührendeZahl) {
    TextAufbau a;
    const std::pair<const char*, double> fälle[] = {{"2.5", 2.5}, {"2,5", 2}, {"", 0},  {"abc", 0},
                                                    {" 3", 3},    {"-1", -1}, {"0", 0}, {"1 2", 12}};
    for (const auto& [text, wert] : fälle) {
        a.f.Schritt.setzeText(QStringLiteral("x"));
        a.f.Schritt.setzeText(QString::fromUtf8(text));
        EXPECT_EQ(a.f.Schrittweite, wert) << text;
    }
}
