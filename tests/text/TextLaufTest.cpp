// Where each direction puts the text, when a pass or cycle ends, and the letters of "Zufall".
#include "LaufSchritt.h"
#include "TextAufbau.h"

using namespace glanzzug;
using namespace glanzzug::test;

TEST(TextLauf, LinksKommtRechtsHereinUndEndetWennDasEndeDurchIst) {
    // The colour code adds nothing to the width the text travels.
    TextFenster t;
    t.f.Txt.setzeText("FE#2LL");
    const int w = t.breite("FELL");
    const struct {
        int vorher, x, status;
    } fälle[] = {{0, 41, 0}, {42 + w - 1, -w, 0}, {42 + w, -w - 1, kFertig}};
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.vorher);
        t.f.Laufposition = fall.vorher;
        t.schritt();
        EXPECT_EQ(t.f.Pic.bild(), t.soll({{"FE", kWeiß}, {"LL", kGrün}}, fall.x, -3));
        EXPECT_EQ(t.f.DurchlaufStatus, fall.status);
    }
    EXPECT_EQ(t.f.Laufposition, 0);
}

TEST(TextLauf, RichtungenVersatzUndUmlaufSetzenDenText) {
    const int m = TextFenster().breite("M");
    struct Fall {
        std::vector<int> boxen;
        QString text = "MW";
        double lauf = 0, zeile = 0, schritt = 1;
        int vonX = 0, vonY = 0;
        std::optional<QString> zeigt = std::nullopt; // the text unless given; "" for a blank frame
        int x = 0, y = -3, status = 0;
        double danach = 6.75;
    };
    const Fall fälle[] = {
        // ">": x = Laufposition - letters * SchriftGröße + SchriftGröße = 20 - 14 + 7.
        {.boxen = {kNachRechts}, .lauf = 19, .x = 13},
        // No direction ("zurück" alone moves nothing): standing, offset; -2.25 rounds to -2.
        {.boxen = {kZurück}, .vonX = 5, .vonY = 1, .x = 5, .y = -2, .status = kAnzahlErreicht},
        {.boxen = {}, .text = "ÄÖÜg", .status = kAnzahlErreicht},
        // "/\": top 5.75 - 7 - 3 = -4.25. Up and down cancel: Zeilenlage is the font size.
        {.boxen = {kNachOben}, .zeile = 6.75, .y = -4, .danach = 5.75},
        {.boxen = {kNachOben, kNachUnten}, .zeile = 3},
        // "I": the first letter one letter width left of its place, the next a line lower.
        {.boxen = {kSenkrecht}, .vonX = 10, .zeigt = "M", .x = 10 - m, .status = kAnzahlErreicht},
        // Wrapping round after a line (7) and the display (7), with "I" a line per letter more.
        {.boxen = {kNachOben}, .zeile = -13.5, .zeigt = "", .status = kPassEnde, .danach = 14},
        {.boxen = {kNachUnten, kSenkrecht}, .zeile = 26.5, .zeigt = "", .danach = 27.5},
        {.boxen = {kNachUnten, kSenkrecht}, .zeile = 27.5, .zeigt = "", .status = kPassEnde, .danach = -14},
        // Step width 0: every frame blank and the end of a pass.
        {.boxen = {kNachLinks}, .schritt = 0, .zeigt = "", .status = kPassEnde},
        {.boxen = {kNachRechts}, .schritt = 0, .zeigt = "", .status = kPassEnde},
        {.boxen = {kNachLinks, kZufall}, .schritt = 0, .zeigt = "", .status = kPassEnde},
    };
    for (const Fall& fall : fälle) {
        TextFenster t(fall.boxen);
        t.f.Txt.setzeText(fall.text);
        t.f.Laufposition = fall.lauf, t.f.Zeilenlage = fall.zeile, t.f.Schrittweite = fall.schritt;
        t.f.VonX.setzeWert(fall.vonX);
        t.f.VonY.setzeWert(fall.vonY);
        t.schritt();
        SCOPED_TRACE(testing::PrintToString(fall.boxen) + " " + fall.text.toStdString() + " " +
                     std::to_string(fall.zeile));
        EXPECT_EQ(t.f.Pic.bild(), t.soll(fall.zeigt.value_or(fall.text), fall.x, fall.y));
        EXPECT_EQ(std::tuple(t.f.Zeilenlage, t.f.DurchlaufStatus), std::tuple(fall.danach, fall.status));
    }
}

