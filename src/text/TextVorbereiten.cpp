#include "TextVorbereiten.h"
#include "Fenster.h"
#include "Platzhalter.h"
#include "TextDateiLesen.h"
#include "TextZeichnen.h"
#include "Zahl.h"
#include <cmath>

namespace glanzzug {

bool WechseltextDran(const Fenster& f) {
    if (f.Wechseltext.wert() != 1) return false;
    const double r = runden(f.Laufposition);
    return std::isfinite(r) && std::fmod(r, 2.0) != 0;
}

void TextVorbereiten(Fenster& f) {
    if (TextDateiVerknüpft(f)) TextDateiLesen(f);
    f.Arbeitstext = PlatzhalterText(WechseltextDran(f) ? f.Txt2.text() : f.Txt.text(), f.jetzt);
    TextZeichnen(f);
}

} // namespace glanzzug
