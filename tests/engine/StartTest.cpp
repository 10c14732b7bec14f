#include "TestHilfen.h"
#include "Textdatei.h"
#include <gtest/gtest.h>

using namespace glanzzug;

using test::TestOrdner;

TEST(Start, ErsterStartImLeerenOrdner) {
    TestOrdner o;
    test::FrischGestartet g;
    EXPECT_EQ(g.f.LaufListe.anzahl(), 0);
    EXPECT_EQ(std::tuple(g.f.DisplayBreite, g.f.DisplayHöhe, g.f.SchriftGröße), std::tuple(42.0, 7, 7.0));
    EXPECT_FALSE(g.f.T.an()); // no layout file: the timer stays stopped
    g.beenden();
    EXPECT_EQ(leseZeilen(QStringLiteral("Letzte Lauf-Liste")), QStringList{"Name der Laufliste"});
}

TEST(Start, HerunterfahrenSpeichertZuerstUndSchaltetDannDunkel) {
    TestOrdner o;
    Fenster f;
    // Looks at the first byte on the wire whether both files are already written.
    struct PrüfPort final : Port {
        std::vector<bool> dateienDa;
        int bytes = 0;
        void ausgeben(std::uint16_t, std::uint8_t) override {
            if (bytes++ == 0) dateienDa = {QFile::exists("gespeichert"), QFile::exists("Letzte Lauf-Liste")};
        }
    } port;
    f.port = &port;
    Verdrahten(f);
    Form_Load(f);
    f.ablauf.laufListeSchreiben = [](Fenster&) { schreibeZeilenAtomar(QStringLiteral("gespeichert"), {}); };
    f.AlleLL.setzeText(QString());
    Form_Unload(f);
    EXPECT_EQ(port.dateienDa, std::vector<bool>({true, true}));
    EXPECT_EQ(port.bytes, 1764 * 2 + 2);
    EXPECT_FALSE(f.T.an()); // no tick can send a frame after the blanking
    EXPECT_EQ(leseZeilen(QStringLiteral("Letzte Lauf-Liste")), QStringList{""}); // an empty line
}
