// The remembered run list: restored at start-up, saved at shut-down.
#include "LaufListe.h"
#include "LaufSchritt.h"
#include "Umgebung.h"

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
const QString kLetzte = QStringLiteral("Letzte Lauf-Liste");

// The standard strip, so that start-up ends with the timer running.
void anordnung() {
    QStringList z;
    for (int i = 0; i < 6; ++i) z << "Sichtbar" << QString::number(7 * i) << "0";
    schreibZeilen(QStringLiteral("LED-Modul-Anordnung.txt"), z << "42"
                                                               << "7");
}

// One run of the program: start-up, optional work, shut-down.
struct Lauf : Fensterchen {
    Lauf() { Form_Load(f); }
    ~Lauf() { Form_Unload(f); }
};
} // namespace

TEST(LetzteLaufListe, ErsterStartImLeerenOrdner) {
    ImOrdner o;
    {
        Lauf l;
        EXPECT_EQ(l.f.LaufListe.anzahl(), 0);
        EXPECT_EQ(l.f.AlleLL.text(), QStringLiteral("Name der Laufliste"));
        EXPECT_FALSE(l.f.T.an()); // no layout file: the timer waits for a presentation
    }
    // Shut-down saved the (empty) run list under the design name and remembered it.
    EXPECT_EQ(lies(kLetzte), QByteArray("Name der Laufliste\r\n"));
    EXPECT_TRUE(QFile::exists(QStringLiteral("Name der Laufliste.LAL")));
    EXPECT_EQ(lies(QStringLiteral("Name der Laufliste.LAL")), QByteArray());
}

TEST(LetzteLaufListe, StartSpieltDenErstenEintrag) {
    ImOrdner o;
    schreibZeilen(QStringLiteral("Eins.LSL"), {"Text=eins", "Temp=80"});
    schreibZeilen(QStringLiteral("Zwei.LSL"), {"Text=zwei"});
    schreibZeilen(QStringLiteral("Laden.LAL"), {"Eins", "Zwei"});
    schreibZeilen(kLetzte, {"Laden", "Andere", "Dritte"}); // only the first line counts
    anordnung();
    Lauf l;
    EXPECT_EQ(l.f.AlleLL.text(), QStringLiteral("Laden"));
    EXPECT_EQ(l.f.LaufListe.einträge(), (QStringList{"Eins", "Zwei"}));
    EXPECT_EQ(l.f.LaufListe.listIndex(), 0);
    EXPECT_EQ(l.f.AlleLS.text(), QStringLiteral("Eins"));
    EXPECT_EQ(l.f.Txt.text(), QStringLiteral("eins"));
    EXPECT_EQ(l.f.Start.wert(), 1);
    EXPECT_TRUE(l.f.T.an());
    EXPECT_EQ(l.f.T.intervall(), 80);
    EXPECT_FALSE(l.port.schreiben.empty()); // the first frame went out during start-up
}

TEST(LetzteLaufListe, HandbearbeiteteDateiMitLf) {
    ImOrdner o;
    schreibZeilen(QStringLiteral("Eins.LSL"), {"Text=eins"});
    schreib(QStringLiteral("Hand.LAL"), "Eins\nEins\n");
    schreib(kLetzte, "Hand\n");
    Lauf l;
    EXPECT_EQ(l.f.AlleLL.text(), QStringLiteral("Hand"));
    EXPECT_EQ(l.f.LaufListe.einträge(), (QStringList{"Eins", "Eins"}));
    EXPECT_EQ(l.f.Txt.text(), QStringLiteral("eins"));
}

TEST(LetzteLaufListe, ÄnderungenÜberlebenDenNeustart) {
    ImOrdner o;
    schreibZeilen(QStringLiteral("A.LSL"), {"Text=a"});
    schreibZeilen(QStringLiteral("B.LSL"), {"Text=b"});
    schreibZeilen(QStringLiteral("Woche.LAL"), {"A"});
    schreibZeilen(kLetzte, {"Woche"});
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
        // A new name at shut-down: the list is saved under it and remembered.
        l.f.AlleLL.setzeText(QStringLiteral("Neu"));
    }
    EXPECT_EQ(lies(QStringLiteral("Neu.LAL")), QByteArray("A\r\nB\r\n"));
    EXPECT_EQ(lies(kLetzte), QByteArray("Neu\r\n"));
    Lauf l;
    EXPECT_EQ(l.f.AlleLL.text(), QStringLiteral("Neu"));
    EXPECT_EQ(l.f.Txt.text(), QStringLiteral("a"));
}

TEST(LetzteLaufListe, LeererNameWirdNichtGespeichert) {
    ImOrdner o;
    schreibZeilen(QStringLiteral("A.LSL"), {"Text=a"});
    schreibZeilen(QStringLiteral("Woche.LAL"), {"A"});
    schreibZeilen(kLetzte, {"Woche"});
    {
        Lauf l;
        l.f.AlleLL.setzeText(QString());
    }
    EXPECT_EQ(lies(kLetzte), QByteArray("\r\n"));
    EXPECT_FALSE(QFile::exists(QStringLiteral(".LAL")));
    EXPECT_EQ(lies(QStringLiteral("Woche.LAL")), QByteArray("A\r\n"));
    Lauf l;
    EXPECT_EQ(l.f.AlleLL.text(), QString());
    EXPECT_EQ(l.f.LaufListe.anzahl(), 0);
    EXPECT_EQ(l.f.Txt.text(), QStringLiteral("LAUFTEXT"));
}

TEST(LetzteLaufListe, FehlendeOderLeereDateiStartetOhneLaufListe) {
    ImOrdner o;
    schreibZeilen(QStringLiteral("A.LSL"), {"Text=a"});
    schreibZeilen(QStringLiteral("Name der Laufliste.LAL"), {"A"});
    schreib(kLetzte, ""); // 0 bytes: skipped, the design name stays
    {
        Lauf l;
        EXPECT_EQ(l.f.LaufListe.anzahl(), 0);
        EXPECT_EQ(l.f.Txt.text(), QStringLiteral("LAUFTEXT"));
        l.f.LaufListe.setzeEinträge({"A"}); // saved at shut-down under the design name
    }
    // The design name was remembered at shut-down, so the next start loads that list.
    EXPECT_EQ(lies(kLetzte), QByteArray("Name der Laufliste\r\n"));
    Lauf l;
    EXPECT_EQ(l.f.LaufListe.einträge(), QStringList{"A"});
    EXPECT_EQ(l.f.Txt.text(), QStringLiteral("a"));
}

TEST(LetzteLaufListe, KopflosAuchMitAbgelaufenenEinträgen) {
    ImOrdner o;
    schreibZeilen(QStringLiteral("X.LSL"), {"Text=x", "Uhr1=1", "UhrT=00:00"});
    schreibZeilen(QStringLiteral("Y.LSL"), {"Text=y", "Uhr1=1", "UhrT=00:00"});
    schreibZeilen(QStringLiteral("XY.LAL"), {"X", "Y"});
    schreibZeilen(kLetzte, {"XY"});
    anordnung();
    Lauf l;
    EXPECT_EQ(l.f.LaufListe.listIndex(), 0);
    EXPECT_EQ(l.f.DurchlaufStatus, kFertig);
    for (int i = 0; i < 100; ++i) l.f.T.ablaufen();
    EXPECT_EQ(l.f.LaufListe.listIndex(), 0); // 100 hand-overs: back at the start
    EXPECT_TRUE(l.f.T.an());
}
