// A picture is decoded at most once while its file stays the same, a crafted header is
// refused before anything is decoded, and a file that is gone gives nothing.
#include "Animation.h"
#include "BildDatei.h"
#include "BildSpeicher.h"
#include "DisplayGroesse.h"
#include "TestHilfen.h"
#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
constexpr Farbe kRot = RGB(255, 0, 0), kGrün = RGB(0, 255, 0), kBlau = RGB(0, 0, 255);

// A valid 8 x 8 JPEG whose frame header then claims `breite` x `höhe` pixels.
QByteArray jpegDerBehauptet(int breite, int höhe) {
    QByteArray jpeg;
    QBuffer puffer(&jpeg);
    puffer.open(QIODevice::WriteOnly);
    einfarbig(8, 8, kRot).save(&puffer, "JPEG");
    // Start of frame: FF C0, length (2), precision (1), height (2), width (2).
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0) return {};
    jpeg[sof + 5] = char(höhe >> 8), jpeg[sof + 6] = char(höhe & 0xff);
    jpeg[sof + 7] = char(breite >> 8), jpeg[sof + 8] = char(breite & 0xff);
    return jpeg;
}

// A window playing an animation of the given pictures while the run list plays.
struct Abspielen {
    TestFenster t;
    explicit Abspielen(const QStringList& bilder) {
        for (const QString& b : bilder) t.f.AniLi.hinzufügen(b);
        t.f.AusWal.wähle(1);
        t.f.Start.setzeWert(1);
    }
    Farbe schritt() {
        AnimationSchritt(t.f);
        return t.f.Pic.punkt(3, 3);
    }
};
} // namespace

TEST(BildSpeicher, EinBehaupteterRiesenkopfWirdNichtDekodiert) {
    TestOrdner ordner;
    BildSpeicherLeeren();
    const QByteArray bombe = jpegDerBehauptet(65500, 65500);
    ASSERT_LT(bombe.size(), 1000);
    schreib("bombe.jpg", bombe);
    ASSERT_EQ(QImageReader("bombe.jpg").size(), QSize(65500, 65500)); // the crafted header is read as such
    // A header within the limit is decoded.
    schreib("gross.jpg", jpegDerBehauptet(100, 100));

    Abspielen a({"bombe.jpg"});
    a.t.f.Pic.setzePunkt(3, 3, kGrün);
    const auto vorher = BildDekodierungen();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(a.schritt(), kGrün); // the display keeps what it showed
    EXPECT_FALSE(BildDateiLesen("bombe.jpg"));
    EXPECT_EQ(BildDekodierungen(), vorher);
    EXPECT_EQ(a.t.f.Titel.text(), "Bild 0");

    BildDateiLesen("gross.jpg");
    EXPECT_EQ(BildDekodierungen(), vorher + 1);
}

