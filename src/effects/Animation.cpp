#include "Animation.h"
#include "BildAnzeigen.h"
#include "Fenster.h"

namespace glanzzug {

void AnimationSchritt(Fenster& f) {
    if (f.AniLi.anzahl() == 0) return;
    f.Arbeitstext = f.AniLi.eintrag(f.BildNr); // empty past the end of the list
    BildAnzeigen(f);
}

} // namespace glanzzug
