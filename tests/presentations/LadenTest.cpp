// Loading and saving presentations through the window, and the name lists.
#include "DarstellungLaden.h"
#include "DarstellungSpeichern.h"
#include "LaufSchritt.h"
#include "NamenListen.h"
#include "Umgebung.h"
#include <csignal>
#include <sys/resource.h>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
// A started window in the current folder.
struct Gestartet : Fensterchen {
    Gestartet() { Form_Load(f); }
    void laden(const QString& name) {
        f.AlleLS.setzeText(name);
        DarstellungLaden(f);
    }
    QStringList gespeichert() const { return darstellungsZeilen(DarstellungErfassen(f)); }
};

// Every setting away from its design value.
void allesEinstellen(Fenster& f) {
    f.PlusLöschen.setzeWert(1);
    f.BilderAnpassen.setzeWert(1);
    f.AusWal.wähle(6);
    f.ZufallsFormAnzahl.setzeText(QStringLiteral("5"));
    f.Txt.setzeText(QStringLiteral("Grüße aus Köln – 5 € #1rot"));
    f.TextFarbe = RGB(255, 0, 0);
    f.HintergrundFarbe = RGB(0, 0, 255);
    f.Txt2.setzeText(QStringLiteral("Öffnungszeiten"));
    f.WechselTextFarbe = RGB(0, 255, 255);
    f.WechselHintergrundFarbe = RGB(255, 255, 0);
    f.Wechseltext.setzeWert(1);
    f.Pic.setzeSchrift({QStringLiteral("DejaVu Sans"), 8.25, true, true});
    f.SchriftGröße = 8.25;
    f.Schritt.setzeText(QStringLiteral("1.5"));
    f.Schrittweite = 1.5;
    for (int i = 0; i < 8; ++i) f.Richtung[std::size_t(i)].setzeWert((0b10101001 >> i) & 1);
    f.VerzögerungTxt.setzeText(QStringLiteral("250"));
    f.WartezeitTxt.setzeText(QStringLiteral("40"));
    f.DurchläufeTxt.setzeText(QStringLiteral("3"));
    f.VonX.setzeWert(-12);
    f.VonY.setzeWert(200);
    f.AniLi.setzeEinträge({QStringLiteral("a.bmp"), QString(), QStringLiteral("b.jpg")});
    f.BisUhrText.setzeText(QStringLiteral("23:59"));
    f.BisDatum.setzeWert(1);
    f.BisDatumText.setzeText(QStringLiteral("31.12.99"));
}
} // namespace

TEST(DarstellungLaden, JederSchlüsselKommtZurück) {
    ImOrdner o;
    Gestartet a;
    allesEinstellen(a.f);
    a.f.AlleLS.setzeText(QStringLiteral("Alles"));
    DarstellungSpeichern(a.f);
    const QStringList erwartet = a.gespeichert();
    ASSERT_EQ(erwartet.size(), 28);
    EXPECT_EQ(lies(QStringLiteral("Alles.LSL")).count("\r\n"), 28);

    Gestartet b;
    const QStringList vorher = b.gespeichert();
    b.laden(QStringLiteral("Alles"));
    EXPECT_EQ(b.gespeichert(), erwartet);
    EXPECT_NE(vorher, erwartet);
    // The controls around the variables follow as well.
    EXPECT_EQ(b.f.Modus, 6);
    EXPECT_EQ(b.f.FormAnzahl, 5);
    EXPECT_EQ(b.f.ZufallsFormAnzahl.text(), QStringLiteral("5"));
    EXPECT_EQ(b.f.TeFaLabel.vordergrund(), RGB(255, 0, 0));
    EXPECT_EQ(b.f.Pic.vordergrund(), RGB(255, 0, 0));
    EXPECT_EQ(b.f.TeFaLabel.hintergrund(), RGB(0, 0, 255));
    EXPECT_EQ(b.f.Bild.hintergrund(), RGB(0, 0, 255));
    EXPECT_EQ(b.f.WeFaLabel.vordergrund(), RGB(0, 255, 255));
    EXPECT_EQ(b.f.WeFaLabel.hintergrund(), RGB(255, 255, 0));
    EXPECT_EQ(b.f.Txt.schriftName(), QStringLiteral("DejaVu Sans"));
    EXPECT_TRUE(b.f.Txt2.fett());
    EXPECT_TRUE(b.f.Txt2.kursiv());
    EXPECT_EQ(b.f.Pic.schrift().größe, 8.25);
    EXPECT_EQ(b.f.T.intervall(), 250);
    EXPECT_EQ(b.f.VonXLabel.text(), QStringLiteral("X=-12"));

    // Saved again under another name, the bytes are the same.
    b.f.AlleLS.setzeText(QStringLiteral("Kopie"));
    DarstellungSpeichern(b.f);
    EXPECT_EQ(lies(QStringLiteral("Kopie.LSL")), lies(QStringLiteral("Alles.LSL")));
}

