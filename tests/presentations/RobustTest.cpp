// Damaged and hostile files: nothing crashes or hangs, and reading stops where it must
// (random files: the fuzz target DateienFuzz.cpp, run by scripts/fuzz).
#include "LaufListe.h"
#include "Umgebung.h"

using namespace glanzzug;
using namespace glanzzug::test;

TEST(Robust, RiesigeWerte) {
    TestOrdner o;
    Gestartet g;
    g.f.T.setzeAn(true);
    // A 3 MB scrolling text is cut to what a text box holds.
    schreib(QStringLiteral("Lang.LSL"), "Text=" + QByteArray(3 * 1024 * 1024, 'A') + "\r\nTex2=danach\r\n");
    g.laden(QStringLiteral("Lang"));
    EXPECT_EQ(std::tuple(g.f.Txt.text().size(), g.f.Txt2.text()),
              std::tuple(kLängsterText, QString("danach")));
    g.ticks(5);

    // A picture list beyond its limit is refused and ends the reading.
    schreib(QStringLiteral("Flut.LSL"), "AniB=" + QByteArray(kMeisteBilder + 1, '/') + "\r\nTex2=nie\r\n");
    g.laden(QStringLiteral("Flut"));
    EXPECT_EQ(std::tuple(g.f.AniLi.anzahl(), g.f.Txt2.text()), std::tuple(0, QString("danach")));

    // A run list with a 3 MB line and control bytes.
    schreib(QStringLiteral("Lang.LAL"), QByteArray(3 * 1024 * 1024, 'x') + "\r\n\x01\x02\xff\r\nLang");
    g.f.Start.setzeWert(0);
    g.f.AlleLL.setzeText(QStringLiteral("Lang"));
    LaufListeLaden(g.f);
    EXPECT_EQ(std::tuple(g.f.LaufListe.anzahl(), g.f.AlleLS.text()),
              std::tuple(3, QString(kLängsterText, u'x')));
}

TEST(Robust, ZahlenJenseitsDesZiels) {
    TestOrdner o;
    Gestartet g;
    g.f.T.setzeAn(true);
    // For each numeric key: the values it accepts among these (the rest end the reading).
    const QByteArray werte[] = {"1e999", "-1e308", "65536", "1e308", "-1e999", "16777216"};
    const std::vector<std::pair<const char*, std::vector<bool>>> fälle{
        {"+L\xF6s=", {0, 0, 0, 0, 0, 0}}, {"GrAn=", {0, 0, 0, 0, 0, 0}}, {"AuWa=", {0, 0, 0, 0, 0, 0}},
        {"ZuFZ=", {0, 0, 0, 0, 0, 0}},    {"TeFa=", {0, 0, 1, 0, 0, 0}}, {"HiFa=", {0, 0, 1, 0, 0, 0}},
        {"WTFa=", {0, 0, 1, 0, 0, 0}},    {"WHFa=", {0, 0, 1, 0, 0, 0}}, {"WeTe=", {0, 0, 0, 0, 0, 0}},
        {"FoSi=", {0, 0, 0, 0, 0, 0}},    {"FoBo=", {0, 1, 1, 1, 0, 1}}, {"FoIt=", {0, 1, 1, 1, 0, 1}},
        {"Pixl=", {0, 0, 1, 0, 0, 1}},    {"LaRi=", {0, 0, 1, 0, 0, 1}}, {"Temp=", {0, 1, 1, 1, 0, 1}},
        {"WaZe=", {0, 1, 1, 1, 0, 1}},    {"AniZ=", {0, 1, 1, 1, 0, 1}}, {"VonX=", {0, 0, 0, 0, 0, 0}},
        {"VonY=", {0, 0, 0, 0, 0, 0}},    {"Uhr1=", {0, 0, 0, 0, 0, 0}}, {"Dat1=", {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& [schlüssel, angenommen] : fälle) {
        for (std::size_t i = 0; i < std::size(werte); ++i) {
            g.f.Txt2.setzeText(QStringLiteral("vorher"));
            schreib(QStringLiteral("N.LSL"), schlüssel + werte[i] + "\r\nTex2=nachher\r\n");
            g.laden(QStringLiteral("N"));
            EXPECT_EQ(g.f.Txt2.text(), angenommen[i] ? QStringLiteral("nachher") : QStringLiteral("vorher"))
                << schlüssel << werte[i].constData();
            g.ticks(3);
        }
    }
    // What was accepted stays within the limits of its control.
    schreib(QStringLiteral("M.LSL"), "Temp=1e308\r\nAniZ=-1e308\r\nLaRi=65536\r\nPixl=65536\r\n");
    g.laden(QStringLiteral("M"));
    EXPECT_EQ(
        std::tuple(g.f.VerzögerungTxt.text(), g.f.DurchläufeTxt.text(), g.f.T.intervall(), g.f.Schrittweite),
        std::tuple(QString("9999"), QString("1"), 9999, 65536.0));
    for (const auto& r : g.f.Richtung) EXPECT_EQ(r.wert(), 0);
}

TEST(Robust, TextfelderNehmenNurWasDieDateiBehaltenKann) {
    TestFenster w;
    Fenster& f = w.f;
    const QString getippt = QStringLiteral("Pfeil → und ✓ Häkchen, 5 €");
    const QString bleibt = QStringLiteral("Pfeil  und  Häkchen, 5 €");
    for (const TextFeld* t : {&f.Txt, &f.Txt2, &f.BisUhrText, &f.BisDatumText, &f.VerzögerungTxt,
                              &f.WartezeitTxt, &f.DurchläufeTxt, &f.Schritt, &f.FaZe, &f.ZufallsFormAnzahl})
        EXPECT_EQ(t->gefiltert(getippt), bleibt);
    EXPECT_EQ(QStringList({f.AlleLS.gefiltert(getippt), f.AlleLL.gefiltert(getippt)}),
              QStringList({bleibt, bleibt}));
}
