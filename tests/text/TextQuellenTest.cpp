// Which text a frame shows: placeholders, the alternating text, the linked text file and
// the handlers of the text boxes and their buttons.
#include "Platzhalter.h"
#include "TextAufbau.h"
#include "TextDateiLesen.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
QString ersetzt(const QString& text) {
    QString t = text;
    PlatzhalterErsetzen(t, [] { return QDateTime(QDate(2031, 4, 9), QTime(7, 5, 3)); });
    return t;
}

// Runs the test in a fresh folder and returns to the old one afterwards.
struct Ordner {
    QTemporaryDir dir;
    QString alt = QDir::currentPath();
    Ordner() { QDir::setCurrent(dir.path()); }
    ~Ordner() { QDir::setCurrent(alt); }
    void datei(const QString& name, const QByteArray& inhalt) {
        QFile d(name);
        ASSERT_TRUE(d.open(QIODevice::WriteOnly));
        d.write(inhalt);
    }
};
} // namespace

TEST(Platzhalter, JedesTokenWirdZuZweiZiffern) {
    EXPECT_EQ(ersetzt(QStringLiteral("sT:mI:sE tA.mO.20jA")), QStringLiteral("07:05:03 09.04.2031"));
    EXPECT_EQ(ersetzt(QStringLiteral("sTsT")), QStringLiteral("0707"));
    EXPECT_EQ(ersetzt(QStringLiteral("ST s T St")), QStringLiteral("ST s T St"));
    EXPECT_EQ(ersetzt(QStringLiteral("Uhr sT")), QStringLiteral("Uhr 07"));
    EXPECT_EQ(ersetzt(QStringLiteral("Das")), QStringLiteral("Das"));
    EXPECT_EQ(ersetzt(QStringLiteral("s")), QStringLiteral("s"));
    // Scanned once, left to right: "ssT" replaces the second pair, "sTA" only the first.
    EXPECT_EQ(ersetzt(QStringLiteral("ssT")), QStringLiteral("s07"));
    EXPECT_EQ(ersetzt(QStringLiteral("sTA")), QStringLiteral("07A"));
}

TEST(Platzhalter, DieUhrWirdJeTokenGelesenUndDieBoxBehältIhreTokens) {
    TextAufbau a;
    int gelesen = 0;
    a.f.jetzt = [&gelesen] {
        ++gelesen;
        return QDateTime(QDate(1999, 12, 31), QTime(23, 59, gelesen));
    };
    a.f.Txt.setzeText(QStringLiteral("sE sE jA"));
    a.schritt();
    EXPECT_EQ(a.f.Arbeitstext, QStringLiteral("01 02 99"));
    EXPECT_EQ(a.f.Txt.text(), QStringLiteral("sE sE jA"));
    EXPECT_EQ(gelesen, 3);
}

TEST(Platzhalter, DatumUndZeitWerdenAnBeideTexteAngehängt) {
    TextAufbau a;
    a.f.Txt.setzeText(QString());
    a.f.DatumSetzen.klick();
    EXPECT_EQ(a.f.Txt.text(), QStringLiteral("tA.mO.20jA"));
    EXPECT_EQ(a.f.Txt2.text(), QStringLiteral("WECHSELTEXTtA.mO.20jA"));
    a.f.ZeitSetzen.klick();
    EXPECT_EQ(a.f.Txt.text(), QStringLiteral("tA.mO.20jAsT:mI:sE"));
    a.f.Txt.setzeText(QStringLiteral("tA.mO.20jA"));
    a.schritt();
    EXPECT_EQ(a.f.Arbeitstext, QStringLiteral("09.04.2031"));
}

TEST(Wechseltext, UngeradeLaufpositionZeigtDenWechseltext) {
    TextAufbau a;
    a.f.Wechseltext.setzeWert(1);
    QStringList gezeigt;
    for (int i = 0; i < 4; ++i) {
        a.schritt();
        gezeigt << a.f.Arbeitstext;
    }
    EXPECT_EQ(gezeigt, (QStringList{"WECHSELTEXT", "LAUFTEXT", "WECHSELTEXT", "LAUFTEXT"}));

    a.f.Laufposition = 0;
    a.f.Schrittweite = 2;
    for (int i = 0; i < 4; ++i) {
        a.schritt();
        EXPECT_EQ(a.f.Arbeitstext, QStringLiteral("LAUFTEXT"));
    }
    // Rounded half to even: 2.5 counts as 2, 3.5 as 4, 1.4 as 1.
    for (const double lp : {2.5, 3.5}) {
        a.f.Laufposition = lp;
        a.f.Schrittweite = 0;
        a.schritt();
        EXPECT_EQ(a.f.Arbeitstext, QStringLiteral("LAUFTEXT")) << lp;
    }
    a.f.Laufposition = 1.4;
    a.schritt();
    EXPECT_EQ(a.f.Arbeitstext, QStringLiteral("WECHSELTEXT"));
    // Only a plain check counts (a greyed box does not).
    a.f.Wechseltext.setzeWert(2);
    a.schritt();
    EXPECT_EQ(a.f.Arbeitstext, QStringLiteral("LAUFTEXT"));
}