TEST(TextLauf, HeranZoomenWächstVonZweiBisZurSchriftGröße) {
    TextFenster t({kHeranZoomen});
    t.f.Txt.setzeText("OK");
    for (int runde = 0; runde < 2; ++runde)
        for (double größe = 2; größe <= 7; ++größe) {
            t.schritt();
            Bildfeld b;
            b.setzeSchrift({"Small Fonts", größe, false, false});
            // Centred in the size drawn, the top fixed at 2 - 0.6 * 7 = -2.2.
            SCOPED_TRACE(größe);
            EXPECT_EQ(t.f.Pic.bild(), t.soll("OK", (42 - b.textBreite(u"OK")) / 2, -2, größe));
            EXPECT_EQ(t.f.DurchlaufStatus, größe == 7 ? kPassEnde : 0);
        }
    EXPECT_EQ(t.f.Laufposition, 0);

    // Below 2 + Schrittweite every frame ends the cycle; a negative width stops at the smallest size.
    t.f.SchriftGröße = 2.5;
    t.schritt();
    EXPECT_EQ(std::tuple(t.f.Pic.schrift().größe, t.f.DurchlaufStatus), std::tuple(2.0, kPassEnde));
    t.f.SchriftGröße = 7, t.f.Schrittweite = -3;
    for (int i = 0; i < 5; ++i) t.schritt();
    EXPECT_EQ(t.f.Pic.schrift().größe, kKleinsteZoomGröße);
}

TEST(TextLauf, ZufallBewegtHöchstensDreißigBuchstaben) {
    // The colour code takes no letter entry; after the 30th letter the text colour returns.
    TextFenster t({kZufall});
    t.f.Txt.setzeText("#2" + QString(40, u'i'));
    for (std::size_t k = 0; k < 30; ++k) t.f.BuchstabeVY[k] = 1;
    t.f.VonX.setzeWert(-40); // the 30th letter lands at x = 18; a 31st would show at 20
    t.schritt();
    EXPECT_EQ(t.f.Pic.bild(), t.soll({{QString(30, u'i'), kGrün}}, -40, -3));
    EXPECT_EQ(std::tuple(t.f.Buchstabennummer, t.f.Pic.vordergrund()), std::tuple(30, t.f.TextFarbe));
    EXPECT_EQ(std::count(t.f.BuchstabeDY.begin(), t.f.BuchstabeDY.end(), 1.0), 30);
}

TEST(TextLauf, ZufallVersetztJedenBuchstabenUndFliegtJedenDurchlaufNeu) {
    TextFenster t({kZufall});
    t.f.Txt.setzeText("AB");
    t.f.BuchstabeDX[0] = 2, t.f.BuchstabeDY[0] = 1, t.f.BuchstabeVX[0] = 1;
    t.f.BuchstabeDX[1] = 3, t.f.BuchstabeVY[1] = -1;
    t.schritt();
    // Each letter moves by the sum of the offsets so far: A at (2, -2), B 3 further right.
    Bildfeld b(42, 7);
    b.bild() = t.soll("A", 2, -2);
    b.cursorX = 2 + t.breite("A") + 3;
    b.cursorY = -2;
    b.druckeAufZeile(u"B");
    EXPECT_EQ(t.f.Pic.bild(), b.bild());
    EXPECT_EQ(std::tuple(t.f.BuchstabeDX[0], t.f.BuchstabeDY[1], t.f.DurchlaufStatus),
              std::tuple(3.0, -1.0, 0));
    // Beyond both display sides the pass is over and the next starts the flight from the
    // letters' places again (left where they were, they would fly on and the sign stay dark).
    t.f.Laufposition = 42;
    t.schritt();
    EXPECT_EQ(std::tuple(t.f.DurchlaufStatus, t.f.Laufposition, t.f.BuchstabeDX[0], t.f.BuchstabeDY[1],
                         t.f.BuchstabeVY[1]),
              std::tuple(kAnzahlErreicht, 0.0, 0.0, 0.0, -1.0));
}

TEST(TextLauf, ZurückKommendeBuchstabenSindAmEndeDesDurchlaufsDaUndFliegenNeu) {
    TextFenster t({kNachLinks, kZufall, kZurück});
    t.f.AusWal.wähle(1);
    t.f.AusWal.wähle(0); // draws the directions: every letter starts 42 away
    const auto dx = t.f.BuchstabeDX, dy = t.f.BuchstabeDY;
    for (int i = 0; i < 43; ++i) t.schritt();
    // Home in the 43rd frame: "LAUFTEXT" stands whole at 42 - 43, and the pass ends.
    EXPECT_EQ(t.f.Pic.bild(), t.soll("LAUFTEXT", -1, -3));
    EXPECT_EQ(std::tuple(t.f.DurchlaufStatus, t.f.Laufposition, t.f.BuchstabeDX, t.f.BuchstabeDY),
              std::tuple(kAnzahlErreicht, 0.0, dx, dy));
}
