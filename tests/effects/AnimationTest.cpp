#include "Animation.h"
#include "AufnahmePort.h"
#include "LaufSchritt.h"
#include "ModuleAusgeben.h"
#include "TestFenster.h"
#include <gtest/gtest.h>

using namespace glanzzug;
using glanzzug::test::einfarbig;
using glanzzug::test::TestFenster;
using glanzzug::test::TestOrdner;

namespace {
const Farbe kFarben[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};

// Three one-colour BMP pictures, red, green, blue, in the picture list in this order.
struct Animation {
    TestOrdner ordner;
    TestFenster t;
    Animation() {
        const char* namen[] = {"a.bmp", "b.bmp", "c.bmp"};
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(einfarbig(42, 7, kFarben[i]).save(QString::fromLatin1(namen[i])));
            t.f.AniLi.hinzufügen(QString::fromLatin1(namen[i]));
        }
        t.f.AusWal.wähle(1);
    }
    Farbe gezeigt() const { return t.f.Pic.punkt(20, 3); }
};
} // namespace

TEST(Animation, MitStartDerReiheNachUndDurchlaufEndeBeimUmlauf) {
    Animation a;
    a.t.f.Start.setzeWert(1);
    const int erwartet[] = {0, 1, 2, 0, 1, 2, 0};
    for (int i = 0; i < 7; ++i) {
        a.t.f.DurchlaufStatus = 0;
        AnimationSchritt(a.t.f);
        EXPECT_EQ(a.gezeigt(), kFarben[erwartet[i]]) << "step " << i;
        EXPECT_EQ(a.t.f.Titel.text(), QStringLiteral("Bild %1").arg(erwartet[i]));
        EXPECT_EQ(a.t.f.DurchlaufStatus, erwartet[i] == 2 ? kPassEnde : kSchreiten) << "step " << i;
    }
}

TEST(Animation, OhneStartImmerDasselbeBildUndKeinDurchlaufEnde) {
    Animation a;
    a.t.f.Start.setzeWert(0);
    a.t.f.AniLi.setzeListIndex(1); // shows entry 1 and sets BildNr
    for (int i = 0; i < 4; ++i) {
        AnimationSchritt(a.t.f);
        EXPECT_EQ(a.gezeigt(), kFarben[1]);
        EXPECT_EQ(a.t.f.BildNr, 1);
        EXPECT_EQ(a.t.f.DurchlaufStatus, kSchreiten);
    }
}

TEST(Animation, LeereListeZeichntNichts) {
    TestFenster t;
    t.f.Pic.setzePunkt(1, 1, RGB(9, 9, 9));
    t.f.Start.setzeWert(1);
    AnimationSchritt(t.f);
    EXPECT_EQ(t.f.Pic.punkt(1, 1), RGB(9, 9, 9));
    EXPECT_EQ(t.f.BildNr, 0);
    EXPECT_EQ(t.f.DurchlaufStatus, kSchreiten);
    EXPECT_EQ(t.f.Titel.text(), QStringLiteral("Glanzzug"));
}

TEST(Animation, EinBildEndetJedenSchrittEinenDurchlauf) {
    TestOrdner ordner;
    TestFenster t;
    ASSERT_TRUE(einfarbig(3, 3, RGB(255, 255, 0)).save(QStringLiteral("eins.bmp")));
    t.f.AniLi.hinzufügen(QStringLiteral("eins.bmp"));
    t.f.Start.setzeWert(1);
    for (int i = 0; i < 3; ++i) {
        t.f.DurchlaufStatus = 0;
        AnimationSchritt(t.f);
        EXPECT_EQ(t.f.DurchlaufStatus, kPassEnde);
        EXPECT_EQ(t.f.BildNr, 0);
        EXPECT_EQ(t.f.Pic.punkt(2, 2), RGB(255, 255, 0));
    }
}

