#include "DarstellungLaden.h"
#include "DarstellungSpeichern.h"
#include "DarstellungsDatei.h"
#include "Fenster.h"
#include "LaufListe.h"
#include "Programm.h"
#include "Start.h"
#include "Textdatei.h"
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace glanzzug;

namespace {
// A started window in a fresh folder with one full presentation ("P", 28 lines).
struct Ordner {
    QTemporaryDir dir;
    QString vorher = QDir::currentPath();
    VerwerfenderPort port;
    Ordner() { QDir::setCurrent(dir.path()); }
    ~Ordner() { QDir::setCurrent(vorher); }
};

QStringList vollständig() {
    DarstellungsWerte w;
    w.text = QStringLiteral("Willkommen! Heute frisch: Brötchen, Brezeln und Kuchen #1rot #7weiß");
    w.textDatei = QStringLiteral("Hier können Sie den Inhalt einer Datei anzeigen lassen.");
    w.text2 = QStringLiteral("WECHSELTEXT");
    w.schriftName = QStringLiteral("Small Fonts");
    w.schriftGröße = 7;
    w.schrittweite = 1;
    w.richtungen = 4;
    w.verzögerung = w.wartezeit = w.durchläufe = QStringLiteral("30");
    for (int i = 0; i < 17; ++i) w.bilder << QStringLiteral("zug%1.bmp").arg(i, 2, 10, QLatin1Char('0'));
    w.bisUhrText = QStringLiteral("00:00");
    w.bisDatumText = QStringLiteral("01.01.07");
    return darstellungsZeilen(w);
}
} // namespace

// Splitting and parsing a 28-line presentation held in memory.
static void BM_DarstellungZerlegen(benchmark::State& state) {
    const QStringList zeilen = vollständig();
    for (auto _ : state) {
        int n = 0;
        darstellungZerlegen(zeilen, [&n](const DarstellungsZeile& z) {
            n += int(z.zahl());
            return true;
        });
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_DarstellungZerlegen);

// Loading a presentation from its file into the window, with its first step.
static void BM_DarstellungLaden(benchmark::State& state) {
    Ordner o;
    schreibeZeilenAtomar(QStringLiteral("P.LSL"), vollständig());
    Fenster f;
    f.port = &o.port;
    Verdrahten(f);
    Form_Load(f);
    f.Start.setzeWert(0);
    f.AlleLS.setzeText(QStringLiteral("P"));
    for (auto _ : state) DarstellungLaden(f);
}
BENCHMARK(BM_DarstellungLaden)->Unit(benchmark::kMicrosecond);

// Saving the current settings (atomic write and refreshing the name lists).
static void BM_DarstellungSpeichern(benchmark::State& state) {
    Ordner o;
    Fenster f;
    f.port = &o.port;
    Verdrahten(f);
    Form_Load(f);
    f.AlleLS.setzeText(QStringLiteral("P"));
    for (auto _ : state) DarstellungSpeichern(f);
}
BENCHMARK(BM_DarstellungSpeichern)->Unit(benchmark::kMicrosecond);

// One tick of a run list whose entries have all passed their end: a hand-over with a load.
static void BM_AbgelaufeneÜbergabe(benchmark::State& state) {
    Ordner o;
    QStringList p = vollständig();
    p.replace(p.indexOf(QStringLiteral("Uhr1=0")), QStringLiteral("Uhr1=1"));
    schreibeZeilenAtomar(QStringLiteral("A.LSL"), p);
    schreibeZeilenAtomar(QStringLiteral("B.LSL"), p);
    schreibeZeilenAtomar(QStringLiteral("AB.LAL"), {"A", "B"});
    Fenster f;
    f.port = &o.port;
    Verdrahten(f);
    Form_Load(f);
    f.AlleLL.setzeText(QStringLiteral("AB"));
    LaufListeLaden(f);
    f.T.setzeAn(true);
    for (auto _ : state) f.T.ablaufen();
}
BENCHMARK(BM_AbgelaufeneÜbergabe)->Unit(benchmark::kMicrosecond);
