#include "Bindung.h"
#include "Fenster.h"
#include "Panels.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

namespace glanzzug {

namespace {
QPushButton* knopf(Knopf& m, QWidget* eltern) {
    auto* b = new QPushButton(eltern);
    binde(b, m);
    return b;
}
} // namespace

QWidget* baueBilder(Fenster& f, QWidget* eltern) {
    auto* w = new QGroupBox(QStringLiteral("Bilder"), eltern);
    auto* raster = new QGridLayout(w);
    auto* dateien = new QListWidget(w);
    binde(dateien, f.AniFiles);
    raster->addWidget(dateien, 0, 0, 4, 1);
    auto* einfügen = knopf(f.BildEinfügen, w);
    auto* alleEinfügen = knopf(f.AlleBilderEinfügen, w);
    auto* entfernen = knopf(f.BildLöschen, w);
    auto* alleEntfernen = knopf(f.AlleBilderEntfernen, w);
    auto* weg = knopf(f.BildWeg, w);
    weg->setText(QStringLiteral("🗑"));
    raster->addWidget(einfügen, 0, 1);
    raster->addWidget(alleEinfügen, 0, 2);
    raster->addWidget(entfernen, 1, 1);
    raster->addWidget(alleEntfernen, 1, 2);
    raster->addWidget(weg, 2, 1);
    auto* anpassen = new QCheckBox(w);
    binde(anpassen, f.BilderAnpassen);
    raster->addWidget(anpassen, 3, 1, 1, 2);
    auto* bilderListe = new QListWidget(w);
    binde(bilderListe, f.AniLi);
    raster->addWidget(bilderListe, 0, 3, 4, 1);
    return w;
}

} // namespace glanzzug
