// The demo folder: it plays by itself, and its files are as the program writes them.
#include "Anordnung.h"
#include "DarstellungSpeichern.h"
#include "Umgebung.h"

using namespace glanzzug;
using namespace glanzzug::test;

TEST(Demo, SpieltVonSelbstUndIstWieVomProgrammGeschrieben) {
    TestOrdner o;
    const QString demo = QStringLiteral(GLANZZUG_DEMO) + u'/';
    for (const QString& d : QDir(demo).entryList(QDir::Files)) ASSERT_TRUE(QFile::copy(demo + d, d));
    Gestartet w;
    ASSERT_TRUE(w.f.T.an());
    EXPECT_EQ(w.f.AlleLL.text(), QStringLiteral("Demo"));
    const QStringList namen = w.f.LaufListe.einträge();
    EXPECT_EQ(namen, (QStringList{"Willkommen", "Farben", "Uhr", "Lok", "Zufall", "PingPong"}));
    EXPECT_EQ(w.f.AlleLS.liste().size(), 6);
    std::vector<int> folge{w.f.LaufListe.listIndex()};
    for (int tick = 0; tick < 200000 && folge.size() < 8; ++tick) {
        w.ticks(1);
        if (w.f.LaufListe.listIndex() != folge.back()) folge.push_back(w.f.LaufListe.listIndex());
    }
    EXPECT_EQ(folge, (std::vector<int>{0, 1, 2, 3, 4, 5, 0, 1}));
    EXPECT_GT(w.port.schreiben.size(), 590u * 1000);

    w.f.Start.setzeWert(0);
    for (const QString& name : namen) {
        w.laden(name);
        w.f.AlleLS.setzeText(QStringLiteral("Kopie"));
        DarstellungSpeichern(w.f);
        EXPECT_EQ(lies(QStringLiteral("Kopie.LSL")), lies(demo + name + ".LSL")) << name.toStdString();
    }
    ASSERT_TRUE(MatrixAnordnungSchreiben(w.f));
    EXPECT_EQ(lies(kAnordnungsDatei), lies(demo + kAnordnungsDatei));
    for (const QString& bild : QDir(demo).entryList({"*.bmp"}, QDir::Files))
        EXPECT_EQ(QImage(demo + bild).size(), QSize(42, 7)) << bild.toStdString();
}
