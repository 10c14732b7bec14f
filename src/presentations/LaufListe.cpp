#include "LaufListe.h"
#include "DarstellungLaden.h"
#include "DateiZugriff.h"
#include "Fenster.h"
#include "NamenListen.h"
#include "Sichern.h"

namespace glanzzug {

void LaufListeLaden(Fenster& f) {
    if (f.AlleLL.text().isEmpty()) return;
    f.LaufListe.leeren();
    const QString pfad = dateiFinden(f.AlleLL.text(), f.LaufListenEndung);
    // One line more than is kept tells whether the file holds more.
    const auto zeilen = dateiZeilen(pfad, kMeisteLaufListenEinträge + 1);
    // A missing file is an empty list, read whole; an unreadable one is not.
    bool ganz = zeilen ? zeilen->size() <= kMeisteLaufListenEinträge : !dateiVorhanden(pfad);
    if (zeilen) {
        QStringList einträge;
        einträge.reserve(std::min(zeilen->size(), qsizetype(kMeisteLaufListenEinträge)));
        for (const QString& z : *zeilen) {
            if (einträge.size() == kMeisteLaufListenEinträge) break;
            if (z.size() > kLängsterText) ganz = false;
            einträge.append(z.left(kLängsterText)); // no file name is longer
        }
        if (!einträge.isEmpty()) f.Arbeitstext = einträge.last();
        f.LaufListe.setzeEinträge(einträge);
    }
    f.LaufListeStand = ganz ? Fenster::ListenStand::Ganz : Fenster::ListenStand::Teilweise;
    if (!ganz)
        f.ablauf.melde(QStringLiteral("run list \"%1\" could not be read whole; it is not saved unless changed")
                           .arg(f.AlleLL.text()));
    if (f.LaufListe.anzahl() >= 1) f.LaufListe.setzeListIndex(0);
}

bool LaufListeSchreiben(Fenster& f) {
    if (f.AlleLL.text().isEmpty()) return false;
    const QString pfad = dateiFinden(f.AlleLL.text(), f.LaufListenEndung);
    using Stand = Fenster::ListenStand;
    bool gesichert = false;
    if (f.LaufListeStand == Stand::Ganz || (f.LaufListeStand == Stand::Ungelesen && !dateiVorhanden(pfad))) {
        QStringList zeilen;
        for (const QString& e : f.LaufListe.einträge()) zeilen.append(einzeilig(e));
        gesichert = zeilenSichern(f.ablauf, pfad, zeilen);
    }
    DateiListenAktualisieren(f);
    return gesichert;
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
    LaufListeEinfügen(f, f.AlleLS.text(), i >= 0 ? i : f.LaufListe.anzahl());
}

void Entfernen_Click(Fenster& f) {
    LaufListeEntfernen(f, f.LaufListe.listIndex() >= 0 ? f.LaufListe.listIndex() : f.LaufListe.anzahl() - 1);
}

bool LaufListeEinfügen(Fenster& f, const QString& name, int i) {
    if (i < 0 || i > f.LaufListe.anzahl()) return false;
    f.LaufListe.hinzufügen(name, i);
    f.LaufListeStand = Fenster::ListenStand::Ganz;
    return true;
}

bool LaufListeEntfernen(Fenster& f, int i) {
    if (i < 0 || i >= f.LaufListe.anzahl()) return false;
    f.LaufListe.entfernen(i);
    f.LaufListeStand = Fenster::ListenStand::Ganz;
    return true;
}

bool LaufListeVerschieben(Fenster& f, int i, int j) {
    if (!f.LaufListe.verschieben(i, j)) return false;
    f.LaufListeStand = Fenster::ListenStand::Ganz;
    return true;
}

} // namespace glanzzug
