// Loading and saving presentations through the window, and the name lists.
#include "DarstellungSpeichern.h"
#include "LaufListe.h"
#include "LaufSchritt.h"
#include "NamenListen.h"
#include "Umgebung.h"

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
QStringList gespeichert(const Fenster& f) {
    return darstellungsZeilen(DarstellungErfassen(f));
}

// Every key away from its design value, as the program writes it.
const QByteArray kAlles = "+L\xF6s=1\r\nGrAn=1\r\nAuWa=6\r\nZuFZ=5\r\nText=Gr\xFC\xDF aus K\xF6ln \x80\r\n"
                          "TeDa=fehlt.txt\r\nTeFa=255\r\nHiFa=16711680\r\nTex2=Sch\xF6n\r\nWTFa=16776960\r\n"
                          "WHFa=65535\r\nWeTe=1\r\nFoNa=DejaVu Sans\r\nFoSi=8.25\r\nFoBo=1\r\nFoIt=1\r\n"
                          "Pixl=1.5\r\nLaRi=169\r\nTemp=250\r\nWaZe=40\r\nAniZ=3\r\nVonX=-12\r\nVonY=200\r\n"
                          "AniB=a.bmp//b.jpg/\r\nUhr1=1\r\nUhrT=23:59\r\nDat1=2\r\nDatT=31.12.99\r\n";
} // namespace

TEST(DarstellungLaden, JederSchlüsselKommtZurück) {
    TestOrdner o;
    schreib(QStringLiteral("Alles.LSL"), kAlles);
    Gestartet b;
    const QStringList vorher = gespeichert(b.f);
    b.laden(QStringLiteral("Alles"));
    for (const QString& z : gespeichert(b.f)) EXPECT_FALSE(vorher.contains(z)) << z.toStdString();
    b.f.AlleLS.setzeText(QStringLiteral("Kopie"));
    DarstellungSpeichern(b.f);
    EXPECT_EQ(lies(QStringLiteral("Kopie.LSL")), kAlles);
    // What draws and what the user sees follows the variables.
    EXPECT_TRUE(b.f.Txt2.fett() && b.f.Txt2.kursiv());
    EXPECT_EQ(std::tuple(b.f.Modus, b.f.Txt.schriftName(), b.f.VonXLabel.text()),
              std::tuple(6, QString("DejaVu Sans"), QString("X=-12")));
    EXPECT_EQ((std::vector{b.f.TeFaLabel.vordergrund(), b.f.Bild.hintergrund(), b.f.WeFaLabel.vordergrund()}),
              (std::vector{RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 255, 255)}));

    // A line break in a value (only a file name can hold one) is written as a blank; an
    // empty text is the key alone.
    b.f.DateiBenutzen.setzeToolTip(QStringLiteral("a\nAuWa=9"));
    b.f.AniLi.setzeEinträge({QStringLiteral("x\r.bmp")});
    b.f.Txt2.setzeText(QString());
    SchriftWahl nurFett = b.f.Pic.schrift();
    nurFett.kursiv = false;
    b.f.Pic.setzeSchrift(nurFett);
    const QStringList z = gespeichert(b.f);
    EXPECT_EQ(QStringList({z[5], z[8], z[14], z[15], z[23]}),
              (QStringList{"TeDa=a AuWa=9", "Tex2=", "FoBo=1", "FoIt=0", "AniB=x .bmp/"}));
}

