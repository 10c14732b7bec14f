#include "DarstellungSpeichern.h"
#include "DarstellungsText.h"
#include "DateiZugriff.h"
#include "Fenster.h"
#include "NamenListen.h"
#include "Sichern.h"

namespace glanzzug {

DarstellungsWerte DarstellungErfassen(const Fenster& f) {
    DarstellungsWerte w;
    w.plusLöschen = f.PlusLöschen.wert();
    w.bilderAnpassen = f.BilderAnpassen.wert();
    w.modus = f.AusWal.auswahl() < 0 ? 0 : f.AusWal.auswahl();
    w.formAnzahl = f.FormAnzahl;
    w.text = f.Txt.text();
    w.textDatei = f.DateiBenutzen.toolTip();
    w.textFarbe = f.TextFarbe;
    w.hintergrundFarbe = f.HintergrundFarbe;
    w.text2 = f.Txt2.text();
    w.wechselTextFarbe = f.WechselTextFarbe;
    w.wechselHintergrundFarbe = f.WechselHintergrundFarbe;
    w.wechseltext = f.Wechseltext.gesetzt();
    w.schriftName = f.Pic.schrift().name;
    w.schriftGröße = f.SchriftGröße;
    w.fett = f.Pic.schrift().fett;
    w.kursiv = f.Pic.schrift().kursiv;
    w.schrittweite = f.Schrittweite;
    for (int i = 0; i < 8; ++i)
        if (f.Richtung[std::size_t(i)].gesetzt()) w.richtungen |= 1 << i;
    w.verzögerung = f.VerzögerungTxt.text();
    w.wartezeit = f.WartezeitTxt.text();
    w.durchläufe = f.DurchläufeTxt.text();
    w.vonX = f.VonX.wert();
    w.vonY = f.VonY.wert();
    w.bilder = f.AniLi.einträge();
    w.bisUhr = f.BisUhr.wert();
    w.bisUhrText = f.BisUhrText.text();
    w.bisDatum = f.BisDatum.wert();
    w.bisDatumText = f.BisDatumText.text();
    return w;
}

bool DarstellungSpeichern(Fenster& f) {
    const QString name = f.AlleLS.text();
    if (name.isEmpty()) {
        SpeichernMelden(f, QStringLiteral("Darstellung nicht gespeichert: sie hat keinen Namen"));
        return false;
    }
    // What is saved is the presentation as it was when the user asked; the question below
    // lets the timer tick, which may load another presentation meanwhile.
    const QString pfad = dateiFinden(name, f.DarstellungsEndung);
    const DarstellungsWerte w = DarstellungErfassen(f);
    if (!überschreibenErlaubt(f, f.DarstellungGelesen, pfad)) {
        SpeichernMelden(f, QStringLiteral("„%1“ nicht gespeichert: die Datei wurde inzwischen geändert").arg(name));
        return false;
    }
    f.T.setzeAn(false);
    f.BildListenText = bilderListenText(w.bilder);
    QString grund;
    const bool gesichert = zeilenSichern(f.ablauf, pfad, darstellungsZeilen(w), &grund);
    // The file now holds what the window shows, while that presentation is on show.
    if (gesichert && f.AlleLS.text() == name) f.DarstellungGelesen.merken(pfad);
    SpeichernMelden(f, gesichert ? QStringLiteral("„%1“ gespeichert").arg(name)
                                 : QStringLiteral("„%1“ nicht gespeichert: %2").arg(name, grund));
    f.T.setzeAn(true);
    DateiListenAktualisieren(f);
    return gesichert;
}

void LaufschriftSpeichern_Click(Fenster& f) {
    DarstellungSpeichern(f);
}

} // namespace glanzzug
