// A long text draws only what is visible, and what it keeps from frame to frame must
// never show: every frame is compared with the whole text drawn piece by piece by the
// picture box itself, over many frames, in every direction that sets letters on a line.
#include "Farbcodes.h"
#include "LaufSchritt.h"
#include "Platzhalter.h"
#include "TextAufbau.h"
#include "TextZeichnen.h"

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
// A text of about `länge` characters with colour codes, clock tokens, a code whose
// character is no digit, two codes in a row and characters outside the basic plane.
QString langerText(int länge, QChar symbol) {
    const QString s(symbol);
    const QString stücke[] = {"Abfahrt sT:mI:sE ",         s + "1Gleis 3 ", s + "2grün" + s + "4blau ",
                              "Zug \U0001F682 nach Köln ", s + "xschwarz ", "tA.mO.20jA ",
                              "Ä\u00A0Ö\u20ACü "};
    QString text;
    for (int i = 0; text.size() < länge; ++i) text += stücke[i % std::size(stücke)];
    return text;
}

// The frame the picture box draws for the text of this frame: the whole text, piece by
// piece between its colour codes, from the start the directions give, rounded. `gezeigt` receives
// the text without its codes.
QImage vorbild(Fenster& r, const QString& arbeitstext, QString& gezeigt) {
    r.Arbeitstext = arbeitstext;
    gezeigt.clear();
    if (!TextLageSetzen(r)) return r.Pic.bild();
    // The text lands on the nearest whole pixel, halves up (the picture box itself floors).
    r.Pic.cursorX = textPixel(r.Pic.cursorX);
    r.Pic.cursorY = textPixel(r.Pic.cursorY);
    const QString& symbol = r.FaZe.text();
    qsizetype anfang = 0;
    const auto stück = [&](qsizetype ende) {
        const QStringView teil = QStringView(arbeitstext).sliced(anfang, ende - anfang);
        r.Pic.druckeAufZeile(teil);
        gezeigt += teil;
    };
    for (qsizetype i = 0; i < arbeitstext.size(); ++i) {
        const int farbe = farbcodeBei(arbeitstext, i, symbol);
        if (farbe < 0) continue;
        stück(i);
        r.Pic.setzeVordergrund(r.Farbtabelle[std::size_t(farbe)]);
        anfang = i + 2;
        ++i;
    }
    stück(arbeitstext.size());
    r.Pic.setzeVordergrund(r.TextFarbe);
    return r.Pic.bild();
}

struct Fall {
    const char* name;
    std::vector<int> boxen;
    double schritt = 3, lauf = 0; // lauf < 0: that far before the end of the pass
    int vonX = 0, vonY = 0;
    QString schrift = "Small Fonts";
    double größe = 6.75;
    QChar symbol = '#';
    bool wechsel = false;
};
} // namespace

TEST(LangerText, JedesBildGleichtDemGanzGezeichnetenText) {
    const Fall fälle[] = {
        {"links", {kNachLinks}},
        {"links, über das Ende des Durchlaufs", {kNachLinks}, 7, -300},
        {"links, halbe Schritte, Versatz", {kNachLinks}, 0.5, 6000, 3, 1},
        {"links, krumme Schritte", {kNachLinks}, 0.3, 6000.1},
        {"rechts", {kNachRechts}, 5, 10000},
        {"rechts, doppelt, anderes Farbsymbol", {kNachRechts}, 4, 20000, 0, -8, "Small Fonts", 13.5, '%'},
        {"links, verkleinert", {kNachLinks}, 2, 3000, 0, 4, "Small Fonts", 4},
        {"hoch, mit Versatz", {kNachOben}, 1, 0, -30},
        {"runter", {kNachUnten}, 2},
        {"stehend", {}, 1, 0, -200},
        {"heranzoomen", {kHeranZoomen}},
        {"links mit Wechseltext", {kNachLinks}, 1, 8000, 0, 0, "Small Fonts", 6.75, '#', true},
        {"links in einer Systemschrift", {kNachLinks}, 9, 1200, 0, 0, "DejaVu Sans", 7},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.name);
        TextFenster t(fall.boxen), r(fall.boxen); // r draws the reference frames
        int bild = 0;
        // The clock moves on every 40 frames, so the tokens' digits change while it runs.
        t.f.jetzt = [&] { return QDateTime(QDate(2026, 12, 7), QTime(3, 59, 55)).addSecs(bild / 40); };
        const bool systemschrift = fall.schrift != "Small Fonts";
        for (TextFenster* w : {&t, &r}) {
            w->f.Txt.setzeText(langerText(systemschrift ? 400 : 3000, fall.symbol));
            w->f.Txt2.setzeText(langerText(2000, fall.symbol).mid(17));
            w->f.Wechseltext.setzeWert(fall.wechsel ? 1 : 0);
            w->f.FaZe.setzeText(fall.symbol);
            w->f.Pic.setzeSchrift({fall.schrift, fall.größe, false, false});
            w->f.Pic.setzeHintergrund(kBlau); // so that black letters show
            w->f.Schrittweite = fall.schritt;
            w->f.VonX.setzeWert(fall.vonX);
            w->f.VonY.setzeWert(fall.vonY);
        }
        t.f.Laufposition = fall.lauf;
        if (fall.lauf < 0) {
            QString gezeigt;
            r.f.Laufposition = 1; // a frame that draws, for the width of the visible characters
            vorbild(r.f, t.f.Txt.text(), gezeigt);
            t.f.Laufposition = t.f.DisplayBreite + r.f.Pic.textBreite(gezeigt) + fall.lauf;
        }
        int sichtbar = 0, durchläufe = 0;
        for (; bild < (systemschrift ? 60 : 400); ++bild) {
            const double lauf = t.f.Laufposition;
            r.f.Zeilenlage = t.f.Zeilenlage;
            r.f.Zoomgröße = t.f.Zoomgröße;
            r.f.Pic.setzeSchrift(t.f.Pic.schrift());
            t.schritt();
            r.f.Laufposition = lauf + fall.schritt;
            QString erwartet = WechseltextDran(r.f) ? r.f.Txt2.text() : r.f.Txt.text();
            PlatzhalterErsetzen(erwartet, t.f.jetzt);
            ASSERT_EQ(t.f.Arbeitstext, erwartet) << "frame " << bild;
            QString gezeigt;
            ASSERT_EQ(t.f.Pic.bild(), vorbild(r.f, erwartet, gezeigt)) << "frame " << bild << " at " << lauf;
            if (!gezeigt.isEmpty()) { // the same text and widths
                ASSERT_EQ(t.f.Gezeichnet, gezeigt) << "frame " << bild;
                ASSERT_EQ(textPixel(t.f.Pic.cursorX), r.f.Pic.cursorX) << "frame " << bild;
            }
            ASSERT_EQ(t.f.Pic.vordergrund(), t.f.TextFarbe);
            sichtbar += !gezeigt.isEmpty();
            durchläufe += t.f.DurchlaufStatus == kFertig;
        }
        EXPECT_GT(sichtbar, bild / 4); // the frames compared show the text
        if (fall.lauf < 0) {
            EXPECT_EQ(durchläufe, 1);
        }
    }
}
