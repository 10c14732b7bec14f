// The remembered run list: restored at start-up, saved at shut-down.
#include "Anordnung.h"
#include "LaufListe.h"
#include "LaufSchritt.h"
#include "ModuleAusgeben.h"
#include "Umgebung.h"

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
const QString kLetzte = QStringLiteral("Letzte Lauf-Liste");

// One run of the program: start-up, optional work, shut-down.
struct Lauf : Gestartet {
    ~Lauf() { Form_Unload(f); }
};

// The demo's layout file (the standard strip), so that start-up ends with the timer running.
void anordnung() {
    ASSERT_TRUE(QFile::copy(QStringLiteral(GLANZZUG_DEMO "/LED-Modul-Anordnung.txt"), kAnordnungsDatei));
}

// The presentation P of the given lines as the one entry of the remembered run list R.
void alsLetzteLaufListe(const QByteArray& darstellung) {
    schreib(QStringLiteral("P.LSL"), darstellung);
    schreib(QStringLiteral("R.LAL"), "P\r\n");
    schreib(kLetzte, "R\r\n");
}

} // namespace

TEST(LetzteLaufListe, StartSpieltDenErstenEintrag) {
    TestOrdner o;
    schreib(QStringLiteral("Eins.LSL"), "Text=eins\r\nTemp=80\r\n");
    schreib(QStringLiteral("Laden.LAL"), "Eins\nZwei\n"); // edited by hand: LF alone
    schreib(kLetzte, "Laden\nAndere\r\n");                // only the first line counts
    anordnung();
    Lauf l;
    EXPECT_EQ(QStringList({l.f.AlleLL.text(), l.f.AlleLS.text(), l.f.Txt.text()}) + l.f.LaufListe.einträge(),
              (QStringList{"Laden", "Eins", "eins", "Eins", "Zwei"}));
    EXPECT_EQ(std::tuple(l.f.LaufListe.listIndex(), l.f.Start.wert(), l.f.T.intervall()),
              std::tuple(0, 1, 80));
    EXPECT_FALSE(l.port.schreiben.empty()); // the first frame went out during start-up
}

// An edit is saved under the list's name and, once renamed, under the new name, which
// is remembered; an empty name saves nothing and is remembered as an empty line.
TEST(LetzteLaufListe, ÄnderungenÜberlebenDenNeustart) {
    TestOrdner o;
    schreib(QStringLiteral("A.LSL"), "Text=a\r\n");
    schreib(QStringLiteral("Woche.LAL"), "A\r\n");
    schreib(kLetzte, "Woche\r\n");
    const char* namen[] = {"Woche", "Neu", ""}; // the name set in each run
    for (int i = 0; i < 3; ++i) {
        Lauf l;
        EXPECT_EQ(l.f.AlleLL.text(), QString::fromUtf8(namen[std::max(0, i - 1)]));
        if (i == 0) {
            l.f.AlleLS.setzeText(QStringLiteral("Grüß"));
            l.f.LaufListe.setzeListIndex(-1);
            Einfügen_Click(l.f);
        }
        EXPECT_EQ(l.f.LaufListe.einträge(), (QStringList{"A", "Grüß"})) << i;
        l.f.AlleLL.setzeText(QString::fromUtf8(namen[i]));
    }
    for (const char* datei : {"Woche.LAL", "Neu.LAL"})
        EXPECT_EQ(lies(datei), QByteArray("A\r\nGr\xFC\xDF\r\n")) << datei;
    EXPECT_EQ(lies(kLetzte), QByteArray("\r\n"));
    EXPECT_EQ(QDir().entryList(QDir::Files), (QStringList{"A.LSL", kLetzte, "Neu.LAL", "Woche.LAL"}));
    Lauf l;
    EXPECT_EQ(QStringList({l.f.AlleLL.text(), l.f.Txt.text()}), (QStringList{"", "LAUFTEXT"}));
    EXPECT_EQ(l.f.LaufListe.anzahl(), 0);
}

