// Layout and movement of the scrolling text: where each direction puts the text, when a
// pass or cycle ends, and the per-letter movement of "Zufall".
#include "LaufSchritt.h"
#include "TextAufbau.h"
#include "TextLage.h"

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
// The text top at the design state: Zeilenlage (font size 6.75) - SchriftGröße - 3.
constexpr int kOben = -3;
} // namespace

TEST(TextLauf, LinksKommtRechtsHereinUndEndetWennDasEndeDurchIst) {
    TextAufbau a;
    const QString text = QStringLiteral("FELL");
    const int w = a.breite(text);
    a.f.Txt.setzeText(text);
    a.schritt(); // Laufposition 1
    EXPECT_EQ(a.f.Pic.bild(), a.erwartet(text, 41, kOben));
    EXPECT_EQ(a.f.DurchlaufStatus, 0);
    // Up to Laufposition 42 + w the text is still on its way.
    a.f.Laufposition = 42 + w - 1;
    a.schritt();
    EXPECT_EQ(a.f.Pic.bild(), a.erwartet(text, -w, kOben));
    EXPECT_EQ(a.f.DurchlaufStatus, 0);
    EXPECT_EQ(a.f.Laufposition, 42 + w);
    // The next frame draws it one pixel further left and ends the pass.
    a.schritt();
    EXPECT_EQ(a.f.Pic.bild(), a.erwartet(text, -w - 1, kOben));
    EXPECT_EQ(a.f.DurchlaufStatus, kFertig);
    EXPECT_EQ(a.f.Laufposition, 0);
    a.schritt();
    EXPECT_EQ(a.f.Pic.bild(), a.erwartet(text, 41, kOben));
}

TEST(TextLauf, RechtsStehtMZellenLinksVomStart) {
    TextAufbau a;
    a.richtungen({kNachRechts});
    a.f.SchriftGröße = 7;
    a.f.Pic.setzeSchrift({QStringLiteral("Small Fonts"), 7, false, false});
    a.f.Txt.setzeText(QStringLiteral("ABC"));
    a.f.Laufposition = 19;
    a.schritt();
    // x = 20 - 3 * 7 + 7 = 6; top = 7 - 7 - 3.
    EXPECT_EQ(a.f.Pic.bild(), a.erwartet(QStringLiteral("ABC"), 6, -3, 7));
}

TEST(TextLauf, SchrittweiteNullZeigtNichtsUndBeendetJedenSchritt) {
    TextAufbau a;
    a.f.Schrittweite = 0;
    for (auto boxen : {std::initializer_list<int>{kNachLinks}, {kNachRechts}, {kNachLinks, kZufall}}) {
        a.richtungen(boxen);
        for (int i = 0; i < 3; ++i) {
            a.schritt();
            EXPECT_TRUE(a.leer());
            EXPECT_EQ(a.f.DurchlaufStatus, kPassEnde);
        }
    }
}

TEST(TextLauf, OhneRichtungStehtDerTextMitVersatz) {
    TextAufbau a;
    a.richtungen({kZurück}); // "zurück" alone moves nothing
    a.f.VonX.setzeWert(5);
    a.f.VonY.setzeWert(1);
    a.f.Txt.setzeText(QStringLiteral("Hi"));
    a.schritt();
    EXPECT_EQ(a.f.Pic.bild(), a.erwartet(QStringLiteral("Hi"), 5, kOben + 1));
    EXPECT_EQ(a.f.DurchlaufStatus, kAnzahlErreicht);
}

TEST(TextLauf, SchriftGrößeSiebenGegenEntwurfsgrößeBleibtAufDenSiebenZeilen) {
    // The start state of a seven-row display: SchriftGröße is the display height (7) while
    // Pic draws at 6.75. The text top at -3.25 must not lose the top row (the dots of Ä).
    TextAufbau a;
    a.richtungen({});
    a.f.SchriftGröße = 7;
    a.f.Txt.setzeText(QStringLiteral("ÄÖÜg"));
    a.schritt();
    EXPECT_EQ(a.f.Pic.bild(), a.erwartet(QStringLiteral("ÄÖÜg"), 0, -3));
}

TEST(TextLauf, HeranZoomenWächstVonZweiBisZurSchriftGröße) {
    TextAufbau a;
    a.richtungen({kHeranZoomen});
    a.f.SchriftGröße = 7;
    a.f.Txt.setzeText(QStringLiteral("OK"));
    for (int runde = 0; runde < 2; ++runde) {
        for (double größe = 2; größe <= 7; ++größe) {
            a.schritt();
            EXPECT_EQ(a.f.Pic.schrift().größe, größe);
            const bool ende = größe == 7;
            EXPECT_EQ(a.f.DurchlaufStatus, ende ? kPassEnde : 0) << größe;
            // Centred in the size drawn, top fixed at 2 - 0.6 * 7 = -2.2.
            Bildfeld b(1, 1);
            b.setzeSchrift({QStringLiteral("Small Fonts"), größe, false, false});
            const int x = (42 - b.textBreite(QStringLiteral("OK"))) / 2;
            EXPECT_EQ(a.f.Pic.bild(), a.erwartet(QStringLiteral("OK"), x, -2, größe)) << größe;
            if (ende) {
                EXPECT_EQ(a.f.Laufposition, 0);
            }
        }
    }
}

