#include "ModuleAusgeben.h"
#include "TestHilfen.h"
#include <gtest/gtest.h>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
// A window in the standard arrangement with a 42 x 7 black display, on the simulated modules.
struct Aufbau {
    Fenster f;
    SimulierterPort sim;
    Aufbau() {
        f.port = &sim;
        f.FarbEbenenByte = {0, 2, 1};
        f.LetztesModul = 5;
        for (int m = 0; m < 6; ++m) f.ModulX[m] = 7 * m, f.ModulY[m] = 0;
        f.Pic.setzeGröße(42, 7);
        f.Pic.setzeHintergrund(0);
    }
    // The LEDs of every module after one frame, as the pixel under each shows (a colour byte of
    // 128 or more is lit); `sonst` gives the bits of LEDs off the image.
    void prüfe(const std::function<int(int m, int c, int r)>& sonst = {}) {
        ModuleAusgeben(f);
        EXPECT_EQ(sim.latchZähler(), 1u);
        for (int m = 0; m < 6; ++m)
            for (int c = 0; c < 7; ++c)
                for (int r = 0; r < 7; ++r) {
                    const int x = int(f.ModulX[m]) + c, y = int(f.ModulY[m]) + r;
                    const bool drin = x < f.Pic.breite() && y < f.Pic.höhe();
                    ASSERT_EQ(sim.led(m, c, r), drin ? ledBits(f.Pic.punkt(x, y)) : sonst(m, c, r)) << m << " " << c << " " << r;
                }
    }
};
} // namespace

// Every LED of every module shows its pixel: each colour plane, every module bit, lit from
// a colour byte of 128 on.
TEST(Draht, JedeLedZeigtIhrenBildpunkt) {
    Aufbau a;
    const Farbe farben[] = {RGB(255, 0, 0), RGB(0, 255, 0),   RGB(0, 0, 255),   RGB(255, 255, 255), RGB(0, 200, 200),
                            RGB(128, 0, 0), RGB(127, 127, 127), RGB(0, 128, 127), RGB(100, 0, 200)};
    for (int x = 0; x < 42; ++x)
        for (int y = 0; y < 7; ++y) a.f.Pic.setzePunkt(x, y, farben[(x * 7 + y * 3) % std::size(farben)]);
    a.prüfe();
}

// Off the image every LED is lit; modules at the same place show the same.
TEST(Draht, AußerhalbDesBildesLeuchtetAlles) {
    Aufbau a;
    a.f.ModulX[5] = 40; // reaches 5 columns beyond the 42-pixel image
    a.f.ModulX[1] = a.f.ModulX[0];
    a.f.Pic.setzePunkt(0, 0, RGB(255, 255, 255));
    a.f.Pic.setzePunkt(41, 3, RGB(0, 255, 0));
    a.prüfe([](int, int, int) { return 7; });
    Aufbau leer;
    leer.f.Pic.setzeGröße(0, 0);
    leer.prüfe([](int, int, int) { return 7; });
}
