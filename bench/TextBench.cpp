// The scrolling text: one full timer tick (prepare, draw, send to a discarding port) at
// 42 x 7, for the design text, for 30 letters flying apart, and for a very long text.
#include "Fenster.h"
#include "LaufSchritt.h"
#include "Modus.h"
#include "Programm.h"
#include "Start.h"
#include <benchmark/benchmark.h>

using namespace glanzzug;

namespace {
// A wired window after start-up in the standard arrangement of six modules in a row,
// playing the mode "Lauf-Text" with only the given direction boxes checked.
struct Laufaufbau {
    Fenster f;
    VerwerfenderPort port;
    Laufaufbau(const QString& text, std::initializer_list<int> richtungen) {
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
        f.Txt.setzeText(text);
        for (auto& r : f.Richtung) r.setzeWert(0);
        for (int r : richtungen) f.Richtung[std::size_t(r)].setzeWert(1);
        f.AusWal.wähle(1);
        f.AusWal.wähle(0);
    }
    void tick() {
        f.DurchlaufStatus = 0; // keep stepping: no waits between passes
        T_Timer(f);
    }
};
} // namespace

// "LAUFTEXT" scrolling left.
static void BM_LaufTextTick(benchmark::State& state) {
    Laufaufbau a(QStringLiteral("LAUFTEXT"), {2});
    for (auto _ : state) a.tick();
}
BENCHMARK(BM_LaufTextTick);

// 30 letters scrolling left, each flying in its own direction.
static void BM_LaufTextZufallTick(benchmark::State& state) {
    Laufaufbau a(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234"), {2, 5});
    for (auto _ : state) {
        if (a.f.Laufposition > 40) a.f.AusWal.wähle(1), a.f.AusWal.wähle(0); // letters back home
        a.tick();
    }
}
BENCHMARK(BM_LaufTextZufallTick);

// A 10,000-character text with colour codes scrolling left, somewhere in its middle:
// only a few glyphs are visible, the rest costs its advance.
static void BM_LaufTextLangTick(benchmark::State& state) {
    QString text;
    while (text.size() < 10000) text += QStringLiteral("Glanzzug #1zeigt #3alles ");
    text.truncate(10000);
    Laufaufbau a(text, {2});
    a.f.Laufposition = 20000;
    for (auto _ : state) {
        a.tick();
        if (a.f.Laufposition < 20000) a.f.Laufposition = 20000;
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_LaufTextLangTick);
