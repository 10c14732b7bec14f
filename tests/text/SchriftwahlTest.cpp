// The font dialog and the step width.
#include "TextAufbau.h"

using namespace glanzzug;
using namespace glanzzug::test;

TEST(Schriftwahl, WahlGehtAnsBildUndOhneGrößeAnDieTextfelder) {
    TestFenster t;
    SkriptDialoge& d = t.dialoge;
    // The dialog's own event loop would deliver ticks; playback stands still instead.
    QImage imDialog;
    d.ticksImDialog(t.f.T, 5, [&] { imDialog = t.f.Pic.bild(); });
    t.f.Pic.setzePunkt(3, 3, kRot);
    d.schrift = SchriftWahl{"DejaVu Sans", 9.3, true, true};
    t.f.Schriftart.klick();
    EXPECT_EQ(d.getickt, 0);
    EXPECT_TRUE(t.port.schreiben.empty());
    EXPECT_EQ(ausPixel(imDialog.pixel(3, 3)), kSchwarz); // the preview is empty while the dialog is open
    EXPECT_TRUE(t.f.T.an());
    // The size is taken at single precision.
    EXPECT_EQ(t.f.Pic.schrift(), (SchriftWahl{"DejaVu Sans", double(9.3f), true, true}));
    EXPECT_EQ(t.f.SchriftGröße, double(9.3f));
    for (const TextFeld* feld : {&t.f.Txt, &t.f.Txt2})
        EXPECT_EQ(std::tuple(feld->schriftName(), feld->fett(), feld->kursiv()),
                  std::tuple(QString("DejaVu Sans"), true, true));
    // Opened again on the font in use; cancelled, nothing changes and the timer runs, even
    // when it was off before.
    d.schrift.reset();
    t.f.T.setzeAn(false);
    t.f.Schriftart.klick();
    EXPECT_TRUE(t.f.T.an());
    ASSERT_EQ(d.schriftStarts.size(), 2u);
    EXPECT_EQ(d.schriftStarts.back().name, "DejaVu Sans");
    EXPECT_EQ(t.f.SchriftGröße, double(9.3f));
    EXPECT_EQ(d.getickt, 0);
}

TEST(Schriftwahl, SchrittweiteIstDieFührendeZahl) {
    TestFenster t;
    for (const auto& [text, wert] : {std::pair("2.5", 2.5), {"2,5", 2.0}, {"abc", 0.0}, {"-1", -1.0}}) {
        t.f.Schritt.setzeText(text);
        EXPECT_EQ(t.f.Schrittweite, wert) << text;
    }
}
