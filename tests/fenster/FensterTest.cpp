#include "BildAnsicht.h"
#include "ModuleAusgeben.h"
#include "OffenesFenster.h"
#include "QtDialoge.h"
#include <QAbstractButton>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <algorithm>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
// Where the pixels of exactly one colour lie in a picture.
struct Fleck {
    int anzahl = 0;
    QRect umfang;
};
Fleck fleck(const QImage& bild, QRgb farbe) {
    Fleck f;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if ((bild.pixel(x, y) & 0xffffff) == (farbe & 0xffffff)) {
                ++f.anzahl;
                f.umfang |= QRect(x, y, 1, 1);
            }
    return f;
}
} // namespace

TEST(Fenster, PasstSichNachMaximumWiederSeinemInhaltAn) {
    OffenesFenster o;
    const int schirm = o.w->screen()->availableGeometry().height();
    ASSERT_LE(o.w->frameGeometry().height(), schirm);
    // At the size the window chose itself, then at a taller one the person gave it: for
    // "Maximum" it grows with the preview, but not past the screen, and back at the strip
    // it has that size again, with no empty band.
    for (const QSize mehr : {QSize(0, 0), QSize(0, 40)}) {
        const QSize vorher = o.w->size() + mehr;
        o.w->resize(vorher);
        ASSERT_TRUE(QTest::qWaitFor([&] { return o.w->size() == vorher; }, kGeduld));
        o.f.Maximum.klick();
        EXPECT_TRUE(QTest::qWaitFor([&] { return o.w->height() > vorher.height(); }, kGeduld));
        EXPECT_LE(o.w->frameGeometry().height(), schirm);
        o.f.Modulgröße.klick();
        EXPECT_TRUE(QTest::qWaitFor([&] { return o.w->size() == vorher; }, kGeduld)) << o.w->height();
    }
}

TEST(Fenster, StandardknöpfeDerDialogeSindDeutsch) {
    ASSERT_TRUE(qtTexteAufDeutsch(*QCoreApplication::instance())) << "Qt's German texts: qt6-translations-l10n";
    QWidget fenster;
    QtDialoge dialoge(&fenster);
    QStringList knöpfe;
    // Looks for the box every 10 ms until it is open (a loaded machine may take a while).
    QTimer suche;
    QObject::connect(&suche, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        for (auto* k : box->findChildren<QAbstractButton*>()) knöpfe << k->text().remove(u'&');
        suche.stop();
        box->close();
    });
    suche.start(10);
    dialoge.eingabe(QStringLiteral("Name")); // the name box, closed by the timer above
    knöpfe.sort();
    EXPECT_EQ(knöpfe, QStringList({QStringLiteral("Abbrechen"), QStringLiteral("OK")}));
}

TEST(Fenster, BeschriftungenZeigenHöchstensImBildtaktDenLetztenWert) {
    // The program may set a caption on every 1 ms step; the window system sees at most one
    // change per repaint interval, and the last value always shows in the end.
    OffenesFenster o;
    auto* vonX = o.mitText<QLabel>(QStringLiteral("X=0"));
    ASSERT_TRUE(vonX);
    const std::pair<Beschriftung*, std::function<QString()>> fälle[] = {
        {&o.f.Titel, [&o] { return o.w->windowTitle(); }}, {&o.f.VonXLabel, [vonX] { return vonX->text(); }}};
    for (const auto& fall : fälle) {
        // Not a structured binding: clang 14 cannot capture one in the lambda below.
        Beschriftung* modell = fall.first;
        const std::function<QString()>& gezeigt = fall.second;
        QTest::qWait(40); // a quiet interval: the next change shows at once
        EreignisZähler titel(o.w.get(), QEvent::WindowTitleChange);
        for (int i = 0; i < 100; ++i) modell->setzeText(QStringLiteral("Bild %1").arg(i));
        EXPECT_EQ(gezeigt(), QStringLiteral("Bild 0"));
        // The last value follows within a repaint interval; a loaded machine may take longer.
        EXPECT_TRUE(QTest::qWaitFor([&] { return gezeigt() == QStringLiteral("Bild 99"); }, kGeduld)) << gezeigt().toStdString();
        EXPECT_LE(titel.anzahl, 2);
    }
}