TEST(DarstellungLaden, RegelnDesLesens) {
    ImOrdner o;
    Gestartet g;
    g.f.Start.setzeWert(0);
    schreibZeilen(QStringLiteral("R.LSL"),
                  {"text=klein", "Text=Gross", "Quak=1", "Temp=  100 ms", "WaZe=abc", "AniZ=0100",
                   "AniB=a.bmp//b.jpg/", "AniB=c.gif", "AniB=d.ico/e", "LaRi=20", "FoSi=8,25", "Pixl=1,5",
                   "Tex2=", "AuWa=9", "Txt2=nie", "VonX=5"});
    g.f.Txt2.setzeText(QStringLiteral("bleibt"));
    g.laden(QStringLiteral("R"));
    EXPECT_EQ(g.f.Txt.text(), QStringLiteral("Gross"));
    EXPECT_EQ(g.f.VerzögerungTxt.text(), QStringLiteral("100"));
    EXPECT_EQ(g.f.T.intervall(), 100);
    EXPECT_EQ(g.f.WartezeitTxt.text(), QStringLiteral("1")); // 0 is raised to 1 by its box
    EXPECT_EQ(g.f.DurchläufeTxt.text(), QStringLiteral("100"));
    EXPECT_EQ(g.f.AniLi.einträge(), (QStringList{"a.bmp", "", "b.jpg", "d.ico"}));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(g.f.Richtung[std::size_t(i)].wert(), i == 2 || i == 4 ? 1 : 0) << i;
    EXPECT_EQ(g.f.SchriftGröße, 8);
    EXPECT_EQ(g.f.Schrittweite, 1);
    EXPECT_EQ(g.f.Txt2.text(), QStringLiteral("bleibt")); // an empty value is never applied
    EXPECT_EQ(g.f.VonX.wert(), 0);                        // after AuWa=9 nothing is read
    EXPECT_EQ(g.f.AusWal.auswahl(), 0);
    EXPECT_TRUE(g.f.T.an());

    // Repeated keys: the last one wins; LaRi bits clear as well as set.
    schreibZeilen(QStringLiteral("W.LSL"), {"Text=eins", "LaRi=255", "Text=zwei", "LaRi=1", "Temp=2.5"});
    g.laden(QStringLiteral("W"));
    EXPECT_EQ(g.f.Txt.text(), QStringLiteral("zwei"));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(g.f.Richtung[std::size_t(i)].wert(), i == 0 ? 1 : 0) << i;
    EXPECT_EQ(g.f.T.intervall(), 2);             // 2.5 rounds to even
    EXPECT_TRUE(g.f.AniLi.einträge().isEmpty()); // emptied as soon as the file is open

    // Files edited by hand: LF alone and CR alone end lines too.
    schreib(QStringLiteral("Lf.LSL"), "Text=mit LF\nTex2=auch\nVonY=3");
    g.laden(QStringLiteral("Lf"));
    EXPECT_EQ(g.f.Txt.text(), QStringLiteral("mit LF"));
    EXPECT_EQ(g.f.Txt2.text(), QStringLiteral("auch"));
    EXPECT_EQ(g.f.VonY.wert(), 3);
    schreib(QStringLiteral("Cr.LSL"), "Text=mit CR\rTex2=ebenso\r");
    g.laden(QStringLiteral("Cr"));
    EXPECT_EQ(g.f.Txt.text(), QStringLiteral("mit CR"));
    EXPECT_EQ(g.f.Txt2.text(), QStringLiteral("ebenso"));
}

