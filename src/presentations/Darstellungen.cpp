#include "Darstellungen.h"
#include "Abspielen.h"
#include "Dunkel.h"
#include "DarstellungLaden.h"
#include "DarstellungSpeichern.h"
#include "Fenster.h"
#include "LaufListe.h"
#include "NamenListen.h"
#include "Textdatei.h"

namespace glanzzug {

void DarstellungenEinrichten(Fenster& f) {
    f.ablauf.dateiListenAktualisieren = DateiListenAktualisieren;
    f.ablauf.laufListeLaden = LaufListeLaden;
    f.ablauf.laufListeSchreiben = LaufListeBeendenSichern;

    f.AlleLS.Click.verbinde([&f] { AlleLS_Click(f); });
    f.LaufschriftSpeichern.Click.verbinde([&f] { LaufschriftSpeichern_Click(f); });
    f.LSlöschen.Click.verbinde([&f] { LSlöschen_Click(f); });
    f.AlleLL.Click.verbinde([&f] { AlleLL_Click(f); });
    f.LaufListeSpeichern.Click.verbinde([&f] { LaufListeSpeichern_Click(f); });
    f.LLlöschen.Click.verbinde([&f] { LLlöschen_Click(f); });
    f.LaufListe.Click.verbinde([&f] { LaufListe_Click(f); });
    f.Einfügen.Click.verbinde([&f] { Einfügen_Click(f); });
    f.Entfernen.Click.verbinde([&f] { Entfernen_Click(f); });
    f.LaufListeFortsetzen.Click.verbinde([&f] { LaufListeFortsetzen_Click(f); });
    f.Start.Click.verbinde([&f] {
        if (f.Start.gesetzt()) EinzelnBeenden(f);
    });
    DunkelEinrichten(f);

    // What the window shows is what the file keeps.
    for (TextFeld* t : {&f.Txt, &f.Txt2, &f.BisUhrText, &f.BisDatumText, &f.VerzögerungTxt, &f.WartezeitTxt,
                        &f.DurchläufeTxt, &f.Schritt, &f.FaZe, &f.ZufallsFormAnzahl})
        t->eingabeFilter = nurWindows1252;
    f.AlleLS.eingabeFilter = nurWindows1252;
    f.AlleLL.eingabeFilter = nurWindows1252;
}

} // namespace glanzzug
