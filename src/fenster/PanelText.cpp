#include "BildAnsicht.h"
#include "Bindung.h"
#include "Fenster.h"
#include "Panels.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace glanzzug {

namespace {
// A 16 x 16 palette, four screen pixels per palette pixel; the view keeps exactly that
// size, so every press lands on a palette pixel.
QWidget* palette(Bildfeld& b, QWidget* eltern) {
    auto* a = new BildAnsicht(b, 4, false, eltern);
    a->setFixedSize(a->sizeHint());
    a->setCursor(Qt::CrossCursor);
    return a;
}
} // namespace

QWidget* baueText(Fenster& f, QWidget* eltern) {
    auto* w = new QGroupBox(QStringLiteral("Lauf-Text"), eltern);
    auto* raster = new QGridLayout(w);

    auto* txt = new QLineEdit(w);
    txt->setObjectName(QStringLiteral("Txt"));
    binde(txt, f.Txt);
    raster->addWidget(txt, 0, 0, 1, 4);
    auto* txt2 = new QLineEdit(w);
    binde(txt2, f.Txt2);
    raster->addWidget(txt2, 1, 0, 1, 4);

    auto* knöpfe = new QHBoxLayout;
    auto* wechsel = new QCheckBox(w);
    binde(wechsel, f.Wechseltext);
    knöpfe->addWidget(wechsel);
    for (Knopf* k : {&f.DateiBenutzen, &f.DatumSetzen, &f.ZeitSetzen, &f.Schriftart}) {
        auto* b = new QPushButton(w);
        binde(b, *k);
        knöpfe->addWidget(b);
    }
    knöpfe->addStretch();
    raster->addLayout(knöpfe, 2, 0, 1, 4);

    auto* schritt = new QHBoxLayout;
    schritt->addWidget(new QLabel(QStringLiteral("Schrittweite"), w));
    auto* schrittFeld = new QLineEdit(w);
    schrittFeld->setFixedWidth(50);
    binde(schrittFeld, f.Schritt);
    schritt->addWidget(schrittFeld);
    schritt->addWidget(new QLabel(QStringLiteral("Pixel pro Schritt"), w));
    schritt->addSpacing(16);
    auto* symbolLabel = new QLabel(QStringLiteral("Farbsymbol"), w);
    auto* wertLabel = new QLabel(QStringLiteral("Farbwert"), w);
    const QString farbHilfe =
        QStringLiteral("Farbwerte gehen von 0 bis 9: 0 schwarz, 1 rot, 2 grün, 3 gelb, 4 blau, "
                       "5 magenta, 6 cyan, 7 weiß");
    symbolLabel->setToolTip(farbHilfe);
    wertLabel->setToolTip(farbHilfe);
    schritt->addWidget(symbolLabel);
    auto* faZe = new QLineEdit(w);
    faZe->setFixedWidth(30);
    binde(faZe, f.FaZe);
    schritt->addWidget(faZe);
    schritt->addWidget(wertLabel);
    auto* faWe = new QLineEdit(w);
    faWe->setFixedWidth(30);
    binde(faWe, f.FaWe);
    schritt->addWidget(faWe);
    schritt->addStretch();
    raster->addLayout(schritt, 3, 0, 1, 4);

    auto* farben = new QHBoxLayout;
    auto* teFa = new QLabel(w);
    binde(teFa, f.TeFaLabel);
    auto* weFa = new QLabel(w);
    binde(weFa, f.WeFaLabel);
    farben->addWidget(palette(f.TeFaPic, w));
    farben->addWidget(palette(f.HiFaPic, w));
    farben->addWidget(teFa);
    farben->addSpacing(12);
    farben->addWidget(palette(f.WeTeFaPic, w));
    farben->addWidget(palette(f.WeHiFaPic, w));
    farben->addWidget(weFa);
    farben->addStretch();
    raster->addLayout(farben, 4, 0, 1, 4);
    raster->setRowStretch(5, 1); // more height than needed stays empty below
    return w;
}

} // namespace glanzzug
