// The demo folder: written as the program writes, and it plays by itself.
#include "Anordnung.h"
#include "DarstellungLaden.h"
#include "DarstellungSpeichern.h"
#include "Umgebung.h"
#include <QDirIterator>
#include <QImage>
#include <set>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
const QString kDemo = QStringLiteral(GLANZZUG_DEMO);

// The demo folder copied into the current folder.
void demoHolen() {
    const QStringList dateien = QDir(kDemo).entryList(QDir::Files);
    ASSERT_FALSE(dateien.isEmpty());
    for (const QString& d : dateien) ASSERT_TRUE(QFile::copy(kDemo + u'/' + d, d)) << d.toStdString();
}
} // namespace

TEST(Demo, DateienSindWieVomProgrammGeschrieben) {
    ImOrdner o;
    demoHolen();
    Fensterchen w;
    Form_Load(w.f);
    EXPECT_EQ(w.f.AlleLL.text(), QStringLiteral("Demo"));
    EXPECT_EQ(w.f.LaufListe.einträge(),
              (QStringList{"Willkommen", "Farben", "Uhr", "Lok", "Zufall", "PingPong"}));
    EXPECT_EQ(w.f.AlleLS.text(), QStringLiteral("Willkommen"));
    EXPECT_EQ(w.f.AlleLS.liste().size(), 6);

    w.f.Start.setzeWert(0);
    for (const QString& name : w.f.LaufListe.einträge()) {
        w.f.AlleLS.setzeText(name);
        DarstellungLaden(w.f);
        w.f.AlleLS.setzeText(QStringLiteral("Kopie"));
        DarstellungSpeichern(w.f);
        EXPECT_EQ(lies(QStringLiteral("Kopie.LSL")), lies(kDemo + u'/' + name + QStringLiteral(".LSL")))
            << name.toStdString();
    }
    ASSERT_TRUE(MatrixAnordnungSchreiben(w.f));
    EXPECT_EQ(lies(kAnordnungsDatei), lies(kDemo + u'/' + kAnordnungsDatei));

    for (const QString& bild : QDir(kDemo).entryList({"*.bmp"}, QDir::Files)) {
        const QImage b(kDemo + u'/' + bild);
        EXPECT_EQ(b.size(), QSize(42, 7)) << bild.toStdString();
    }
}

TEST(Demo, SpieltVonSelbstVonDarstellungZuDarstellung) {
    ImOrdner o;
    demoHolen();
    Fensterchen w;
    Form_Load(w.f);
    ASSERT_TRUE(w.f.T.an());
    std::vector<int> folge{w.f.LaufListe.listIndex()};
    for (int tick = 0; tick < 200000 && folge.size() < 8; ++tick) {
        w.f.T.ablaufen();
        if (w.f.LaufListe.listIndex() != folge.back()) folge.push_back(w.f.LaufListe.listIndex());
    }
    EXPECT_EQ(folge, (std::vector<int>{0, 1, 2, 3, 4, 5, 0, 1}));
    EXPECT_GT(w.port.schreiben.size(), 590u * 1000);
}