TEST(DarstellungLaden, RegelnDesLesens) {
    TestOrdner o;
    Gestartet g;
    g.f.Start.setzeWert(0);
    g.f.Txt2.setzeText(QStringLiteral("bleibt"));
    g.f.T.setzeAn(true);
    std::vector<bool> zeitgeberBeimLesen;
    g.f.Txt.Change.verbinde([&] { zeitgeberBeimLesen.push_back(g.f.T.an()); }); // stopped while reading
    schreib(QStringLiteral("R.LSL"), "Text=Gross\r\ntext=klein\r\n+L\xD6s=1\r\nQuak=1\r\nTemp=  100 ms\r\n"
                                     "WaZe=abc\r\nAniZ=0100\r\nAniB=a.bmp//b.jpg/\r\nAniB=c.gif\r\n"
                                     "AniB=d.ico/e\r\nLaRi=20\r\nFoSi=8,25\r\nPixl=1,5\r\nTex2=\r\n"
                                     "AuWa=9\r\nTxt2=nie\r\nVonX=5\r\n");
    g.laden(QStringLiteral("R"));
    // Keys in another letter case are no keys; AuWa=9 is refused and ends the reading.
    EXPECT_EQ(
        std::tuple(g.f.Txt.text(), g.f.PlusLöschen.wert(), g.f.AusWal.auswahl(), g.f.VonX.wert(), g.f.T.an()),
        std::tuple(QString("Gross"), 0, 0, 0, true));
    EXPECT_EQ(zeitgeberBeimLesen, std::vector<bool>{false});
    // Timing boxes take the leading number; a wait of 0 is raised to 1 by its box.
    EXPECT_EQ(QStringList({g.f.VerzögerungTxt.text(), g.f.WartezeitTxt.text(), g.f.DurchläufeTxt.text()}),
              (QStringList{"100", "1", "100"}));
    EXPECT_EQ(g.f.T.intervall(), 100);
    EXPECT_EQ(g.f.AniLi.einträge(), (QStringList{"a.bmp", "", "b.jpg", "d.ico"}));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(g.f.Richtung[std::size_t(i)].wert(), i == 2 || i == 4) << i;
    EXPECT_EQ(std::pair(g.f.SchriftGröße, g.f.Schrittweite), std::pair(8.0, 1.0));
    EXPECT_EQ(g.f.Txt2.text(), QStringLiteral("bleibt")); // "Tex2=" alone is too short to apply

    // Hand-edited files may end lines with CR or LF alone.
    schreib(QStringLiteral("Cr.LSL"), "Text=mit CR\rTex2=ebenso\r");
    g.laden(QStringLiteral("Cr"));
    EXPECT_EQ(QStringList({g.f.Txt.text(), g.f.Txt2.text()}) + g.f.AniLi.einträge(),
              (QStringList{"mit CR", "ebenso"}));
    // Repeated keys: the last one wins, LaRi bits clear as well as set; the text file named
    // by TeDa replaces the text at once (the animation mode would not read it), a later
    // "Text=" line replaces it again, a missing file leaves it.
    schreib(QStringLiteral("nachricht.txt"), "Heute frisch\nzweite Zeile\n");
    schreib(QStringLiteral("W.LSL"),
            "AuWa=1\nLaRi=255\nTemp=2.5\nLaRi=1\nText=eins\nTeDa=nachricht.txt\nVonY=3");
    g.laden(QStringLiteral("W"));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(g.f.Richtung[std::size_t(i)].wert(), i == 0) << i;
    EXPECT_EQ(std::tuple(g.f.T.intervall(), g.f.Txt.text(), g.f.VonY.wert()),
              std::tuple(2, QString("Heute frisch"), 3));
    for (const auto& [inhalt, text] :
         {std::pair("TeDa=nachricht.txt\nText=a\nTeDa=fehlt.txt", "a"),
          {"Text=a\nTeDa=nachricht.txt\nTeDa=fehlt.txt\nAuWa=9\nText=b", "Heute frisch"}}) {
        schreib(QStringLiteral("T.LSL"), inhalt);
        g.laden(QStringLiteral("T"));
        EXPECT_EQ(g.f.Txt.text(), QString::fromUtf8(text)) << inhalt;
    }
}

