// The font dialog and the step width.
#include "TextAufbau.h"

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
// A font dialog that answers as scripted and notes how it was opened and whether the
// timer ran meanwhile.
struct SchriftDialog final : Dialoge {
    std::optional<SchriftWahl> antwort, geöffnetMit;
    const Zeitgeber* timer = nullptr;
    bool timerLief = true;
    bool frageJaNein(const QString&, const QString&, Symbol) override { return false; }
    void hinweis(const QString&) override {}
    QString eingabe(const QString&) override { return {}; }
    std::optional<SchriftWahl> schriftWählen(const SchriftWahl& start) override {
        geöffnetMit = start, timerLief = timer->an();
        return antwort;
    }
};
} // namespace

TEST(Schriftwahl, WahlGehtAnsBildUndOhneGrößeAnDieTextfelder) {
    TestFenster t;
    SchriftDialog d;
    d.timer = &t.f.T;
    t.f.dialoge = &d;
    t.f.Pic.setzePunkt(3, 3, kRot);
    d.antwort = SchriftWahl{"DejaVu Sans", 9.3, true, true};
    t.f.Schriftart.klick();
    EXPECT_FALSE(d.timerLief);
    EXPECT_TRUE(t.f.T.an());
    EXPECT_EQ(t.f.Pic.punkt(3, 3), kSchwarz);
    // The size is taken at single precision.
    EXPECT_EQ(t.f.Pic.schrift(), (SchriftWahl{"DejaVu Sans", double(9.3f), true, true}));
    EXPECT_EQ(t.f.SchriftGröße, double(9.3f));
    for (const TextFeld* feld : {&t.f.Txt, &t.f.Txt2})
        EXPECT_EQ(std::tuple(feld->schriftName(), feld->fett(), feld->kursiv()),
                  std::tuple(QString("DejaVu Sans"), true, true));
    // Opened again on the font in use; cancelled, nothing changes and the timer runs, even
    // when it was off before.
    d.antwort.reset();
    t.f.T.setzeAn(false);
    t.f.Schriftart.klick();
    EXPECT_TRUE(t.f.T.an());
    ASSERT_TRUE(d.geöffnetMit);
    EXPECT_EQ(d.geöffnetMit->name, "DejaVu Sans");
    EXPECT_EQ(t.f.SchriftGröße, double(9.3f));
    t.f.dialoge = nullptr;
}

TEST(Schriftwahl, SchrittweiteIstDieFührendeZahl) {
    TestFenster t;
    const std::pair<const char*, double> fälle[] = {{"2.5", 2.5}, {"2,5", 2}, {"", 0},  {"abc", 0},
                                                    {" 3", 3},    {"-1", -1}, {"0", 0}, {"1 2", 12}};
    for (const auto& [text, wert] : fälle) {
        t.f.Schritt.setzeText("x");
        t.f.Schritt.setzeText(text);
        EXPECT_EQ(t.f.Schrittweite, wert) << text;
    }
}
