#include "DarstellungLaden.h"
#include "DarstellungSpeichern.h"
#include "DarstellungsDatei.h"
#include "DateiZugriff.h"
#include "Fenster.h"
#include "LaufListe.h"
#include "Programm.h"
#include "Start.h"
#include "SichereDatei.h"
#include "Textdatei.h"
#include <QDir>
#include <QThread>
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

// Wires the window to the port and runs start-up on the current folder.
void starten(Fenster& f, Port& port) {
    f.port = &port;
    Verdrahten(f);
    Form_Load(f);
}

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
    starten(f, o.port);
    f.Start.setzeWert(0);
    f.AlleLS.setzeText(QStringLiteral("P"));
    for (auto _ : state) DarstellungLaden(f);
}
BENCHMARK(BM_DarstellungLaden)->Unit(benchmark::kMicrosecond);

// Saving the current settings (atomic write and refreshing the name lists).
static void BM_DarstellungSpeichern(benchmark::State& state) {
    Ordner o;
    Fenster f;
    starten(f, o.port);
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
    starten(f, o.port);
    f.AlleLL.setzeText(QStringLiteral("AB"));
    LaufListeLaden(f);
    f.T.setzeAn(true);
    for (auto _ : state) f.T.ablaufen();
}
BENCHMARK(BM_AbgelaufeneÜbergabe)->Unit(benchmark::kMicrosecond);

namespace {
// The largest presentations the caps allow: kMeisteDarstellungsZeilen lines.
// 0: "AniB=p.bmp/" on every line (the most picture names a file may hold);
// 1: "TeDa=t.txt" on every line, naming a readable text file;
// 2: "Text=" with 160 characters on every line (16 MB, the byte cap);
// 3: "TeDa=" on every line, each naming another file that does not exist (160 characters).
QByteArray größteDarstellung(int art) {
    if (art == 3) {
        QByteArray b;
        for (int i = 0; i < kMeisteDarstellungsZeilen; ++i)
            b += "TeDa=" + QByteArray::number(i).rightJustified(160, 'f') + "\r\n";
        return b;
    }
    const QByteArray zeile = art == 0   ? QByteArray("AniB=p.bmp/\r\n")
                             : art == 1 ? QByteArray("TeDa=t.txt\r\n")
                                        : "Text=" + QByteArray(160, 'x') + "\r\n";
    return zeile.repeated(kMeisteDarstellungsZeilen);
}
} // namespace

// Loading the largest presentation file the caps allow, with its first step.
static void BM_GrößteDarstellungLaden(benchmark::State& state) {
    Ordner o;
    schreibeDatei(QStringLiteral("G.LSL"), größteDarstellung(int(state.range(0))));
    schreibeDatei(QStringLiteral("t.txt"), "Erste Zeile\r\n");
    Fenster f;
    starten(f, o.port);
    f.Start.setzeWert(0);
    f.AlleLS.setzeText(QStringLiteral("G"));
    for (auto _ : state) DarstellungLaden(f);
}
BENCHMARK(BM_GrößteDarstellungLaden)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Looking for a presentation that does not exist in a folder of 50,000 files (each load
// of a run-list entry whose file is gone does this).
static void BM_FehlendeDarstellungFinden(benchmark::State& state) {
    Ordner o;
    for (int i = 0; i < 50'000; ++i) {
        QFile d(QStringLiteral("Bild%1.bmp").arg(i));
        d.open(QIODevice::WriteOnly);
    }
    // The folder must have rested a moment before its listing may be kept.
    QThread::sleep(2);
    for (auto _ : state) benchmark::DoNotOptimize(dateiFinden(QStringLiteral("Fehlt"), QStringLiteral(".LSL")));
}
BENCHMARK(BM_FehlendeDarstellungFinden)->Unit(benchmark::kMicrosecond);
