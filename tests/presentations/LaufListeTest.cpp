// Run lists: editing, the file, loading, playing one presentation after another.
#include "LaufListe.h"
#include "DarstellungLaden.h"
#include "LaufSchritt.h"
#include "NamenListen.h"
#include "Umgebung.h"

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
struct Gestartet : Fensterchen {
    Gestartet() { Form_Load(f); }
    // Picks the run list by its name as a person would.
    void laufListe(const QString& name) {
        f.AlleLL.setzeText(name);
        AlleLL_Click(f);
    }
    void tick() { f.T.ablaufen(); }
};
} // namespace

TEST(LaufListe, EinfügenUndEntfernenAnDerRichtigenStelle) {
    ImOrdner o;
    Gestartet g;
    ListenFeld& l = g.f.LaufListe;
    for (const char* n : {"A", "B", "C"}) {
        g.f.AlleLS.setzeText(QString::fromUtf8(n));
        Einfügen_Click(g.f); // nothing selected: at the end
    }
    EXPECT_EQ(l.einträge(), (QStringList{"A", "B", "C"}));

    l.setzeListIndex(2);
    g.f.AlleLS.setzeText(QStringLiteral("N"));
    Einfügen_Click(g.f);
    EXPECT_EQ(l.einträge(), (QStringList{"A", "B", "N", "C"}));
    g.f.AlleLS.setzeText(QString());
    l.setzeListIndex(-1);
    Einfügen_Click(g.f); // an empty name is inserted as it is
    EXPECT_EQ(l.einträge(), (QStringList{"A", "B", "N", "C", ""}));

    Entfernen_Click(g.f); // nothing selected: the last entry
    EXPECT_EQ(l.einträge(), (QStringList{"A", "B", "N", "C"}));
    l.setzeListIndex(1);
    Entfernen_Click(g.f);
    EXPECT_EQ(l.einträge(), (QStringList{"A", "N", "C"}));
    l.leeren();
    Entfernen_Click(g.f);
    EXPECT_EQ(l.anzahl(), 0);
    EXPECT_FALSE(QFile::exists(QStringLiteral("Name der Laufliste.LAL"))); // nothing is saved
}

TEST(LaufListe, DateiHinUndZurück) {
    ImOrdner o;
    Gestartet g;
    g.f.LaufListe.setzeEinträge({"A", "Grüße", "C"});
    g.f.AlleLL.setzeText(QStringLiteral("Woche"));
    LaufListeSpeichern_Click(g.f);
    EXPECT_EQ(lies(QStringLiteral("Woche.LAL")), QByteArray("A\r\nGr\xFC\xDF"
                                                            "e\r\nC\r\n"));
    EXPECT_EQ(g.f.AlleLL.liste(), QStringList{"Woche"});
    EXPECT_TRUE(g.f.T.an());

    g.f.LaufListe.leeren();
    g.f.AlleLL.setzeText(QStringLiteral("Leer"));
    LaufListeSchreiben(g.f);
    EXPECT_TRUE(QFile::exists(QStringLiteral("Leer.LAL")));
    EXPECT_EQ(lies(QStringLiteral("Leer.LAL")), QByteArray());

    // An empty line is an entry; LF alone ends a line; a last line without an end counts.
    schreib(QStringLiteral("Hand.LAL"), "A\r\n\r\nB\r\n");
    schreib(QStringLiteral("Linux.LAL"), "A\nB\n\nC");
    g.f.Start.setzeWert(0);
    g.laufListe(QStringLiteral("Hand"));
    EXPECT_EQ(g.f.LaufListe.einträge(), (QStringList{"A", "", "B"}));
    g.laufListe(QStringLiteral("Linux"));
    EXPECT_EQ(g.f.LaufListe.einträge(), (QStringList{"A", "B", "", "C"}));
    g.f.AlleLL.setzeText(QStringLiteral("Kopie"));
    LaufListeSchreiben(g.f);
    EXPECT_EQ(lies(QStringLiteral("Kopie.LAL")), QByteArray("A\r\nB\r\n\r\nC\r\n"));

    // An empty name changes nothing; a missing file gives an empty list.
    g.f.AlleLL.setzeText(QString());
    LaufListeLaden(g.f);
    EXPECT_EQ(g.f.LaufListe.anzahl(), 4);
    LaufListeSchreiben(g.f);
    EXPECT_FALSE(QFile::exists(QStringLiteral(".LAL")));
    g.laufListe(QStringLiteral("fehlt"));
    EXPECT_EQ(g.f.LaufListe.anzahl(), 0);
}

