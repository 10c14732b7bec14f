#include "TextQuellen.h"
#include "Fenster.h"
#include "TextDateiLesen.h"

namespace glanzzug {

namespace {
const QString kBilderMuster = QStringLiteral("*.jpg;*.png;*.gif;*.bmp;*.ico;*.avi");

void anBeideAnhängen(Fenster& f, const QString& zusatz) {
    f.Txt.setzeText(f.Txt.text() + zusatz);
    f.Txt2.setzeText(f.Txt2.text() + zusatz);
}
} // namespace

void Txt_Click(Fenster& f) {
    f.Start.setzeWert(0);
    f.DateiBenutzen.setzeToolTip(kDateiBenutzenTipp);
}

void Txt2_Click(Fenster& f) {
    f.Start.setzeWert(0);
}

void DateiBenutzen_Click(Fenster& f) {
    const bool alle = f.AniFiles.muster() == QStringLiteral("*");
    // Changing the pattern re-reads the folder.
    f.AniFiles.setzeMuster(alle ? kBilderMuster : QStringLiteral("*"));
}

void DatumSetzen_Click(Fenster& f) {
    anBeideAnhängen(f, QStringLiteral("tA.mO.20jA"));
}

void ZeitSetzen_Click(Fenster& f) {
    anBeideAnhängen(f, QStringLiteral("sT:mI:sE"));
}

} // namespace glanzzug
