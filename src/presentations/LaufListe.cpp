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
    f.LaufListeGeändert = false;
    const QString pfad = dateiFinden(f.AlleLL.text(), f.LaufListenEndung);
    f.LaufListeGelesen.merken(pfad);
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

namespace {
QStringList laufListenZeilen(const Fenster& f) {
    QStringList zeilen;
    for (const QString& e : f.LaufListe.einträge()) zeilen.append(einzeilig(e));
    return zeilen;
}

// The list as it is now was written to `pfad` under the name `name`: that file is what
// the list on show holds, as long as the same list is on show.
void gesichert(Fenster& f, const QString& name, const QString& pfad, const QStringList& zeilen) {
    if (f.AlleLL.text() != name || laufListenZeilen(f) != zeilen) return;
    f.LaufListeGelesen.merken(pfad);
    f.LaufListeGeändert = false;
    f.LaufListeStand = Fenster::ListenStand::Ganz;
}
} // namespace

bool LaufListeSchreiben(Fenster& f) {
    const QString name = f.AlleLL.text();
    if (name.isEmpty()) {
        SpeichernMelden(f, QStringLiteral("Lauf-Liste nicht gespeichert: sie hat keinen Namen"));
        return false;
    }
    const QString pfad = dateiFinden(name, f.LaufListenEndung);
    using Stand = Fenster::ListenStand;
    QString grund;
    bool ok = false;
    if (f.LaufListeStand == Stand::Teilweise) {
        grund = QStringLiteral("sie wurde nur zum Teil gelesen");
    } else if (f.LaufListeStand == Stand::Ungelesen && dateiVorhanden(pfad)) {
        grund = QStringLiteral("die Datei gibt es schon");
    } else {
        // What is saved is the list as it was when the user asked; the question below lets
        // the timer tick, which may move the run list on.
        const QStringList zeilen = laufListenZeilen(f);
        if (!überschreibenErlaubt(f, f.LaufListeGelesen, pfad)) {
            grund = QStringLiteral("die Datei wurde inzwischen geändert");
        } else if ((ok = zeilenSichern(f.ablauf, pfad, zeilen, &grund))) {
            gesichert(f, name, pfad, zeilen);
        }
    }
    SpeichernMelden(f, ok ? QStringLiteral("„%1“ gespeichert").arg(name)
                          : QStringLiteral("„%1“ nicht gespeichert: %2").arg(name, grund));
    DateiListenAktualisieren(f);
    return ok;
}

void LaufListeBeendenSichern(Fenster& f) {
    const QString name = f.AlleLL.text();
    if (name.isEmpty() || f.LaufListeStand == Fenster::ListenStand::Teilweise) return;
    const QString pfad = dateiFinden(name, f.LaufListenEndung);
    // A list given a new name counts as changed: its file does not hold it yet.
    const bool umbenannt = f.LaufListeGelesen.pfad != pfad;
    if (!f.LaufListeGeändert && !(umbenannt && f.LaufListeStand == Fenster::ListenStand::Ganz)) return;
    const QStringList zeilen = laufListenZeilen(f);
    if (umbenannt ? !dateiVorhanden(pfad) : !f.LaufListeGelesen.seitherGeändert(pfad)) {
        zeilenSichern(f.ablauf, pfad, zeilen);
        return;
    }
    // Both are kept: the file as it is on disk now, and the program's list beside it.
    const QString stamm = pfad.left(pfad.size() - f.LaufListenEndung.size()) + QStringLiteral(" (gesichert ") +
                          f.jetzt().toString(QStringLiteral("yyyy-MM-dd HHmmss"));
    QString daneben = stamm + QStringLiteral(")") + f.LaufListenEndung;
    for (int n = 2; dateiVorhanden(daneben) && n < 100; ++n)
        daneben = stamm + QStringLiteral(" %1)").arg(n) + f.LaufListenEndung;
    if (zeilenSichern(f.ablauf, daneben, zeilen))
        f.ablauf.melde(QStringLiteral("run list \"%1\" on disk is not the one the program read; it stays as it "
                                      "is, the program's list went to \"%2\"")
                           .arg(pfad, daneben));
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
    f.LaufListeGeändert = true;
    return true;
}

bool LaufListeEntfernen(Fenster& f, int i) {
    if (i < 0 || i >= f.LaufListe.anzahl()) return false;
    f.LaufListe.entfernen(i);
    f.LaufListeStand = Fenster::ListenStand::Ganz;
    f.LaufListeGeändert = true;
    return true;
}

bool LaufListeVerschieben(Fenster& f, int i, int j) {
    if (!f.LaufListe.verschieben(i, j)) return false;
    f.LaufListeStand = Fenster::ListenStand::Ganz;
    f.LaufListeGeändert = true;
    return true;
}

} // namespace glanzzug