TEST(Fenster, LedPanelZeigtRundeLedsInDenGelatchtenFarben) {
    OffenesFenster o;
    QWidget* panel = o.teil("LedPanel");
    ASSERT_TRUE(panel);
    // One LED per colour, every other LED along row 3, across modules 0 to 2.
    const QRgb farben[] = {qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(0, 0, 255),    qRgb(255, 255, 0),
                           qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    for (int i = 0; i < 7; ++i)
        o.f.Pic.setzePunkt(2 + 2 * i, 3, RGB(qRed(farben[i]), qGreen(farben[i]), qBlue(farben[i])));
    ModuleAusgeben(o.f);
    // The panel looks at the port on its own clock: wait until every colour shows.
    QImage bild;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        bild = panel->grab().toImage();
        return std::all_of(std::begin(farben), std::end(farben), [&](QRgb c) { return fleck(bild, c).anzahl > 0; });
    }, kGeduld));

    int links = -1, mitteY = -1;
    for (const QRgb farbe : farben) {
        SCOPED_TRACE(QColor(farbe).name().toStdString());
        const Fleck f = fleck(bild, farbe);
        const QRect u = f.umfang;
        // A round dot: as wide as high, filling about π/4 of its square.
        EXPECT_GE(u.width(), 5);
        EXPECT_LE(std::abs(u.width() - u.height()), 1);
        const double anteil = double(f.anzahl) / (u.width() * u.height());
        EXPECT_GT(anteil, 0.65);
        EXPECT_LT(anteil, 0.9);
        // In order along one row.
        EXPECT_GT(u.left(), links);
        links = u.right();
        if (mitteY < 0) mitteY = u.center().y();
        EXPECT_EQ(u.center().y(), mitteY);
    }
}

TEST(Fenster, VorschauGitterFolgtDerVergrößerung) {
    OffenesFenster o;
    auto* pic = o.teil<BildAnsicht>("Pic");
    ASSERT_TRUE(pic);
    const QRgb gitter = qRgb(40, 40, 40), blau = qRgb(0, 0, 255);
    // Lines between the pixels at every multiple of the factor, the picture in between.
    const auto prüfe = [&](int faktor) {
        SCOPED_TRACE(faktor);
        o.f.Pic.bild().fill(blau);
        o.f.Pic.geändert();
        QImage b;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            b = pic->grab().toImage();
            return pic->faktor() == faktor && (b.pixel(faktor / 2, faktor / 2) & 0xffffff) == (blau & 0xffffff);
        }, kGeduld)) << pic->faktor();
        for (int x = 0; x < 10 * faktor; ++x)
            EXPECT_EQ(b.pixel(x, faktor / 2) & 0xffffff, (x % faktor == 0 ? gitter : blau) & 0xffffff) << x;
        for (int y = 0; y < pic->height(); ++y)
            EXPECT_EQ(b.pixel(faktor / 2, y) & 0xffffff, (y % faktor == 0 ? gitter : blau) & 0xffffff) << y;
    };
    prüfe(8);
    // A display of 64 × 32 fits 480 × 360 screen pixels at 7 times.
    o.f.Pic.setzeGröße(64, 32);
    prüfe(7);
}

TEST(Fenster, LedPanelAufDemSchirmGleichtNachVielenTeilbildernDemGanzenBild) {
    // The panel repaints only what changed; what the screen shows must still be the whole
    // picture of the last frame.
    OffenesFenster o;
    QWidget* panel = o.teil("LedPanel");
    ASSERT_TRUE(panel);
    for (int k = 0; k < 12; ++k) {
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 42; ++x) {
                const int farbe = (x * x + y + k) % 8 * (x % (k + 2) == 0);
                o.f.Pic.setzePunkt(x, y, RGB(farbe & 1 ? 255 : 0, farbe & 2 ? 255 : 0, farbe & 4 ? 255 : 0));
            }
        ModuleAusgeben(o.f);
        QTest::qWait(k % 3 == 0 ? 5 : 20); // sometimes two frames before one look
    }
    // The panel catches up on its own clock; what the screen shows must then be the whole.
    const QRect wo(panel->mapTo(o.w.get(), QPoint(0, 0)), panel->size());
    QImage schirm, ganz;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        schirm = o.w->screen()->grabWindow(o.w->winId()).toImage().copy(wo).convertToFormat(QImage::Format_RGB32);
        ganz = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return schirm == ganz;
    }, kGeduld));
}