TEST(DarstellungLaden, FehlendeSchlüsselBleibenUndPlusLöschenLeert) {
    TestOrdner o;
    Gestartet g;
    g.f.Start.setzeWert(0);
    // "+Lös=" clears the picture even at 0; the animation with no pictures draws nothing.
    schreib(QStringLiteral("Ohne.LSL"), "AuWa=1\r\n");
    schreib(QStringLiteral("Mit.LSL"), "+L\xF6s=0\r\nAuWa=1\r\n");
    for (const char* name : {"Ohne", "Mit"}) {
        g.f.Pic.setzePunkt(3, 2, RGB(255, 255, 255));
        g.laden(QString::fromUtf8(name));
        EXPECT_EQ(g.f.Pic.punkt(3, 2) == g.f.Pic.hintergrund(), *name == 'M') << name;
    }

    schreib(QStringLiteral("Alles.LSL"), kAlles);
    g.laden(QStringLiteral("Alles"));
    g.f.T.setzeAn(false);
    const QStringList vorher = gespeichert(g.f);
    g.laden(QStringLiteral("gibt es nicht"));
    EXPECT_EQ(gespeichert(g.f), vorher); // the picture list too: the file did not open

    schreib(QStringLiteral("Nur.LSL"), "Tex2=neu\r\nText=\r\n");
    g.laden(QStringLiteral("Nur"));
    QStringList erwartet = vorher;
    erwartet[8] = QStringLiteral("Tex2=neu");
    erwartet.removeAt(23); // the picture list was emptied: no "AniB=" line
    EXPECT_EQ(gespeichert(g.f), erwartet);
}

TEST(DarstellungLaden, EndeSchonVorbei) {
    TestOrdner o;
    Gestartet g; // the clock says 24.03.2011 12:00
    // (file, run list playing, finished at once); without the run list playing, the step
    // inside the load restarts the presentation.
    const std::tuple<const char*, int, bool> fälle[] = {
        {"Uhr1=1\nUhrT=11:59", 1, true},    {"Uhr1=1\nUhrT=12:00", 1, true},
        {"Dat1=1\nDatT=24.03.11", 1, true}, {"Uhr1=1\nUhrT=12:01", 1, false},
        {"Uhr1=2\nUhrT=00:00", 1, false},   {"Dat1=1\nDatT=25.03.11", 1, false},
        {"Uhr1=1\nUhrT=11:59", 0, false},
    };
    for (const auto& [inhalt, start, vorbei] : fälle) {
        schreib(QStringLiteral("E.LSL"), QByteArray(inhalt) + "\nTemp=300");
        g.f.Start.setzeWert(start);
        g.f.DurchlaufStatus = kSchreiten;
        g.laden(QStringLiteral("E"));
        EXPECT_EQ(std::tuple(g.f.DurchlaufStatus == kFertig, g.f.T.intervall(), g.f.T.an()),
                  std::tuple(vorbei, vorbei ? 1 : 300, true))
            << inhalt << start;
    }
}

TEST(DarstellungSpeichern, NamenUndListen) {
    TestOrdner o;
    Gestartet g;
    // Not named yet: the design text is the name. An empty name saves nothing.
    LaufschriftSpeichern_Click(g.f);
    EXPECT_EQ(g.f.AlleLS.liste(), QStringList{"Name der Laufschrift"});
    g.f.AlleLS.setzeText(QString());
    LaufschriftSpeichern_Click(g.f);
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{"Name der Laufschrift.LSL"});

    // A file from elsewhere with a lower-case extension is listed, loaded and saved in place.
    schreib(QStringLiteral("mittag.lsl"), "Text=Mittagstisch\r\n");
    schreib(QStringLiteral("Liste.lal"), "mittag\r\n");
    g.f.AlleLS.setzeText(QStringLiteral("Abend"));
    DarstellungSpeichern(g.f);
    EXPECT_EQ(g.f.AlleLS.liste() + g.f.AlleLL.liste(),
              (QStringList{"Abend", "mittag", "Name der Laufschrift", "Liste"}));
    EXPECT_EQ(g.f.AlleLS.text(), QStringLiteral("Abend")); // the text survives the refresh
    g.f.AlleLS.wähle(1);
    EXPECT_EQ(std::tuple(g.f.Txt.text(), g.f.Start.wert()),
              std::tuple(QString("Mittagstisch"), 0)); // Start off
    g.f.Txt.setzeText(QStringLiteral("Suppe"));
    DarstellungSpeichern(g.f);
    EXPECT_FALSE(QFile::exists(QStringLiteral("mittag.LSL")));
    EXPECT_TRUE(lies(QStringLiteral("mittag.lsl")).contains("Text=Suppe\r\n"));
}

