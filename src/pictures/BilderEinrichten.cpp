#include "BildAnzeigen.h"
#include "BildWeg.h"
#include "Bilderliste.h"
#include "DisplaySpeichern.h"
#include "Fenster.h"
#include "Versatz.h"

namespace glanzzug {

void BilderEinrichten(Fenster& f) {
    using Handler = void (*)(Fenster&);
    const std::array<std::pair<Knopf Fenster::*, Handler>, 6> knöpfe{{
        {&Fenster::BildEinfügen, BildEinfügen_Click},
        {&Fenster::AlleBilderEinfügen, AlleBilderEinfügen_Click},
        {&Fenster::BildLöschen, BildLöschen_Click},
        {&Fenster::AlleBilderEntfernen, AlleBilderEntfernen_Click},
        {&Fenster::BildWeg, BildWeg_Click},
        {&Fenster::FormSpeichern, FormSpeichern_Click},
    }};
    for (const auto& [knopf, handler] : knöpfe) (f.*knopf).Click.verbinde([&f, h = handler] { h(f); });
    f.AniFiles.Click.verbinde([&f] { AniFiles_Click(f); });
    f.AniLi.Click.verbinde([&f] { AniLi_Click(f); });
    f.BilderAnpassen.Click.verbinde([&f] { BilderAnpassen_Click(f); });
    f.VonX.Change.verbinde([&f] { VonX_Change(f); });
    f.VonY.Change.verbinde([&f] { VonY_Change(f); });
}

} // namespace glanzzug
