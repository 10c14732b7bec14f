#include "Versatz.h"
#include "Fenster.h"

namespace glanzzug {

void VonX_Change(Fenster& f) {
    f.VonXLabel.setzeText(QStringLiteral("X=") + QString::number(f.VonX.wert()));
}

void VonY_Change(Fenster& f) {
    f.VonYLabel.setzeText(QStringLiteral("Y=") + QString::number(f.VonY.wert()));
}

} // namespace glanzzug
