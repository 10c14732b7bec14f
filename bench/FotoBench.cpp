// Large pictures in an animation, from a cold picture store, so that the first decodes
// count: five phone photos (4000 x 3000 JPEG), 100 steps; and a picture of 8000 x 8000
// pixels (PNG) beside a JPEG crafted to decode to 196 MB from a small file, 300 steps.
// Argument 1 sets "Bilder anpassen" (the pictures stretched over the display). Run each
// alone (--benchmark_filter=BM_Foto_Handy) for a meaningful peak_MB: the process's peak
// resident memory while the steps ran. Targets: the photos under 3 s per 100 steps and
// under 200 MB; the large pictures under 5 s per 300 steps.
#include "BildSpeicher.h"
#include "Laufaufbau.h"
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace glanzzug;
using glanzzug::bench::Laufaufbau;

namespace {
// The peak resident memory (VmHWM) starts again from the current one.
void spitzeZurücksetzen() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly)) f.write("5");
}
double spitzeMB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& z : f.readAll().split('\n'))
        if (z.startsWith("VmHWM:")) return z.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

// As a camera's picture: smooth colour gradients under noise, which JPEG cannot squeeze
// away, so decoding costs what it costs for a photo.
QImage fotoÄhnlich(int breite, int höhe, quint32 saat) {
    QImage b(breite, höhe, QImage::Format_RGB32);
    for (int y = 0; y < höhe; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(b.scanLine(y));
        for (int x = 0; x < breite; ++x) {
            saat = saat * 1664525u + 1013904223u;
            const int rauschen = int(saat >> 27);
            zeile[x] = qRgb((x * 255 / breite + rauschen) & 255, (y * 255 / höhe + rauschen) & 255, (x + y + rauschen) & 255);
        }
    }
    return b;
}

void abspielen(benchmark::State& state, const QStringList& namen, int schritte) {
    Laufaufbau a;
    a.f.AniLi.setzeEinträge(namen);
    a.f.AusWal.wähle(1);
    a.f.BilderAnpassen.setzeWert(int(state.range(0)));
    a.f.Start.setzeWert(1);
    double spitze = 0;
    for (auto _ : state) {
        state.PauseTiming();
        BildSpeicherLeeren();
        spitzeZurücksetzen();
        state.ResumeTiming();
        for (int i = 0; i < schritte; ++i) a.tick();
        spitze = std::max(spitze, spitzeMB());
    }
    state.counters["peak_MB"] = spitze;
}

// Runs `lauf` in a temporary folder as the current folder.
template <class Lauf> void imOrdner(Lauf lauf) {
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    lauf();
    QDir::setCurrent(vorher);
}
} // namespace

static void BM_Foto_Handy5x100(benchmark::State& state) {
    imOrdner([&] {
        QStringList namen;
        for (int i = 0; i < 5; ++i) {
            namen << QStringLiteral("foto%1.jpg").arg(i);
            fotoÄhnlich(4000, 3000, quint32(i + 1)).save(namen.back(), "JPEG", 90);
        }
        abspielen(state, namen, 100);
    });
}
BENCHMARK(BM_Foto_Handy5x100)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

static void BM_Foto_Riesig300(benchmark::State& state) {
    imOrdner([&] {
        {
            QImage gross(8000, 8000, QImage::Format_RGB32);
            gross.fill(qRgb(0, 0, 255));
            QPainter(&gross).fillRect(0, 0, 4000, 4000, QColor(255, 255, 0));
            gross.save(QStringLiteral("gross.png"));
            QImage glatt(7000, 7000, QImage::Format_RGB32);
            glatt.fill(qRgb(255, 0, 0));
            glatt.save(QStringLiteral("glatt.jpg"), "JPEG", 50);
        }
        abspielen(state, {QStringLiteral("gross.png"), QStringLiteral("glatt.jpg")}, 300);
    });
}
BENCHMARK(BM_Foto_Riesig300)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
