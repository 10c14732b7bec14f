#pragma once
#include "Dialoge.h"
#include "Fenster.h"
#include "Port.h"
#include "Programm.h"
#include "Start.h"
#include "TextVorbereiten.h"
#include <QDateTime>
#include <gtest/gtest.h>

namespace glanzzug::test {

// A wired window with a 42 x 7 black display in the standard state of the text after
// start-up: "LAUFTEXT", "<", white text, font "Small Fonts" 6.75 and SchriftGröße 6.75,
// one pixel per step, a fixed clock.
struct TextAufbau {
    Fenster f;
    VerwerfenderPort port;
    TextAufbau() {
        f.port = &port;
        Verdrahten(f);
        f.Farbtabelle = FarbtabelleBauen();
        f.Pic.setzeGröße(42, 7);
        f.DisplayBreite = 42;
        f.DisplayHöhe = 7;
        f.SchriftGröße = 6.75;
        f.TextFarbe = f.Pic.vordergrund();
        f.Schrittweite = 1;
        f.jetzt = [] { return QDateTime(QDate(2031, 4, 9), QTime(7, 5, 3)); };
    }
    // Only the given direction boxes checked.
    void richtungen(std::initializer_list<int> boxen) {
        for (auto& r : f.Richtung) r.setzeWert(0);
        for (int b : boxen) f.Richtung[std::size_t(b)].setzeWert(1);
    }
    // One step of the scheduler in the mode "Lauf-Text", without its pass handling.
    void schritt() {
        f.DurchlaufStatus = 0;
        f.Laufposition += f.Schrittweite;
        TextVorbereiten(f);
    }
    // The same text drawn by the picture box itself at a whole-pixel position, in the
    // font of Pic at `größe`, on a picture of the same size: what the frame should show.
    QImage erwartet(const QString& text, int x, int y, double größe = 6.75) const {
        Bildfeld b(f.Pic.breite(), f.Pic.höhe());
        b.setzeHintergrund(f.Pic.hintergrund());
        SchriftWahl s = f.Pic.schrift();
        s.größe = größe;
        b.setzeSchrift(s);
        b.setzeVordergrund(f.TextFarbe);
        b.cursorX = x;
        b.cursorY = y;
        b.druckeAufZeile(text);
        return b.bild();
    }
    // Pieces of text in their colours, drawn one after another from (x, y).
    QImage erwartetFarbig(std::initializer_list<std::pair<QString, Farbe>> stücke, int x, int y) const {
        Bildfeld b(f.Pic.breite(), f.Pic.höhe());
        b.setzeHintergrund(f.Pic.hintergrund());
        b.setzeSchrift(f.Pic.schrift());
        b.cursorX = x;
        b.cursorY = y;
        for (const auto& [text, farbe] : stücke) {
            b.setzeVordergrund(farbe);
            b.druckeAufZeile(text);
        }
        return b.bild();
    }
    bool leer() const {
        for (int y = 0; y < f.Pic.höhe(); ++y)
            for (int x = 0; x < f.Pic.breite(); ++x)
                if (f.Pic.punkt(x, y) != f.Pic.hintergrund()) return false;
        return true;
    }
    int breite(const QString& text) const { return f.Pic.textBreite(text); }
};

// Font dialog answers scripted by the test; remembers what it was opened with.
class FalscheDialoge final : public Dialoge {
public:
    std::optional<SchriftWahl> antwort;
    std::optional<SchriftWahl> geöffnetMit;
    bool timerWährendDessen = true;
    Zeitgeber* timer = nullptr;
    bool frageJaNein(const QString&, const QString&, Symbol) override { return false; }
    void hinweis(const QString&) override {}
    QString eingabe(const QString&) override { return {}; }
    std::optional<SchriftWahl> schriftWählen(const SchriftWahl& start) override {
        geöffnetMit = start;
        if (timer) timerWährendDessen = timer->an();
        return antwort;
    }
};

} // namespace glanzzug::test
