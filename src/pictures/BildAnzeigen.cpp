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

void BildZeigen(Fenster& f, const Bildauszug& bild) {
    const bool anpassen = f.BilderAnpassen.gesetzt();
    if (anpassen) {
        f.Bild.setzeGröße(bild.vorschau.width(), bild.vorschau.height());
        f.Bild.setzeHintergrundBild(bild.vorschau);
        f.BildEigeneGröße = bild.größe;
        // A picture kept whole is stretched here, as ever; a larger one was stretched to
        // the display's size when it was decoded.
        const QImage& quelle = bild.ganz() ? bild.ecke : bild.gestreckt.isNull() ? bild.vorschau : bild.gestreckt;
        f.Pic.maleGestreckt(aufFarbe(quelle, f.Pic.hintergrund()), 0, 0, f.Pic.breite(), f.Pic.höhe());
    } else {
        f.Bild.setzeHintergrundBild(bild.ecke);
        f.Pic.setzeHintergrundBild(bild.ecke);
    }
}

void BildAnzeigen(Fenster& f) {
    const QSize gestreckt = f.BilderAnpassen.gesetzt() ? QSize(f.Pic.breite(), f.Pic.höhe()) : QSize();
    if (const auto bild = BildHolen(f.Arbeitstext, gestreckt)) BildZeigen(f, *bild);
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
