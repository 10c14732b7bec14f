// The main window on a laptop screen: 1366 x 768 less title bar and panel, 1366 x 700.
#include "BildAnsicht.h"
#include "Bildtakt.h"
#include "OffenesFenster.h"
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
// Visible widgets a person cannot see whole: reaching out of the screen's free area, or
// cut off by a widget around them (a scroll area's view, the window's edge).
QStringList abgeschnitten(const QWidget* w) {
    const QRect schirm = w->screen()->availableGeometry();
    QStringList weg;
    if (!schirm.contains(w->frameGeometry())) weg << QStringLiteral("the window");
    for (QWidget* k : w->findChildren<QWidget*>()) {
        QRect sicht = schirm;
        for (QWidget* a = k->parentWidget(); a && !k->isWindow(); a = a->isWindow() ? nullptr : a->parentWidget())
            sicht &= QRect(a->mapToGlobal(QPoint(0, 0)), a->size());
        if (k->isVisible() && !k->isWindow() && !sicht.contains(QRect(k->mapToGlobal(QPoint(0, 0)), k->size())))
            weg << QLatin1String(k->metaObject()->className()) + u' ' + k->objectName();
    }
    return weg;
}
// Waits for the layout to settle with everything in sight.
testing::AssertionResult allesZuSehen(const OffenesFenster& o) {
    if (QTest::qWaitFor([&] { return abgeschnitten(o.w.get()).isEmpty(); }, 5000)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << abgeschnitten(o.w.get()).join(u'\n').toStdString();
}
} // namespace

// Every control lies inside the screen, unscrolled; so does the layout editor, in which a
// module dragged below the display stays in sight; closing it gives the window back its size.
TEST(Schirm, JedesBedienelementAufDemLaptopSchirm) {
    OffenesFenster o;
    EXPECT_TRUE(allesZuSehen(o));
    const QSize vorher = o.w->size();

    QTest::mouseClick(o.mitText<QPushButton>(QStringLiteral("Modul-Anordnung Einstellen")), Qt::LeftButton);
    QWidget* icon = o.w->findChild<QWidget*>(QStringLiteral("Modul5"));
    ASSERT_TRUE(allesZuSehen(o));
    // Down by 10 LEDs, 40 editor pixels at the editor's magnification: below the display.
    const QPoint griff = icon->mapTo(o.w.get(), QPoint(5, 5)), ziel = griff + QPoint(0, 40 * icon->width() / 27);
    QTest::mousePress(o.w->windowHandle(), Qt::LeftButton, {}, griff);
    QTest::mouseMove(o.w->windowHandle(), ziel);
    QTest::mouseRelease(o.w->windowHandle(), Qt::LeftButton, {}, ziel);
    EXPECT_EQ(o.f.ModulY[5], 10);
    EXPECT_TRUE(allesZuSehen(o));

    QTest::mouseClick(o.mitText<QPushButton>(QStringLiteral("Standartmodus")), Qt::LeftButton);
    QTest::mouseClick(o.mitText<QPushButton>(QStringLiteral("Speichern und Schließen")), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return o.w->size() == vorher; }, 5000)) << o.w->height() << " " << vorher.height();
}

// Playing at 1 ms, the preview and the LED panel paint at most once per beat of the repaint
// clock, and the screen shows the last frame in the end.
TEST(Schirm, MaltHöchstensEinmalJeBildtakt) {
    OffenesFenster o;
    ASSERT_TRUE(allesZuSehen(o)); // done with laying out
    auto* pic = o.w->findChild<BildAnsicht*>(QStringLiteral("Pic"));
    QWidget* teile[] = {pic, o.w->findChild<QWidget*>(QStringLiteral("LedPanel"))};
    EreignisZähler gemalt[] = {{teile[0], QEvent::Paint}, {teile[1], QEvent::Paint}};
    QObject takt;
    int schläge = 0;
    Bildtakt::anmelden(&takt, [&schläge] { ++schläge; });
    o.f.T.setzeAn(true);
    for (int schritt = 0; schritt < 1000; ++schritt) {
        o.f.T.ablaufen();
        QCoreApplication::processEvents();
    }
    // The steps may take less than one beat: the latest frame is painted at the next one.
    EXPECT_TRUE(QTest::qWaitFor([&] { return gemalt[0].anzahl >= 1 && gemalt[1].anzahl >= 1; }, kGeduld));
    for (const auto& z : gemalt) EXPECT_TRUE(z.anzahl >= 1 && z.anzahl <= schläge + 2) << z.anzahl << " " << schläge;
    const QImage letztes = o.f.Pic.bild().copy();
    const auto gezeigt = [&] {
        const QImage schirm = o.w->screen()->grabWindow(o.w->winId()).toImage();
        const QPoint ecke = pic->mapTo(o.w.get(), QPoint(0, 0));
        const int k = pic->faktor();
        for (int y = 0; y < letztes.height(); ++y)
            for (int x = 0; x < letztes.width(); ++x)
                if ((schirm.pixel(ecke + QPoint(x * k + k / 2, y * k + k / 2)) ^ letztes.pixel(x, y)) & 0xffffff)
                    return false;
        return true;
    };
    EXPECT_TRUE(QTest::qWaitFor(gezeigt, 5000));
}

// A port that stops taking bytes (a record file on a node like /dev/full) is named in the
// status line in German, with the reason.
TEST(Schirm, AnschlussStörungAufDeutsch) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to make a character device node (mknod c 1 7)";
    QTemporaryDir knoten;
    const QString voll = knoten.filePath(QStringLiteral("voll"));
    ASSERT_EQ(::mknod(voll.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 7)), 0);
    OffenesFenster o(QStringLiteral("record:") + voll);
    const auto status = [&] { return o.w->statusBar()->currentMessage(); };
    o.f.T.setzeAn(true);
    o.f.T.ablaufen();
    const QString erwartet = QStringLiteral("Anschluss gestört: Aufzeichnung in „%1“, Schreiben fehlgeschlagen (kein "
                                            "Platz mehr auf dem Gerät). Die Darstellung läuft weiter.").arg(voll);
    EXPECT_TRUE(QTest::qWaitFor([&] { return status() == erwartet; }, 5000)) << status().toStdString();
}
