#pragma once
// Helpers shared by the effects and pictures tests: a wired window of a chosen display
// size, a temporary current folder, and small pictures.
#include "Fenster.h"
#include "Programm.h"
#include "Start.h"
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

namespace glanzzug::test {

// A wired window with the start values the effects rely on, a black display of the
// given size, white text on black, and the colour table.
struct TestFenster {
    Fenster f;
    VerwerfenderPort port;
    explicit TestFenster(int breite = 42, int höhe = 7) {
        Verdrahten(f);
        f.port = &port;
        f.Farbtabelle = FarbtabelleBauen();
        f.TextFarbe = RGB(255, 255, 255);
        f.HintergrundFarbe = RGB(0, 0, 0);
        f.PunktDX = 1;
        f.PunktDY = 1;
        f.LinieRichtung = 1;
        f.FormAnzahl = 1;
        f.Pic.setzeHintergrund(RGB(0, 0, 0));
        größe(breite, höhe);
    }
    void größe(int breite, int höhe) {
        f.DisplayBreite = breite;
        f.DisplayHöhe = höhe;
        f.Pic.setzeGröße(breite, höhe);
        f.Bild.setzeGröße(breite, höhe);
    }
    // The colour of every pixel of Pic, row by row.
    std::vector<Farbe> pixel() const {
        std::vector<Farbe> v;
        for (int y = 0; y < f.Pic.höhe(); ++y)
            for (int x = 0; x < f.Pic.breite(); ++x) v.push_back(f.Pic.punkt(x, y));
        return v;
    }
};

// A temporary folder made the current folder for the test's lifetime.
struct TestOrdner {
    QTemporaryDir ordner;
    QString vorher = QDir::currentPath();
    TestOrdner() { QDir::setCurrent(ordner.path()); }
    ~TestOrdner() { QDir::setCurrent(vorher); }
    TestOrdner(const TestOrdner&) = delete;
    TestOrdner& operator=(const TestOrdner&) = delete;
};

// A picture in one colour.
inline QImage einfarbig(int breite, int höhe, Farbe farbe) {
    QImage b(breite, höhe, QImage::Format_RGB32);
    b.fill(alsPixel(farbe));
    return b;
}

// Saves a picture in the current folder (the format from the name's extension).
inline bool speichere(const QImage& b, const QString& name) {
    return b.save(name);
}

} // namespace glanzzug::test
