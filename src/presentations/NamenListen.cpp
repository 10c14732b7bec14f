#include "NamenListen.h"
#include "DateiZugriff.h"
#include "Fenster.h"

namespace glanzzug {

namespace {
void namenAusDateien(KombiFeld& namen, DateiListe& dateien) {
    dateien.aktualisieren();
    const QString text = namen.text();
    namen.listeLeeren();
    namen.setzeText(text);
    for (const QString& d : dateien.dateien()) namen.listeAnfügen(d.left(d.size() - 4));
}

void löschen(Fenster& f, KombiFeld& namen, const QString& endung, const QString& titel) {
    if (namen.listIndex() < 0) return;
    int index = namen.listIndex();
    const QString name = namen.ausgewählt();
    const QString frage = QStringLiteral("Wollen Sie (") + name + QStringLiteral(") löschen ?");
    if (!f.dialoge || !f.dialoge->frageJaNein(frage, titel, Dialoge::Symbol::Frage)) return;
    // The timer runs on while the question is open; find the entry again.
    if (namen.liste().value(index) != name) index = int(namen.liste().indexOf(name));
    if (dateiLöschen(dateiFinden(name, endung))) namen.listeEntfernen(index);
}
} // namespace

void DateiListenAktualisieren(Fenster& f) {
    f.T.setzeAn(false);
    namenAusDateien(f.AlleLS, f.LSFiles);
    namenAusDateien(f.AlleLL, f.LLFiles);
    f.T.setzeAn(true);
}

void LSlöschen_Click(Fenster& f) {
    löschen(f, f.AlleLS, f.DarstellungsEndung, QStringLiteral("Lauf-Schrift"));
}

void LLlöschen_Click(Fenster& f) {
    löschen(f, f.AlleLL, f.LaufListenEndung, QStringLiteral("Lauf-Liste"));
}

} // namespace glanzzug
