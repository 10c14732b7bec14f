#include "Farbwahl.h"
#include "Fenster.h"
#include "LaufListeWeiter.h"
#include "Schriftwahl.h"
#include "TextQuellen.h"
#include "TextVorbereiten.h"
#include "Textdatei.h"

namespace glanzzug {

namespace {
using Mausgriff = void (*)(Fenster&, int, int, double, double);
struct Palette {
    Bildfeld Fenster::*bild;
    Mausgriff griff;
};
const Palette kPaletten[] = {
    {&Fenster::TeFaPic, TeFaPic_MouseDown},
    {&Fenster::HiFaPic, HiFaPic_MouseDown},
    {&Fenster::WeTeFaPic, WeTeFaPic_MouseDown},
    {&Fenster::WeHiFaPic, WeHiFaPic_MouseDown},
};
} // namespace

void TextEinrichten(Fenster& f) {
    f.ablauf.schritt[0] = TextVorbereiten;
    f.ablauf.laufListeWeiter = LaufListeWeiter;

    f.Txt.Click.verbinde([&f] { Txt_Click(f); });
    f.Txt2.Click.verbinde([&f] { Txt2_Click(f); });
    f.DateiBenutzen.Click.verbinde([&f] { DateiBenutzen_Click(f); });
    f.DatumSetzen.Click.verbinde([&f] { DatumSetzen_Click(f); });
    f.ZeitSetzen.Click.verbinde([&f] { ZeitSetzen_Click(f); });
    f.Schriftart.Click.verbinde([&f] { Schriftart_Click(f); });
    f.Schritt.Change.verbinde([&f] { Schritt_Change(f); });
    for (const Palette& p : kPaletten)
        (f.*p.bild).MouseDown.verbinde([&f, griff = p.griff](int knopf, int umschalt, double x, double y) {
            griff(f, knopf, umschalt, x, y);
        });

    // Texts and the colour symbol are stored in Windows-1252 files: what a person types
    // that the code page cannot hold never enters the boxes.
    for (TextFeld* t : {&f.Txt, &f.Txt2, &f.FaZe}) t->eingabeFilter = nurWindows1252;

    PalettenZeichnen(f);
    // The label shows the text colour on the background colour of the display.
    f.TeFaLabel.setzeVordergrund(f.Pic.vordergrund());
    f.TeFaLabel.setzeHintergrund(f.Pic.hintergrund());
}

} // namespace glanzzug
