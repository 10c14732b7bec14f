#include "Bindung.h"
#include "Fenster.h"
#include "Panels.h"
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace glanzzug {

QWidget* baueFormen(Fenster& f, QWidget* eltern) {
    auto* w = new QGroupBox(QStringLiteral("Zufallsformen"), eltern);
    auto* zeile = new QHBoxLayout(w);
    const std::array<std::pair<Knopf*, const char*>, 4> formen{
        {{&f.FormKreis, "○"}, {&f.FormQuadrat, "□"}, {&f.FormLinie, "╱"}, {&f.FormLöschen, "✕"}}};
    for (auto [k, zeichen] : formen) {
        auto* b = new QPushButton(QString::fromUtf8(zeichen), w);
        b->setFixedWidth(32);
        binde(b, *k);
        zeile->addWidget(b);
    }
    auto* anzahl = new QLineEdit(w);
    anzahl->setFixedWidth(24);
    binde(anzahl, f.ZufallsFormAnzahl);
    zeile->addWidget(anzahl);
    auto* plus = new QCheckBox(w);
    binde(plus, f.PlusLöschen);
    zeile->addWidget(plus);
    zeile->addStretch();
    return w;
}

} // namespace glanzzug
