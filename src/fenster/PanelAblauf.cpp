#include "Bindung.h"
#include "Fenster.h"
#include "Panels.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace glanzzug {

namespace {
QLineEdit* kurzFeld(TextFeld& m, int breite, QWidget* eltern) {
    auto* e = new QLineEdit(eltern);
    e->setFixedWidth(breite);
    binde(e, m);
    return e;
}
// The words of a label around the blank run that leaves room for its text box.
QStringList worte(const QString& s) { return s.split(u' ', Qt::SkipEmptyParts); }
} // namespace

QWidget* baueAblauf(Fenster& f, QWidget* eltern) {
    auto* w = new QWidget(eltern);
    auto* raster = new QGridLayout(w);
    raster->setContentsMargins(0, 0, 0, 0);

    auto* modi = new QGroupBox(QStringLiteral("Darstellung"), w);
    auto* modiRaster = new QGridLayout(modi);
    auto* gruppe = new QButtonGroup(modi);
    for (int i = 0; i < f.AusWal.anzahl(); ++i) {
        auto* r = new QRadioButton(modi);
        gruppe->addButton(r, i);
        modiRaster->addWidget(r, i % 4, i / 4);
    }
    binde(gruppe, f.AusWal);
    raster->addWidget(modi, 0, 0);

    auto* richtungen = new QGroupBox(QStringLiteral("Richtung"), w);
    auto* rRaster = new QGridLayout(richtungen);
    for (int i = 0; i < 8; ++i) {
        auto* c = new QCheckBox(richtungen);
        binde(c, f.Richtung[std::size_t(i)]);
        rRaster->addWidget(c, i % 4, i / 4);
    }
    raster->addWidget(richtungen, 0, 1);

    auto* zeit = new QGroupBox(QStringLiteral("Zeit"), w);
    auto* z = new QGridLayout(zeit);
    const std::array<TextFeld*, 3> felder{&f.VerzögerungTxt, &f.DurchläufeTxt, &f.WartezeitTxt};
    for (int i = 0; i < 3; ++i) {
        const QStringList teile = worte(f.ZeitLabel[std::size_t(i)].text());
        z->addWidget(new QLabel(teile.value(0), zeit), i, 0);
        z->addWidget(kurzFeld(*felder[std::size_t(i)], 50, zeit), i, 1);
        z->addWidget(new QLabel(teile.value(1), zeit), i, 2);
    }
    auto* bisUhr = new QCheckBox(zeit);
    binde(bisUhr, f.BisUhr);
    z->addWidget(bisUhr, 3, 0);
    z->addWidget(kurzFeld(f.BisUhrText, 60, zeit), 3, 1);
    const QStringList uhrWorte = worte(QStringLiteral("   oder       bis                       Uhr"));
    bisUhr->setText(uhrWorte.mid(0, uhrWorte.size() - 1).join(u' '));
    z->addWidget(new QLabel(uhrWorte.last(), zeit), 3, 2);
    auto* bisDatum = new QCheckBox(zeit);
    binde(bisDatum, f.BisDatum);
    z->addWidget(bisDatum, 4, 0);
    z->addWidget(kurzFeld(f.BisDatumText, 80, zeit), 4, 1);
    const QStringList datumWorte = worte(QStringLiteral("oder      bis zum                             Datum"));
    bisDatum->setText(datumWorte.mid(0, datumWorte.size() - 1).join(u' '));
    z->addWidget(new QLabel(datumWorte.last(), zeit), 4, 2);
    auto* nummerText = new QLabel(zeit);
    binde(nummerText, f.ZeitLabel[3]);
    z->addWidget(nummerText, 5, 0);
    auto* oft = new QLabel(zeit);
    binde(oft, f.OftLabel);
    // The pass number changes with every pass, many times a second for short animations;
    // a fixed size (room for ten digits) spares the group a new layout at every change.
    oft->setFixedSize(oft->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")),
                      oft->fontMetrics().height());
    z->addWidget(oft, 5, 1);
    auto* an = new QPushButton(zeit);
    binde(an, f.TimerAn);
    auto* aus = new QPushButton(zeit);
    binde(aus, f.TimerAus);
    z->addWidget(an, 6, 0);
    z->addWidget(aus, 6, 1, 1, 2);
    raster->addWidget(zeit, 0, 2);
    return w;
}

} // namespace glanzzug
