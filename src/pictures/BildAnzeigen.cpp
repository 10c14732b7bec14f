#include "BildAnzeigen.h"
#include "Fenster.h"

namespace glanzzug {

void BildAnzeigen(Fenster&) {}

void BilderEinrichten(Fenster&) {}

} // namespace glanzzug
