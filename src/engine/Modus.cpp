#include "Modus.h"
#include "Fenster.h"
#include "Zahl.h"

namespace glanzzug {

void AusWal_Click(Fenster& f, int index) {
    f.Modus = index;
    ModusEinstellen(f);
}

void ModusEinstellen(Fenster& f) {
    f.Laufposition = 0;
    if (f.Modus == 0 && f.Richtung[5].gesetzt()) ZufallsRichtungenSetzen(f);
    if (f.Modus == 3) {
        f.PunktX = ganzTeil(f.DisplayBreite / 2);
        f.PunktY = ganzTeil(f.DisplayHöhe / 2.0);
    }
    if (f.Modus == 2) {
        f.LinieY = 0;
        f.LinieRichtung = 1;
        for (int x = 0; x <= int(f.DisplayBreite) - 1; ++x) f.Pic.setzePunkt(x, 0, f.Pic.punkt(x, 0) ^ f.TextFarbe);
    }
    if (f.Modus == 5) {
        f.Pic.entferneHintergrundBild();
        f.Pic.setzeHintergrund(f.Bild.hintergrund());
        f.Pic.leeren();
    }
}

void ZufallsRichtungenSetzen(Fenster& f) {
    const qsizetype länge = f.Txt.text().size();
    if (länge == 0) return;
    f.Buchstabennummer = 0;
    const double d = f.DisplayHöhe > f.DisplayBreite ? f.DisplayHöhe : f.DisplayBreite;
    while (f.Buchstabennummer < länge && f.Buchstabennummer < 30) {
        const std::size_t k = std::size_t(f.Buchstabennummer);
        do {
            f.BuchstabeVX[k] = ganzTeil(f.zufall.Rnd() * 3) - 1;
            f.BuchstabeVY[k] = ganzTeil(f.zufall.Rnd() * 3) - 1;
        } while (f.BuchstabeVX[k] == 0 && f.BuchstabeVY[k] == 0);
        if (f.Richtung[6].gesetzt()) {
            f.BuchstabeDX[k] = d * f.BuchstabeVX[k];
            f.BuchstabeVX[k] = -f.BuchstabeVX[k];
            f.BuchstabeDY[k] = d * f.BuchstabeVY[k];
            f.BuchstabeVY[k] = -f.BuchstabeVY[k];
        } else {
            f.BuchstabeDX[k] = 0;
            f.BuchstabeDY[k] = 0;
        }
        ++f.Buchstabennummer;
    }
}

} // namespace glanzzug
