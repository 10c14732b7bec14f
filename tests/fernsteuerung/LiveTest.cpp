// The live view over a real WebSocket: what it sends for a frame on the wire, how often,
// and whom it refuses.
#include "ModuleAusgeben.h"
#include "Server.h"
#include <QNetworkRequest>
#include <QWebSocket>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
// A live-view client that keeps every message it gets.
struct Zuschauer {
    QWebSocket ws;
    std::vector<QByteArray> nachrichten;
    bool getrennt = false;

    Zuschauer(quint16 port, const QByteArray& abfrage = "?token=" + kSchlüssel, const QByteArray& herkunft = {}) {
        QObject::connect(&ws, &QWebSocket::binaryMessageReceived, [this](const QByteArray& n) { nachrichten.push_back(n); });
        QObject::connect(&ws, &QWebSocket::disconnected, [this] { getrennt = true; });
        QNetworkRequest r(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/live").arg(port) + QString::fromUtf8(abfrage)));
        if (!herkunft.isEmpty()) r.setRawHeader("Origin", herkunft);
        ws.open(r);
    }
    // Connected and given the first picture, or refused.
    bool verbunden() {
        warten([this] { return !nachrichten.empty() || getrennt; });
        return !nachrichten.empty() && !getrennt;
    }
};

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
    EXPECT_EQ(z.nachrichten.front(), QByteArray(294, '\0')); // nothing sent to the wire yet
    ModuleAusgeben(s.f);
    ASSERT_TRUE(warten([&] { return z.nachrichten.size() >= 2; }));
    EXPECT_EQ(z.nachrichten.back(), erwartet);

    // The same frame again sends nothing; no frame while the port is gone either.
    ModuleAusgeben(s.f);
    warten([] { return false; }, 200);
    EXPECT_EQ(z.nachrichten.size(), 2u);
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
    EXPECT_LE(qint64(z.nachrichten.size()), 2 + dauer / 40 + 2) << dauer << " ms";
    QByteArray letzter(294, '\0');
    const int i = 299;
    letzter[(i % 42) / 7 * 49 + (i / 42) % 7 * 7 + (i % 42) % 7] = 1;
    EXPECT_EQ(z.nachrichten.back(), letzter);
}

TEST(Live, TokenHerkunftUndHöchstzahl) {
    Server s;
    // (query, Origin, accepted)
    const std::tuple<QByteArray, QByteArray, bool> fälle[] = {
        {"", "", false},
        {"?token=", "", false},
        {"?token=" + kSchlüssel + "0", "", false},
        {"?token=" + kSchlüssel, "http://boese.example", false},
        {"?token=" + kSchlüssel, "http://127.0.0.1", false}, // another port is another origin
        {"?token=" + kSchlüssel, "http://127.0.0.1:" + QByteArray::number(s.port), true},
        {"?token=" + kSchlüssel, "", true},
    };
    for (const auto& [abfrage, herkunft, angenommen] : fälle) {
        Zuschauer z(s.port, abfrage, herkunft);
        EXPECT_EQ(z.verbunden(), angenommen) << abfrage.data() << ' ' << herkunft.data();
    }
    warten([&] { return s.fern.live().anzahl() == 0; });

    std::vector<std::unique_ptr<Zuschauer>> viele;
    for (int i = 0; i < LiveAnsicht::kMeisteZuschauer; ++i) {
        viele.push_back(std::make_unique<Zuschauer>(s.port));
        ASSERT_TRUE(viele.back()->verbunden()) << i;
    }
    Zuschauer zuViel(s.port);
    EXPECT_FALSE(zuViel.verbunden());
    EXPECT_EQ(s.fern.live().anzahl(), LiveAnsicht::kMeisteZuschauer);
    // One leaves: there is room again.
    viele.front()->ws.close();
    ASSERT_TRUE(warten([&] { return s.fern.live().anzahl() < LiveAnsicht::kMeisteZuschauer; }));
    Zuschauer nachrücker(s.port);
    EXPECT_TRUE(nachrücker.verbunden());
}
