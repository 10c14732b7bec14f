#include "Bindung.h"
#include "Fenster.h"
#include "Panels.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace glanzzug {

namespace {
// A name box as wide as a name of about 16 characters, whatever its list holds.
QComboBox* namensFeld(KombiFeld& m, const QString& name, QWidget* eltern) {
    auto* k = new QComboBox(eltern);
    k->setObjectName(name);
    k->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    k->setMinimumContentsLength(16);
    binde(k, m);
    return k;
}
} // namespace

QWidget* baueListen(Fenster& f, QWidget* eltern) {
    auto* w = new QWidget(eltern);
    auto* spalte = new QVBoxLayout(w);
    spalte->setContentsMargins(0, 0, 0, 0);

    auto* name = new QGroupBox(QStringLiteral("     Name"), w);
    auto* n = new QGridLayout(name);
    n->addWidget(namensFeld(f.AlleLS, QStringLiteral("AlleLS"), name), 0, 0, 1, 2);
    n->addWidget(neuerKnopf(f.LaufschriftSpeichern, name), 1, 0);
    n->addWidget(neuerKnopf(f.LSlöschen, name), 1, 1);
    spalte->addWidget(name);

    auto* liste = new QGroupBox(QStringLiteral("      Lauflistenname"), w);
    auto* l = new QGridLayout(liste);
    l->addWidget(namensFeld(f.AlleLL, QStringLiteral("AlleLL"), liste), 0, 0, 1, 2);
    l->addWidget(neuerKnopf(f.LaufListeSpeichern, liste), 1, 0);
    l->addWidget(neuerKnopf(f.LLlöschen, liste), 1, 1);
    auto* laufListe = new QListWidget(liste);
    laufListe->setObjectName(QStringLiteral("LaufListe"));
    binde(laufListe, f.LaufListe);
    l->addWidget(laufListe, 2, 0, 1, 2);
    l->addWidget(neuerKnopf(f.Einfügen, liste), 3, 0);
    l->addWidget(neuerKnopf(f.Entfernen, liste), 3, 1);
    auto* start = new QCheckBox(liste);
    binde(start, f.Start);
    l->addWidget(start, 4, 0, 1, 2);
    auto* pause = new QLabel(liste);
    binde(pause, f.LaufListePause);
    l->addWidget(pause, 5, 0, 1, 2);
    l->addWidget(neuerKnopf(f.LaufListeFortsetzen, liste, QStringLiteral("LaufListeFortsetzen")), 6, 0, 1, 2);
    spalte->addWidget(liste);
    return w;
}

} // namespace glanzzug
