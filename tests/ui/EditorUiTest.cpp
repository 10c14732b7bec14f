#include "Anordnung.h"
#include "BildAnsicht.h"
#include "EditorFlaeche.h"
#include "Fenster.h"
#include "Hauptfenster.h"
#include "ModuleAusgeben.h"
#include "PortWahl.h"
#include "Programm.h"
#include "SimulierterPort.h"
#include "Start.h"
#include "Textdatei.h"
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace glanzzug;

namespace {
struct ImOrdner {
    QTemporaryDir dir;
    QString vorher = QDir::currentPath();
    ImOrdner() { QDir::setCurrent(dir.path()); }
    ~ImOrdner() { QDir::setCurrent(vorher); }
};

// The whole main window on the simulated port, started in an empty folder.
struct Fensterchen {
    ImOrdner ordner;
    Fenster f;
    PortWahl port = portWählen(QStringLiteral("sim"));
    std::unique_ptr<Hauptfenster> w;
    Fensterchen(QSize größe) {
        f.port = port.port.get();
        Verdrahten(f);
        w = std::make_unique<Hauptfenster>(f, port);
        w->resize(größe);
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        Form_Load(f);
    }
    QPushButton* knopf(const QString& text) const {
        for (auto* b : w->findChildren<QPushButton*>())
            if (b->text() == text) return b;
        return nullptr;
    }
    template <class W = QWidget> W* element(const QString& name) const { return w->findChild<W*>(name); }
    // A point inside widget `ziel`, in the window's coordinates (where real events arrive).
    QPoint imFenster(QWidget* ziel, QPoint p) const { return ziel->mapTo(w.get(), p); }
    QWindow* fenster() const { return w->windowHandle(); }
};
} // namespace

TEST(EditorUi, ZiehenMitEchtenMausereignissenUndSpeichern) {
    Fensterchen a(QSize(1000, 720));
    QPushButton* öffnen = a.knopf(QStringLiteral("Modul-Anordnung Einstellen"));
    ASSERT_TRUE(öffnen);
    QWidget* rahmen = a.element(QStringLiteral("MatrixFeld"));
    ASSERT_TRUE(rahmen);
    EXPECT_FALSE(rahmen->isVisible());

    QTest::mouseClick(öffnen, Qt::LeftButton);
    EXPECT_TRUE(rahmen->isVisible());
    EXPECT_FALSE(a.f.T.an());
    EXPECT_FALSE(öffnen->isEnabled()); // what the editor covers takes no input

    auto* fläche = a.element<EditorFläche>(QStringLiteral("MatrixBildRand"));
    ASSERT_TRUE(fläche);
    const int k = fläche->faktor();
    QWidget* matrix = a.element(QStringLiteral("MatrixBild"));
    EXPECT_EQ(matrix->size(), QSize(167 * k, 27 * k));
    QWidget* icon = a.element(QStringLiteral("Modul1"));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->parentWidget(), matrix);
    EXPECT_EQ(icon->geometry(), QRect(28 * k, 0, 27 * k, 27 * k));
    EXPECT_EQ(icon->toolTip(), QStringLiteral("Modul 2"));

    // Left button: grab at (10, 5), 5 pixels to the right: the icon snaps to 32.
    const QPoint griff = a.imFenster(icon, QPoint(10, 5) * k);
    QTest::mousePress(a.fenster(), Qt::LeftButton, {}, griff);
    QTest::mouseMove(a.fenster(), griff + QPoint(5 * k, 0));
    EXPECT_EQ(a.f.Modul[1].links(), 32);
    EXPECT_EQ(icon->x(), 32 * k);
    EXPECT_EQ(a.f.ModulX[1], 7); // only the release moves the module's window
    // The icon moved under the pointer; the next move is measured from where it is now.
    QTest::mouseMove(a.fenster(), griff + QPoint(6 * k, 2 * k));
    EXPECT_EQ(a.f.Modul[1].links(), 32);
    QTest::mouseRelease(a.fenster(), Qt::LeftButton, {}, griff + QPoint(6 * k, 2 * k));
    EXPECT_EQ(a.f.ModulX[1], 8);
    EXPECT_EQ(a.f.ModulY[1], 0);

    // Right button: nothing moves, the release stores the unchanged place.
    const QPoint griff2 = a.imFenster(icon, QPoint(10, 5) * k);
    QTest::mousePress(a.fenster(), Qt::RightButton, {}, griff2);
    QTest::mouseMove(a.fenster(), griff2 + QPoint(20 * k, 0));
    QTest::mouseRelease(a.fenster(), Qt::RightButton, {}, griff2 + QPoint(20 * k, 0));
    EXPECT_EQ(a.f.Modul[1].links(), 32);
    EXPECT_EQ(a.f.ModulX[1], 8);

    // Module 5 absent by its button "6": red, icon hidden.
    auto* sechs = a.element<QPushButton>(QStringLiteral("ModulSichtbar5"));
    ASSERT_TRUE(sechs);
    EXPECT_EQ(sechs->text(), QStringLiteral("6"));
    QTest::mouseClick(sechs, Qt::LeftButton);
    EXPECT_FALSE(a.element(QStringLiteral("Modul5"))->isVisible());
    EXPECT_TRUE(sechs->styleSheet().contains(QStringLiteral("rgb(255,0,0)")));
    EXPECT_EQ(sechs->toolTip(), QStringLiteral("Unsichtbar"));

    QTest::mouseClick(a.element<QPushButton>(QStringLiteral("MatrixSchließen")), Qt::LeftButton);
    EXPECT_FALSE(rahmen->isVisible());
    EXPECT_TRUE(öffnen->isEnabled());
    EXPECT_TRUE(a.f.T.an());
    EXPECT_EQ(a.f.DisplayBreite, 35); // module 4 at 28 is the rightmost present one
    const auto zeilen = leseZeilen(kAnordnungsDatei);
    ASSERT_TRUE(zeilen && zeilen->size() == 20);
    EXPECT_EQ((*zeilen)[4], QStringLiteral(" 8"));
    EXPECT_EQ((*zeilen)[15], QStringLiteral("Unsichtbar"));

    // The next frame shows module 1's window from display column 8 on.
    a.f.Pic.leeren();
    a.f.Pic.setzePunkt(8, 0, RGB(255, 0, 0));
    ModuleAusgeben(a.f);
    EXPECT_EQ(a.port.simulation->led(1, 0, 0), SimulierterPort::Rot);
    EXPECT_EQ(a.port.simulation->led(0, 0, 0), 0);
}

