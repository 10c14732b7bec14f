// Phone photos: only what can be shown is kept of them, and that is what is shown, through
// the real program on the wire and after the display changed its size.
#include "BildAnzeigen.h"
#include "DisplayGroesse.h"
#include "Prozess.h"
#include "TestHilfen.h"
#include <QPainter>
#include <gtest/gtest.h>
#include <set>

using namespace glanzzug;
using namespace glanzzug::test;
using namespace std::chrono_literals;

namespace {
constexpr int kRot = SimulierterPort::Rot, kGrün = SimulierterPort::Grün, kBlau = SimulierterPort::Blau;

// A photo of `breite` x `höhe`: its top-left `ecke` x `ecke` pixels in one colour, the rest
// in another (colours as LED bits).
void foto(const QString& name, int breite, int höhe, int ecke, int eckFarbe, int restFarbe) {
    const auto rgb = [](int bits) { return QColor(bits & kRot ? 255 : 0, bits & kGrün ? 255 : 0, bits & kBlau ? 255 : 0); };
    QImage b(breite, höhe, QImage::Format_RGB32);
    b.fill(rgb(restFarbe));
    QPainter(&b).fillRect(0, 0, ecke, ecke, rgb(eckFarbe));
    ASSERT_TRUE(b.save(name, nullptr, 90));
}
} // namespace

// Two 4000 x 3000 photos in an animation of the real program: every frame on the wire shows
// one of them, the top-left corner unscaled or the whole photo stretched ("Bilder anpassen").
TEST(Foto, AnimationAufDemDraht) {
    TestOrdner ordner;
    foto("a.jpg", 4000, 3000, 1200, kRot, kBlau);
    foto("b.jpg", 4000, 3000, 1200, kGrün, kRot | kGrün);
    schreib("LED-Modul-Anordnung.txt", lies(GLANZZUG_DEMO "/LED-Modul-Anordnung.txt"));
    schreib("Letzte Lauf-Liste", "Fotos\r\n");
    schreib("Fotos.LAL", "Fotos\r\n");
    for (int anpassen : {0, 1}) {
        SCOPED_TRACE(anpassen);
        schreib("Fotos.LSL", "GrAn=" + QByteArray::number(anpassen) + "\r\nAuWa=1\r\nTemp=1\r\nAniB=a.jpg/b.jpg/\r\n");
        QFile::remove("draht.bin");
        Prozess p(GLANZZUG_PROGRAMM, {"--headless", "--quiet", "--fast", "--ticks", "12", "--port", "record:draht.bin"},
                  "lauf");
        ASSERT_EQ(p.warten(60s), 0) << p.fehlerAusgabe().data();
        const QByteArray draht = lies("draht.bin");
        const qsizetype frames = (draht.size() - (1764 * 2 + 2)) / 590;
        ASSERT_GE(frames, 4);
        // Pixel (0, 0) on module 0 and pixel (41, 6) on module 5, each frame.
        std::set<std::pair<int, int>> gesehen;
        for (qsizetype i = 0; i < frames; ++i) {
            SimulierterPort sign;
            sign.ausgebenFolge(0x378, reinterpret_cast<const std::uint8_t*>(draht.constData()) + i * 590, 590);
            gesehen.insert({sign.led(0, 0, 0), sign.led(5, 6, 6)});
        }
        const std::set<std::pair<int, int>> erwartet =
            anpassen ? std::set<std::pair<int, int>>{{kRot, kBlau}, {kGrün, kRot | kGrün}}
                     : std::set<std::pair<int, int>>{{kRot, kRot}, {kGrün, kGrün}};
        EXPECT_EQ(gesehen, erwartet);
    }
}

// The display grows after a large picture was kept: its corner shows at the new size, as
// JPEG (decoded clipped) and PNG; "Bildergröße" names the picture's own size.
TEST(Foto, GrößeresDisplayZeigtDieGanzeEcke) {
    for (const char* name : {"gross.jpg", "gross.png"}) {
        SCOPED_TRACE(name);
        TestOrdner ordner;
        foto(name, 2000, 1500, 100, kRot, kBlau);
        TestFenster t;
        const auto zeige = [&] {
            t.f.Arbeitstext = name;
            BildAnzeigen(t.f);
        };
        zeige();
        EXPECT_EQ(ledBits(t.f.Pic.punkt(41, 6)), kRot);
        Maximum_Click(t.f);
        zeige();
        EXPECT_EQ(std::vector({ledBits(t.f.Pic.punkt(90, 90)), ledBits(t.f.Pic.punkt(110, 50)), ledBits(t.f.Pic.punkt(119, 119))}),
                  std::vector({kRot, kBlau, kBlau}));
        t.f.BilderAnpassen.setzeWert(1);
        zeige();
        EXPECT_EQ(QSize(t.f.Bild.breite(), t.f.Bild.höhe()), QSize(kBildVorschauSeite, 180));
        EXPECT_EQ(ledBits(t.f.Pic.punkt(119, 119)), kBlau);
        Bildergröße_Click(t.f);
        EXPECT_EQ(t.dialoge.hinweise, QStringList{"Das Bild ist mit 2000x1500 Pixeln zu groß"});
    }
}
