#include "Start.h"
#include "Fenster.h"
#include "LaufSchritt.h"
#include "ModuleAusgeben.h"
#include "Modus.h"
#include "Sichern.h"
#include "Textdatei.h"
#include "Zahl.h"
#include "Zeiteingaben.h"

namespace glanzzug {

std::array<Farbe, 10> FarbtabelleBauen() {
    std::array<Farbe, 10> t{};
    int rot = 0, grün = 0, blau = 0;
    for (int i = 0; i <= 7; ++i) {
        t[std::size_t(i)] = RGB(rot, grün, blau);
        rot += 255;
        if (rot > 255) {
            rot = 0;
            grün += 255;
            if (grün > 255) {
                grün = 0;
                blau += 255;
            }
        }
    }
    t[8] = t[7];
    t[9] = t[7];
    return t;
}

namespace {
// No presentation set the text's size: the display height.
void schriftGrößeVorgeben(Fenster& f) {
    if (f.SchriftGröße == 0) f.SchriftGröße = f.DisplayHöhe;
}

void letzteLaufListeWiederherstellen(Fenster& f) {
    const auto zeile = leseErsteZeile(f.LetzteLaufListeDatei);
    if (!zeile) return;
    f.Arbeitstext = *zeile;
    f.AlleLL.setzeText(f.Arbeitstext);
    Ablauf::rufe(f.ablauf.laufListeLaden, f);
    if (f.LaufListe.anzahl() >= 1) f.LaufListe.setzeListIndex(0);
}
} // namespace

void Form_Load(Fenster& f) {
    Ablauf::rufe(f.ablauf.fensterZeigen, f);
    f.FormAnzahl = 1;
    f.LetztesModul = 5;
    f.FarbeSichtbar = RGB(0, 255, 0);
    f.FarbeUnsichtbar = RGB(255, 0, 0);
    f.Farbtabelle = FarbtabelleBauen();
    Ablauf::rufe(f.ablauf.editorVorbereiten, f);
    f.Schrittweite = führendeZahl(f.Schritt.text());
    f.FarbEbenenByte = {0, 2, 1};
    f.DisplayBreite = f.Pic.breite();
    f.DisplayHöhe = f.Pic.höhe();
    f.TextFarbe = f.Pic.vordergrund();
    f.PunktX = ganzTeil(f.DisplayBreite / 2);
    f.PunktY = ganzTeil(f.DisplayHöhe / 2.0);
    f.PunktDX = 1;
    f.PunktDY = 1;
    f.LinieY = 0;
    f.LinieRichtung = 1;
    f.DarstellungsEndung = QStringLiteral(".LSL");
    f.LaufListenEndung = QStringLiteral(".LAL");
    f.LetzteLaufListeDatei = QStringLiteral("Letzte Lauf-Liste");
    IntervallAus(f, f.VerzögerungTxt.text());
    f.Arbeitstext = f.Txt.text();
    Ablauf::rufe(f.ablauf.dateiListenAktualisieren, f);
    // The display size and the module arrangement come before the last run list, whose
    // first presentation is loaded and stepped at once: so its first frame, and the whole
    // first pass, already use the real display (a first step on the design size would
    // send the top-left 7 x 7 block to every module and start the text 120 pixels away).
    Ablauf::rufe(f.ablauf.displayGrößeSetzen, f);
    Ablauf::rufe(f.ablauf.matrixAnordnungLaden, f);
    // Reading the arrangement leaves the timer running only when the layout file was
    // read; a missing or damaged file leaves it stopped, also after the run list's first
    // presentation has switched it on, until "Timer an" or the next load.
    const bool anordnungGelesen = f.T.an();
    // Given before the first presentation loads as well, so that its first frame is drawn
    // at the size of every later one; a presentation that sets the size 0 gets the display
    // height afterwards, as one that sets none.
    schriftGrößeVorgeben(f);
    letzteLaufListeWiederherstellen(f);
    if (!anordnungGelesen) f.T.setzeAn(false);
    schriftGrößeVorgeben(f);
    f.Txt.allesMarkierenUndFokus();
}

void Form_Unload(Fenster& f) {
    Ablauf::rufe(f.ablauf.laufListeSchreiben, f);
    zeilenSichern(f.ablauf, f.LetzteLaufListeDatei,
                  {f.ablauf.gemerkteLaufListe ? f.ablauf.gemerkteLaufListe(f) : f.AlleLL.text()});
    // Saving the run list switches the timer on again; no frame may follow the blanking.
    f.T.setzeAn(false);
    ModuleDunkel(f);
}

void EngineEinrichten(Fenster& f) {
    f.T.Timer.verbinde([&f] { T_Timer(f); });
    f.AusWal.Click.verbinde([&f](int i) { AusWal_Click(f, i); });
    f.VerzögerungTxt.Change.verbinde([&f] { VerzögerungTxt_Change(f); });
    f.DurchläufeTxt.Change.verbinde([&f] { DurchläufeTxt_Change(f); });
    f.WartezeitTxt.Change.verbinde([&f] { WartezeitTxt_Change(f); });
    f.BisUhr.Click.verbinde([&f] { BisUhr_Click(f); });
    f.BisDatum.Click.verbinde([&f] { BisDatum_Click(f); });
    f.TimerAn.Click.verbinde([&f] { TimerAn_Click(f); });
    f.TimerAus.Click.verbinde([&f] { TimerAus_Click(f); });
}

} // namespace glanzzug