TEST(EditorUi, VergrößertBleibtDieMausAufEditorPixeln) {
    ImOrdner ordner;
    Fenster f;
    Verdrahten(f);
    f.LetztesModul = 5;
    f.FarbeSichtbar = RGB(0, 255, 0);
    MatrixStandart_Click(f);
    QWidget oben;
    EditorRaum raum(f, &oben);
    raum.resize(1100, 1000);
    oben.resize(1100, 1000);
    oben.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&oben));
    EditorFläche* fläche = raum.fläche();
    ASSERT_EQ(fläche->faktor(), 2);
    BildAnsicht* icon = fläche->icon(1);
    EXPECT_EQ(icon->geometry(), QRect(56, 0, 54, 54));
    EXPECT_EQ(fläche->matrix()->size(), QSize(334, 54));

    // Screen pixels (21, 11) are icon pixel (10, 5); 9 screen pixels further is X 14 (not
    // 14.5): Int((28 + 14 - 10) / 4) * 4 = 32.
    QWindow* fenster = oben.windowHandle();
    const QPoint griff = icon->mapTo(&oben, QPoint(21, 11));
    QTest::mousePress(fenster, Qt::LeftButton, {}, griff);
    QTest::mouseMove(fenster, griff + QPoint(9, 0));
    EXPECT_EQ(f.Modul[1].links(), 32);
    EXPECT_EQ(icon->pos(), QPoint(64, 0));
    // Down by 6 screen pixels: icon pixel 8 (not 8.5), Int((0 + 8 - 5) / 4) = 0: stays.
    QTest::mouseMove(fenster, griff + QPoint(9, 6));
    EXPECT_EQ(f.Modul[1].oben(), 0);
    QTest::mouseMove(fenster, griff + QPoint(9, 7));
    EXPECT_EQ(f.Modul[1].oben(), 4);
    EXPECT_EQ(icon->pos(), QPoint(64, 8));
    QTest::mouseRelease(fenster, Qt::LeftButton, {}, griff + QPoint(9, 7));
    EXPECT_EQ(f.ModulX[1], 8);
    EXPECT_EQ(f.ModulY[1], 1);

    // The area follows the size buttons.
    f.Maximum.klick();
    EXPECT_EQ(fläche->matrix()->size(), QSize(958, 958));
    EXPECT_EQ(fläche->size(), QSize(962, 962));
}
