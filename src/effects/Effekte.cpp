#include "Effekte.h"
#include "Fenster.h"

namespace glanzzug {

void AnimationSchritt(Fenster&) {}
void LinieSchritt(Fenster&) {}
void PingPongSchritt(Fenster&) {}
void NegativSchritt(Fenster&) {}
void DisplayLöschen(Fenster&) {}
void ZufallsfarbeSchritt(Fenster&) {}
void ZufallsformenSchritt(Fenster&) {}

void EffekteEinrichten(Fenster& f) {
    f.ablauf.schritt[1] = AnimationSchritt;
    f.ablauf.schritt[2] = LinieSchritt;
    f.ablauf.schritt[3] = PingPongSchritt;
    f.ablauf.schritt[4] = NegativSchritt;
    f.ablauf.schritt[5] = DisplayLöschen;
    f.ablauf.schritt[6] = ZufallsfarbeSchritt;
    f.ablauf.schritt[7] = ZufallsformenSchritt;
}

} // namespace glanzzug