TEST(DarstellungLaden, FehlendeSchlüsselBleibenUndFehlendeDateiÄndertNichts) {
    ImOrdner o;
    Gestartet g;
    allesEinstellen(g.f);
    g.f.BisDatum.setzeWert(0);
    g.f.Start.setzeWert(0);
    const QStringList vorher = g.gespeichert();

    g.laden(QStringLiteral("gibt es nicht"));
    EXPECT_EQ(g.gespeichert(), vorher);
    EXPECT_EQ(g.f.AniLi.anzahl(), 3); // not emptied: the file did not open
    EXPECT_TRUE(g.f.T.an());
    EXPECT_EQ(g.f.T.intervall(), 250);

    schreibZeilen(QStringLiteral("Nur.LSL"), {"Tex2=neu", "Text="});
    g.laden(QStringLiteral("Nur"));
    QStringList erwartet = vorher;
    erwartet[8] = QStringLiteral("Tex2=neu");
    erwartet.removeAt(23); // the picture list was emptied
    EXPECT_EQ(g.gespeichert(), erwartet);
    EXPECT_EQ(g.f.Txt.text(), QStringLiteral("Grüße aus Köln – 5 € #1rot"));
}

TEST(DarstellungLaden, PlusLöschenLeertDasBildAuchBeiNull) {
    ImOrdner o;
    Gestartet g;
    g.f.Start.setzeWert(0);
    // The animation with an empty picture list draws nothing, so only loading can clear.
    schreibZeilen(QStringLiteral("Mit.LSL"), {"+Lös=0", "AuWa=1"});
    schreibZeilen(QStringLiteral("Ohne.LSL"), {"AuWa=1"});
    g.f.Pic.setzePunkt(3, 2, RGB(255, 255, 255));
    g.laden(QStringLiteral("Ohne"));
    EXPECT_EQ(g.f.Pic.punkt(3, 2), RGB(255, 255, 255));
    g.laden(QStringLiteral("Mit"));
    EXPECT_EQ(g.f.Pic.punkt(3, 2), g.f.Pic.hintergrund());
    EXPECT_EQ(g.f.PlusLöschen.wert(), 0);
}

TEST(DarstellungLaden, TextDateiKommtNachDemText) {
    ImOrdner o;
    Gestartet g;
    schreib(QStringLiteral("nachricht.txt"), "Heute frisch\nzweite Zeile\n");
    schreibZeilen(QStringLiteral("D.LSL"), {"Text=aus der Darstellung", "TeDa=nachricht.txt"});
    g.laden(QStringLiteral("D"));
    EXPECT_EQ(g.f.Txt.text(), QStringLiteral("Heute frisch"));
    EXPECT_EQ(g.f.DateiBenutzen.toolTip(), QStringLiteral("nachricht.txt"));
}

