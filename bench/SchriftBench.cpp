// Cost of measuring and drawing with the built-in LED font, per frame of a 42 × 7 sign.
#include "Schriftsatz.h"

#include <benchmark/benchmark.h>

namespace {

using glanzzug::SchriftWahl;

QString langerText() {
    QString text;
    while (text.size() < 10'000)
        text += QStringLiteral("Glanzzug fährt ab: Gleis 7, 12:30 Uhr – Öffnungszeiten € ");
    text.truncate(10'000);
    return text;
}

void BM_LedBreiteLauftext(benchmark::State& state) {
    const auto satz = glanzzug::schriftsatzFür(SchriftWahl{});
    const QString text = QStringLiteral("LAUFTEXT");
    for (auto _ : state) benchmark::DoNotOptimize(satz->breite(text));
}
BENCHMARK(BM_LedBreiteLauftext);

void BM_LedZeichneLauftext(benchmark::State& state) {
    const auto satz = glanzzug::schriftsatzFür(SchriftWahl{});
    const QString text = QStringLiteral("LAUFTEXT");
    QImage bild(42, 7, QImage::Format_RGB32);
    bild.fill(0xff000000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(satz->zeichne(bild, 0, -3, text, 0xffffa000));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LedZeichneLauftext);

void BM_LedBreiteLangerText(benchmark::State& state) {
    const auto satz = glanzzug::schriftsatzFür(SchriftWahl{});
    const QString text = langerText();
    for (auto _ : state) benchmark::DoNotOptimize(satz->breite(text));
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_LedBreiteLangerText);

// The sign shows a window in the middle of a 10,000-character text; the rest lies outside.
void BM_LedZeichneLangerText(benchmark::State& state) {
    const auto satz = glanzzug::schriftsatzFür(SchriftWahl{});
    const QString text = langerText();
    const int x = -satz->breite(text) / 2;
    QImage bild(42, 7, QImage::Format_RGB32);
    bild.fill(0xff000000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(satz->zeichne(bild, x, -3, text, 0xffffa000));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_LedZeichneLangerText);

// A frame of a zoom: the rasteriser for the size is looked up in the cache every frame.
void BM_LedZoomBild(benchmark::State& state) {
    QImage bild(42, 7, QImage::Format_RGB32);
    int größe = 2;
    for (auto _ : state) {
        const auto satz = glanzzug::schriftsatzFür(SchriftWahl{QStringLiteral("Small Fonts"), double(größe)});
        bild.fill(0xff000000);
        benchmark::DoNotOptimize(satz->zeichne(bild, 0, 0, u"LAUFTEXT", 0xffffa000));
        größe = größe == 14 ? 2 : größe + 1;
    }
}
BENCHMARK(BM_LedZoomBild);

} // namespace
