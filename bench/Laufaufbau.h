#pragma once
// A wired window after start-up in the standard arrangement of six modules in a row
// (42 x 7), sending every frame to a discarding port: what a headless player ticks.
#include "Fenster.h"
#include "LaufSchritt.h"
#include "Modus.h"
#include "Programm.h"
#include "Start.h"

namespace glanzzug::bench {

struct Laufaufbau {
    Fenster f;
    VerwerfenderPort port;
    // Playing the mode "Lauf-Text" with only the given direction boxes checked.
    Laufaufbau(const QString& text, std::initializer_list<int> richtungen) : Laufaufbau() {
        f.Txt.setzeText(text);
        for (auto& r : f.Richtung) r.setzeWert(0);
        for (int r : richtungen) f.Richtung[std::size_t(r)].setzeWert(1);
        f.AusWal.wähle(1);
        f.AusWal.wähle(0);
    }
    Laufaufbau() {
        f.port = &port;
        Verdrahten(f);
        f.ablauf.dateiListenAktualisieren = nullptr;
        f.ablauf.laufListeLaden = nullptr;
        f.ablauf.matrixAnordnungLaden = nullptr;
        Form_Load(f);
        for (int m = 0; m < 6; ++m) f.ModulX[std::size_t(m)] = 7 * m, f.ModulY[std::size_t(m)] = 0;
        f.Pic.setzeGröße(42, 7);
        f.DisplayBreite = 42;
        f.DisplayHöhe = 7;
        f.SchriftGröße = 7;
    }
    // One timer tick that always steps: no waits between passes.
    void tick() {
        f.DurchlaufStatus = 0;
        T_Timer(f);
    }
};

// A text of the given length made of "Glanzzug #1zeigt #3alles " (two colour codes in
// every 25 characters).
inline QString werbeText(qsizetype länge) {
    QString text;
    while (text.size() < länge) text += QStringLiteral("Glanzzug #1zeigt #3alles ");
    text.truncate(länge);
    return text;
}

} // namespace glanzzug::bench
