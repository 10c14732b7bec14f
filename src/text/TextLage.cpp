#include "TextLage.h"
#include "Fenster.h"
#include "LaufSchritt.h"
#include <algorithm>
#include <cmath>

namespace glanzzug {

bool richtung(const Fenster& f, RichtungsBox box) {
    return f.Richtung[std::size_t(box)].gesetzt();
}

namespace {
// A cycle of the vertical or zoom movement has ended.
void zyklusEnde(Fenster& f) {
    f.DurchlaufStatus = kPassEnde;
    f.Zoomgröße = 0;
}

// ".oO": the text grows from size 2 by the step width per frame, centred, its top fixed.
void heranZoomen(Fenster& f) {
    f.TextBewegt = 1;
    SchriftWahl s = f.Pic.schrift();
    s.größe = std::max(f.Zoomgröße + 2, kKleinsteZoomGröße);
    if (std::isnan(s.größe)) s.größe = kKleinsteZoomGröße;
    f.Pic.setzeSchrift(s);
    f.Pic.cursorY = 2 - 0.6 * f.SchriftGröße;
    f.Pic.cursorX = std::floor((f.DisplayBreite - f.Pic.textBreite(f.Arbeitstext)) / 2);
    f.Zoomgröße += f.Schrittweite;
    if (f.Zoomgröße > f.SchriftGröße - 2) {
        zyklusEnde(f);
        f.Laufposition = 0;
    }
}
} // namespace

bool TextLageSetzen(Fenster& f) {
    f.Pic.leeren(); // also puts the cursor at (0, 0)
    const double z0 = f.Zeilenlage;
    f.TextBewegt = 0;
    if (richtung(f, kZufall)) f.TextBewegt = 1;

    if (richtung(f, kHeranZoomen)) {
        heranZoomen(f);
    } else {
        const double s = f.SchriftGröße;
        const double strich = richtung(f, kSenkrecht) ? 1 : 0;
        // How far the text travels before it wraps round: a line, the display, and with
        // "I" one line per typed character.
        const double weg = s + f.DisplayHöhe + double(f.Txt.text().size()) * s * strich;
        const double m = double(f.Arbeitstext.size());
        if (richtung(f, kNachOben)) {
            f.TextBewegt = 1;
            f.Zeilenlage -= f.Schrittweite;
            if (f.Zeilenlage < -weg) {
                f.Zeilenlage = s + f.DisplayHöhe;
                zyklusEnde(f);
                return false;
            }
        }
        if (richtung(f, kNachUnten)) {
            f.TextBewegt = 1;
            f.Zeilenlage += f.Schrittweite;
            if (f.Zeilenlage > weg) {
                f.Zeilenlage = -(m * s * strich);
                zyklusEnde(f);
                return false;
            }
        }
        if (f.Zeilenlage == z0) f.Zeilenlage = f.Pic.schrift().größe;
        f.Pic.cursorY = f.Zeilenlage - s - 3;
        if (richtung(f, kNachLinks)) {
            f.TextBewegt = 1;
            f.Pic.cursorX = f.DisplayBreite - f.Laufposition;
            if (f.Laufposition == 0) {
                zyklusEnde(f);
                return false;
            }
        }
        if (richtung(f, kNachRechts)) {
            f.TextBewegt = 1;
            f.Pic.cursorX = f.Laufposition - m * s + s;
            if (f.Laufposition == 0) {
                zyklusEnde(f);
                return false;
            }
        }
    }
    f.Pic.cursorX += f.VonX.wert();
    f.Pic.cursorY += f.VonY.wert();
    return true;
}

} // namespace glanzzug