TEST(LaufListe, LadenWähltDenErstenUndLädtIhnOhneStartZuÄndern) {
    ImOrdner o;
    Gestartet g;
    schreibZeilen(QStringLiteral("Erste.LSL"), {"Text=erste"});
    schreibZeilen(QStringLiteral("Zweite.LSL"), {"Text=zweite"});
    schreibZeilen(QStringLiteral("Tag.lal"), {"Erste", "Zweite"});
    DateiListenAktualisieren(g.f);
    g.f.Start.setzeWert(0);
    g.f.AlleLL.wähle(0);
    EXPECT_EQ(g.f.LaufListe.listIndex(), 0);
    EXPECT_EQ(g.f.AlleLS.text(), QStringLiteral("Erste"));
    EXPECT_EQ(g.f.Txt.text(), QStringLiteral("erste"));
    EXPECT_EQ(g.f.Start.wert(), 0);

    // Clicking an entry loads it and leaves Start as it is.
    g.f.Start.setzeWert(1);
    g.f.LaufListe.setzeListIndex(1);
    EXPECT_EQ(g.f.AlleLS.text(), QStringLiteral("Zweite"));
    EXPECT_EQ(g.f.Txt.text(), QStringLiteral("zweite"));
    EXPECT_EQ(g.f.Start.wert(), 1);
}

TEST(LaufListe, ÜbergabeImZählmodus) {
    ImOrdner o;
    Gestartet g;
    // A step that ends a pass every time, like the effects.
    g.f.ablauf.schritt[5] = [](Fenster& w) { w.DurchlaufStatus = kPassEnde; };
    schreibZeilen(QStringLiteral("A.LSL"), {"AuWa=5", "Temp=10", "WaZe=20", "AniZ=2"});
    schreibZeilen(QStringLiteral("B.LSL"), {"AuWa=5", "Temp=30", "WaZe=40", "AniZ=1"});
    schreibZeilen(QStringLiteral("AB.LAL"), {"A", "B"});
    g.laufListe(QStringLiteral("AB"));
    // The load made the first step: pass 1 of 2 is over.
    EXPECT_EQ(g.f.LaufListe.listIndex(), 0);
    EXPECT_EQ(g.f.DurchlaufStatus, kPassEnde);
    EXPECT_EQ(g.f.OftLabel.text(), QStringLiteral("1"));

    struct Stand {
        int eintrag, status, intervall;
        bool operator==(const Stand&) const = default;
    };
    std::vector<Stand> folge;
    for (int i = 0; i < 7; ++i) {
        g.tick();
        folge.push_back({g.f.LaufListe.listIndex(), g.f.DurchlaufStatus, g.f.T.intervall()});
    }
    const std::vector<Stand> erwartet{
        {0, kWarten, 20},         // wait after pass 1
        {0, kAnzahlErreicht, 10}, // pass 2 drawn: count reached
        {0, kFertig, 20},         // final wait
        {1, kAnzahlErreicht, 30}, // hand-over: B loaded, its one pass already done
        {1, kFertig, 40},         // final wait of B
        {0, kPassEnde, 10},       // back to A
        {0, kWarten, 20},
    };
    ASSERT_EQ(folge.size(), erwartet.size());
    for (std::size_t i = 0; i < folge.size(); ++i) {
        EXPECT_EQ(folge[i].eintrag, erwartet[i].eintrag) << "tick " << i + 1;
        EXPECT_EQ(folge[i].status, erwartet[i].status) << "tick " << i + 1;
        EXPECT_EQ(folge[i].intervall, erwartet[i].intervall) << "tick " << i + 1;
    }
}

