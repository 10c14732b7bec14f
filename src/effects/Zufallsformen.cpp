#include "Zufallsformen.h"
#include "Fenster.h"
#include "LaufSchritt.h"
#include "Zahl.h"
#include <algorithm>

namespace glanzzug {

namespace {
// Entry Int(r x anzahl) of Farbtabelle, with one draw.
Farbe zufallsFarbe(Fenster& f, int anzahl) {
    const int i = std::clamp(int(ganzTeil(f.zufall.Rnd() * anzahl)), 0, anzahl - 1);
    return f.Farbtabelle[std::size_t(i)];
}

// Int(ausdehnung x r), with one draw: 0 to ausdehnung - 1.
double zufallsLage(Fenster& f, double ausdehnung) {
    return ganzTeil(ausdehnung * f.zufall.Rnd());
}

struct Strecke {
    double x1, y1, x2, y2;
};
// Two random corners, drawn x1, y1, x2, y2 in this order.
Strecke zufallsStrecke(Fenster& f) {
    Strecke s{};
    s.x1 = zufallsLage(f, f.DisplayBreite);
    s.y1 = zufallsLage(f, f.DisplayHöhe);
    s.x2 = zufallsLage(f, f.DisplayBreite);
    s.y2 = zufallsLage(f, f.DisplayHöhe);
    return s;
}

// The upper bound of the shapes per step, whatever FormAnzahl holds.
constexpr double kMeisteFormen = 9;
} // namespace

void FormKreis_Click(Fenster& f) {
    const Farbe rand = zufallsFarbe(f, 10);
    f.Pic.setzeFüllFarbe(zufallsFarbe(f, 10));
    const double x = zufallsLage(f, f.DisplayBreite);
    const double y = zufallsLage(f, f.DisplayHöhe);
    const double radius = zufallsLage(f, 8);
    f.Pic.kreis(x, y, radius, rand);
}

void FormQuadrat_Click(Fenster& f) {
    const Farbe rand = zufallsFarbe(f, 10);
    f.Pic.setzeFüllFarbe(zufallsFarbe(f, 10));
    const Strecke s = zufallsStrecke(f);
    f.Pic.rechteck(s.x1, s.y1, s.x2, s.y2, rand);
}

void FormLinie_Click(Fenster& f) {
    const Farbe farbe = zufallsFarbe(f, 8);
    f.Pic.setzeFüllFarbe(zufallsFarbe(f, 8));
    const Strecke s = zufallsStrecke(f);
    f.Pic.linie(s.x1, s.y1, s.x2, s.y2, farbe);
}

void FormLöschen_Click(Fenster& f) {
    f.Pic.leeren();
    f.Pic.entferneHintergrundBild();
}

void ZufallsformenSchritt(Fenster& f) {
    if (f.PlusLöschen.wert() != 0) FormLöschen_Click(f);
    for (double n = 1; n <= f.FormAnzahl && n <= kMeisteFormen; ++n) {
        switch (int(ganzTeil(f.zufall.Rnd() * 3))) {
        case 0:
            FormKreis_Click(f);
            break;
        case 1:
            FormLinie_Click(f);
            break;
        default:
            FormQuadrat_Click(f);
            break;
        }
    }
    f.DurchlaufStatus = kPassEnde;
}

void ZufallsFormAnzahl_Change(Fenster& f) {
    f.FormAnzahl = runden(führendeZahl(f.ZufallsFormAnzahl.text()));
    if (!(f.FormAnzahl >= 1)) {
        f.FormAnzahl = 1;
        f.ZufallsFormAnzahl.setzeText(QStringLiteral("1"));
    }
    if (f.FormAnzahl > 9) {
        f.FormAnzahl = 9;
        f.ZufallsFormAnzahl.setzeText(QStringLiteral("9"));
    }
}

} // namespace glanzzug
