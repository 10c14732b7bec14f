#include "AufnahmePort.h"
#include "Fenster.h"
#include "Programm.h"
#include "Start.h"
#include "TestHilfen.h"
#include "Textdatei.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace glanzzug;

using test::TestOrdner;

TEST(Start, SchritteInDerRichtigenReihenfolge) {
    TestOrdner o;
    Fenster f;
    AufnahmePort port;
    f.port = &port;
    EngineEinrichten(f);
    std::vector<std::string> folge;
    auto merke = [&](const char* name) { return [&folge, name](Fenster&) { folge.push_back(name); }; };
    f.ablauf.fensterZeigen = merke("zeigen");
    f.ablauf.editorVorbereiten = merke("editor");
    f.ablauf.dateiListenAktualisieren = merke("listen");
    f.ablauf.laufListeLaden = [&](Fenster& w) {
        folge.push_back("laufliste:" + w.AlleLL.text().toStdString());
        w.LaufListe.hinzufügen(QStringLiteral("A"));
        w.LaufListe.hinzufügen(QStringLiteral("B"));
    };
    f.ablauf.displayGrößeSetzen = [&](Fenster& w) {
        folge.push_back("größe");
        EXPECT_EQ(w.DisplayBreite, 120); // still the design size of Pic
    };
    f.ablauf.matrixAnordnungLaden = merke("anordnung");
    ASSERT_TRUE(schreibeZeilenAtomar(QStringLiteral("Letzte Lauf-Liste"), {"Abend", "Morgen"}));
    Form_Load(f);
    // The arrangement before the run list, whose first presentation plays at once.
    EXPECT_EQ(folge, (std::vector<std::string>{"zeigen", "editor", "listen", "größe", "anordnung", "laufliste:Abend"}));
    EXPECT_EQ(f.LaufListe.listIndex(), 0);
    EXPECT_EQ(f.SchriftGröße, 120); // no presentation set it: the display height
    EXPECT_TRUE(port.schreiben.empty()); // nothing was loaded, so no step was made
}

TEST(Start, ErsterStartImLeerenOrdner) {
    TestOrdner o;
    test::FrischGestartet g;
    Fenster& f = g.f;
    EXPECT_EQ(f.LaufListe.anzahl(), 0);
    EXPECT_EQ(std::tuple(f.DisplayBreite, f.DisplayHöhe, f.SchriftGröße), std::tuple(42.0, 7, 7.0));
    EXPECT_FALSE(f.T.an()); // no layout file: the timer stays stopped
    g.beenden();
    EXPECT_EQ(leseZeilen(QStringLiteral("Letzte Lauf-Liste")), QStringList{"Name der Laufliste"});
}

TEST(Start, HerunterfahrenSpeichertZuerstUndSchaltetDannDunkel) {
    TestOrdner o;
    Fenster f;
    // Checks at the first byte on the wire that both files are already written.
    struct PrüfPort final : Port {
        bool geprüft = false, listeDa = false, letzteDa = false;
        int bytes = 0;
        void ausgeben(std::uint16_t, std::uint8_t) override {
            if (!geprüft) {
                geprüft = true;
                listeDa = QFile::exists(QStringLiteral("gespeichert"));
                letzteDa = QFile::exists(QStringLiteral("Letzte Lauf-Liste"));
            }
            ++bytes;
        }
    } port;
    f.port = &port;
    Verdrahten(f);
    Form_Load(f);
    f.ablauf.laufListeSchreiben = [](Fenster&) { schreibeZeilenAtomar(QStringLiteral("gespeichert"), {}); };
    f.AlleLL.setzeText(QString());
    Form_Unload(f);
    EXPECT_TRUE(port.listeDa);
    EXPECT_TRUE(port.letzteDa);
    EXPECT_EQ(port.bytes, 1764 * 2 + 2);
    EXPECT_FALSE(f.T.an()); // no tick can send a frame after the blanking
    EXPECT_EQ(leseZeilen(QStringLiteral("Letzte Lauf-Liste")), QStringList{""}); // an empty line
}
