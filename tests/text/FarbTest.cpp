// Colour codes in the text, the four palettes and what a pick changes.
#include "Farbwahl.h"
#include "LaufSchritt.h"
#include "TextAufbau.h"
#include "TextLage.h"

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
constexpr Farbe kWeiß = RGB(255, 255, 255), kRot = RGB(255, 0, 0), kGelb = RGB(255, 255, 0), kSchwarz = 0,
                kBlau = RGB(0, 0, 255), kGrün = RGB(0, 255, 0), kMagenta = RGB(255, 0, 255),
                kCyan = RGB(0, 255, 255);

// The text standing at (0, -3) on a blue display, so that black letters show.
struct Farbaufbau : TextAufbau {
    Farbaufbau() {
        richtungen({});
        f.Pic.setzeHintergrund(kBlau);
    }
    QImage zeige(const QString& text, const QString& symbol) {
        f.Txt.setzeText(text);
        f.FaZe.setzeText(symbol);
        schritt();
        return f.Pic.bild();
    }
};
} // namespace

TEST(Farbcodes, CodeSchaltetDieFarbeFürDenRestUm) {
    Farbaufbau a;
    const QString ab = QStringLiteral("Ab"), cd = QStringLiteral("cd");
    EXPECT_EQ(a.zeige(QStringLiteral("Ab#3cd"), QStringLiteral("#")),
              a.erwartetFarbig({{ab, kWeiß}, {cd, kGelb}}, 0, -3));
    EXPECT_EQ(a.f.Gezeichnet, QStringLiteral("Abcd"));
    EXPECT_EQ(a.f.Pic.vordergrund(), a.f.TextFarbe);
    // A code needs one more character after its digit.
    EXPECT_EQ(a.zeige(QStringLiteral("Ab#3"), QStringLiteral("#")),
              a.erwartetFarbig({{QStringLiteral("Ab#3"), kWeiß}}, 0, -3));
    // Any other code character counts as 0, black.
    EXPECT_EQ(a.zeige(QStringLiteral("Ab#x!"), QStringLiteral("#")),
              a.erwartetFarbig({{ab, kWeiß}, {QStringLiteral("!"), kSchwarz}}, 0, -3));
    // Codes follow each other; 8 and 9 are white.
    EXPECT_EQ(a.zeige(QStringLiteral("#1a#2b#9c"), QStringLiteral("#")),
              a.erwartetFarbig(
                  {{QStringLiteral("a"), kRot}, {QStringLiteral("b"), kGrün}, {QStringLiteral("c"), kWeiß}},
                  0, -3));
}

TEST(Farbcodes, NurEinZeichenAlsSymbolBildetCodes) {
    Farbaufbau a;
    for (const QString& symbol : {QStringLiteral("##"), QString()}) {
        const QString text = QStringLiteral("Ab##3cd");
        EXPECT_EQ(a.zeige(text, symbol), a.erwartetFarbig({{text, kWeiß}}, 0, -3)) << symbol.toStdString();
    }
    // The blank after the code character is drawn.
    EXPECT_EQ(a.zeige(QStringLiteral("50%1 Rabatt"), QStringLiteral("%")),
              a.erwartetFarbig({{QStringLiteral("50"), kWeiß}, {QStringLiteral(" Rabatt"), kRot}}, 0, -3));
    EXPECT_EQ(a.zeige(QStringLiteral("50%"), QStringLiteral("%")),
              a.erwartetFarbig({{QStringLiteral("50%"), kWeiß}}, 0, -3));
}

TEST(Farbcodes, BuchstabenweiseGezeichnetGleichUndOhneEigenenBuchstabeneintrag) {
    Farbaufbau a;
    a.richtungen({kZufall}); // offsets and velocities 0: the letters keep their places
    EXPECT_EQ(a.zeige(QStringLiteral("Ab#3cd"), QStringLiteral("#")),
              a.erwartetFarbig({{QStringLiteral("Ab"), kWeiß}, {QStringLiteral("cd"), kGelb}}, 0, -3));
    EXPECT_EQ(a.f.Buchstabennummer, 4);
    // The colour returns to the text colour after the 30th letter even mid-text.
    a.zeige(QStringLiteral("#2") + QString(35, u'x'), QStringLiteral("#"));
    EXPECT_EQ(a.f.Buchstabennummer, 30);
    EXPECT_EQ(a.f.Pic.vordergrund(), a.f.TextFarbe);
}