TEST(Textdatei, ErsteZeileWirdJedenSchrittNeuGelesen) {
    Ordner o;
    TextAufbau a;
    o.datei(QStringLiteral("nachricht.txt"), QByteArray("Gr\xfc\xdf"
                                                        "e sT\rzweite\r\n"));
    a.f.DateiBenutzen.setzeToolTip(QStringLiteral("nachricht.txt"));
    a.schritt();
    EXPECT_EQ(a.f.Txt.text(), QStringLiteral("Grüße sT"));
    EXPECT_EQ(a.f.Arbeitstext, QStringLiteral("Grüße 07"));
    o.datei(QStringLiteral("nachricht.txt"), QByteArray("neu\nalt"));
    a.schritt();
    EXPECT_EQ(a.f.Txt.text(), QStringLiteral("neu"));
    // An empty first line empties the text; a file of 0 bytes or none at all changes nothing.
    o.datei(QStringLiteral("nachricht.txt"), QByteArray("\r\nmehr"));
    a.schritt();
    EXPECT_EQ(a.f.Txt.text(), QString());
    a.f.Txt.setzeText(QStringLiteral("bleibt"));
    o.datei(QStringLiteral("nachricht.txt"), QByteArray());
    a.schritt();
    EXPECT_EQ(a.f.Txt.text(), QStringLiteral("bleibt"));
    ASSERT_TRUE(QFile::remove(QStringLiteral("nachricht.txt")));
    a.schritt();
    EXPECT_EQ(a.f.Arbeitstext, QStringLiteral("bleibt"));
}

TEST(Textdatei, EinTippMitHierIstNieEinDateiname) {
    Ordner o;
    TextAufbau a;
    o.datei(QStringLiteral("Hier stand etwas"), QByteArray("aus der Datei"));
    a.f.DateiBenutzen.setzeToolTip(QStringLiteral("Hier stand etwas"));
    a.schritt();
    EXPECT_EQ(a.f.Txt.text(), QStringLiteral("LAUFTEXT"));
    // A click into the text removes any link.
    a.f.DateiBenutzen.setzeToolTip(QStringLiteral("x.txt"));
    a.f.Start.setzeWert(1);
    a.f.Txt.Click.auslösen();
    EXPECT_EQ(a.f.DateiBenutzen.toolTip(), kDateiBenutzenTipp);
    EXPECT_EQ(a.f.Start.wert(), 0);
    a.f.Start.setzeWert(1);
    a.f.Txt2.Click.auslösen();
    EXPECT_EQ(a.f.Start.wert(), 0);
}

TEST(Textdatei, LangeZeileWirdBegrenzt) {
    Ordner o;
    o.datei(QStringLiteral("lang.txt"), QByteArray(kLängsteZeile + 100, 'a') + "\r\nb");
    const auto zeile = ersteZeileLesen(QStringLiteral("lang.txt"));
    ASSERT_TRUE(zeile);
    EXPECT_EQ(zeile->size(), kLängsteZeile);
}

TEST(Textdatei, DateiKnopfSchaltetZwischenAllenDateienUndBildern) {
    Ordner o;
    TextAufbau a;
    o.datei(QStringLiteral("a.txt"), "x");
    o.datei(QStringLiteral("b.JPG"), "x");
    a.f.DateiBenutzen.klick();
    EXPECT_EQ(a.f.AniFiles.muster(), QStringLiteral("*"));
    EXPECT_EQ(a.f.AniFiles.dateien(), (QStringList{"a.txt", "b.JPG"}));
    a.f.DateiBenutzen.klick();
    EXPECT_EQ(a.f.AniFiles.muster(), QStringLiteral("*.jpg;*.gif;*.bmp;*.ico;*.avi"));
    EXPECT_EQ(a.f.AniFiles.dateien(), (QStringList{"b.JPG"}));
}
