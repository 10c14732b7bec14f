// One step of each effect mode and of the animation, on the display sizes that occur:
// the standard strip of 42 x 7 and the largest display, 120 x 120.
#include "Effekte.h"
#include "Fenster.h"
#include "Programm.h"
#include "Start.h"
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace glanzzug;

namespace {
struct BenchFenster {
    Fenster f;
    VerwerfenderPort port;
    BenchFenster(int breite, int höhe) {
        f.port = &port;
        Verdrahten(f);
        f.Farbtabelle = FarbtabelleBauen();
        f.TextFarbe = RGB(255, 255, 255);
        f.PunktDX = f.PunktDY = 1;
        f.LinieRichtung = 1;
        f.FormAnzahl = 1;
        f.DisplayBreite = breite;
        f.DisplayHöhe = höhe;
        f.Pic.setzeGröße(breite, höhe);
        f.PunktX = breite / 2;
        f.PunktY = höhe / 2;
        for (int y = 0; y < höhe; ++y)
            for (int x = 0; x < breite; ++x)
                if ((x + y) % 5 == 0) f.Pic.setzePunkt(x, y, RGB(255, 0, 0));
    }
};

void effekt(benchmark::State& state, void (*schritt)(Fenster&)) {
    BenchFenster b(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        b.f.DurchlaufStatus = 0;
        schritt(b.f);
        benchmark::ClobberMemory();
    }
}
} // namespace

#define EFFEKT_BENCH(name, routine)                                                                          \
    static void BM_##name(benchmark::State& s) {                                                             \
        effekt(s, routine);                                                                                  \
    }                                                                                                        \
    BENCHMARK(BM_##name)->Args({42, 7})->Args({120, 120})

EFFEKT_BENCH(Linie, LinieSchritt);
EFFEKT_BENCH(PingPong, PingPongSchritt);
EFFEKT_BENCH(Negativ, NegativSchritt);
EFFEKT_BENCH(Loeschen, DisplayLöschen);
EFFEKT_BENCH(Zufallsfarben, ZufallsfarbeSchritt);
EFFEKT_BENCH(Zufallsformen, ZufallsformenSchritt);

// Nine shapes on a cleared display each step ("+löschen", ZufallsFormAnzahl 9).
static void BM_ZufallsformenNeun(benchmark::State& state) {
    BenchFenster b(int(state.range(0)), int(state.range(1)));
    b.f.ZufallsFormAnzahl.setzeText(QStringLiteral("9"));
    b.f.PlusLöschen.setzeWert(1);
    for (auto _ : state) ZufallsformenSchritt(b.f);
}
BENCHMARK(BM_ZufallsformenNeun)->Args({42, 7})->Args({120, 120});

// One animation step: reading and decoding a 42 x 7 BMP and putting it on the display,
// unscaled (0) or stretched (1).
static void BM_Animation(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    {
        BenchFenster b(42, 7);
        b.f.Pic.bild().save(QStringLiteral("bild.bmp"));
        b.f.AniLi.hinzufügen(QStringLiteral("bild.bmp"));
        b.f.BilderAnpassen.setzeWert(int(state.range(0)));
        for (auto _ : state) AnimationSchritt(b.f);
    }
    QDir::setCurrent(vorher);
}
BENCHMARK(BM_Animation)->Arg(0)->Arg(1);
