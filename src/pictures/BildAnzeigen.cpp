#include "BildAnzeigen.h"
#include "BildSpeicher.h"
#include "Fenster.h"
#include "LaufSchritt.h"
#include <QPainter>

namespace glanzzug {

namespace {
// The picture over a plain colour, so that a stretched copy shows that colour where the
// picture is transparent.
QImage aufFarbe(const QImage& bild, Farbe farbe) {
    if (!bild.hasAlphaChannel()) return bild;
    QImage flach(bild.size(), QImage::Format_RGB32);
    flach.fill(alsPixel(farbe));
    QPainter p(&flach);
    p.drawImage(0, 0, bild);
    return flach;
}
} // namespace

void BildZeigen(Fenster& f, const QImage& bild) {
    const bool anpassen = f.BilderAnpassen.gesetzt();
    if (anpassen) f.Bild.setzeGröße(bild.width(), bild.height());
    f.Bild.setzeHintergrundBild(bild);
    if (anpassen)
        f.Pic.maleGestreckt(aufFarbe(bild, f.Pic.hintergrund()), 0, 0, f.Pic.breite(), f.Pic.höhe());
    else
        f.Pic.setzeHintergrundBild(bild);
}

void BildAnzeigen(Fenster& f) {
    if (const auto bild = BildHolen(f.Arbeitstext)) BildZeigen(f, *bild);
    f.Titel.setzeText(QStringLiteral("Bild ") + QString::number(f.BildNr));
    if (f.Start.gesetzt() || f.EinzelnAbspielen) {
        ++f.BildNr;
        if (f.BildNr > f.AniLi.anzahl() - 1) {
            f.BildNr = 0;
            f.DurchlaufStatus = kPassEnde;
        }
    }
}

} // namespace glanzzug
