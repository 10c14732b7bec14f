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
    EXPECT_EQ(std::tuple(d.getickt, t.port.schreiben.empty(), t.f.T.an()), std::tuple(0, true, true));
    EXPECT_EQ(ausPixel(imDialog.pixel(3, 3)), kSchwarz); // the preview is empty while the dialog is open
    // The size is taken at single precision.
    EXPECT_EQ(std::tuple(t.f.Pic.schrift(), t.f.SchriftGröße),
              std::tuple(SchriftWahl{"DejaVu Sans", double(9.3f), true, true}, double(9.3f)));
    for (const TextFeld* feld : {&t.f.Txt, &t.f.Txt2})
        EXPECT_EQ(std::tuple(feld->schriftName(), feld->fett(), feld->kursiv()),
                  std::tuple(QString("DejaVu Sans"), true, true));
    // Opened again on the font in use; cancelled, nothing changes and the timer runs, even
    // when it was off before.
    d.schrift.reset();
    t.f.T.setzeAn(false);
    t.f.Schriftart.klick();
    ASSERT_EQ(d.schriftStarts.size(), 2u);
    EXPECT_EQ(std::tuple(t.f.T.an(), d.schriftStarts.back().name, t.f.SchriftGröße, d.getickt),
              std::tuple(true, QString("DejaVu Sans"), double(9.3f), 0));
}

TEST(Schriftwahl, SchrittweiteIstDieFührendeZahl) {
    TestFenster t;
    for (const auto& [text, wert] : {std::pair("2.5", 2.5), {"2,5", 2.0}, {"abc", 0.0}, {"-1", -1.0}}) {
        t.f.Schritt.setzeText(text);
        EXPECT_EQ(t.f.Schrittweite, wert) << text;
    }
}
