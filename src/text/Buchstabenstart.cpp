#include "Buchstabenstart.h"
#include "Fenster.h"
#include "TextLage.h"
#include <algorithm>

namespace glanzzug {

void BuchstabenAnDenStart(Fenster& f) {
    const double d = std::max<double>(f.DisplayBreite, f.DisplayHöhe);
    const bool zurück = richtung(f, kZurück);
    for (std::size_t k = 0; k < f.BuchstabeDX.size(); ++k) {
        f.BuchstabeDX[k] = zurück ? -d * f.BuchstabeVX[k] : 0;
        f.BuchstabeDY[k] = zurück ? -d * f.BuchstabeVY[k] : 0;
    }
}

} // namespace glanzzug
