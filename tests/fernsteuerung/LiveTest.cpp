// The live view over a real WebSocket: what it sends for a frame on the wire, and how
// often (whom it refuses: netz_test.py).
#include "ModuleAusgeben.h"
#include "Server.h"

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
void module(Fenster& f) {
    for (int m = 0; m < 6; ++m) f.ModulX[m] = 7 * m, f.ModulY[m] = 0;
}
} // namespace

TEST(Live, NachrichtZeigtDieLedsDesFrames) {
    Server s;
    s.fenster.größe(42, 7);
    module(s.f);
    s.f.ModulX[5] = 40; // half outside the image: those LEDs are lit in every plane
    s.f.Pic.leeren();
    // (module, column, row, colour, the LED's bits: 1 red, 2 green, 4 blue)
    const std::tuple<int, int, int, Farbe, char> leds[] = {
        {0, 0, 0, RGB(255, 0, 0), 1}, {0, 6, 1, RGB(0, 255, 0), 2}, {1, 2, 6, RGB(0, 0, 255), 4},
        {3, 4, 3, RGB(255, 255, 255), 7}, {4, 0, 5, RGB(200, 130, 0), 3}, {4, 1, 5, RGB(127, 127, 127), 0},
    };
    QByteArray erwartet(294, '\0');
    for (const auto& [m, c, r, farbe, bits] : leds) {
        s.f.Pic.setzePunkt(7 * m + c, r, farbe);
        erwartet[m * 49 + r * 7 + c] = bits;
    }
    for (int r = 0; r < 7; ++r)
        for (int c = 2; c < 7; ++c) erwartet[5 * 49 + r * 7 + c] = 7;

    Zuschauer z(s.port);
    ASSERT_TRUE(z.verbunden());
    EXPECT_EQ(z.bisher().front(), QByteArray(294, '\0')); // nothing sent to the wire yet
    ModuleAusgeben(s.f);
    ASSERT_TRUE(warten([&] { return z.bisher().size() >= 2; }));
    EXPECT_EQ(z.bisher().back(), erwartet);

    // The same frame again sends nothing.
    ModuleAusgeben(s.f);
    warten([] { return false; }, 200);
    EXPECT_EQ(z.bisher().size(), 2u);
}

TEST(Live, HöchstensFünfundzwanzigProSekundeUndNurDerLetzte) {
    Server s;
    module(s.f);
    Zuschauer z(s.port);
    ASSERT_TRUE(z.verbunden());
    QElapsedTimer uhr;
    uhr.start();
    // 300 different frames, as fast as the event loop allows.
    for (int i = 0; i < 300; ++i) {
        s.f.Pic.leeren();
        s.f.Pic.setzePunkt(i % 42, (i / 42) % 7, RGB(255, 0, 0));
        ModuleAusgeben(s.f);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    }
    const qint64 dauer = uhr.elapsed();
    warten([] { return false; }, 150);
    // One message at connect, then at most one per 40 ms (the first may come at once).
    EXPECT_LE(qint64(z.bisher().size()), 2 + dauer / 40 + 2) << dauer << " ms";
    QByteArray letzter(294, '\0');
    const int i = 299;
    letzter[(i % 42) / 7 * 49 + (i / 42) % 7 * 7 + (i % 42) % 7] = 1;
    ASSERT_TRUE(warten([&] { return z.bisher().back() == letzter; }));
}
