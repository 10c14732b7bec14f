#include "Bilderliste.h"
#include "Einzeln.h"
#include "BildAnzeigen.h"
#include "Fenster.h"
#include "TextDateiLesen.h"
#include <algorithm>

namespace glanzzug {

namespace {
// Asks about the picture list on show. Yes counts only if that list is still the one on
// show when the answer comes: the timer ticks on while the question is open, and a run
// list moving on loads another presentation with its own picture list.
bool frageZurListe(Fenster& f, const QString& text, Dialoge::Symbol symbol) {
    const QString darstellung = f.AlleLS.text();
    const QStringList bilder = f.AniLi.einträge();
    if (!f.dialoge || !f.dialoge->frageJaNein(text, QString(), symbol)) return false;
    return f.AlleLS.text() == darstellung && f.AniLi.einträge() == bilder;
}

// The design size of Bild in pixels (1800 twips).
constexpr int kBildEntwurf = 120;
int seite(double v) {
    return int(std::clamp(v, 0.0, 4096.0));
}
} // namespace

void AniFiles_Click(Fenster& f) {
    if (f.AniFiles.anzahl() == 0) return;
    f.Arbeitstext = f.AniFiles.ausgewählt();
    if (f.AniFiles.muster() != QStringLiteral("*")) {
        BildAnzeigen(f);
    } else {
        f.DateiBenutzen.setzeToolTip(f.Arbeitstext);
        TextDateiLesen(f);
    }
}

void AniLi_Click(Fenster& f) {
    f.BildNr = f.AniLi.listIndex();
    if (f.BildNr < 0) return;
    f.Arbeitstext = f.AniLi.eintrag(f.BildNr);
    BildAnzeigen(f);
}

void BildEinfügen_Click(Fenster& f) {
    f.Start.setzeWert(0);
    EinzelnBeenden(f);
    const QString name = f.AniFiles.ausgewählt();
    if (name.isEmpty()) return;
    const int lage = f.AniLi.listIndex() >= 0 ? f.AniLi.listIndex() : f.AniLi.anzahl();
    f.AniLi.hinzufügen(name, lage);
}

void AlleBilderEinfügen_Click(Fenster& f) {
    if (f.AniFiles.anzahl() == 0) return;
    if (!frageZurListe(f, QStringLiteral("Alle Bilder in die Bilder-Liste einfügen ?"), Dialoge::Symbol::Frage))
        return;
    f.Start.setzeWert(0);
    EinzelnBeenden(f);
    for (const QString& name : f.AniFiles.dateien()) f.AniLi.hinzufügen(name);
}

void BildLöschen_Click(Fenster& f) {
    f.Start.setzeWert(0);
    EinzelnBeenden(f);
    if (f.AniLi.anzahl() == 0) return;
    f.AniLi.entfernen(f.AniLi.listIndex() >= 0 ? f.AniLi.listIndex() : f.AniLi.anzahl() - 1);
}

void AlleBilderEntfernen_Click(Fenster& f) {
    if (frageZurListe(f, QStringLiteral("Bilder-Liste Löschen ?"), Dialoge::Symbol::Kritisch)) f.AniLi.leeren();
}

void BilderAnpassen_Click(Fenster& f) {
    f.BildEigeneGröße = QSize();
    if (f.BilderAnpassen.gesetzt())
        f.Bild.setzeGröße(kBildEntwurf, kBildEntwurf);
    else
        f.Bild.setzeGröße(seite(f.DisplayBreite), seite(f.DisplayHöhe));
}

} // namespace glanzzug
