// What one headless timer tick costs for the presentations a sign plays most: a text of
// 100 characters, an animation of 17 pictures, and a text of 10,000 characters. Run the
// three together (--benchmark_filter=BM_Tick) and compare them with each other: the
// picture and the long text should cost about what the short text costs.
#include "Laufaufbau.h"
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace glanzzug;
using glanzzug::bench::Laufaufbau;

namespace {
// A text scrolling left through its whole pass, again and again.
void textTick(benchmark::State& state, qsizetype länge) {
    Laufaufbau a(bench::werbeText(länge), {2});
    for (auto _ : state) a.tick();
}
} // namespace

static void BM_Tick_Text100(benchmark::State& state) { textTick(state, 100); }
BENCHMARK(BM_Tick_Text100);

static void BM_Tick_Text10000(benchmark::State& state) { textTick(state, 10000); }
BENCHMARK(BM_Tick_Text10000);

// 17 BMPs of the display's size (42 x 7), shown one per tick while the run list plays,
// as the demonstration's locomotive does.
static void BM_Tick_Animation17(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    {
        Laufaufbau a;
        for (int i = 0; i < 17; ++i) {
            QImage bild(42, 7, QImage::Format_RGB32);
            bild.fill(Qt::black);
            for (int y = 0; y < 7; ++y) bild.setPixel((i + y) % 42, y, qRgb(255, 255, 0));
            const QString name = QStringLiteral("zug%1.bmp").arg(i + 1, 2, 10, QLatin1Char('0'));
            bild.save(name);
            a.f.AniLi.hinzufügen(name);
        }
        a.f.AusWal.wähle(1);
        a.f.Start.setzeWert(1);
        for (auto _ : state) a.tick();
    }
    QDir::setCurrent(vorher);
}
BENCHMARK(BM_Tick_Animation17);
