// The presentation file without a window: writer, parser, line splitting, file lookup.
#include "DarstellungsDatei.h"
#include "DateiZugriff.h"
#include "Umgebung.h"
#include <QDir>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
DarstellungsWerte beispiel() {
    DarstellungsWerte w;
    w.plusLöschen = 1;
    w.bilderAnpassen = 2;
    w.modus = 7;
    w.formAnzahl = 9;
    w.text = QStringLiteral("Grüße vom Bäcker");
    w.textDatei = QStringLiteral("nachricht.txt");
    w.textFarbe = RGB(255, 0, 0);
    w.hintergrundFarbe = RGB(0, 0, 255);
    w.text2 = QStringLiteral("WECHSEL");
    w.wechselTextFarbe = RGB(0, 255, 0);
    w.wechselHintergrundFarbe = RGB(255, 255, 255);
    w.wechseltext = true;
    w.schriftName = QStringLiteral("Small Fonts");
    w.schriftGröße = 8.25;
    w.fett = true;
    w.schrittweite = 1.5;
    w.richtungen = (1 << 2) | (1 << 4);
    w.verzögerung = QStringLiteral("50");
    w.wartezeit = QStringLiteral("12ab");
    w.durchläufe = QStringLiteral("3");
    w.vonX = -200;
    w.vonY = 17;
    w.bisUhr = 1;
    w.bisUhrText = QStringLiteral("18:30");
    w.bisDatumText = QStringLiteral("01.01.07");
    return w;
}
} // namespace

TEST(DarstellungsDatei, ZeilenInSchlüsselreihenfolgeMitGenauenWerten) {
    DarstellungsWerte w = beispiel();
    const QStringList ohne = darstellungsZeilen(w);
    EXPECT_EQ(ohne, (QStringList{"+Lös=1",
                                 "GrAn=2",
                                 "AuWa=7",
                                 "ZuFZ=9",
                                 "Text=Grüße vom Bäcker",
                                 "TeDa=nachricht.txt",
                                 "TeFa=255",
                                 "HiFa=16711680",
                                 "Tex2=WECHSEL",
                                 "WTFa=65280",
                                 "WHFa=16777215",
                                 "WeTe=1",
                                 "FoNa=Small Fonts",
                                 "FoSi=8.25",
                                 "FoBo=1",
                                 "FoIt=0",
                                 "Pixl=1.5",
                                 "LaRi=20",
                                 "Temp=50",
                                 "WaZe=12ab",
                                 "AniZ=3",
                                 "VonX=-200",
                                 "VonY=17",
                                 "Uhr1=1",
                                 "UhrT=18:30",
                                 "Dat1=0",
                                 "DatT=01.01.07"}));
    EXPECT_EQ(ohne.size(), 27);

    w.bilder = {QStringLiteral("a.bmp"), QStringLiteral("b.jpg")};
    const QStringList mit = darstellungsZeilen(w);
    ASSERT_EQ(mit.size(), 28);
    EXPECT_EQ(mit[23], QStringLiteral("AniB=a.bmp/b.jpg/"));
    EXPECT_EQ(mit[22], QStringLiteral("VonY=17"));
    EXPECT_EQ(mit[24], QStringLiteral("Uhr1=1"));

    // Empty texts are the key alone; whole numbers never carry a fraction.
    w.text.clear();
    w.schriftGröße = 12;
    w.schrittweite = -3;
    const QStringList leer = darstellungsZeilen(w);
    EXPECT_EQ(leer[4], QStringLiteral("Text="));
    EXPECT_EQ(leer[13], QStringLiteral("FoSi=12"));
    EXPECT_EQ(leer[16], QStringLiteral("Pixl=-3"));
}

TEST(DarstellungsDatei, ZeilenumbruchImWertWirdZumLeerzeichen) {
    DarstellungsWerte w = beispiel();
    w.textDatei = QStringLiteral("a\nAuWa=9");
    w.bilder = {QStringLiteral("x\r.bmp")};
    const QStringList z = darstellungsZeilen(w);
    EXPECT_EQ(z[5], QStringLiteral("TeDa=a AuWa=9"));
    EXPECT_EQ(z[23], QStringLiteral("AniB=x .bmp/"));
}

