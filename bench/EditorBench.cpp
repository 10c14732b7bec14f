#include "DisplayGroesse.h"
#include "Editor.h"
#include "Fenster.h"
#include "Programm.h"
#include <benchmark/benchmark.h>

using namespace glanzzug;

namespace {
// A wired window whose display is `seite` x `seite` with a colour pattern and whose editor
// area is large enough to show it all.
void vorbereiten(Fenster& f, int seite) {
    Verdrahten(f);
    f.LetztesModul = 5;
    f.DisplayBreite = seite;
    f.DisplayHöhe = seite;
    DisplayGrößeSetzen(f);
    MatrixBildAußenSetzen(f, 4 * seite + 1, 4 * seite + 1);
    for (int y = 0; y < seite; ++y)
        for (int x = 0; x < seite; ++x) f.Pic.setzePunkt(x, y, RGB(x % 256, y % 256, 128));
}
} // namespace

// Opening the editor: the display copied as 3 x 3 boxes. Argument: display side in pixels
// (120 is the largest size offered, 1007 the largest an arrangement can reach).
static void BM_EditorÖffnen(benchmark::State& state) {
    Fenster f;
    vorbereiten(f, int(state.range(0)));
    for (auto _ : state) {
        MatrixÖffnen_Click(f);
        benchmark::DoNotOptimize(f.MatrixBild.bild().constBits());
    }
}
BENCHMARK(BM_EditorÖffnen)->Arg(42)->Arg(120)->Arg(1007)->Unit(benchmark::kMicrosecond);

// One step of a drag: the icon follows the pointer.
static void BM_ModulZiehen(benchmark::State& state) {
    Fenster f;
    Verdrahten(f);
    f.Modul[1].MouseDown.auslösen(1, 0, 10, 10);
    double x = 10;
    for (auto _ : state) {
        x = x > 200 ? 10 : x + 1;
        f.Modul[1].MouseMove.auslösen(1, 0, x, 10);
    }
}
BENCHMARK(BM_ModulZiehen);
