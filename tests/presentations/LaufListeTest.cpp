// Run lists: editing, the file, playing one presentation after another.
#include "LaufListe.h"
#include "LaufSchritt.h"
#include "Umgebung.h"
#include <set>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
void laufListe(Fenster& f, const QString& name) {
    f.AlleLL.setzeText(name);
    AlleLL_Click(f);
}
} // namespace

TEST(LaufListe, EinfügenUndEntfernenAnDerRichtigenStelle) {
    TestOrdner o;
    Gestartet g;
    ListenFeld& l = g.f.LaufListe;
    // (selected entry, name to insert or nothing to remove, the list afterwards): an entry
    // goes before the selected one, at the end when none is; with none selected the last
    // one is removed. An empty name is inserted as it is.
    const std::tuple<int, const char*, QStringList> schritte[] = {{-1, "A", {"A"}},
                                                                  {-1, "B", {"A", "B"}},
                                                                  {1, "N", {"A", "N", "B"}},
                                                                  {-1, "", {"A", "N", "B", ""}},
                                                                  {-1, nullptr, {"A", "N", "B"}},
                                                                  {0, nullptr, {"N", "B"}}};
    for (const auto& [index, name, danach] : schritte) {
        l.setzeListIndex(index);
        if (name) g.f.AlleLS.setzeText(QString::fromUtf8(name));
        name ? Einfügen_Click(g.f) : Entfernen_Click(g.f);
        EXPECT_EQ(l.einträge(), danach) << index << " " << (name ? name : "(remove)");
    }
    l.leeren();
    Entfernen_Click(g.f); // an empty list: nothing to remove
    EXPECT_EQ(l.anzahl(), 0);
    EXPECT_FALSE(QFile::exists(QStringLiteral("Name der Laufliste.LAL"))); // nothing is saved
}

TEST(LaufListe, ÜbergabeImZählmodus) {
    TestOrdner o;
    Gestartet g;
    // A step that ends a pass every time, like the effects.
    g.f.ablauf.schritt[5] = [](Fenster& w) { w.DurchlaufStatus = kPassEnde; };
    schreib(QStringLiteral("A.LSL"), "AuWa=5\r\nTemp=10\r\nWaZe=20\r\nAniZ=2\r\n");
    schreib(QStringLiteral("B.LSL"), "AuWa=5\r\nTemp=30\r\nWaZe=40\r\nAniZ=1\r\n");
    schreib(QStringLiteral("AB.LAL"), "A\r\nB\r\n");
    laufListe(g.f, QStringLiteral("AB"));
    EXPECT_EQ(g.f.OftLabel.text(), QStringLiteral("1")); // the load made the first step

    using Stand = std::tuple<int, int, int>; // entry, pass state, interval
    std::vector<Stand> folge{{g.f.LaufListe.listIndex(), g.f.DurchlaufStatus, g.f.T.intervall()}};
    for (int i = 0; i < 7; ++i) {
        g.ticks(1);
        folge.emplace_back(g.f.LaufListe.listIndex(), g.f.DurchlaufStatus, g.f.T.intervall());
    }
    // A: pass 1, its wait, pass 2 reaches the count, the final wait; the hand-over loads
    // B with its one pass already done, B's final wait; back to A.
    EXPECT_EQ(folge, (std::vector<Stand>{{0, kPassEnde, 10}, {0, kWarten, 20}, {0, kAnzahlErreicht, 10},
                                         {0, kFertig, 20}, {1, kAnzahlErreicht, 30}, {1, kFertig, 40},
                                         {0, kPassEnde, 10}, {0, kWarten, 20}}));
}

TEST(LaufListe, AlleAbgelaufenLäuftWeiterOhneVerschachtelung) {
    TestOrdner o;
    Gestartet g;
    g.f.jetzt = [] { return QDateTime(QDate(2011, 3, 24), QTime(20, 0)); };
    // Red, green and blue back colours, all ended at 18:00.
    for (const auto& [n, hinten] :
         {std::pair("X", "255"), std::pair("Y", "65280"), std::pair("Z", "16711680")})
        schreib(QString::fromUtf8(n) + ".LSL",
                QByteArray("Text=") + n + "\r\nUhr1=1\r\nUhrT=18:00\r\nTemp=25\r\nHiFa=" + hinten + "\r\n");
    // A module beyond the display's edge: a frame would light its LEDs white.
    g.f.ModulX[5] = 60;
    schreib(QStringLiteral("Alle.LAL"), "X\r\nY\r\nZ\r\n");
    // Every load goes through the selection of an entry. Two loads within one tick would
    // mean that a load handed over from inside itself.
    int ladungen = 0;
    g.f.LaufListe.Click.verbinde([&] { ++ladungen; });

    laufListe(g.f, QStringLiteral("Alle"));
    EXPECT_EQ(std::tuple(ladungen, g.f.DurchlaufStatus, g.f.T.intervall()), std::tuple(1, kFertig, 1));
    for (int i = 1; i <= 30; ++i) {
        const std::size_t gesendet = g.port.schreiben.size();
        g.ticks(1);
        SCOPED_TRACE(i);
        EXPECT_EQ(ladungen, 1 + i) << "one hand-over per tick";
        EXPECT_EQ(g.f.Txt.text(), QStringList({"X", "Y", "Z"})[i % 3]);
        // The first round skips at 1 ms and sends nothing; after a whole round the sign
        // rests dark: every LED off, whatever the back colour of the entry just loaded.
        EXPECT_EQ(std::tuple(g.f.T.intervall(), g.port.schreiben.size() > gesendet),
                  std::tuple(i < 2 ? 1 : kRuhePause, i >= 2));
        if (i >= 2) EXPECT_EQ(ledsNach(g.port, g.port.schreiben.size()), Leds{});
    }
    EXPECT_EQ(g.f.Pic.hintergrund(), RGB(255, 0, 0)); // X's, yet the preview is dark too
    const std::vector<Farbe> pixel = g.pixel();
    EXPECT_EQ(std::set(pixel.begin(), pixel.end()), std::set{RGB(0, 0, 0)});

    // The next morning the end time lies ahead again: the list plays.
    g.f.jetzt = [] { return QDateTime(QDate(2011, 3, 25), QTime(9, 0)); };
    g.ticks(1);
    EXPECT_EQ(std::tuple(g.f.LaufListe.listIndex(), g.f.T.intervall(), g.f.AbgelaufeneLadungen,
                         g.f.DurchlaufStatus != kFertig),
              std::tuple(1, 25, 0, true));
}
