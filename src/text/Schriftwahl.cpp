#include "Schriftwahl.h"
#include "Fenster.h"
#include "Zahl.h"

namespace glanzzug {

namespace {
void aufTextfeld(TextFeld& t, const SchriftWahl& s) {
    t.setzeSchriftName(s.name);
    t.setzeFett(s.fett);
    t.setzeKursiv(s.kursiv);
}
} // namespace

void Schriftart_Click(Fenster& f) {
    f.Pic.leeren();
    f.T.setzeAn(false);
    if (f.dialoge) {
        SchriftWahl start = f.Pic.schrift();
        start.größe = f.SchriftGröße > 0 ? f.SchriftGröße : start.größe;
        if (const auto wahl = f.dialoge->schriftWählen(start)) {
            SchriftWahl neu = *wahl;
            neu.größe = double(float(wahl->größe));
            f.Pic.setzeSchrift(neu);
            f.SchriftGröße = neu.größe;
            aufTextfeld(f.Txt, neu);
            aufTextfeld(f.Txt2, neu);
        }
    }
    f.T.setzeAn(true);
}

void Schritt_Change(Fenster& f) {
    f.Schrittweite = führendeZahl(f.Schritt.text());
}

} // namespace glanzzug
