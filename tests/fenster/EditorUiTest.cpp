#include "EditorFlaeche.h"
#include "OffenesFenster.h"
#include <QPushButton>

using namespace glanzzug;
using namespace glanzzug::test;

TEST(EditorUi, ZiehenMitEchtenMausereignissen) {
    OffenesFenster o;
    Fenster& f = o.f;
    Hauptfenster& w = *o.w;
    QPushButton* öffnen = o.mitText<QPushButton>(QStringLiteral("Modul-Anordnung Einstellen"));
    QWidget* rahmen = w.findChild<QWidget*>(QStringLiteral("MatrixFeld"));
    ASSERT_TRUE(öffnen && rahmen);
    QTest::mouseClick(öffnen, Qt::LeftButton);
    EXPECT_TRUE(rahmen->isVisible());
    EXPECT_FALSE(öffnen->isEnabled()); // what the editor covers takes no input
    QCoreApplication::processEvents(); // the layout settles, and with it the magnification

    const EditorFläche* fläche = w.findChild<EditorFläche*>(QStringLiteral("MatrixBildRand"));
    const int k = fläche->faktor();
    QWidget* icon = w.findChild<QWidget*>(QStringLiteral("Modul1"));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->geometry(), QRect(28 * k, 0, 27 * k, 27 * k));
    // Grab at icon pixel (10.5, 5.5), move to (14, 9): whole pixels count, 10 to 14 and 5 to 9,
    // so the icon snaps to (32, 4); the module's window moves only on the release.
    const QPoint ecke = icon->mapTo(&w, QPoint(0, 0)); // where the icon lies before the drag
    const auto punkt = [&](double x, double y) { return ecke + QPoint(int(x * k), int(y * k)); };
    QWindow* fenster = w.windowHandle();
    QTest::mousePress(fenster, Qt::LeftButton, {}, punkt(10.5, 5.5));
    QTest::mouseMove(fenster, punkt(14, 9));
    EXPECT_EQ(icon->pos(), QPoint(32, 4) * k);
    EXPECT_EQ(f.ModulX[1], 7);
    QTest::mouseRelease(fenster, Qt::LeftButton, {}, punkt(14, 9));
    EXPECT_EQ(f.ModulX[1], 8);
    EXPECT_EQ(f.ModulY[1], 1);
    // Right button: nothing moves.
    QTest::mousePress(fenster, Qt::RightButton, {}, punkt(10, 5));
    QTest::mouseMove(fenster, punkt(30, 5));
    QTest::mouseRelease(fenster, Qt::RightButton, {}, punkt(30, 5));
    EXPECT_EQ(f.ModulX[1], 8);

    // Module 5 absent by its button "6": red, icon hidden.
    auto* sechs = w.findChild<QPushButton*>(QStringLiteral("ModulSichtbar5"));
    ASSERT_TRUE(sechs);
    QTest::mouseClick(sechs, Qt::LeftButton);
    EXPECT_FALSE(w.findChild<QWidget*>(QStringLiteral("Modul5"))->isVisible());
    EXPECT_TRUE(sechs->styleSheet().contains(QStringLiteral("rgb(255,0,0)")));
    // "Maximum": the magnified area follows.
    f.Maximum.klick();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("MatrixBild"))->size(),
              QSize(479, 479) * fläche->faktor());

    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("MatrixSchließen")), Qt::LeftButton);
    EXPECT_FALSE(rahmen->isVisible());
    EXPECT_TRUE(öffnen->isEnabled());
    EXPECT_EQ(f.DisplayBreite, 35); // module 4 at 28 is the rightmost present one
}
