#include "Pixeleffekte.h"
#include "Fenster.h"
#include "LaufSchritt.h"
#include "Zahl.h"
#include <algorithm>
#include <cmath>

namespace glanzzug {

namespace {
// How many pixels a loop "0 to ausdehnung - 1" over a display extent touches in a picture
// of `vorhanden` pixels: pixels beyond the picture are not there to change.
int schleifenLänge(double ausdehnung, int vorhanden) {
    if (!(ausdehnung >= 1)) return 0; // also NaN
    return int(std::min(std::floor(ausdehnung - 1) + 1, double(vorhanden)));
}

// XOR of row y over the display width with a colour, channel by channel.
void zeileUmkehren(Fenster& f, int y, Farbe farbe) {
    Bildfeld& pic = f.Pic;
    const int n = schleifenLänge(f.DisplayBreite, pic.breite());
    if (y < 0 || y >= pic.höhe() || n == 0) return;
    const QRgb maske = alsPixel(farbe) & 0x00ffffffu;
    QRgb* zeile = reinterpret_cast<QRgb*>(pic.bild().scanLine(y));
    for (int x = 0; x < n; ++x) zeile[x] ^= maske;
    pic.geändert();
}
} // namespace

void LinieSchritt(Fenster& f) {
    zeileUmkehren(f, f.LinieY, f.TextFarbe);
    if (f.LinieY + f.LinieRichtung < 0) {
        f.LinieRichtung = -f.LinieRichtung;
        f.LinieY = 0;
    }
    if (f.LinieY + f.LinieRichtung > f.DisplayHöhe - 1) {
        f.LinieRichtung = -f.LinieRichtung;
        f.LinieY = f.DisplayHöhe - 1;
    }
    f.LinieY += f.LinieRichtung;
    zeileUmkehren(f, f.LinieY, f.TextFarbe);
    f.DurchlaufStatus = kPassEnde;
}

void PingPongSchritt(Fenster& f) {
    Bildfeld& pic = f.Pic;
    const double nx = f.PunktX + f.PunktDX;
    if (nx < 0 || pic.punkt(nx, f.PunktY) != f.HintergrundFarbe || nx > f.DisplayBreite - 1) {
        pic.setzePunkt(nx, f.PunktY, f.HintergrundFarbe);
        f.PunktDX = -f.PunktDX;
    }
    const double ny = f.PunktY + f.PunktDY;
    if (ny < 0 || pic.punkt(f.PunktX, ny) != f.HintergrundFarbe || ny > f.DisplayHöhe - 1) {
        pic.setzePunkt(f.PunktX, ny, f.HintergrundFarbe);
        f.PunktDY = -f.PunktDY;
    }
    // The display has become smaller than the point's position.
    if (f.PunktX > f.DisplayBreite || f.PunktY > f.DisplayHöhe) {
        f.PunktX = 1;
        f.PunktY = 1;
    }
    pic.setzePunkt(f.PunktX, f.PunktY, f.HintergrundFarbe);
    f.PunktX += f.PunktDX;
    f.PunktY += f.PunktDY;
    pic.setzePunkt(f.PunktX, f.PunktY, f.TextFarbe);
    f.DurchlaufStatus = kPassEnde;
}

void NegativSchritt(Fenster& f) {
    Bildfeld& pic = f.Pic;
    const int breite = schleifenLänge(f.DisplayBreite, pic.breite());
    const int höhe = schleifenLänge(f.DisplayHöhe, pic.höhe());
    if (breite > 0) {
        QImage& bild = pic.bild();
        for (int y = 0; y < höhe; ++y) {
            QRgb* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
            for (int x = 0; x < breite; ++x) zeile[x] ^= 0x00ffffffu; // 255 - c per channel
        }
        pic.geändert();
    }
    f.DurchlaufStatus = kPassEnde;
}

void DisplayLöschen(Fenster& f) {
    f.Pic.leeren();
    f.Pic.entferneHintergrundBild();
    f.DurchlaufStatus = kPassEnde;
}

void ZufallsfarbeSchritt(Fenster& f) {
    const int i = std::clamp(int(ganzTeil(f.zufall.Rnd() * 8)), 0, 7);
    f.Pic.setzeHintergrund(f.Farbtabelle[std::size_t(i)]);
    f.DurchlaufStatus = kPassEnde;
}

} // namespace glanzzug