TEST(DarstellungsDatei, BytesAufDerPlatte) {
    ImOrdner o;
    DarstellungsWerte w = beispiel();
    ASSERT_TRUE(schreibeZeilenAtomar(QStringLiteral("x.LSL"), darstellungsZeilen(w)));
    const QByteArray b = lies(QStringLiteral("x.LSL"));
    EXPECT_TRUE(b.startsWith(QByteArray("\x2B\x4C\xF6\x73\x3D"
                                        "1\r\n",
                                        8)));
    EXPECT_TRUE(b.contains(QByteArray("Text=Gr\xFC\xDF"
                                      "e vom B\xE4"
                                      "cker\r\n")));
    EXPECT_TRUE(b.endsWith("DatT=01.01.07\r\n"));
    EXPECT_EQ(b.count("\r\n"), 27);
    EXPECT_EQ(b.count('\n'), 27); // no LF without CR
    EXPECT_EQ(b.count('\r'), 27);
}

TEST(DarstellungsDatei, ZerlegenÜberspringtKurzeUndFremdeZeilenUndHältAn) {
    const QStringList zeilen{
        "Text=",         // five characters: skipped, never applied
        "",              //
        "text=Hallo",    // letter case differs: not a key
        "Quak=1",        // unknown
        "Temp=  100 ms", // value kept as it is
        "+Lös=1",        //
        "AuWa=9",        // refused below
        "Tex2=nie",      // not read any more
    };
    QList<QPair<Schlüssel, QString>> gesehen;
    const bool ganz = darstellungZerlegen(zeilen, [&](const DarstellungsZeile& z) {
        gesehen.append({z.schlüssel, z.wert});
        return z.schlüssel != Schlüssel::AuWa;
    });
    EXPECT_FALSE(ganz);
    ASSERT_EQ(gesehen.size(), 3);
    EXPECT_EQ(gesehen[0].first, Schlüssel::Temp);
    EXPECT_EQ(gesehen[0].second, QStringLiteral("  100 ms"));
    EXPECT_EQ(gesehen[1].first, Schlüssel::PlusLöschen);
    EXPECT_EQ(gesehen[2].first, Schlüssel::AuWa);

    EXPECT_EQ((DarstellungsZeile{Schlüssel::Temp, "  100 ms"}.zahl()), 100);
    EXPECT_EQ((DarstellungsZeile{Schlüssel::Temp, "abc"}.zahl()), 0);
    EXPECT_EQ((DarstellungsZeile{Schlüssel::FoSi, "8,25"}.zahl()), 8);
    EXPECT_EQ((DarstellungsZeile{Schlüssel::FoSi, "8.25"}.zahl()), 8.25);

    // Every key text maps back to its key; the byte form of "+Lös=" is fixed.
    for (int i = 0; i < kSchlüsselAnzahl; ++i)
        EXPECT_EQ(schlüsselAus(schlüsselText(Schlüssel(i))), Schlüssel(i));
    EXPECT_EQ(alsWindows1252(schlüsselText(Schlüssel::PlusLöschen)), QByteArray("\x2B\x4C\xF6\x73\x3D"));
    EXPECT_FALSE(schlüsselAus(u"+LÖS="));
}

TEST(DarstellungsDatei, BilderListe) {
    EXPECT_EQ(bilderAusText(u"a.bmp/b.jpg/"), (QStringList{"a.bmp", "b.jpg"}));
    EXPECT_EQ(bilderAusText(u"a.bmp/b.jpg"), (QStringList{"a.bmp"}));
    EXPECT_EQ(bilderAusText(u"a.bmp//b.jpg/"), (QStringList{"a.bmp", "", "b.jpg"}));
    EXPECT_EQ(bilderAusText(u"/"), (QStringList{""}));
    EXPECT_TRUE(bilderAusText(u"ohne Strich").isEmpty());
    EXPECT_EQ(bilderListenText({"a.bmp", "b.jpg"}), QStringLiteral("a.bmp/b.jpg/"));
    EXPECT_EQ(bilderListenText({}), QString());
}

