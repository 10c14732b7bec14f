#include "LaufListe.h"
#include "DarstellungLaden.h"
#include "DateiZugriff.h"
#include "Fenster.h"
#include "NamenListen.h"
#include "Textdatei.h"

namespace glanzzug {

void LaufListeLaden(Fenster& f) {
    if (f.AlleLL.text().isEmpty()) return;
    f.LaufListe.leeren();
    const auto zeilen =
        dateiZeilen(dateiFinden(f.AlleLL.text(), f.LaufListenEndung), kMeisteLaufListenEinträge);
    if (zeilen) {
        QStringList einträge;
        einträge.reserve(zeilen->size());
        for (const QString& z : *zeilen) einträge.append(z.left(kLängsterText)); // no file name is longer
        if (!einträge.isEmpty()) f.Arbeitstext = einträge.last();
        f.LaufListe.setzeEinträge(einträge);
    }
    if (f.LaufListe.anzahl() >= 1) f.LaufListe.setzeListIndex(0);
}

void LaufListeSchreiben(Fenster& f) {
    if (f.AlleLL.text().isEmpty()) return;
    QStringList zeilen;
    for (const QString& e : f.LaufListe.einträge()) zeilen.append(einzeilig(e));
    schreibeZeilenAtomar(dateiFinden(f.AlleLL.text(), f.LaufListenEndung), zeilen);
    DateiListenAktualisieren(f);
}

void AlleLL_Click(Fenster& f) {
    LaufListeLaden(f);
}

void LaufListeSpeichern_Click(Fenster& f) {
    LaufListeSchreiben(f);
}

void LaufListe_Click(Fenster& f) {
    if (f.LaufListe.listIndex() < 0) return;
    f.AlleLS.setzeText(f.LaufListe.eintrag(f.LaufListe.listIndex()));
    DarstellungLaden(f);
}

void Einfügen_Click(Fenster& f) {
    const int i = f.LaufListe.listIndex();
    f.LaufListe.hinzufügen(f.AlleLS.text(), i >= 0 ? i : f.LaufListe.anzahl());
}

void Entfernen_Click(Fenster& f) {
    const int i = f.LaufListe.listIndex() >= 0 ? f.LaufListe.listIndex() : f.LaufListe.anzahl() - 1;
    if (i < 0) return;
    f.LaufListe.entfernen(i);
}

} // namespace glanzzug
