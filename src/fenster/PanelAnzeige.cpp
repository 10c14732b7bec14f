#include "BildAnsicht.h"
#include "Bindung.h"
#include "Fenster.h"
#include "LedPanel.h"
#include "Panels.h"
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace glanzzug {

QWidget* baueAnzeige(Fenster& f, const SimulierterPort* sim, QWidget* eltern) {
    auto* w = new QWidget(eltern);
    auto* raster = new QGridLayout(w);
    raster->setContentsMargins(0, 0, 0, 0);

    auto* vorschau = new BildAnsicht(f.Pic, 8, true, w);
    vorschau->setObjectName(QStringLiteral("Pic"));
    // 8 screen pixels per LED for the strip; larger displays shrink to fit the room, which
    // leaves the rest of the window and its title bar (about 580 pixels) on the screen: on a
    // laptop (700 free) the largest display shows at one pixel per LED, on a desktop at three.
    const QScreen* schirm = QGuiApplication::primaryScreen();
    const int frei = schirm ? schirm->availableGeometry().height() : 1000;
    vorschau->passeFaktorAn(QSize(480, std::clamp(frei - 580, 7 * 8, 360)), 8);
    vorschau->setMinimumSize(QSize(42 * 8, 7 * 8));
    raster->addWidget(vorschau, 0, 0, Qt::AlignLeft | Qt::AlignTop);

    auto* vonY = new QScrollBar(Qt::Vertical, w);
    binde(vonY, f.VonY);
    raster->addWidget(vonY, 0, 1);
    auto* vonYLabel = new QLabel(w);
    binde(vonYLabel, f.VonYLabel);

    auto* vonX = new QScrollBar(Qt::Horizontal, w);
    binde(vonX, f.VonX);
    raster->addWidget(vonX, 1, 0);
    auto* unten = new QHBoxLayout;
    auto* vonXLabel = new QLabel(w);
    binde(vonXLabel, f.VonXLabel);
    unten->addWidget(vonXLabel);
    unten->addWidget(vonYLabel);
    auto* speichern = new QPushButton(QStringLiteral("Bild speichern"), w);
    binde(speichern, f.FormSpeichern);
    unten->addWidget(speichern);
    unten->addStretch();
    raster->addLayout(unten, 2, 0, 1, 2);

    if (sim) {
        auto* panel = new LedPanel(f, *sim, w);
        panel->setObjectName(QStringLiteral("LedPanel"));
        raster->addWidget(panel, 0, 2, 3, 1);
        raster->setColumnStretch(2, 1);
    }
    return w;
}

} // namespace glanzzug