// Start-up applies the display size and the module arrangement before it plays the first
// frame.
TEST(LetzteLaufListe, DasErsteBildZeigtJedesModulSeinFenster) {
    TestOrdner o;
    // Two rows of three modules (a 21 x 14 display) and a picture with one colour per
    // module window: red, green, yellow, blue, magenta, cyan.
    QByteArray datei;
    for (int m = 0; m < 6; ++m) datei += "Sichtbar\r\n " + QByteArray::number(7 * (m % 3)) + "\r\n " +
                                         QByteArray::number(7 * (m / 3)) + "\r\n";
    schreib(kAnordnungsDatei, datei + " 21\r\n 14\r\n");
    QImage bild(21, 14, QImage::Format_RGB32);
    const auto tabelle = FarbtabelleBauen();
    for (int m = 0; m < 6; ++m)
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x) bild.setPixel(7 * (m % 3) + x, 7 * (m / 3) + y, alsPixel(tabelle[m + 1]));
    ASSERT_TRUE(bild.save(QStringLiteral("bunt.bmp")));
    alsLetzteLaufListe("AuWa=1\r\nAniB=bunt.bmp/\r\nTemp=1000\r\n");
    FrischGestartet l;
    EXPECT_EQ(std::pair(l.f.DisplayBreite, l.f.DisplayHöhe), std::pair(21.0, 14));
    ASSERT_EQ(l.port.schreiben.size(), std::size_t(kFrameBytes)); // one frame, during start-up
    Leds soll;
    for (int m = 0; m < 6; ++m)
        for (auto& spalte : soll[m]) spalte.fill(ledBits(tabelle[m + 1]));
    EXPECT_EQ(ledsNach(l.port, kFrameBytes), soll);
}

TEST(LetzteLaufListe, DerErsteDurchlaufSpieltWieJederSpätere) {
    // Presentations that set no font size, so the display height gives it.
    // "<": the first pass shows the same frames as the second, from the first position on.
    // "Zufall" with "zurück": the letters fly in from the display's own distance, so the
    // first pass is not dark (the directions are random, so only that is compared).
    for (const char* lari : {"4", "96"}) {
        TestOrdner o;
        anordnung();
        alsLetzteLaufListe(QByteArray("Text=HALLO\r\nLaRi=") + lari + "\r\nTemp=10\r\n");
        FrischGestartet l;
        // One pass per presentation: it ends at the count, then the run list loads it again.
        std::vector<std::size_t> passEnden;
        for (int tick = 0; tick < 2000 && passEnden.size() < 2; ++tick) {
            l.ticks(1);
            if (l.f.DurchlaufStatus == kAnzahlErreicht)
                passEnden.push_back(l.port.werte().size() / kFrameBytes);
        }
        SCOPED_TRACE(lari);
        ASSERT_EQ(passEnden.size(), 2u);
        const std::vector<std::uint8_t> alle = l.port.werte();
        const std::size_t länge = passEnden[0];
        ASSERT_EQ(passEnden[1], 2 * länge);
        const auto leuchtet = [&l](std::size_t frame) {
            return ledsNach(l.port, (frame + 1) * kFrameBytes, frame * kFrameBytes) != Leds{};
        };
        std::size_t hell[2] = {0, 0};
        for (std::size_t i = 0; i < 2 * länge; ++i) hell[i / länge] += leuchtet(i);
        EXPECT_TRUE(hell[0] > 0 && hell[1] > 0);
        if (std::string_view(lari) == "4") {
            const auto mitte = alle.begin() + std::ptrdiff_t(länge * kFrameBytes);
            EXPECT_TRUE(std::equal(alle.begin(), mitte, mitte)); // the same frames, pass by pass
            EXPECT_TRUE(leuchtet(0)); // the first column of the H at the right edge
        }
    }
}