TEST(Paletten, FelderLiegenWoSieHingehören) {
    TextAufbau a;
    struct Punkt {
        int x, y;
        Farbe c;
    };
    for (const Bildfeld* b : {&a.f.TeFaPic, &a.f.WeTeFaPic}) {
        EXPECT_EQ(b->breite(), 16);
        for (const Punkt p : {Punkt{0, 0, kRot},
                              {3, 3, kRot},
                              {4, 0, kGrün},
                              {11, 3, kBlau},
                              {15, 0, kGelb},
                              {6, 4, kWeiß},
                              {9, 7, kWeiß},
                              {6, 8, kMagenta},
                              {9, 15, kCyan},
                              {5, 4, kSchwarz},
                              {10, 15, kSchwarz},
                              {0, 15, kSchwarz},
                              {15, 8, kSchwarz}})
            EXPECT_EQ(b->punkt(p.x, p.y), p.c) << p.x << "," << p.y;
    }
    for (const Bildfeld* b : {&a.f.HiFaPic, &a.f.WeHiFaPic}) {
        EXPECT_EQ(b->höhe(), 16);
        for (const Punkt p : {Punkt{0, 0, kSchwarz},
                              {15, 3, kSchwarz},
                              {0, 4, kGelb},
                              {4, 7, kGelb},
                              {5, 4, kSchwarz},
                              {10, 11, kSchwarz},
                              {11, 4, kRot},
                              {15, 7, kRot},
                              {0, 8, kMagenta},
                              {15, 11, kBlau},
                              {4, 12, kCyan},
                              {5, 12, kWeiß},
                              {10, 15, kWeiß},
                              {11, 15, kGrün}})
            EXPECT_EQ(b->punkt(p.x, p.y), p.c) << p.x << "," << p.y;
    }
}

TEST(Paletten, TextfarbeUndFarbwert) {
    TextAufbau a;
    a.f.TeFaPic.MouseDown.auslösen(1, 0, 1.5, 2.9); // red field
    EXPECT_EQ(a.f.TextFarbe, kRot);
    EXPECT_EQ(a.f.TeFaLabel.vordergrund(), kRot);
    EXPECT_EQ(a.f.Pic.vordergrund(), kRot);
    EXPECT_EQ(a.f.FaWe.text(), QStringLiteral("1"));
    a.f.TeFaPic.MouseDown.auslösen(2, 1, 7, 5); // white: the first index, never 8 or 9
    EXPECT_EQ(a.f.FaWe.text(), QStringLiteral("7"));
    // Beside the palette: nothing is picked.
    a.f.TeFaPic.MouseDown.auslösen(1, 0, 16.2, 3);
    a.f.TeFaPic.MouseDown.auslösen(1, 0, -0.5, 3);
    EXPECT_EQ(a.f.TextFarbe, kWeiß);
    // A colour outside the first eight table entries leaves the value alone.
    FarbwertZeigen(a.f, RGB(1, 2, 3));
    EXPECT_EQ(a.f.FaWe.text(), QStringLiteral("7"));
}

TEST(Paletten, HintergrundÄndertWederFarbwertNochTextfarbe) {
    TextAufbau a;
    a.f.FaWe.setzeText(QStringLiteral("5"));
    a.f.HiFaPic.MouseDown.auslösen(1, 0, 12, 5); // red
    EXPECT_EQ(a.f.HintergrundFarbe, kRot);
    EXPECT_EQ(a.f.TeFaLabel.hintergrund(), kRot);
    EXPECT_EQ(a.f.Bild.hintergrund(), kRot);
    EXPECT_EQ(a.f.FaWe.text(), QStringLiteral("5"));
    EXPECT_EQ(a.f.TextFarbe, kWeiß);
    a.schritt();
    EXPECT_EQ(a.f.Pic.punkt(0, 0), kRot); // the frame is cleared in the new colour
}

TEST(Paletten, WechseltextFarbenÄndernNichtDieZeichenfarbe) {
    TextAufbau a;
    a.f.WeTeFaPic.MouseDown.auslösen(1, 0, 9, 1); // blue
    EXPECT_EQ(a.f.WechselTextFarbe, kBlau);
    EXPECT_EQ(a.f.WeFaLabel.vordergrund(), kBlau);
    EXPECT_EQ(a.f.FaWe.text(), QStringLiteral("4"));
    EXPECT_EQ(a.f.Pic.vordergrund(), kWeiß);
    a.f.WeHiFaPic.MouseDown.auslösen(1, 0, 7, 13); // white
    EXPECT_EQ(a.f.WechselHintergrundFarbe, kWeiß);
    EXPECT_EQ(a.f.WeFaLabel.hintergrund(), kWeiß);
    EXPECT_EQ(a.f.Pic.hintergrund(), kSchwarz);
}