TEST(BildSpeicher, EinmalDekodiertSolangeDieDateiGleichBleibt) {
    TestOrdner ordner;
    BildSpeicherLeeren();
    // The 17 pictures of an animation at the largest display size, and one that is no picture.
    QStringList namen;
    for (int i = 0; i < 17; ++i) {
        namen << QString("zug%1.bmp").arg(i);
        ASSERT_TRUE(einfarbig(120, 120, RGB(i * 10, 0, 0)).save(namen.back()));
    }
    schreib("kaputt.bmp", "BM kein Bild");
    Abspielen a(namen + QStringList{"kaputt.bmp"});
    a.t.größe(120, 120);
    const auto vorher = BildDekodierungen();
    for (int runde = 0; runde < 3; ++runde)
        for (int i = 0; i <= 17; ++i) {
            const Farbe gezeigt = a.schritt();
            if (i < 17) {
                ASSERT_EQ(gezeigt, RGB(i * 10, 0, 0)) << runde << " " << i;
            }
        }
    EXPECT_EQ(BildDekodierungen(), vorher + 18);

    // Changed in place, at once (the file times may not even move on): the new picture.
    ASSERT_TRUE(einfarbig(120, 120, kBlau).save(namen[0]));
    a.t.f.BildNr = 0;
    EXPECT_EQ(a.schritt(), kBlau);
    EXPECT_EQ(BildDekodierungen(), vorher + 19);
    // A new size, and a new modification time alone: read again.
    ASSERT_TRUE(einfarbig(60, 60, kGrün).save(namen[1]));
    EXPECT_EQ(a.schritt(), kGrün);
    QFile datei(namen[2]);
    ASSERT_TRUE(datei.open(QIODevice::ReadWrite));
    ASSERT_TRUE(datei.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
    datei.close();
    EXPECT_EQ(a.schritt(), RGB(20, 0, 0));
    EXPECT_EQ(BildDekodierungen(), vorher + 21);
    a.schritt();
    EXPECT_EQ(BildDekodierungen(), vorher + 21); // and kept again
}

TEST(BildSpeicher, KleineUndGroßeBilderDeckenIhrenTeilDesDisplays) {
    // Smaller than the display in both directions, and wider but lower: the picture at
    // the top left, the back colour around it, in every step, also where the step before
    // showed a larger picture or something was drawn.
    TestOrdner ordner;
    for (auto [name, breite, höhe] : {std::tuple{"klein.bmp", 10, 3}, {"breit.bmp", 60, 4}})
        ASSERT_TRUE(einfarbig(breite, höhe, kRot).save(name));
    Abspielen a({"klein.bmp", "breit.bmp"});
    a.t.f.Pic.setzeHintergrund(kBlau);
    a.t.f.Bild.setzeHintergrund(kBlau);
    const struct {
        int breite, höhe;
        bool malen; // something drawn on the display after the step
    } schritte[] = {{10, 3, false}, {42, 4, true}, {10, 3, false}, {42, 4, false}, {10, 3, false}};
    for (const auto& s : schritte) {
        a.schritt();
        for (const Bildfeld* b : {&a.t.f.Pic, &a.t.f.Bild})
            for (int y = 0; y < 7; ++y)
                for (int x = 0; x < 42; ++x)
                    ASSERT_EQ(b->punkt(x, y), x < s.breite && y < s.höhe ? kRot : kBlau) << x << "," << y;
        if (s.malen) a.t.f.Pic.linie(0, 6, 41, 6, kGrün); // gone with the next picture
    }
}

TEST(BildSpeicher, WegOderUnlesbarGibtNichtsAuchWennEsGemerktWar) {
    TestOrdner ordner;
    BildSpeicherLeeren();
    const char* namen[] = {"weg.bmp", "ordner.bmp", "fifo.bmp", "gesperrt.bmp"};
    for (const char* n : namen) ASSERT_TRUE(einfarbig(4, 4, kRot).save(n, "BMP"));
    for (const char* n : namen) ASSERT_TRUE(BildHolen(n)) << n;

    ASSERT_TRUE(QFile::remove("weg.bmp"));
    ASSERT_TRUE(QFile::remove("ordner.bmp") && QDir().mkdir("ordner.bmp"));
    ASSERT_TRUE(QFile::remove("fifo.bmp"));
    ASSERT_EQ(::mkfifo("fifo.bmp", 0600), 0); // read, it would block for good
    ASSERT_EQ(::chmod("gesperrt.bmp", 0), 0);
    for (const char* n : namen) {
        if (std::string(n) == "gesperrt.bmp" && ::geteuid() == 0) continue; // root reads it anyway
        EXPECT_FALSE(BildHolen(n)) << n;
    }
    // Through the animation: the display keeps what it showed.
    Abspielen a({"weg.bmp", "fifo.bmp"});
    a.t.f.Pic.setzePunkt(3, 3, kGrün);
    EXPECT_EQ(a.schritt(), kGrün);
    EXPECT_EQ(a.schritt(), kGrün);
    // Back again, it shows again.
    ASSERT_TRUE(einfarbig(4, 4, kBlau).save("weg.bmp", "BMP"));
    a.t.f.BildNr = 0;
    EXPECT_EQ(a.schritt(), kBlau);
}

TEST(BildSpeicher, BegrenztInBildernUndBytes) {
    TestOrdner ordner;
    BildSpeicherLeeren();
    // More pictures than kept: the first one is decoded again.
    for (std::size_t i = 0; i <= kBildSpeicherEinträge; ++i) {
        const QString name = QString("b%1.bmp").arg(i);
        ASSERT_TRUE(einfarbig(2, 2, kRot).save(name));
        ASSERT_TRUE(BildHolen(name));
    }
    auto vorher = BildDekodierungen();
    BildHolen(QString("b%1.bmp").arg(kBildSpeicherEinträge));
    EXPECT_EQ(BildDekodierungen(), vorher);
    BildHolen("b0.bmp");
    EXPECT_EQ(BildDekodierungen(), vorher + 1);

    // Large pictures: together more bytes than kept, so the oldest goes (each keeps
    // its corner of the largest display size).
    const int seite = kGrößteDisplaySeite;
    const int anzahl = int(kBildSpeicherBytes / (4LL * seite * seite)) + 1;
    for (int i = 0; i < anzahl; ++i) {
        const QString n = QString("g%1.jpg").arg(i);
        ASSERT_TRUE(einfarbig(seite, seite, kRot).save(n));
        ASSERT_TRUE(BildHolen(n));
    }
    vorher = BildDekodierungen();
    ASSERT_TRUE(BildHolen(QString("g%1.jpg").arg(anzahl - 1)));
    EXPECT_EQ(BildDekodierungen(), vorher);
    ASSERT_TRUE(BildHolen("g0.jpg"));
    EXPECT_EQ(BildDekodierungen(), vorher + 1);
}