TEST(LaufListe, AlleAbgelaufenLäuftWeiterOhneVerschachtelung) {
    ImOrdner o;
    Gestartet g;
    g.f.jetzt = [] { return QDateTime(QDate(2011, 3, 24), QTime(20, 0)); };
    for (const char* n : {"X", "Y", "Z"})
        schreibZeilen(QString::fromUtf8(n) + ".LSL",
                      {QStringLiteral("Text=") + n, "Uhr1=1", "UhrT=18:00", "Temp=25", "HiFa=255"});
    schreibZeilen(QStringLiteral("Alle.LAL"), {"X", "Y", "Z"});
    schreibZeilen(QStringLiteral("Eine.LAL"), {"X"});
    // Every load goes through the selection of an entry. Two loads within one tick would
    // mean that a load handed over from inside itself.
    int ladungen = 0;
    g.f.LaufListe.Click.verbinde([&] { ++ladungen; });

    g.laufListe(QStringLiteral("Alle"));
    EXPECT_EQ(ladungen, 1);
    EXPECT_EQ(g.f.DurchlaufStatus, kFertig);
    EXPECT_EQ(g.f.T.intervall(), 1);
    for (int i = 1; i <= 30; ++i) {
        const std::size_t gesendet = g.port.schreiben.size();
        g.tick();
        EXPECT_EQ(ladungen, 1 + i) << "one hand-over per tick";
        EXPECT_EQ(g.f.LaufListe.listIndex(), i % 3);
        EXPECT_EQ(g.f.Txt.text(), QStringList({"X", "Y", "Z"})[i % 3]);
        EXPECT_TRUE(g.f.T.an());
        // The first round skips at 1 ms; after a whole round the sign rests, dark.
        EXPECT_EQ(g.f.T.intervall(), i < 2 ? 1 : kRuhePause) << "tick " << i;
        EXPECT_EQ(g.port.schreiben.size() - gesendet, i < 2 ? 0u : 590u) << "tick " << i;
    }
    EXPECT_EQ(g.f.Pic.punkt(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(g.f.Pic.hintergrundBild().isNull(), true);

    // The next morning the end time lies ahead again: the list plays.
    g.f.jetzt = [] { return QDateTime(QDate(2011, 3, 25), QTime(9, 0)); };
    g.tick();
    EXPECT_EQ(g.f.LaufListe.listIndex(), 1);
    EXPECT_NE(g.f.DurchlaufStatus, kFertig);
    EXPECT_EQ(g.f.T.intervall(), 25);
    EXPECT_EQ(g.f.AbgelaufeneLadungen, 0);

    // A run list of one expired entry rests at once and reloads it once per tick.
    g.f.jetzt = [] { return QDateTime(QDate(2011, 3, 25), QTime(19, 0)); };
    g.laufListe(QStringLiteral("Eine"));
    EXPECT_EQ(g.f.T.intervall(), kRuhePause);
    ladungen = 0;
    for (int i = 0; i < 5; ++i) g.tick();
    EXPECT_EQ(ladungen, 5);
    EXPECT_EQ(g.f.LaufListe.listIndex(), 0);
    EXPECT_EQ(g.f.DurchlaufStatus, kFertig);
}

TEST(LaufListe, LöschenNachRückfrage) {
    ImOrdner o;
    Gestartet g;
    schreibZeilen(QStringLiteral("Abend.LAL"), {"A"});
    schreibZeilen(QStringLiteral("Morgen.LAL"), {"M"});
    DateiListenAktualisieren(g.f);
    g.f.Start.setzeWert(0);
    g.f.AlleLL.wähle(0);
    ASSERT_EQ(g.f.LaufListe.einträge(), QStringList{"A"});

    g.dialoge.antworten = {false, true};
    LLlöschen_Click(g.f);
    EXPECT_TRUE(QFile::exists(QStringLiteral("Abend.LAL")));
    LLlöschen_Click(g.f);
    EXPECT_EQ(g.dialoge.fragen,
              (QStringList{"Wollen Sie (Abend) löschen ?", "Wollen Sie (Abend) löschen ?"}));
    EXPECT_EQ(g.dialoge.titel.value(1), QStringLiteral("Lauf-Liste"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Abend.LAL")));
    EXPECT_EQ(g.f.AlleLL.liste(), QStringList{"Morgen"});
    // The list box and the name stay; saving would write the file again.
    EXPECT_EQ(g.f.LaufListe.einträge(), QStringList{"A"});
    EXPECT_EQ(g.f.AlleLL.text(), QStringLiteral("Abend"));

    g.f.AlleLL.setzeText(QStringLiteral("Morgen2")); // typed, in no list
    LLlöschen_Click(g.f);
    EXPECT_EQ(g.dialoge.fragen.size(), 2);
    EXPECT_TRUE(QFile::exists(QStringLiteral("Morgen.LAL")));
}