TEST(DarstellungLaden, EndeSchonVorbei) {
    ImOrdner o;
    Gestartet g; // the clock says 24.03.2011 12:00
    schreibZeilen(QStringLiteral("Uhr.LSL"), {"Uhr1=1", "UhrT=11:59", "Temp=300"});
    schreibZeilen(QStringLiteral("Gleich.LSL"), {"Uhr1=1", "UhrT=12:00"});
    schreibZeilen(QStringLiteral("Später.LSL"), {"Uhr1=1", "UhrT=12:01", "Temp=300"});
    schreibZeilen(QStringLiteral("Grau.LSL"), {"Uhr1=2", "UhrT=00:00", "Temp=300"});
    schreibZeilen(QStringLiteral("Datum.LSL"), {"Dat1=1", "DatT=24.03.11"});
    schreibZeilen(QStringLiteral("Morgen.LSL"), {"Dat1=1", "DatT=25.03.11", "Temp=300"});

    for (const char* name : {"Uhr", "Gleich", "Datum"}) {
        g.f.DurchlaufStatus = kSchreiten;
        g.laden(QString::fromUtf8(name));
        EXPECT_EQ(g.f.DurchlaufStatus, kFertig) << name;
        EXPECT_EQ(g.f.T.intervall(), 1) << name;
        EXPECT_TRUE(g.f.T.an()) << name;
    }
    for (const char* name : {"Später", "Grau", "Morgen"}) {
        g.f.DurchlaufStatus = kSchreiten;
        g.laden(QString::fromUtf8(name));
        EXPECT_NE(g.f.DurchlaufStatus, kFertig) << name;
        EXPECT_EQ(g.f.T.intervall(), 300) << name;
    }

    // Without the run list playing, the step inside the load restarts the presentation.
    g.f.Start.setzeWert(0);
    g.f.DurchlaufStatus = kSchreiten;
    g.laden(QStringLiteral("Uhr"));
    EXPECT_NE(g.f.DurchlaufStatus, kFertig);
    EXPECT_EQ(g.f.T.intervall(), 300);
}

TEST(DarstellungLaden, ZeitgeberAusWährendDesLesensUndDanachAn) {
    ImOrdner o;
    Gestartet g;
    schreibZeilen(QStringLiteral("T.LSL"), {"Text=neu"});
    std::vector<bool> beimLesen;
    g.f.Txt.Change.verbinde([&] { beimLesen.push_back(g.f.T.an()); });
    g.f.T.setzeAn(false);
    g.laden(QStringLiteral("T"));
    EXPECT_EQ(beimLesen, std::vector<bool>{false});
    EXPECT_TRUE(g.f.T.an());

    // Saving and refreshing end with the timer on, also when it was off before.
    std::vector<bool> schaltungen;
    g.f.T.umgestellt.verbinde([&] { schaltungen.push_back(g.f.T.an()); });
    g.f.T.setzeAn(false);
    schaltungen.clear();
    LaufschriftSpeichern_Click(g.f);
    ASSERT_FALSE(schaltungen.empty());
    EXPECT_FALSE(schaltungen.front());
    EXPECT_TRUE(schaltungen.back());

    // An empty name saves nothing and leaves the timer alone.
    g.f.T.setzeAn(false);
    schaltungen.clear();
    g.f.AlleLS.setzeText(QString());
    LaufschriftSpeichern_Click(g.f);
    EXPECT_TRUE(schaltungen.empty());
    EXPECT_FALSE(g.f.T.an());
    EXPECT_FALSE(QFile::exists(QStringLiteral(".LSL")));
}

TEST(DarstellungSpeichern, NamenUndListen) {
    ImOrdner o;
    Gestartet g;
    // Not named yet: the design text is the name.
    LaufschriftSpeichern_Click(g.f);
    EXPECT_TRUE(QFile::exists(QStringLiteral("Name der Laufschrift.LSL")));
    EXPECT_EQ(g.f.AlleLS.liste(), QStringList{"Name der Laufschrift"});

    g.f.AlleLS.setzeText(QStringLiteral("Abend"));
    DarstellungSpeichern(g.f);
    EXPECT_TRUE(QFile::exists(QStringLiteral("Abend.LSL")));
    EXPECT_EQ(g.f.AlleLS.liste(), (QStringList{"Abend", "Name der Laufschrift"}));
    EXPECT_EQ(g.f.AlleLS.text(), QStringLiteral("Abend"));

    // A file from elsewhere with a lower-case extension is listed, loaded and saved in place.
    schreibZeilen(QStringLiteral("mittag.lsl"), {"Text=Mittagstisch"});
    schreibZeilen(QStringLiteral("Liste.lal"), {"mittag"});
    DateiListenAktualisieren(g.f);
    EXPECT_EQ(g.f.AlleLS.liste(), (QStringList{"Abend", "mittag", "Name der Laufschrift"}));
    EXPECT_EQ(g.f.AlleLL.liste(), QStringList{"Liste"});
    EXPECT_EQ(g.f.AlleLS.text(), QStringLiteral("Abend")); // the text survives the refresh
    g.f.AlleLS.wähle(1);
    EXPECT_EQ(g.f.Txt.text(), QStringLiteral("Mittagstisch"));
    EXPECT_EQ(g.f.Start.wert(), 0); // picking a name stops the run list
    g.f.Txt.setzeText(QStringLiteral("Suppe"));
    DarstellungSpeichern(g.f);
    EXPECT_FALSE(QFile::exists(QStringLiteral("mittag.LSL")));
    EXPECT_TRUE(lies(QStringLiteral("mittag.lsl")).contains("Text=Suppe\r\n"));
}

