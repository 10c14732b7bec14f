#include "LaufListeWeiter.h"
#include "Fenster.h"

namespace glanzzug {

void LaufListeWeiter(Fenster& f) {
    f.Laufposition = 0;
    const int n = f.LaufListe.anzahl();
    if (n == 0) return;
    const int i = f.LaufListe.listIndex();
    const int neu = (i < 0 || i >= n - 1) ? 0 : i + 1;
    if (neu == i) {
        // A run list of one entry: selecting the selected entry again still loads it.
        f.LaufListe.Click.auslösen();
        return;
    }
    f.LaufListe.setzeListIndex(neu);
}

} // namespace glanzzug
