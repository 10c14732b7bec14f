#include "Programm.h"
#include "Anordnung.h"
#include "BildAnzeigen.h"
#include "Darstellungen.h"
#include "Effekte.h"
#include "Fenster.h"
#include "Start.h"
#include "TextVorbereiten.h"

namespace glanzzug {

void Verdrahten(Fenster& f) {
    EngineEinrichten(f);
    ModulesEinrichten(f);
    TextEinrichten(f);
    BilderEinrichten(f);
    EffekteEinrichten(f);
    DarstellungenEinrichten(f);
}

} // namespace glanzzug
