#include "Animation.h"
#include "LaufSchritt.h"
#include "TestHilfen.h"
#include <gtest/gtest.h>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
const Farbe kFarben[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};

// Three one-colour pictures in the picture list: red, green, blue.
struct Animation {
    TestOrdner ordner;
    TestFenster t;
    Animation() {
        for (int i = 0; i < 3; ++i) {
            const QString name = QStringLiteral("%1.bmp").arg(i);
            EXPECT_TRUE(einfarbig(42, 7, kFarben[i]).save(name));
            t.f.AniLi.hinzufügen(name);
        }
        t.f.AusWal.wähle(1);
        t.f.Start.setzeWert(1);
    }
    // One step; the pass state it leaves.
    int schritt() {
        t.f.DurchlaufStatus = 0;
        AnimationSchritt(t.f);
        return t.f.DurchlaufStatus;
    }
    Farbe gezeigt() const { return t.f.Pic.punkt(20, 3); }
};
} // namespace

TEST(Animation, MitStartDerReiheNachOhneStartDasGewählte) {
    Animation a;
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(a.schritt(), i % 3 == 2 ? kPassEnde : kSchreiten) << "step " << i; // at the wrap
        EXPECT_EQ(a.gezeigt(), kFarben[i % 3]) << "step " << i;
        EXPECT_EQ(a.t.f.Titel.text(), QStringLiteral("Bild %1").arg(i % 3));
    }
    a.t.f.Start.setzeWert(0);
    a.t.f.AniLi.setzeListIndex(2); // shows entry 2 and sets BildNr
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(std::tuple(a.schritt(), a.gezeigt(), a.t.f.BildNr), std::tuple(kSchreiten, kFarben[2], 2));
    }
}

TEST(Animation, LeereListeZeichntNichts) {
    TestFenster t;
    t.f.Pic.setzePunkt(1, 1, RGB(9, 9, 9));
    t.f.Start.setzeWert(1);
    AnimationSchritt(t.f);
    EXPECT_EQ(std::tuple(t.f.Pic.punkt(1, 1), t.f.BildNr, t.f.Titel.text()),
              std::tuple(RGB(9, 9, 9), 0, QString("Glanzzug")));
}

TEST(Animation, UnlesbareBilderHaltenSieNichtAuf) {
    // Missing, broken, empty and no picture at all: the display and Bild keep what they
    // showed, the caption and BildNr still move on and the list wraps as usual.
    Animation a;
    QFile::remove(QStringLiteral("1.bmp"));
    schreib(QStringLiteral("2.bmp"), "BM kein Bild");
    schreib(QStringLiteral("leer.jpg"), QByteArray());
    schreib(QStringLiteral("film.avi"), QByteArray("RIFF\0\0\0\0AVI LIST", 16));
    a.t.f.AniLi.hinzufügen(QStringLiteral("leer.jpg"));
    a.t.f.AniLi.hinzufügen(QStringLiteral("film.avi"));
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a.schritt(), i == 4 ? kPassEnde : kSchreiten);
        EXPECT_EQ(std::tuple(a.t.f.Titel.text(), a.gezeigt(), a.t.f.Bild.punkt(0, 0)),
                  std::tuple(QStringLiteral("Bild %1").arg(i % 5), kFarben[0], kFarben[0]));
    }
    // Entries removed behind BildNr: the empty name past the end shows nothing and wraps.
    a.t.f.BildNr = 7;
    EXPECT_EQ(a.schritt(), kPassEnde);
    EXPECT_EQ(std::tuple(a.t.f.Titel.text(), a.t.f.BildNr, a.gezeigt()),
              std::tuple(QString("Bild 7"), 0, kFarben[0]));
}
