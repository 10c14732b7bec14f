#include "Darstellungen.h"
#include "Fenster.h"

namespace glanzzug {

void DateiListenAktualisieren(Fenster&) {}
void LaufListeLaden(Fenster&) {}
void LaufListeSchreiben(Fenster&) {}

void DarstellungenEinrichten(Fenster& f) {
    f.ablauf.dateiListenAktualisieren = DateiListenAktualisieren;
    f.ablauf.laufListeLaden = LaufListeLaden;
    f.ablauf.laufListeSchreiben = LaufListeSchreiben;
}

} // namespace glanzzug
