#include "BildAnsicht.h"
#include "Bindung.h"
#include "EditorFlaeche.h"
#include "Fenster.h"
#include "Panels.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <vector>

namespace glanzzug {

namespace {

const QString kErklärung = QStringLiteral(
    "Im Standartmodus stehen alle Module nebeneinander. Sie bilden so ein Laufschrift-Feld. Durch ziehen mit "
    "der Maus können Sie die einzelnen Module belibich anordnen. Die kleinen Punkte diehnen nur zur "
    "Orientierung. Sie stellt jedes Pixel des Bildes dar. Die Abstände zwischen den Punkten entsprechen den "
    "Abständen der einzelnen LEDs an den Modulen.");

// The column beside the editor area: explanation, presence buttons, standard
// arrangement, display size, save and close.
QWidget* baueSteuerung(Fenster& f, QWidget* eltern) {
    auto* w = new QWidget(eltern);
    w->setFixedWidth(250);
    auto* spalte = new QVBoxLayout(w);
    spalte->setContentsMargins(0, 0, 0, 0);

    auto* präsenz = new QGroupBox(QStringLiteral("Modul 1 bis 6 Sichtbar oder Unsichtbar"), w);
    präsenz->setToolTip(QStringLiteral("Wenn Sie nicht alle Module benutzen, können Sie hier einzelne Module "
                                       "Transparent oder Sichtbar machen."));
    auto* reihe = new QHBoxLayout(präsenz);
    for (int i = 0; i < 6; ++i) {
        auto* b =
            neuerKnopf(f.ModulSichtbar[std::size_t(i)], präsenz, QStringLiteral("ModulSichtbar%1").arg(i));
        b->setFixedSize(30, 30);
        reihe->addWidget(b);
    }
    spalte->addWidget(präsenz);

    spalte->addWidget(neuerKnopf(f.MatrixStandart, w, QStringLiteral("MatrixStandart")));

    auto* größe = new QGroupBox(QStringLiteral("Displaygröße ="), w);
    auto* größeSpalte = new QVBoxLayout(größe);
    größeSpalte->addWidget(neuerKnopf(f.Maximum, größe, QStringLiteral("Maximum")));
    größeSpalte->addWidget(neuerKnopf(f.Bildergröße, größe, QStringLiteral("Bildergröße")));
    größeSpalte->addWidget(neuerKnopf(f.Modulgröße, größe, QStringLiteral("Modulgröße")));
    spalte->addWidget(größe);

    auto* erklärung = new QLabel(kErklärung, w);
    erklärung->setWordWrap(true);
    erklärung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    spalte->addWidget(erklärung);
    spalte->addStretch(1);

    spalte->addWidget(neuerKnopf(f.MatrixSchließen, w, QStringLiteral("MatrixSchließen")));
    return w;
}
} // namespace

QWidget* baueEditor(Fenster& f, QWidget* eltern) {
    auto* rahmen = new QGroupBox(eltern);
    rahmen->setObjectName(QStringLiteral("MatrixFeld"));
    rahmen->setAutoFillBackground(true);
    auto* zeile = new QHBoxLayout(rahmen);
    auto* raum = new EditorRaum(f, rahmen);
    zeile->addWidget(raum, 1);
    auto* steuerung = baueSteuerung(f, rahmen);
    zeile->addWidget(steuerung);

    // The icon being dragged lies above the others.
    for (int i = 0; i < 6; ++i) {
        QPointer<QWidget> icon(raum->fläche()->icon(i));
        f.Modul[std::size_t(i)].MouseDown.verbinde([icon](int, int, double, double) {
            if (icon) icon->raise();
        });
    }

    binde(rahmen, f.MatrixFeld);
    // While the editor lies over the window, what it covers takes no input: the editor is
    // left only through "Speichern und Schließen".
    QPointer<QGroupBox> p(rahmen);
    QPointer<QWidget> schließen(steuerung->findChild<QPushButton*>(QStringLiteral("MatrixSchließen")));
    auto gesperrt = std::make_shared<std::vector<QPointer<QWidget>>>();
    f.MatrixFeld.anzeige.verbinde([p, schließen, gesperrt, &f] {
        if (!p || !p->parentWidget()) return;
        if (f.MatrixFeld.sichtbar() && gesperrt->empty()) {
            for (QWidget* w : p->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (w != p && w->isEnabled()) {
                    w->setEnabled(false);
                    gesperrt->push_back(w);
                }
            if (schließen) schließen->setFocus();
        } else if (!f.MatrixFeld.sichtbar()) {
            for (const auto& w : *gesperrt)
                if (w) w->setEnabled(true);
            gesperrt->clear();
        }
    });
    return rahmen;
}

} // namespace glanzzug
