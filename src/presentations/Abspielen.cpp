#include "Abspielen.h"
#include "Fenster.h"
#include "LaufListeWeiter.h"
#include "LaufSchritt.h"

namespace glanzzug {

bool DarstellungAbspielen(Fenster& f, int i) {
    if (!f.AlleLS.wähle(i)) return false; // AlleLS_Click: Start clears, the presentation loads
    f.EinzelnAbspielen = true;
    const bool liste = f.LaufListe.anzahl() > 0;
    f.LaufListePause.setzeText(liste ? QStringLiteral("Lauf-Liste „%1“ pausiert").arg(f.AlleLL.text()) : QString());
    f.LaufListePause.setzeSichtbar(liste);
    f.LaufListeFortsetzen.setzeSichtbar(liste);
    return true;
}

void LaufListeFortsetzen_Click(Fenster& f) {
    EinzelnBeenden(f);
    // A pass state left "finished" by what played before would hand the entry just chosen
    // over at once, unseen; the chosen entry starts afresh.
    f.DurchlaufStatus = kSchreiten;
    f.Start.setzeWert(1);
    LaufListeWeiter(f);
}

bool LaufListeAbHier(Fenster& f, int i) {
    if (i < 0 || i >= f.LaufListe.anzahl()) return false;
    EinzelnBeenden(f);
    f.DurchlaufStatus = kSchreiten; // as in LaufListeFortsetzen_Click
    // Selecting the selected entry raises no Click; it still has to load.
    if (f.LaufListe.listIndex() == i) f.LaufListe.Click.auslösen();
    else f.LaufListe.setzeListIndex(i);
    f.Start.setzeWert(1);
    return true;
}

} // namespace glanzzug
