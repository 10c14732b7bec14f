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
    // The four writes of the shift step for (column, row, plane).
    std::vector<int> schritt(int spalte, int zeile, int ebene) const {
        const int k = ((6 - spalte) * 7 + zeile) * 3 + ebene;
        std::vector<int> v;
        for (int i = 0; i < 4; ++i) v.push_back(port.schreiben.at(std::size_t(4 * k + i)).wert);
        return v;
    }
};
} // namespace

TEST(Draht, SchwarzesBildGibtNurTaktUndLatch) {
    Aufbau a;
    ModuleAusgeben(a.f);
    ASSERT_EQ(a.port.schreiben.size(), 590u);
    for (std::size_t i = 0; i < 588; i += 4) {
        EXPECT_EQ(a.port.schreiben[i].wert, 0);
        EXPECT_EQ(a.port.schreiben[i + 1].wert, 0);
        EXPECT_EQ(a.port.schreiben[i + 2].wert, 1);
        EXPECT_EQ(a.port.schreiben[i + 3].wert, 1);
    }
    EXPECT_EQ(a.port.schreiben[588].wert, 128);
    EXPECT_EQ(a.port.schreiben[589].wert, 0);
    for (const auto& s : a.port.schreiben) EXPECT_EQ(s.adresse, 888);
}

TEST(Draht, BeispieleDerSchiebeschritte) {
    Aufbau a;
    // All six modules pure red at (c = 6, r = 0).
    for (int m = 0; m < 6; ++m) a.f.Pic.setzePunkt(7 * m + 6, 0, RGB(255, 0, 0));
    // Module 0 yellow and module 3 (100, 0, 200) at (c = 2, r = 4).
    a.f.Pic.setzePunkt(0 + 2, 4, RGB(255, 255, 0));
    a.f.Pic.setzePunkt(21 + 2, 4, RGB(100, 0, 200));
    ModuleAusgeben(a.f);
    EXPECT_EQ(a.schritt(6, 0, 0), (std::vector<int>{0, 126, 127, 1}));
    EXPECT_EQ(a.schritt(6, 0, 1), (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(a.schritt(6, 0, 2), (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(a.schritt(2, 4, 0), (std::vector<int>{0, 2, 3, 1}));   // red
    EXPECT_EQ(a.schritt(2, 4, 1), (std::vector<int>{0, 16, 17, 1})); // blue: module 3's 200
    EXPECT_EQ(a.schritt(2, 4, 2), (std::vector<int>{0, 2, 3, 1}));   // green
}

TEST(Draht, SchwelleBei128UndEbenenfolgeRotBlauGrün) {
    Aufbau a;
    a.f.Pic.setzePunkt(0, 0, RGB(128, 0, 0));  // module 0, c 0, r 0: lit
    a.f.Pic.setzePunkt(1, 0, RGB(127, 0, 0));  // c 1: dark
    a.f.Pic.setzePunkt(2, 0, RGB(0, 255, 0));  // c 2: pure green, third step
    a.f.Pic.setzePunkt(3, 0, RGB(0, 0, 255));  // c 3: pure blue, second step
    ModuleAusgeben(a.f);
    EXPECT_EQ(a.schritt(0, 0, 0)[1], 2);
    EXPECT_EQ(a.schritt(1, 0, 0)[1], 0);
    EXPECT_EQ(a.schritt(2, 0, 0)[1], 0);
    EXPECT_EQ(a.schritt(2, 0, 1)[1], 0);
    EXPECT_EQ(a.schritt(2, 0, 2)[1], 2);
    EXPECT_EQ(a.schritt(3, 0, 1)[1], 2);
    EXPECT_EQ(a.schritt(3, 0, 2)[1], 0);
}

TEST(Draht, AußerhalbWeißGleicheLageGleichesBildAbwesendeWerdenGesendet) {
    Aufbau a;
    a.f.ModulX[5] = 40; // reaches 5 columns beyond the 42-pixel image
    a.f.ModulX[1] = a.f.ModulX[0];
    a.f.Pic.setzePunkt(0, 0, RGB(255, 255, 255));
    ModuleAusgeben(a.f);
    // Column 6 of module 5 lies outside: all three planes lit (bit 64).
    for (int p = 0; p < 3; ++p) EXPECT_EQ(a.schritt(6, 3, p)[1] & 64, 64);
    // Column 1 of module 5 is image column 41: black.
    EXPECT_EQ(a.schritt(1, 3, 0)[1] & 64, 0);
    // Modules 0 and 1 at the same place show the same picture.
    EXPECT_EQ(a.schritt(0, 0, 0)[1] & 6, 6);
}

TEST(Draht, NullMalNullDisplayZeigtAllesWeiß) {
    Aufbau a;
    a.f.Pic.setzeGröße(0, 0);
    ModuleAusgeben(a.f);
    ASSERT_EQ(a.port.schreiben.size(), 590u);
    EXPECT_EQ(a.schritt(3, 3, 1)[1], 126);
}

TEST(Draht, SimulatorEntschlüsseltWasGesendetWurde) {
    Aufbau a;
    SimulierterPort sim;
    a.f.port = &sim;
    const Farbe farben[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255), RGB(0, 200, 200)};
    for (int x = 0; x < 42; ++x)
        for (int y = 0; y < 7; ++y) a.f.Pic.setzePunkt(x, y, farben[(x * 7 + y * 3) % 5]);
    ModuleAusgeben(a.f);
    for (int m = 0; m < 6; ++m)
        for (int c = 0; c < 7; ++c)
            for (int r = 0; r < 7; ++r) {
                const Farbe v = a.f.Pic.punkt(7 * m + c, r);
                const int erwartet = (rotVon(v) >= 128 ? SimulierterPort::Rot : 0) |
                                     (grünVon(v) >= 128 ? SimulierterPort::Grün : 0) |
                                     (blauVon(v) >= 128 ? SimulierterPort::Blau : 0);
                ASSERT_EQ(sim.led(m, c, r), erwartet) << m << " " << c << " " << r;
            }
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
                ASSERT_EQ(ganz.led(m, c, r), sim.led(m, c, r)) << m << " " << c << " " << r;
                ASSERT_EQ(einzeln.led(m, c, r), sim.led(m, c, r)) << m << " " << c << " " << r;
            }
}

TEST(Draht, DunkelSchaltenSchickt1764TaktpulseUndLatch) {
    Aufbau a;
    ModuleDunkel(a.f);
    ASSERT_EQ(a.port.schreiben.size(), 1764u * 2 + 2);
    for (std::size_t i = 0; i < 1764u * 2; i += 2) {
        ASSERT_EQ(a.port.schreiben[i].wert, 0);
        ASSERT_EQ(a.port.schreiben[i + 1].wert, 1);
    }
    EXPECT_EQ(a.port.schreiben[3528].wert, 128);
    EXPECT_EQ(a.port.schreiben[3529].wert, 0);

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
