// A picture is decoded at most once while its file stays the same, a crafted header is
// refused before anything is decoded, and a file that is gone gives nothing.
#include "BildSpeicher.h"
#include "Animation.h"
#include "BildDatei.h"
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

// A valid 8 x 8 JPEG whose frame header (FF C0, length, precision, height, width) then
// claims `seite` x `seite` pixels.
QByteArray jpegDerBehauptet(int seite) {
    QByteArray jpeg;
    QBuffer puffer(&jpeg);
    puffer.open(QIODevice::WriteOnly);
    einfarbig(8, 8, kRot).save(&puffer, "JPEG");
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    for (int i : {5, 7}) jpeg[sof + i] = char(seite >> 8), jpeg[sof + i + 1] = char(seite & 0xff);
    return jpeg;
}

// A window playing an animation of the given pictures while the run list plays; the
// picture cache starts empty.
struct Abspielen {
    TestFenster t;
    explicit Abspielen(const QStringList& bilder) {
        BildSpeicherLeeren();
        t.f.AniLi.setzeEinträge(bilder);
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
    schreib("bombe.jpg", jpegDerBehauptet(65500));
    ASSERT_EQ(QImageReader("bombe.jpg").size(), QSize(65500, 65500)); // the crafted header is read as such
    schreib("gross.jpg", jpegDerBehauptet(100));                      // within the limit: decoded
    Abspielen a({"bombe.jpg"});
    a.t.f.Pic.setzePunkt(3, 3, kGrün);
    const auto vorher = BildDekodierungen();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(a.schritt(), kGrün); // the display keeps what it showed
    EXPECT_FALSE(BildDateiLesen("bombe.jpg"));
    EXPECT_EQ(BildDekodierungen(), vorher);
    BildDateiLesen("gross.jpg");
    EXPECT_EQ(BildDekodierungen(), vorher + 1);
}

TEST(BildSpeicher, EinmalDekodiertSolangeDieDateiGleichBleibt) {
    TestOrdner ordner;
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
            if (i < 17) ASSERT_EQ(gezeigt, RGB(i * 10, 0, 0)) << runde << " " << i;
        }
    EXPECT_EQ(BildDekodierungen(), vorher + 18);

    // Changed in place at once (the file times may not even move on), given a new size,
    // or only a new modification time: read again, then kept again.
    ASSERT_TRUE(einfarbig(120, 120, kBlau).save(namen[0]));
    a.t.f.BildNr = 0;
    EXPECT_EQ(a.schritt(), kBlau);
    ASSERT_TRUE(einfarbig(60, 60, kGrün).save(namen[1]));
    EXPECT_EQ(a.schritt(), kGrün);
    QFile datei(namen[2]);
    ASSERT_TRUE(
        datei.open(QIODevice::ReadWrite) &&
        datei.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
    datei.close();
    EXPECT_EQ(a.schritt(), RGB(20, 0, 0));
    a.t.f.BildNr = 2;
    a.schritt();
    EXPECT_EQ(BildDekodierungen(), vorher + 21);
}

TEST(BildSpeicher, WegOderUnlesbarGibtNichtsAuchWennEsGemerktWar) {
    TestOrdner ordner;
    const char* namen[] = {"weg.bmp", "ordner.bmp", "fifo.bmp", "gesperrt.bmp"};
    for (const char* n : namen) ASSERT_TRUE(einfarbig(4, 4, kRot).save(n, "BMP"));
    Abspielen a({"weg.bmp", "fifo.bmp"});
    for (const char* n : namen) ASSERT_TRUE(BildHolen(n)) << n;
    ASSERT_TRUE(QFile::remove("weg.bmp") && QFile::remove("ordner.bmp") && QDir().mkdir("ordner.bmp"));
    ASSERT_TRUE(QFile::remove("fifo.bmp") &&
                ::mkfifo("fifo.bmp", 0600) == 0); // read, it would block for good
    ASSERT_EQ(::chmod("gesperrt.bmp", 0), 0);
    for (const char* n : namen)
        if (std::string(n) != "gesperrt.bmp" || ::geteuid() != 0)
            EXPECT_FALSE(BildHolen(n)) << n; // root reads it
    // Through the animation the display keeps what it showed; back again, it shows again.
    a.t.f.Pic.setzePunkt(3, 3, kGrün);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(a.schritt(), kGrün);
    ASSERT_TRUE(einfarbig(4, 4, kBlau).save("weg.bmp", "BMP"));
    a.t.f.BildNr = 0;
    EXPECT_EQ(a.schritt(), kBlau);
}

TEST(BildSpeicher, BegrenztInBildernUndBytes) {
    TestOrdner ordner;
    BildSpeicherLeeren();
    // More small pictures than kept, then large ones together over the byte limit (each
    // keeps its corner of the largest display size): the newest is kept, the first goes.
    const int seite = kGrößteDisplaySeite;
    const struct {
        const char* muster;
        int anzahl, seite;
    } fälle[] = {{"b%1.bmp", int(kBildSpeicherEinträge) + 1, 2},
                 {"g%1.jpg", int(kBildSpeicherBytes / (4LL * seite * seite)) + 1, seite}};
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.muster);
        for (int i = 0; i < fall.anzahl; ++i) {
            ASSERT_TRUE(einfarbig(fall.seite, fall.seite, kRot).save(QString(fall.muster).arg(i)));
            ASSERT_TRUE(BildHolen(QString(fall.muster).arg(i)));
        }
        const auto vorher = BildDekodierungen();
        ASSERT_TRUE(BildHolen(QString(fall.muster).arg(fall.anzahl - 1)));
        EXPECT_EQ(BildDekodierungen(), vorher);
        ASSERT_TRUE(BildHolen(QString(fall.muster).arg(0)));
        EXPECT_EQ(BildDekodierungen(), vorher + 1);
    }
}
