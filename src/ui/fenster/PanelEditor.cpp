#include "Bindung.h"
#include "Fenster.h"
#include "Panels.h"
#include <QGroupBox>
#include <QVBoxLayout>

namespace glanzzug {

QWidget* baueEditor(Fenster& f, QWidget* eltern) {
    auto* rahmen = new QGroupBox(eltern);
    rahmen->setAutoFillBackground(true);
    binde(rahmen, f.MatrixFeld);
    new QVBoxLayout(rahmen);
    return rahmen;
}

} // namespace glanzzug
