#include "AufnahmePort.h"
#include "Fenster.h"
#include "LaufSchritt.h"
#include "ModuleAusgeben.h"
#include "Programm.h"
#include "SimulierterPort.h"
#include "Start.h"
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <unistd.h>

using namespace glanzzug;

namespace {
void standardAnordnung(Fenster& f) {
    f.FarbEbenenByte = {0, 2, 1};
    f.LetztesModul = 5;
    for (int m = 0; m < 6; ++m) f.ModulX[m] = 7 * m;
    f.Pic.setzeGröße(42, 7);
    for (int x = 0; x < 42; ++x)
        for (int y = 0; y < 7; ++y) f.Pic.setzePunkt(x, y, (x + y) % 3 ? RGB(255, 0, 0) : RGB(0, 200, 255));
}
} // namespace

// One frame's sampling and encoding into a discarding port.
static void BM_ModuleAusgeben(benchmark::State& state) {
    Fenster f;
    VerwerfenderPort port;
    f.port = &port;
    standardAnordnung(f);
    for (auto _ : state) ModuleAusgeben(f);
}
BENCHMARK(BM_ModuleAusgeben);

// Only building the 590 bytes.
static void BM_FrameBauen(benchmark::State& state) {
    Fenster f;
    standardAnordnung(f);
    std::uint8_t bytes[kFrameBytes];
    for (auto _ : state) {
        frameBauen(f, bytes);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_FrameBauen);

// One full tick of the timer at 42 x 7 in the design state ("Lauf-Text", "<").
static void BM_TickLaufText(benchmark::State& state) {
    Fenster f;
    VerwerfenderPort port;
    f.port = &port;
    Verdrahten(f);
    f.ablauf.dateiListenAktualisieren = nullptr;
    f.ablauf.laufListeLaden = nullptr;
    Form_Load(f);
    standardAnordnung(f);
    for (auto _ : state) {
        f.DurchlaufStatus = 0;
        T_Timer(f);
    }
}
BENCHMARK(BM_TickLaufText);

// One frame handed to a port backend in one call, as ModuleAusgeben does.
namespace {
template <class P> void frameInPort(benchmark::State& state, P& port) {
    Fenster f;
    standardAnordnung(f);
    std::uint8_t bytes[kFrameBytes];
    frameBauen(f, bytes);
    for (auto _ : state) port.ausgebenFolge(Port::kAdresse, bytes, kFrameBytes);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * kFrameBytes);
}
} // namespace

// The simulated modules decode a frame (590 bytes) into their shift registers and latch it.
static void BM_FrameInSimulierterPort(benchmark::State& state) {
    SimulierterPort port;
    frameInPort(state, port);
}
BENCHMARK(BM_FrameInSimulierterPort);

// The recording port appends a frame to a temporary file.
static void BM_FrameInAufnahmePort(benchmark::State& state) {
    char muster[] = "/tmp/glanzzug-bench-XXXXXX";
    const int fd = ::mkstemp(muster);
    if (fd < 0) return state.SkipWithError("no temporary file");
    ::close(fd);
    {
        DateiAufnahmePort port(muster);
        frameInPort(state, port);
    }
    ::unlink(muster);
}
BENCHMARK(BM_FrameInAufnahmePort);
