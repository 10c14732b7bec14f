#include "BildAnsicht.h"
#include "Bindung.h"
#include "Fenster.h"
#include "Panels.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

namespace glanzzug {

namespace {
// Room for the preview in screen pixels; a larger picture scrolls.
constexpr int kVorschauFläche = 128;

// A list of file names that asks for little room (a list box asks for 256 x 192) and takes
// what the group has to spare.
class Namensliste : public QListWidget {
public:
    using QListWidget::QListWidget;
    QSize sizeHint() const override { return {fontMetrics().horizontalAdvance(QStringLiteral("Bildname.jpg")) + 24, 120}; }
};

// The preview of Bild, the picture last loaded: small pictures magnified (at most 8
// times) to fill the room, large ones at their own size in a scroll area.
QWidget* vorschau(Bildfeld& bild, QWidget* eltern) {
    auto* fläche = new QScrollArea(eltern);
    const int rand = 2 * fläche->frameWidth();
    fläche->setFixedSize(kVorschauFläche + rand, kVorschauFläche + rand);
    fläche->setAlignment(Qt::AlignCenter);
    fläche->setWidgetResizable(true);
    auto* ansicht = new BildAnsicht(bild, 1, false);
    ansicht->setObjectName(QStringLiteral("Bild"));
    ansicht->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    fläche->setWidget(ansicht);
    const auto anpassen = [p = QPointer<BildAnsicht>(ansicht), &bild] {
        if (!p) return;
        const int seite = std::max({bild.breite(), bild.höhe(), 1});
        p->setzeFaktor(std::clamp(kVorschauFläche / seite, 1, 8));
        p->setFixedSize(p->sizeHint());
    };
    bild.anzeige.verbinde(anpassen);
    anpassen();
    return fläche;
}
} // namespace

QWidget* baueBilder(Fenster& f, QWidget* eltern) {
    auto* w = new QGroupBox(QStringLiteral("Bilder"), eltern);
    auto* raster = new QGridLayout(w);
    raster->addWidget(new QLabel(QStringLiteral("Bilder im Ordner"), w), 0, 0);
    auto* dateien = new Namensliste(w);
    dateien->setObjectName(QStringLiteral("AniFiles"));
    binde(dateien, f.AniFiles);
    raster->addWidget(dateien, 1, 0, 4, 1);

    auto* einfügen = neuerKnopf(f.BildEinfügen, w);
    auto* alleEinfügen = neuerKnopf(f.AlleBilderEinfügen, w);
    auto* entfernen = neuerKnopf(f.BildLöschen, w);
    auto* alleEntfernen = neuerKnopf(f.AlleBilderEntfernen, w);
    auto* weg = neuerKnopf(f.BildWeg, w);
    weg->setIcon(w->style()->standardIcon(QStyle::SP_TrashIcon));
    raster->addWidget(einfügen, 1, 1);
    raster->addWidget(alleEinfügen, 1, 2);
    raster->addWidget(entfernen, 2, 1);
    raster->addWidget(alleEntfernen, 2, 2);
    raster->addWidget(weg, 3, 1);
    auto* anpassen = new QCheckBox(w);
    binde(anpassen, f.BilderAnpassen);
    raster->addWidget(anpassen, 4, 1, 1, 2);

    raster->addWidget(new QLabel(QStringLiteral("Bilder-Liste"), w), 0, 3);
    auto* bilderListe = new Namensliste(w);
    bilderListe->setObjectName(QStringLiteral("AniLi"));
    binde(bilderListe, f.AniLi);
    raster->addWidget(bilderListe, 1, 3, 4, 1);

    raster->addWidget(new QLabel(QStringLiteral("Vorschau"), w), 0, 4);
    raster->addWidget(vorschau(f.Bild, w), 1, 4, 4, 1, Qt::AlignTop);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(3, 1);
    return w;
}

} // namespace glanzzug
