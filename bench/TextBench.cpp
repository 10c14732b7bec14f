// The scrolling text: one full timer tick (prepare, draw, send to a discarding port) at
// 42 x 7, for the design text, for 30 letters flying apart, and for a very long text.
#include "Laufaufbau.h"
#include <benchmark/benchmark.h>

using namespace glanzzug;
using glanzzug::bench::Laufaufbau;

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
    const QString text = bench::werbeText(10000);
    Laufaufbau a(text, {2});
    a.f.Laufposition = 20000;
    for (auto _ : state) {
        a.tick();
        if (a.f.Laufposition < 20000) a.f.Laufposition = 20000;
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_LaufTextLangTick);

// The same text growing from the back, centred: every frame at another size.
static void BM_LaufTextLangZoomTick(benchmark::State& state) {
    Laufaufbau a(bench::werbeText(10000), {4});
    for (auto _ : state) a.tick();
}
BENCHMARK(BM_LaufTextLangZoomTick);
