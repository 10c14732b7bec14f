#include "Zeiteingaben.h"
#include "Fenster.h"
#include "LaufSchritt.h"
#include "Zahl.h"

namespace glanzzug {

namespace {
void begrenzen(TextFeld& feld) {
    if (führendeZahl(feld.text()) < 1) feld.setzeText(QStringLiteral("1"));
    if (führendeZahl(feld.text()) > 9999) feld.setzeText(QStringLiteral("9999"));
}
} // namespace

void VerzögerungTxt_Change(Fenster& f) {
    begrenzen(f.VerzögerungTxt);
    IntervallAus(f, f.VerzögerungTxt.text());
}

void DurchläufeTxt_Change(Fenster& f) { begrenzen(f.DurchläufeTxt); }

void WartezeitTxt_Change(Fenster& f) { begrenzen(f.WartezeitTxt); }

void BisUhr_Click(Fenster& f) {
    if (f.BisUhr.wert() == 1) f.BisDatum.setzeWert(0);
}

void BisDatum_Click(Fenster& f) {
    if (f.BisDatum.wert() == 1) f.BisUhr.setzeWert(0);
}

void TimerAn_Click(Fenster& f) { f.T.setzeAn(true); }

void TimerAus_Click(Fenster& f) { f.T.setzeAn(false); }

} // namespace glanzzug
