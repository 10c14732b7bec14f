#include "Effekte.h"
#include "Fenster.h"

namespace glanzzug {

void EffekteEinrichten(Fenster& f) {
    f.Pic.setzeGefüllt(true);

    f.ablauf.schritt[1] = AnimationSchritt;
    f.ablauf.schritt[2] = LinieSchritt;
    f.ablauf.schritt[3] = PingPongSchritt;
    f.ablauf.schritt[4] = NegativSchritt;
    f.ablauf.schritt[5] = DisplayLöschen;
    f.ablauf.schritt[6] = ZufallsfarbeSchritt;
    f.ablauf.schritt[7] = ZufallsformenSchritt;

    const std::array<std::pair<Knopf Fenster::*, void (*)(Fenster&)>, 4> formen{{
        {&Fenster::FormKreis, FormKreis_Click},
        {&Fenster::FormQuadrat, FormQuadrat_Click},
        {&Fenster::FormLinie, FormLinie_Click},
        {&Fenster::FormLöschen, FormLöschen_Click},
    }};
    for (const auto& [knopf, handler] : formen) (f.*knopf).Click.verbinde([&f, h = handler] { h(f); });
    f.ZufallsFormAnzahl.Change.verbinde([&f] { ZufallsFormAnzahl_Change(f); });
}

} // namespace glanzzug
