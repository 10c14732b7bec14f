// The remembered run list: restored at start-up, saved at shut-down.
#include "Anordnung.h"
#include "LaufListe.h"
#include "LaufSchritt.h"
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
} // namespace

TEST(LetzteLaufListe, StartSpieltDenErstenEintrag) {
    TestOrdner o;
    schreib(QStringLiteral("Eins.LSL"), "Text=eins\r\nTemp=80\r\n");
    schreib(QStringLiteral("Laden.LAL"), "Eins\nZwei\n"); // edited by hand: LF alone
    schreib(kLetzte, "Laden\nAndere\r\n");                // only the first line counts
    anordnung();
    Lauf l;
    EXPECT_EQ(QStringList({l.f.AlleLL.text(), l.f.AlleLS.text(), l.f.Txt.text()}),
              (QStringList{"Laden", "Eins", "eins"}));
    EXPECT_EQ(l.f.LaufListe.einträge(), (QStringList{"Eins", "Zwei"}));
    EXPECT_EQ(std::tuple(l.f.LaufListe.listIndex(), l.f.Start.wert(), l.f.T.an(), l.f.T.intervall()),
              std::tuple(0, 1, true, 80));
    EXPECT_FALSE(l.port.schreiben.empty()); // the first frame went out during start-up
}

TEST(LetzteLaufListe, ÄnderungenÜberlebenDenNeustart) {
    TestOrdner o;
    schreib(QStringLiteral("A.LSL"), "Text=a\r\n");
    schreib(QStringLiteral("Woche.LAL"), "A\r\n");
    schreib(kLetzte, "Woche\r\n");
    {
        Lauf l;
        l.f.AlleLS.setzeText(QStringLiteral("B"));
        l.f.LaufListe.setzeListIndex(-1);
        Einfügen_Click(l.f);
    }
    EXPECT_EQ(lies(QStringLiteral("Woche.LAL")), QByteArray("A\r\nB\r\n"));
    EXPECT_EQ(lies(kLetzte), QByteArray("Woche\r\n"));
    {
        Lauf l;
        EXPECT_EQ(l.f.LaufListe.einträge(), (QStringList{"A", "B"}));
        l.f.AlleLL.setzeText(QStringLiteral("Neu")); // a new name: saved under it and remembered
    }
    EXPECT_EQ(lies(QStringLiteral("Neu.LAL")), QByteArray("A\r\nB\r\n"));
    EXPECT_EQ(lies(kLetzte), QByteArray("Neu\r\n"));
    {
        Lauf l;
        EXPECT_EQ(l.f.AlleLL.text(), QStringLiteral("Neu"));
        EXPECT_EQ(l.f.Txt.text(), QStringLiteral("a"));
        l.f.AlleLL.setzeText(QString()); // an empty name: nothing saved, an empty line remembered
    }
    EXPECT_EQ(lies(kLetzte), QByteArray("\r\n"));
    EXPECT_EQ(QDir().entryList(QDir::Files), (QStringList{"A.LSL", kLetzte, "Neu.LAL", "Woche.LAL"}));
    Lauf l;
    EXPECT_EQ(QStringList({l.f.AlleLL.text(), l.f.Txt.text()}), (QStringList{"", "LAUFTEXT"}));
    EXPECT_EQ(l.f.LaufListe.anzahl(), 0);
}

TEST(LetzteLaufListe, KopflosAuchMitAbgelaufenenEinträgen) {
    TestOrdner o;
    schreib(QStringLiteral("X.LSL"), "Text=x\r\nUhr1=1\r\nUhrT=00:00\r\n");
    schreib(QStringLiteral("Y.LSL"), "Text=y\r\nUhr1=1\r\nUhrT=00:00\r\n");
    schreib(QStringLiteral("XY.LAL"), "X\r\nY\r\n");
    schreib(kLetzte, "XY\r\n");
    anordnung();
    Lauf l;
    EXPECT_EQ(l.f.DurchlaufStatus, kFertig);
    l.ticks(100);
    EXPECT_EQ(l.f.LaufListe.listIndex(), 0); // 100 hand-overs: back at the start
    EXPECT_TRUE(l.f.T.an());
}
