#include "AufnahmePort.h"
#include "Fenster.h"
#include "ModuleAusgeben.h"
#include "SimulierterPort.h"
#include "Start.h"
#include <gtest/gtest.h>

using namespace glanzzug;

namespace {
// A window in the standard arrangement with a 42 x 7 black display, recording its port.
struct Aufbau {
    Fenster f;
    AufnahmePort port;
    Aufbau() {
        f.port = &port;
        f.FarbEbenenByte = {0, 2, 1};
        f.LetztesModul = 5;
        for (int m = 0; m < 6; ++m) f.ModulX[m] = 7 * m, f.ModulY[m] = 0;
        f.Pic.setzeGröße(42, 7);
        f.Pic.setzeHintergrund(0);
    }
    // The data byte of the shift step for (column, row, plane); its four writes are 0, d, d + 1, 1.
    int daten(int spalte, int zeile, int ebene) const {
        const std::size_t k = std::size_t(((6 - spalte) * 7 + zeile) * 3 + ebene) * 4;
        const int d = port.schreiben.at(k + 1).wert;
        EXPECT_EQ(std::vector<int>({port.schreiben[k].wert, port.schreiben[k + 2].wert, port.schreiben[k + 3].wert}),
                  std::vector<int>({0, (d + 1) & 0xff, 1}));
        return d;
    }
};
} // namespace

TEST(Draht, SchiebeschritteJeSpalteZeileUndFarbebene) {
    // Columns from 6 down to 0, rows 0 to 6, planes red, blue, green; module m is bit 2 << m;
    // a colour byte of 128 or more is lit.
    const struct {
        std::vector<std::tuple<int, int, Farbe>> punkte; // x, y, colour
        int spalte, zeile, ebene, daten;
    } fälle[] = {
        {{}, 3, 3, 1, 0},
        {{{6, 0, RGB(255, 0, 0)}, {13, 0, RGB(255, 0, 0)}, {41, 0, RGB(255, 0, 0)}}, 6, 0, 0, 2 | 4 | 64},
        {{{6, 0, RGB(255, 0, 0)}}, 6, 0, 1, 0},
        {{{2, 4, RGB(255, 255, 0)}}, 2, 4, 2, 2},            // green, third
        {{{23, 4, RGB(100, 0, 200)}}, 2, 4, 1, 16},          // blue of module 3, second
        {{{23, 4, RGB(100, 0, 200)}}, 2, 4, 0, 0},           // red 100: dark
        {{{0, 0, RGB(128, 0, 0)}, {1, 0, RGB(127, 0, 0)}}, 0, 0, 0, 2},
        {{{0, 0, RGB(128, 0, 0)}, {1, 0, RGB(127, 0, 0)}}, 1, 0, 0, 0},
    };
    for (const auto& fall : fälle) {
        Aufbau a;
        for (const auto& [x, y, farbe] : fall.punkte) a.f.Pic.setzePunkt(x, y, farbe);
        ModuleAusgeben(a.f);
        ASSERT_EQ(a.port.schreiben.size(), 590u);
        EXPECT_EQ(a.daten(fall.spalte, fall.zeile, fall.ebene), fall.daten)
            << fall.spalte << "," << fall.zeile << " plane " << fall.ebene;
        EXPECT_EQ(a.port.schreiben[588].wert * 256 + a.port.schreiben[589].wert, 128 * 256); // the latch
        for (const auto& s : a.port.schreiben) ASSERT_EQ(s.adresse, 888);
    }
}

TEST(Draht, AußerhalbDesBildesLeuchtetAlles) {
    Aufbau a;
    a.f.ModulX[5] = 40;                  // reaches 5 columns beyond the 42-pixel image
    a.f.ModulX[1] = a.f.ModulX[0];       // modules at the same place show the same
    a.f.Pic.setzePunkt(0, 0, RGB(255, 255, 255));
    ModuleAusgeben(a.f);
    for (int p = 0; p < 3; ++p) EXPECT_EQ(a.daten(6, 3, p) & 64, 64);
    EXPECT_EQ(a.daten(1, 3, 0) & 64, 0); // image column 41: black
    EXPECT_EQ(a.daten(0, 0, 0) & 6, 6);
    a.port.schreiben.clear();
    a.f.Pic.setzeGröße(0, 0);
    ModuleAusgeben(a.f);
    EXPECT_EQ(a.daten(3, 3, 1), 126);
}

TEST(Draht, SimulatorEntschlüsseltWasGesendetWurde) {
    Aufbau a;
    SimulierterPort sim;
    a.f.port = &sim;
    const Farbe farben[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255), RGB(0, 200, 200)};
    for (int x = 0; x < 42; ++x)
        for (int y = 0; y < 7; ++y) a.f.Pic.setzePunkt(x, y, farben[(x * 7 + y * 3) % 5]);
    ModuleAusgeben(a.f);
    EXPECT_EQ(sim.latchZähler(), 1u);
    // Stray clock pulses before a frame shift out of the registers again; a frame handed
    // over byte by byte decodes as one handed over whole.
    std::uint8_t frame[kFrameBytes];
    frameBauen(a.f, frame);
    SimulierterPort ganz, einzeln;
    for (SimulierterPort* p : {&ganz, &einzeln})
        for (int i = 0; i < 5; ++i) {
            p->ausgeben(Port::kAdresse, 2);
            p->ausgeben(Port::kAdresse, 3);
        }
    ganz.ausgebenFolge(Port::kAdresse, frame, kFrameBytes);
    for (std::uint8_t b : frame) einzeln.ausgeben(Port::kAdresse, b);
    for (int m = 0; m < 6; ++m)
        for (int c = 0; c < 7; ++c)
            for (int r = 0; r < 7; ++r) {
                const Farbe v = a.f.Pic.punkt(7 * m + c, r);
                const int erwartet = (rotVon(v) >= 128 ? SimulierterPort::Rot : 0) |
                                     (grünVon(v) >= 128 ? SimulierterPort::Grün : 0) |
                                     (blauVon(v) >= 128 ? SimulierterPort::Blau : 0);
                ASSERT_EQ(std::tuple(sim.led(m, c, r), ganz.led(m, c, r), einzeln.led(m, c, r)),
                          std::tuple(erwartet, erwartet, erwartet))
                    << m << " " << c << " " << r;
            }
}

TEST(Draht, DunkelSchaltenSchickt1764TaktpulseUndLatch) {
    Aufbau a;
    ModuleDunkel(a.f);
    std::vector<std::uint8_t> soll;
    for (int i = 0; i < 1764; ++i) soll.insert(soll.end(), {0, 1});
    soll.insert(soll.end(), {128, 0});
    EXPECT_EQ(a.port.werte(), soll);
    // After a lit frame, blanking darkens every LED of the simulated modules.
    SimulierterPort sim;
    a.f.port = &sim;
    a.f.Pic.setzeHintergrund(RGB(255, 255, 255));
    ModuleAusgeben(a.f);
    EXPECT_EQ(sim.led(2, 3, 3), 7);
    ModuleDunkel(a.f);
    for (int m = 0; m < 6; ++m)
        for (int c = 0; c < 7; ++c)
            for (int r = 0; r < 7; ++r) ASSERT_EQ(sim.led(m, c, r), 0);
}
