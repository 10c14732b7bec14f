// Which text a frame shows: placeholders, the alternating text, the linked text file and
// the buttons beside the text boxes.
#include "Platzhalter.h"
#include "TextAufbau.h"
#include "TextDateiLesen.h"

using namespace glanzzug;
using namespace glanzzug::test;

TEST(Platzhalter, JedesTokenWirdZuZweiZiffern) {
    // Scanned once, left to right: "ssT" replaces the second pair, "sTA" only the first.
    const std::pair<const char*, const char*> fälle[] = {{"sT:mI:sE tA.mO.20jA", "07:05:03 09.04.2031"},
                                                         {"sTsT", "0707"},
                                                         {"ST s T St", "ST s T St"},
                                                         {"Uhr sT", "Uhr 07"},
                                                         {"s", "s"},
                                                         {"ssT", "s07"},
                                                         {"sTA", "07A"}};
    for (const auto& [text, erwartet] : fälle) {
        QString t = text;
        PlatzhalterErsetzen(t, [] { return QDateTime(QDate(2031, 4, 9), QTime(7, 5, 3)); });
        EXPECT_EQ(t, erwartet) << text;
    }
}

TEST(Platzhalter, UhrJeTokenGelesenBoxBehältDieTokensKnöpfeHängenAn) {
    TextFenster t;
    int gelesen = 0;
    t.f.jetzt = [&gelesen] { return QDateTime(QDate(1999, 12, 31), QTime(23, 59, ++gelesen)); };
    t.f.Txt.setzeText("sE sE jA");
    t.schritt();
    EXPECT_EQ(std::tuple(t.f.Arbeitstext, t.f.Txt.text()),
              std::tuple(QString("01 02 99"), QString("sE sE jA")));

    t.f.Txt.setzeText(QString());
    t.f.DatumSetzen.klick();
    t.f.ZeitSetzen.klick();
    EXPECT_EQ(std::tuple(t.f.Txt.text(), t.f.Txt2.text()),
              std::tuple(QString("tA.mO.20jAsT:mI:sE"), QString("WECHSELTEXTtA.mO.20jAsT:mI:sE")));
}

TEST(Wechseltext, UngeradeLaufpositionZeigtDenWechseltext) {
    TextFenster t;
    t.f.Wechseltext.setzeWert(1);
    // The frame's Laufposition (after the step), rounded half to even, decides.
    const struct {
        double vorher, schritt;
        const char* text;
    } fälle[] = {{0, 1, "WECHSELTEXT"}, {1, 1, "LAUFTEXT"},   {0, 2, "LAUFTEXT"},     {1, 2, "WECHSELTEXT"},
                 {2.5, 0, "LAUFTEXT"},  {3.5, 0, "LAUFTEXT"}, {1.4, 0, "WECHSELTEXT"}};
    for (const auto& fall : fälle) {
        t.f.Laufposition = fall.vorher, t.f.Schrittweite = fall.schritt;
        t.schritt();
        EXPECT_EQ(t.f.Arbeitstext, fall.text) << fall.vorher << " + " << fall.schritt;
    }
    t.f.Wechseltext.setzeWert(2); // greyed is not checked
    t.schritt();
    EXPECT_EQ(t.f.Arbeitstext, "LAUFTEXT");
}

TEST(Textdatei, ErsteZeileWirdJedenSchrittNeuGelesen) {
    TestOrdner o;
    TextFenster t;
    t.f.DateiBenutzen.setzeToolTip("nachricht.txt");
    // Windows-1252, CR or LF ends the line, the box keeps its placeholders; 0 bytes change
    // nothing, an empty first line empties the text.
    const struct {
        QByteArray inhalt;
        const char *txt, *gezeigt; // what the text box then holds, and the frame shows
    } fälle[] = {{"Gr\374\337e sT\rzweite\r\n", "Grüße sT", "Grüße 12"},
                 {"", "Grüße sT", "Grüße 12"},
                 {"neu\nalt", "neu", "neu"},
                 {"\r\nmehr", "", ""}};
    for (const auto& fall : fälle) {
        schreib("nachricht.txt", fall.inhalt);
        t.schritt();
        EXPECT_EQ(std::tuple(t.f.Txt.text(), t.f.Arbeitstext),
                  std::tuple(QString(fall.txt), QString(fall.gezeigt)))
            << fall.inhalt.constData();
    }
    ASSERT_TRUE(QFile::remove("nachricht.txt"));
    t.f.Txt.setzeText("bleibt");
    t.schritt();
    EXPECT_EQ(t.f.Arbeitstext, "bleibt");

    schreib("lang.txt", QByteArray(kLängsteZeile + 100, 'a') + "\r\nb");
    EXPECT_EQ(ersteZeileLesen("lang.txt").value_or(QString()).size(), kLängsteZeile);
}

TEST(Textdatei, EinTippMitHierIstNieEinDateinameKlicksLösenDieVerknüpfung) {
    TestOrdner o;
    TextFenster t;
    schreib("Hier stand etwas", "aus der Datei");
    t.f.DateiBenutzen.setzeToolTip("Hier stand etwas");
    t.schritt();
    EXPECT_EQ(t.f.Txt.text(), "LAUFTEXT");

    t.f.DateiBenutzen.setzeToolTip("x.txt");
    t.f.Start.setzeWert(1);
    t.f.Txt.Click.auslösen();
    EXPECT_EQ(std::tuple(t.f.DateiBenutzen.toolTip(), t.f.Start.wert()),
              std::tuple(QString(kDateiBenutzenTipp), 0));
    t.f.Start.setzeWert(1);
    t.f.Txt2.Click.auslösen();
    EXPECT_EQ(t.f.Start.wert(), 0);
    // The file button switches the file list between all files and pictures.
    const QString bilder = t.f.AniFiles.muster();
    t.f.DateiBenutzen.klick();
    EXPECT_EQ(t.f.AniFiles.muster(), "*");
    t.f.DateiBenutzen.klick();
    EXPECT_EQ(t.f.AniFiles.muster(), bilder);
}
