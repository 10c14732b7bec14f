// Colour codes in the text, and what a pick in the four palettes changes.
#include "Farbwahl.h"
#include "TextAufbau.h"

using namespace glanzzug;
using namespace glanzzug::test;

TEST(Farbcodes, SchaltenDieFarbeFürDenRestUm) {
    const struct {
        QString text, symbol;
        Stücke stücke;
    } fälle[] = {
        {"Ab#3cd", "#", {{"Ab", kWeiß}, {"cd", kGelb}}},
        {"Ab#3", "#", {{"Ab#3", kWeiß}}},                 // a code needs one more character
        {"Ab#x!", "#", {{"Ab", kWeiß}, {"!", kSchwarz}}}, // any other code character counts as 0
        {"#1a#2b#9c", "#", {{"a", kRot}, {"b", kGrün}, {"c", kWeiß}}},
        {"Ab##3cd", "##", {{"Ab##3cd", kWeiß}}}, // only a one-character symbol forms codes
        {"Ab#3cd", "", {{"Ab#3cd", kWeiß}}},
        {"50%1 Rabatt", "%", {{"50", kWeiß}, {" Rabatt", kRot}}},
        {"50%", "%", {{"50%", kWeiß}}},
    };
    // "Zufall" with resting letters draws letter by letter and must show the same.
    for (bool zufall : {false, true})
        for (const auto& fall : fälle) {
            TextFenster t(zufall ? std::vector<int>{kZufall} : std::vector<int>{});
            t.f.Pic.setzeHintergrund(kBlau); // so that black letters show
            t.f.Txt.setzeText(fall.text);
            t.f.FaZe.setzeText(fall.symbol);
            t.schritt();
            QString gezeigt;
            for (const auto& stück : fall.stücke) gezeigt += stück.first;
            SCOPED_TRACE(fall.text.toStdString() + (zufall ? " Zufall" : ""));
            EXPECT_EQ(t.f.Pic.bild(), t.soll(fall.stücke, 0, -3));
            EXPECT_EQ(std::tuple(t.f.Gezeichnet, t.f.Pic.vordergrund()), std::tuple(gezeigt, t.f.TextFarbe));
            // Codes take no letter entry.
            EXPECT_EQ(t.f.Buchstabennummer, zufall ? gezeigt.size() : 0);
        }
}

TEST(Paletten, KlickWähltDieFarbeUnterDemZeiger) {
    TestFenster t;
    Fenster& f = t.f;
    f.FaWe.setzeText("5");
    const struct {
        Bildfeld Fenster::*palette;
        double x, y;
        Farbe Fenster::*ziel;
        Farbe farbe;
        const char* faWe; // background picks leave the value alone
    } klicks[] = {
        {&Fenster::HiFaPic, 0, 5, &Fenster::HintergrundFarbe, kGelb, "5"},
        {&Fenster::TeFaPic, 7, 5, &Fenster::TextFarbe, kWeiß, "7"}, // the first index, never 8 or 9
        {&Fenster::TeFaPic, 1.5, 2.9, &Fenster::TextFarbe, kRot, "1"},
        {&Fenster::WeTeFaPic, 9, 1, &Fenster::WechselTextFarbe, kBlau, "4"},
        {&Fenster::WeHiFaPic, 7, 13, &Fenster::WechselHintergrundFarbe, kWeiß, "4"},
        {&Fenster::TeFaPic, 16.2, 3, &Fenster::TextFarbe, kRot, "4"}, // beside the palette: nothing
        {&Fenster::TeFaPic, -0.5, 3, &Fenster::TextFarbe, kRot, "4"},
    };
    for (const auto& k : klicks) {
        (f.*k.palette).MouseDown.auslösen(1, 0, k.x, k.y);
        EXPECT_EQ(std::tuple(f.*k.ziel, f.FaWe.text()), std::tuple(k.farbe, QString(k.faWe)))
            << k.x << "," << k.y;
    }
    // The display takes the text and background colours, not those of the alternating text.
    EXPECT_EQ(std::tuple(f.Pic.vordergrund(), f.Pic.hintergrund(), f.Bild.hintergrund()),
              std::tuple(kRot, kGelb, kGelb));
    EXPECT_EQ(std::tuple(f.TeFaLabel.vordergrund(), f.TeFaLabel.hintergrund()), std::tuple(kRot, kGelb));
    EXPECT_EQ(std::tuple(f.WeFaLabel.vordergrund(), f.WeFaLabel.hintergrund()), std::tuple(kBlau, kWeiß));
    FarbwertZeigen(f, RGB(1, 2, 3)); // not among the eight colours
    EXPECT_EQ(f.FaWe.text(), "4");
}