TEST(NamenListen, LöschenTrifftDenNamenDerFrageWährendDieListenSichÄndern) {
    TestOrdner o;
    // Each presentation is over after one step (an effect), so the playing run list moves
    // on while the question is open; a new file meanwhile shifts the name list.
    schreib(QStringLiteral("A.LSL"), "AuWa=2\r\n");
    schreib(QStringLiteral("B.LSL"), "AuWa=2\r\n");
    schreib(QStringLiteral("AB.LAL"), "A\r\nB\r\n");
    schreib(QStringLiteral("CD.LAL"), "");
    Gestartet g;
    g.f.TimerAn.klick();
    const struct {
        KombiFeld Fenster::*namen;
        void (*löschen)(Fenster&);
        const char *neu, *frage, *weg, *bleibt;
        QStringList danach;
    } fälle[] = {
        {&Fenster::AlleLS, LSlöschen_Click, "0.LSL", "Wollen Sie (A) löschen ?", "A.LSL", "B.LSL", {"0", "B"}},
        {&Fenster::AlleLL, LLlöschen_Click, "0.LAL", "Wollen Sie (AB) löschen ?", "AB.LAL", "CD.LAL", {"0", "CD"}},
    };
    for (const auto& fall : fälle) {
        g.f.AlleLL.setzeText(QStringLiteral("AB"));
        AlleLL_Click(g.f);
        (g.f.*fall.namen).wähle(0); // A, or the run list AB
        g.f.Start.setzeWert(1);
        QString gespielt;
        g.dialoge.ticksImDialog(g.f.T, 2, [&] {
            gespielt = g.f.AlleLS.text();
            schreib(QString::fromUtf8(fall.neu), "");
            DateiListenAktualisieren(g.f);
        });
        g.dialoge.antworten = {true};
        fall.löschen(g.f);
        EXPECT_EQ(g.dialoge.fragen.last(), fall.frage);
        EXPECT_EQ(gespielt, QStringLiteral("B")); // the run list moved on meanwhile
        EXPECT_FALSE(QFile::exists(fall.weg)) << fall.weg;
        EXPECT_TRUE(QFile::exists(fall.bleibt)) << fall.bleibt;
        EXPECT_EQ((g.f.*fall.namen).liste(), fall.danach) << fall.weg;
    }
    EXPECT_EQ(g.f.LaufListe.einträge(), (QStringList{"A", "B"})); // the list box keeps its entries
    // Typed, not picked: asks nothing. "No" keeps the file; a name that cannot be deleted
    // (here a folder) keeps its entry.
    QDir().mkdir(QStringLiteral("Ordner.LSL"));
    g.dialoge.währendOffen = {};
    g.dialoge.fragen.clear();
    g.f.AlleLS.setzeText(QStringLiteral("Z"));
    LSlöschen_Click(g.f);
    EXPECT_TRUE(g.dialoge.fragen.isEmpty());
    g.f.AlleLS.listeAnfügen(QStringLiteral("Ordner"));
    for (const int eintrag : {0, 2}) {
        g.f.AlleLS.wähle(eintrag);
        g.dialoge.antworten = {eintrag == 2};
        LSlöschen_Click(g.f);
    }
    EXPECT_EQ(g.dialoge.fragen.size(), 2);
    EXPECT_TRUE(QFile::exists(QStringLiteral("0.LSL")));
    EXPECT_EQ(g.f.AlleLS.liste(), (QStringList{"0", "B", "Ordner"}));
}