TEST(TextLauf, HeranZoomenMitKleinerSchriftEndetJedenSchrittUndNegativBleibtKlein) {
    TextAufbau a;
    a.richtungen({kHeranZoomen});
    a.f.SchriftGröße = 2.5; // below 2 + Schrittweite
    for (int i = 0; i < 3; ++i) {
        a.schritt();
        EXPECT_EQ(a.f.Pic.schrift().größe, 2);
        EXPECT_EQ(a.f.DurchlaufStatus, kPassEnde);
    }
    a.f.SchriftGröße = 7;
    a.f.Schrittweite = -3;
    for (int i = 0; i < 5; ++i) a.schritt();
    EXPECT_EQ(a.f.Pic.schrift().größe, kKleinsteZoomGröße);
    EXPECT_EQ(a.f.DurchlaufStatus, 0);
}

TEST(TextLauf, NachObenLäuftUmUndBeginntUnterDemDisplay) {
    TextAufbau a;
    a.richtungen({kNachOben});
    a.f.Txt.setzeText(QStringLiteral("AB"));
    a.f.Zeilenlage = 6.75;
    a.schritt();
    EXPECT_EQ(a.f.Zeilenlage, 5.75);
    // Top at 5.75 - 6.75 - 3 = -4.
    EXPECT_EQ(a.f.Pic.bild(), a.erwartet(QStringLiteral("AB"), 0, -4));
    // L = 6.75 + 7: the wrap comes when Zeilenlage falls below -13.75.
    a.f.Zeilenlage = -13.5;
    a.schritt();
    EXPECT_EQ(a.f.Zeilenlage, 6.75 + 7);
    EXPECT_EQ(a.f.DurchlaufStatus, kPassEnde);
    EXPECT_TRUE(a.leer());
    a.schritt();
    EXPECT_EQ(a.f.Pic.bild(), a.erwartet(QStringLiteral("AB"), 0, 3)); // 12.75 - 6.75 - 3
}

TEST(TextLauf, NachUntenMitStrichBeginntEineSpalteHöherUndBeideHebenSichAuf) {
    TextAufbau a;
    a.richtungen({kNachUnten, kSenkrecht});
    a.f.Txt.setzeText(QStringLiteral("ABC"));
    // L = 6.75 + 7 + 3 * 6.75 = 34; passing it wraps to -(3 * 6.75).
    a.f.Zeilenlage = 33.5;
    a.schritt();
    EXPECT_EQ(a.f.Zeilenlage, -20.25);
    EXPECT_EQ(a.f.DurchlaufStatus, kPassEnde);

    a.richtungen({kNachOben, kNachUnten});
    a.f.Zeilenlage = 3;
    a.schritt();
    EXPECT_EQ(a.f.Zeilenlage, a.f.Pic.schrift().größe);
    EXPECT_EQ(a.f.Pic.bild(), a.erwartet(QStringLiteral("ABC"), 0, kOben));
}

TEST(TextLauf, StrichZeigtNurDenErstenBuchstabenEineBreiteLinks) {
    TextAufbau a;
    a.richtungen({kSenkrecht});
    a.f.VonX.setzeWert(10);
    a.f.Txt.setzeText(QStringLiteral("MW"));
    a.schritt();
    // M at 10 - width(M); W on the next line at -width(W), outside.
    EXPECT_EQ(a.f.Pic.bild(), a.erwartet(QStringLiteral("M"), 10 - a.breite(QStringLiteral("M")), kOben));
}

TEST(TextLauf, LeererTextZeichntNichtsSetztDieFarbeZurückUndEndetNachDerBreite) {
    TextAufbau a;
    a.f.Txt.setzeText(QString());
    a.f.Pic.setzeVordergrund(RGB(0, 0, 255));
    a.f.Laufposition = 41;
    a.schritt();
    EXPECT_TRUE(a.leer());
    EXPECT_EQ(a.f.Pic.vordergrund(), a.f.TextFarbe);
    EXPECT_EQ(a.f.DurchlaufStatus, 0);
    a.schritt(); // 43 > 42 + 0
    EXPECT_EQ(a.f.DurchlaufStatus, kFertig);
}

