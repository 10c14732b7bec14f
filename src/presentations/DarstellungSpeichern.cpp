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
    if (f.AlleLS.text().isEmpty()) return false;
    f.T.setzeAn(false);
    const DarstellungsWerte w = DarstellungErfassen(f);
    f.BildListenText = bilderListenText(w.bilder);
    const QString pfad = dateiFinden(f.AlleLS.text(), f.DarstellungsEndung);
    const bool gesichert = zeilenSichern(f.ablauf, pfad, darstellungsZeilen(w));
    if (gesichert) DarstellungsStandMerken(f, pfad);
    f.T.setzeAn(true);
    DateiListenAktualisieren(f);
    return gesichert;
}

void LaufschriftSpeichern_Click(Fenster& f) {
    DarstellungSpeichern(f);
}

} // namespace glanzzug