TEST(Animation, FehlendesBildHältDieAnimationNichtAuf) {
    // The second picture is missing, the third is no picture at all, and the index past
    // the end reads an empty name: the display keeps what it showed, the caption and
    // BildNr still move on and the list wraps as usual.
    Animation a;
    QFile::remove(QStringLiteral("b.bmp"));
    QFile kaputt(QStringLiteral("c.bmp"));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("BM kein Bild");
    kaputt.close();
    a.t.f.AniLi.hinzufügen(QStringLiteral("film.avi"));
    a.t.f.Start.setzeWert(1);
    const QString titel[] = {"Bild 0", "Bild 1", "Bild 2", "Bild 3", "Bild 0"};
    for (int i = 0; i < 5; ++i) {
        a.t.f.DurchlaufStatus = 0;
        AnimationSchritt(a.t.f);
        EXPECT_EQ(a.t.f.Titel.text(), titel[i]);
        EXPECT_EQ(a.gezeigt(), kFarben[0]) << "step " << i;
        EXPECT_EQ(a.t.f.DurchlaufStatus, i == 3 ? kPassEnde : kSchreiten) << "step " << i;
    }
    EXPECT_EQ(a.t.f.BildNr, 1);

    // Entries removed behind BildNr: the index past the end shows nothing and wraps.
    a.t.f.BildNr = 7;
    a.t.f.DurchlaufStatus = 0;
    AnimationSchritt(a.t.f);
    EXPECT_EQ(a.t.f.Titel.text(), QStringLiteral("Bild 7"));
    EXPECT_EQ(a.t.f.BildNr, 0);
    EXPECT_EQ(a.t.f.DurchlaufStatus, kPassEnde);
}

TEST(Animation, LaufListeGehtTrotzFehlendemBildWeiter) {
    // Through the scheduler: a presentation of one missing picture still ends its pass,
    // so a playing run list moves on.
    TestOrdner ordner;
    TestFenster t;
    int weiter = 0;
    t.f.ablauf.laufListeWeiter = [&weiter](Fenster&) { ++weiter; };
    t.f.AniLi.hinzufügen(QStringLiteral("weg.jpg"));
    t.f.AusWal.wähle(1);
    t.f.Start.setzeWert(1);
    t.f.DurchläufeTxt.setzeText(QStringLiteral("1"));
    for (int i = 0; i < 4; ++i) LaufSchritt(t.f); // step, wait, finish, hand over
    EXPECT_EQ(weiter, 1);
}

TEST(Animation, BildErreichtDieModuleNurÜberDenFrame) {
    // A picture with a bright and a dim red pixel: only the bright one lights its LED,
    // and only when the scheduler sends the frame.
    TestOrdner ordner;
    TestFenster t;
    AufnahmePort port;
    t.f.port = &port;
    t.f.LetztesModul = 5;
    t.f.FarbEbenenByte = {0, 2, 1};
    for (int m = 0; m < 6; ++m) t.f.ModulX[m] = 7 * m, t.f.ModulY[m] = 0;
    QImage bild = einfarbig(42, 7, 0);
    bild.setPixel(6, 0, alsPixel(RGB(128, 0, 0)));
    bild.setPixel(5, 0, alsPixel(RGB(127, 0, 0)));
    ASSERT_TRUE(bild.save(QStringLiteral("rot.bmp")));
    t.f.AniLi.hinzufügen(QStringLiteral("rot.bmp"));
    t.f.AusWal.wähle(1);
    t.f.Start.setzeWert(0);
    AnimationSchritt(t.f);
    EXPECT_EQ(t.f.Pic.punkt(6, 0), RGB(128, 0, 0));
    EXPECT_TRUE(port.schreiben.empty());
    LaufSchritt(t.f);
    ASSERT_EQ(port.schreiben.size(), std::size_t(kFrameBytes));
    // Column 6 is shifted first: red plane of (6, 0), then (5, 0) is 7 rows x 3 planes later.
    EXPECT_EQ(port.schreiben[1].wert, 2);
    EXPECT_EQ(port.schreiben[4 * 21 + 1].wert, 0);
}