TEST(TextLauf, ZufallBewegtHöchstensDreißigBuchstaben) {
    TextAufbau a;
    a.richtungen({kZufall});
    a.f.Txt.setzeText(QString(40, u'i'));
    for (std::size_t k = 0; k < 30; ++k) {
        a.f.BuchstabeDX[k] = 0, a.f.BuchstabeDY[k] = 0;
        a.f.BuchstabeVX[k] = 0, a.f.BuchstabeVY[k] = 1;
    }
    // The 30th letter lands at x = 18; a 31st would show at 20.
    a.f.VonX.setzeWert(-40);
    a.schritt();
    EXPECT_EQ(a.f.Pic.bild(), a.erwartet(QString(30, u'i'), -40, kOben));
    EXPECT_EQ(a.f.Buchstabennummer, 30);
    EXPECT_EQ(a.f.Gezeichnet, QString(30, u'i'));
    for (std::size_t k = 0; k < 30; ++k) EXPECT_EQ(a.f.BuchstabeDY[k], 1) << k;
    EXPECT_EQ(a.f.Pic.vordergrund(), a.f.TextFarbe);
}

TEST(TextLauf, ZufallVersetztJedenBuchstabenUmDieSummeDerVersätze) {
    TextAufbau a;
    a.richtungen({kZufall});
    a.f.Txt.setzeText(QStringLiteral("AB"));
    a.f.BuchstabeDX[0] = 2, a.f.BuchstabeDY[0] = 1, a.f.BuchstabeVX[0] = 1, a.f.BuchstabeVY[0] = 0;
    a.f.BuchstabeDX[1] = 3, a.f.BuchstabeDY[1] = 0, a.f.BuchstabeVX[1] = 0, a.f.BuchstabeVY[1] = -1;
    a.schritt();
    const int wA = a.breite(QStringLiteral("A"));
    QImage soll = a.erwartet(QStringLiteral("A"), 2, kOben + 1);
    Bildfeld b(42, 7);
    b.bild() = soll;
    b.cursorX = 2 + wA + 3;
    b.cursorY = kOben + 1;
    b.druckeAufZeile(QStringLiteral("B"));
    EXPECT_EQ(a.f.Pic.bild(), b.bild());
    EXPECT_EQ(a.f.BuchstabeDX[0], 3);
    EXPECT_EQ(a.f.BuchstabeDY[1], -1);
    EXPECT_EQ(a.f.DurchlaufStatus, 0); // still on its way
    // Once Laufposition exceeds both display dimensions the letters' pass is over, and
    // the next pass starts their flight again from their places.
    a.f.Laufposition = 42;
    a.schritt();
    EXPECT_EQ(a.f.DurchlaufStatus, kAnzahlErreicht);
    EXPECT_EQ(a.f.Laufposition, 0);
    EXPECT_EQ(a.f.BuchstabeDX[0], 0);
    EXPECT_EQ(a.f.BuchstabeDY[1], 0);
    EXPECT_EQ(a.f.BuchstabeVY[1], -1);
}

TEST(TextLauf, ZurückKommendeBuchstabenSindAmEndeDesDurchlaufsDaUndBeginnenVonVorn) {
    TextAufbau a;
    a.richtungen({kNachLinks, kZufall, kZurück});
    a.f.Txt.setzeText(QStringLiteral("LAUFTEXT"));
    a.f.AusWal.wähle(1);
    a.f.AusWal.wähle(0);
    const auto dx = a.f.BuchstabeDX, dy = a.f.BuchstabeDY;
    for (int i = 0; i < 43; ++i) a.schritt();
    // Every offset was 42 away and has come home in the 43rd frame: the text stands whole
    // at x = 42 - 43, and the pass ends.
    EXPECT_EQ(a.f.Pic.bild(), a.erwartet(QStringLiteral("LAUFTEXT"), -1, -3));
    EXPECT_EQ(a.f.DurchlaufStatus, kAnzahlErreicht);
    EXPECT_EQ(a.f.BuchstabeDX, dx);
    EXPECT_EQ(a.f.BuchstabeDY, dy);
    EXPECT_EQ(a.f.Laufposition, 0);
}

TEST(TextLauf, LangerTextZeigtNurSeinenSichtbarenTeilUndEndetNachSeinerBreite) {
    TextAufbau a;
    QString text;
    for (int i = 0; i < 1000; ++i) text += QStringLiteral("LAUFTEXT #2");
    a.f.Txt.setzeText(text);
    a.f.Laufposition = 5000;
    a.schritt();
    // 999 colour codes are left out; the last "#2" has nothing after it and is drawn.
    EXPECT_FALSE(a.leer());
    EXPECT_EQ(a.f.DurchlaufStatus, 0);
    EXPECT_EQ(a.f.Gezeichnet.size(), text.size() - 2 * 999);
    a.f.Laufposition = 42 + a.breite(a.f.Gezeichnet);
    a.schritt();
    EXPECT_EQ(a.f.DurchlaufStatus, kFertig);
}