TEST(DateiZugriff, ZeilenendenCrLfCrUndLf) {
    EXPECT_EQ(zeilenAus("A\r\nB\r\n", 100), (QStringList{"A", "B"}));
    EXPECT_EQ(zeilenAus("A\nB\n", 100), (QStringList{"A", "B"}));
    EXPECT_EQ(zeilenAus("A\rB", 100), (QStringList{"A", "B"}));
    EXPECT_EQ(zeilenAus("A\r\n\r\nB", 100), (QStringList{"A", "", "B"}));
    EXPECT_EQ(zeilenAus("A\n\rB", 100), (QStringList{"A", "", "B"})); // LF CR is two line ends
    EXPECT_EQ(zeilenAus("\r\n", 100), (QStringList{""}));
    EXPECT_TRUE(zeilenAus("", 100).isEmpty());
    EXPECT_EQ(zeilenAus("A\nB\nC\n", 2), (QStringList{"A", "B"}));
    EXPECT_EQ(zeilenAus("Gr\xFC\xDF"
                        "e \x80",
                        1),
              (QStringList{QStringLiteral("Grüße €")}));
}

TEST(DateiZugriff, FindenMitEndungInAndererSchreibweise) {
    ImOrdner o;
    schreib(QStringLiteral("abend.lsl"), "x");
    schreib(QStringLiteral("Morgen.LSL"), "y");
    schreib(QStringLiteral("Mittag.Lsl.bak"), "z");
    EXPECT_EQ(dateiFinden(QStringLiteral("abend"), QStringLiteral(".LSL")), QStringLiteral("abend.lsl"));
    EXPECT_EQ(dateiFinden(QStringLiteral("Morgen"), QStringLiteral(".LSL")), QStringLiteral("Morgen.LSL"));
    // The name part keeps its letter case: "Abend" is another name than "abend".
    EXPECT_EQ(dateiFinden(QStringLiteral("Abend"), QStringLiteral(".LSL")), QStringLiteral("Abend.LSL"));
    EXPECT_EQ(dateiFinden(QStringLiteral("Mittag"), QStringLiteral(".LSL")), QStringLiteral("Mittag.LSL"));
    // Both spellings present: the exact one wins.
    schreib(QStringLiteral("abend.LSL"), "w");
    EXPECT_EQ(dateiFinden(QStringLiteral("abend"), QStringLiteral(".LSL")), QStringLiteral("abend.LSL"));
    // A folder part is kept and searched.
    QDir().mkdir(QStringLiteral("sub"));
    schreib(QStringLiteral("sub/x.lal"), "");
    EXPECT_EQ(dateiFinden(QStringLiteral("sub/x"), QStringLiteral(".LAL")), QStringLiteral("sub/x.lal"));
}

TEST(DateiZugriff, LöschenNurImOrdner) {
    ImOrdner o;
    QDir().mkdir(QStringLiteral("sub"));
    schreib(QStringLiteral("sub/a.LSL"), "x");
    schreib(QStringLiteral("b.LSL"), "x");
    QDir().mkdir(QStringLiteral("c.LSL"));
    EXPECT_FALSE(dateiLöschen(QStringLiteral("sub/a.LSL")));
    EXPECT_FALSE(dateiLöschen(QStringLiteral("../b.LSL")));
    EXPECT_FALSE(dateiLöschen(QStringLiteral("..")));
    EXPECT_FALSE(dateiLöschen(QStringLiteral("c.LSL"))); // a folder is never deleted
    EXPECT_TRUE(QFile::exists(QStringLiteral("sub/a.LSL")));
    EXPECT_TRUE(QDir(QStringLiteral("c.LSL")).exists());
    EXPECT_TRUE(dateiLöschen(QStringLiteral("b.LSL")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("b.LSL")));
    EXPECT_TRUE(dateiLöschen(QStringLiteral("b.LSL"))); // already gone counts as gone
}

TEST(DateiZugriff, ZuGroßeDateiWirdNichtGelesen) {
    ImOrdner o;
    QFile d(QStringLiteral("gross.LSL"));
    ASSERT_TRUE(d.open(QIODevice::WriteOnly));
    ASSERT_TRUE(d.resize(kGrößteDatei + 1)); // sparse: costs no disk space
    d.close();
    EXPECT_FALSE(dateiZeilen(QStringLiteral("gross.LSL"), 10));
    EXPECT_FALSE(dateiZeilen(QStringLiteral("fehlt.LSL"), 10));
    schreib(QStringLiteral("klein.LSL"), "A\nB");
    EXPECT_EQ(dateiZeilen(QStringLiteral("klein.LSL"), 10), (QStringList{"A", "B"}));
}
