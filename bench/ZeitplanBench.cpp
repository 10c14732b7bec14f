// The weekly schedule: working out the rule in force among 100 rules (target: under
// 20 µs), and the schedule's check inside the headless tick (compare
// BM_Tick_Text100_MitZeitplan with BM_Tick_Text100: the check should not show).
#include "Laufaufbau.h"
#include "ZeitplanSteuerung.h"
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace glanzzug;

namespace {
// 100 rules of every kind, none of which holds on a Monday at noon in March, so that
// every rule is looked at: special days first, then weekly windows, the night last.
QStringList hundertRegeln() {
    QStringList z;
    for (int i = 0; i < 40; ++i) z << QStringLiteral("%1.12.-%2.01. täglich 07:00-22:00 Fest%3").arg(i % 28 + 1).arg(i % 28 + 2).arg(i);
    for (int i = 0; i < 40; ++i) z << QStringLiteral("Di-Sa %1:00-%1:30 Werbung%2").arg(i % 24, 2, 10, QChar(u'0')).arg(i);
    for (int i = 0; i < 19; ++i) z << QStringLiteral("24.%1.2027 So 08:00-18:00 Tag%2").arg(i % 12 + 1).arg(i);
    z << QStringLiteral("Fr-Mo 22:00-07:00 dunkel");
    return z;
}
} // namespace

static void BM_Zeitplan_Regel100(benchmark::State& state) {
    const Zeitplan p = zeitplanLesen(hundertRegeln());
    if (p.regeln.size() != 100) state.SkipWithError("not 100 rules");
    const qint64 mittag = QDateTime(QDate(2026, 3, 16), QTime(12, 0)).toMSecsSinceEpoch();
    qint64 ms = mittag;
    for (auto _ : state) {
        benchmark::DoNotOptimize(gültigeRegel(p.regeln, wandzeit(ms)));
        ms = mittag + (ms - mittag + 1000) % 3'600'000;
    }
}
BENCHMARK(BM_Zeitplan_Regel100);

static void BM_Zeitplan_NaechsterWechsel100(benchmark::State& state) {
    const Zeitplan p = zeitplanLesen(hundertRegeln());
    const Wandzeit w = wandzeit(QDateTime(QDate(2026, 3, 16), QTime(12, 0)).toMSecsSinceEpoch());
    for (auto _ : state) benchmark::DoNotOptimize(nächsterWechsel(p.regeln, w));
}
BENCHMARK(BM_Zeitplan_NaechsterWechsel100)->Unit(benchmark::kMicrosecond);

// The text tick of TickBench with the schedule checked at every tick (the program checks
// once a second), 100 rules in Zeitplan.txt.
static void BM_Tick_Text100_MitZeitplan(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    {
        QFile datei(kZeitplanDatei);
        if (datei.open(QIODevice::WriteOnly)) datei.write(hundertRegeln().join(u"\r\n").toLatin1());
        datei.close();
        glanzzug::bench::Laufaufbau a(glanzzug::bench::werbeText(100), {2});
        ZeitplanSteuerung zeitplan(a.f);
        zeitplan.starten();
        if (zeitplan.stand().plan.regeln.size() != 100) state.SkipWithError("schedule not read");
        for (auto _ : state) {
            a.tick();
            zeitplan.prüfen();
        }
    }
    QDir::setCurrent(vorher);
}
BENCHMARK(BM_Tick_Text100_MitZeitplan);
