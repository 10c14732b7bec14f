// The main window on a laptop screen: 1366 x 768 less title bar and panel, 1366 x 700.
#include "BildAnsicht.h"
#include "Bildtakt.h"
#include "Hauptfenster.h"
#include "PortWahl.h"
#include "TestHilfen.h"
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace glanzzug;
using glanzzug::test::TestOrdner;

namespace {
// The window on the simulated port in an empty folder: the standard strip, timer stopped.
struct Fensterchen {
    TestOrdner ordner;
    Fenster f;
    PortWahl port = portWählen(QStringLiteral("sim"));
    std::unique_ptr<Hauptfenster> w;
    Fensterchen() {
        f.port = port.port.get();
        Verdrahten(f);
        w = std::make_unique<Hauptfenster>(f, port);
        f.ablauf.fensterZeigen = [this](Fenster&) { w->show(); };
        Form_Load(f);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    // Visible widgets a person cannot see whole: reaching out of the screen's free area, or
    // cut off by a widget around them (a scroll area's view, the window's edge).
    QStringList abgeschnitten() const {
        QStringList weg;
        for (QWidget* k : w->findChildren<QWidget*>()) {
            if (!k->isVisible() || k->isWindow()) continue;
            QRect sicht = w->screen()->availableGeometry();
            for (QWidget* a = k->parentWidget(); a; a = a->isWindow() ? nullptr : a->parentWidget())
                sicht &= QRect(a->mapToGlobal(QPoint(0, 0)), a->size());
            if (const QRect ort(k->mapToGlobal(QPoint(0, 0)), k->size()); !sicht.contains(ort))
                weg << QStringLiteral("%1 \"%2\" at (%3, %4) %5 x %6")
                           .arg(QLatin1String(k->metaObject()->className()), k->objectName())
                           .arg(ort.x()).arg(ort.y()).arg(ort.width()).arg(ort.height());
        }
        return weg;
    }
    bool allesZuSehen() const { return abgeschnitten().isEmpty() && w->screen()->availableGeometry().contains(w->frameGeometry()); }
    QPushButton* knopf(const QString& text) const {
        for (auto* b : w->findChildren<QPushButton*>())
            if (b->text() == text) return b;
        return nullptr;
    }
};
} // namespace

// Every control lies inside the screen, unscrolled; so does the layout editor, in which a
// module dragged below the display stays in sight; closing it gives the window back its size.
TEST(Schirm, JedesBedienelementAufDemLaptopSchirm) {
    Fensterchen o;
    EXPECT_TRUE(QTest::qWaitFor([&] { return o.allesZuSehen(); }, 5000)) << o.abgeschnitten().join(u'\n').toStdString();
    const QSize vorher = o.w->size();

    QPushButton* öffnen = o.knopf(QStringLiteral("Modul-Anordnung Einstellen"));
    ASSERT_TRUE(öffnen);
    QTest::mouseClick(öffnen, Qt::LeftButton);
    ASSERT_TRUE(o.f.MatrixFeld.sichtbar());
    QWidget* icon = o.w->findChild<QWidget*>(QStringLiteral("Modul5"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return o.allesZuSehen(); }, 5000)) << o.abgeschnitten().join(u'\n').toStdString();
    // Down by 10 LEDs, 40 editor pixels at the editor's magnification: below the display.
    const QPoint griff = icon->mapTo(o.w.get(), QPoint(5, 5)), ziel = griff + QPoint(0, 40 * icon->width() / 27);
    QTest::mousePress(o.w->windowHandle(), Qt::LeftButton, {}, griff);
    QTest::mouseMove(o.w->windowHandle(), ziel);
    QTest::mouseRelease(o.w->windowHandle(), Qt::LeftButton, {}, ziel);
    EXPECT_EQ(o.f.ModulY[5], 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return o.allesZuSehen(); }, 5000)) << o.abgeschnitten().join(u'\n').toStdString();

    QTest::mouseClick(o.knopf(QStringLiteral("Standartmodus")), Qt::LeftButton);
    QTest::mouseClick(o.knopf(QStringLiteral("Speichern und Schließen")), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return o.w->size() == vorher; }, 5000))
        << o.w->width() << " x " << o.w->height() << " after the editor, before " << vorher.width() << " x " << vorher.height();
}

// Playing at 1 ms, the preview and the LED panel paint at most once per beat of the repaint
// clock, and the screen shows the last frame in the end.
TEST(Schirm, MaltHöchstensEinmalJeBildtakt) {
    Fensterchen o;
    ASSERT_TRUE(QTest::qWaitFor([&] { return o.allesZuSehen(); }, 5000)); // done with laying out
    auto* pic = o.w->findChild<BildAnsicht*>(QStringLiteral("Pic"));
    QWidget* teile[] = {pic, o.w->findChild<QWidget*>(QStringLiteral("LedPanel"))};
    struct Zähler : QObject {
        int anzahl = 0;
        bool eventFilter(QObject*, QEvent* e) override { return anzahl += e->type() == QEvent::Paint, false; }
    } gemalt[2], schläge;
    for (int i = 0; i < 2; ++i) teile[i]->installEventFilter(&gemalt[i]);
    Bildtakt::anmelden(&schläge, [&schläge] { ++schläge.anzahl; });
    o.f.T.setzeAn(true);
    for (int schritt = 0; schritt < 1000; ++schritt) {
        o.f.T.ablaufen();
        QCoreApplication::processEvents();
    }
    o.f.T.setzeAn(false);
    for (const auto& z : gemalt) {
        EXPECT_GE(z.anzahl, 1);
        EXPECT_LE(z.anzahl, schläge.anzahl + 2);
    }
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