TEST(DarstellungSpeichern, LöschenNachRückfrage) {
    ImOrdner o;
    Gestartet g;
    for (const char* n : {"A", "B"}) {
        g.f.AlleLS.setzeText(QString::fromUtf8(n));
        DarstellungSpeichern(g.f);
    }
    schreibZeilen(QStringLiteral("L.LAL"), {"A", "B"});
    DateiListenAktualisieren(g.f);

    // A typed name (no entry picked) asks nothing and deletes nothing.
    g.f.AlleLS.setzeText(QStringLiteral("Z"));
    LSlöschen_Click(g.f);
    EXPECT_TRUE(g.dialoge.fragen.isEmpty());

    g.f.AlleLS.wähle(0);
    g.dialoge.antworten = {false};
    LSlöschen_Click(g.f);
    EXPECT_EQ(g.dialoge.fragen.value(0), QStringLiteral("Wollen Sie (A) löschen ?"));
    EXPECT_EQ(g.dialoge.titel.value(0), QStringLiteral("Lauf-Schrift"));
    EXPECT_TRUE(QFile::exists(QStringLiteral("A.LSL")));
    EXPECT_EQ(g.f.AlleLS.liste(), (QStringList{"A", "B"}));

    g.dialoge.antworten = {true};
    LSlöschen_Click(g.f);
    EXPECT_FALSE(QFile::exists(QStringLiteral("A.LSL")));
    EXPECT_EQ(g.f.AlleLS.liste(), QStringList{"B"});
    EXPECT_EQ(lies(QStringLiteral("L.LAL")), QByteArray("A\r\nB\r\n")); // run lists keep the name

    // A name that cannot be deleted (here a folder) keeps its entry.
    QDir().mkdir(QStringLiteral("Ordner.LSL"));
    g.f.AlleLS.listeAnfügen(QStringLiteral("Ordner"));
    g.f.AlleLS.wähle(1);
    g.dialoge.antworten = {true};
    LSlöschen_Click(g.f);
    EXPECT_EQ(g.f.AlleLS.liste(), (QStringList{"B", "Ordner"}));
    EXPECT_TRUE(QDir(QStringLiteral("Ordner.LSL")).exists());
}

TEST(DarstellungSpeichern, AbgebrochenesSpeichernLässtDieAlteDatei) {
    ImOrdner o;
    Gestartet g;
    g.f.AlleLS.setzeText(QStringLiteral("Alt"));
    g.f.Txt.setzeText(QStringLiteral("alter Text"));
    DarstellungSpeichern(g.f);
    const QByteArray alt = lies(QStringLiteral("Alt.LSL"));
    ASSERT_TRUE(alt.contains("Text=alter Text\r\n"));

    // The disk "fills up" while the new file is written: writes past 4 KiB fail.
    g.f.Txt.setzeText(QString(30000, u'x'));
    rlimit vorher{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    const auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit eng = vorher;
    eng.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eng), 0);
    g.f.T.setzeAn(false);
    DarstellungSpeichern(g.f);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, altesSignal);

    EXPECT_EQ(lies(QStringLiteral("Alt.LSL")), alt);
    EXPECT_TRUE(g.f.T.an());
    // No half-written file is left behind or listed.
    EXPECT_EQ(QDir().entryList(QDir::Files), (QStringList{"Alt.LSL"}));
    EXPECT_EQ(g.f.AlleLS.liste(), QStringList{"Alt"});
}
