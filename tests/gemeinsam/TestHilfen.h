#pragma once
// What many tests need: a temporary folder as the current folder, dialogs with scripted
// answers, a wired window with the start values, and small file and picture helpers.
#include "AufnahmePort.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "Programm.h"
#include "SimulierterPort.h"
#include "Start.h"
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <utility>

namespace glanzzug::test {

// A fresh temporary folder as the current folder while the object lives.
struct TestOrdner {
    QTemporaryDir ordner;
    QString vorher = QDir::currentPath();
    TestOrdner() { QDir::setCurrent(ordner.path()); }
    ~TestOrdner() { QDir::setCurrent(vorher); }
};

// Dialogs with scripted answers (No and an empty input when the script is used up);
// every question, notice, prompt and font the font dialog opened on is recorded.
// A modal dialog runs its own event loop, so the timer goes on ticking while it is open:
// `ticksImDialog(T, n)` lets the timer T tick n times (as its driver would, so only while
// T is on) in every dialog before the answer is given.
class SkriptDialoge final : public Dialoge {
public:
    std::deque<bool> antworten;
    std::deque<QString> eingaben;
    std::optional<SchriftWahl> schrift;
    QStringList fragen, hinweise, eingabeFragen;
    std::vector<SchriftWahl> schriftStarts;
    // Runs while a dialog is open, before it returns; unset: nothing happens meanwhile.
    std::function<void()> währendOffen;
    // Ticks delivered to T while dialogs were open (those of a stopped T not counted).
    int getickt = 0;

    // `dann` runs after the ticks, still inside the dialog (to look at the window meanwhile).
    void ticksImDialog(Zeitgeber& T, int n, std::function<void()> dann = {}) {
        währendOffen = [this, &T, n, dann = std::move(dann)] {
            for (int i = 0; i < n; ++i) {
                if (T.an()) ++getickt;
                T.ablaufen();
            }
            if (dann) dann();
        };
    }

    bool frageJaNein(const QString& text, const QString&, Symbol) override {
        fragen << text;
        offen();
        return nimm(antworten, false);
    }
    void hinweis(const QString& text) override {
        hinweise << text;
        offen();
    }
    QString eingabe(const QString& frage) override {
        eingabeFragen << frage;
        offen();
        return nimm(eingaben, QString());
    }
    std::optional<SchriftWahl> schriftWählen(const SchriftWahl& start) override {
        schriftStarts.push_back(start);
        offen();
        return schrift;
    }

private:
    void offen() {
        if (währendOffen) währendOffen();
    }
    template <class T> static T nimm(std::deque<T>& d, T sonst) {
        if (d.empty()) return sonst;
        T v = d.front();
        d.pop_front();
        return v;
    }
};

// A wired window with the start values Form_Load sets (without reading any file), a
// black display of the given size, a recording port, scripted dialogs and a fixed clock
// (2011-03-24 12:00).
struct TestFenster {
    AufnahmePort port;
    SkriptDialoge dialoge;
    Fenster f;
    explicit TestFenster(int breite = 42, int höhe = 7) {
        f.port = &port;
        f.dialoge = &dialoge;
        f.jetzt = [] { return QDateTime(QDate(2011, 3, 24), QTime(12, 0)); };
        Verdrahten(f);
        f.FormAnzahl = 1;
        f.LetztesModul = 5;
        f.FarbeSichtbar = RGB(0, 255, 0);
        f.FarbeUnsichtbar = RGB(255, 0, 0);
        f.Farbtabelle = FarbtabelleBauen();
        f.Schrittweite = 1;
        f.FarbEbenenByte = {0, 2, 1};
        f.TextFarbe = RGB(255, 255, 255);
        f.PunktDX = f.PunktDY = f.LinieRichtung = 1;
        for (int m = 0; m < 6; ++m) f.ModulX[std::size_t(m)] = 7 * m;
        größe(breite, höhe);
        f.SchriftGröße = höhe;
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

// The program as it is put together at start: a window in its design state (a 120 x 120
// display, the modules not yet placed), wired, recording its port and answering dialogs
// from a script; started up on the current folder, shut down by beenden() or at the end.
struct FrischGestartet {
    AufnahmePort port;
    SkriptDialoge dialoge;
    Fenster f;
    bool beendet = false;
    FrischGestartet() {
        f.port = &port;
        f.dialoge = &dialoge;
        Verdrahten(f);
        Form_Load(f);
    }
    ~FrischGestartet() { beenden(); }
    void beenden() {
        if (!std::exchange(beendet, true)) Form_Unload(f);
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) f.T.ablaufen();
    }
};

// What the six modules show after the recorded writes from `von` (all dark before) up to
// `bis`, decoded as the modules' shift registers do: the colour bits
// (SimulierterPort::Rot | Grün | Blau) of every LED, by module, column and row.
using Leds = std::array<std::array<std::array<int, 7>, 7>, 6>;
inline Leds ledsNach(const AufnahmePort& p, std::size_t bis, std::size_t von = 0) {
    SimulierterPort s;
    for (std::size_t i = von; i < bis && i < p.schreiben.size(); ++i) s.ausgeben(p.schreiben[i].adresse, p.schreiben[i].wert);
    Leds l{};
    for (int m = 0; m < 6; ++m)
        for (int c = 0; c < 7; ++c)
            for (int r = 0; r < 7; ++r) l[m][c][r] = s.led(m, c, r);
    return l;
}
// The LED colour bits a pixel colour lights (a colour byte of 128 or more is lit).
inline int ledBits(Farbe c) {
    return (c & 0x80 ? SimulierterPort::Rot : 0) | (c & 0x8000 ? SimulierterPort::Grün : 0) |
           (c & 0x800000 ? SimulierterPort::Blau : 0);
}

inline QByteArray lies(const QString& pfad) {
    QFile d(pfad);
    return d.open(QIODevice::ReadOnly) ? d.readAll() : QByteArray();
}
inline void schreib(const QString& pfad, const QByteArray& inhalt) {
    QFile d(pfad);
    if (d.open(QIODevice::WriteOnly)) d.write(inhalt);
}
// A picture in one colour.
inline QImage einfarbig(int breite, int höhe, Farbe farbe) {
    QImage b(breite, höhe, QImage::Format_RGB32);
    b.fill(alsPixel(farbe));
    return b;
}

} // namespace glanzzug::test
