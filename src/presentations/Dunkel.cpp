#include "Dunkel.h"
#include "Fenster.h"
#include "ModuleAusgeben.h"

namespace glanzzug {

void AnzeigeDunkel(Fenster& f, bool melden) {
    f.T.setzeAn(false);
    f.Dunkel = true;
    ModuleDunkel(f);
    if (melden)
        f.Statuszeile.setzeText(QStringLiteral("Anzeige dunkel – „Weiter“ oder „Timer an“ schaltet sie wieder ein"));
}

void AnzeigeWeiter(Fenster& f) { f.T.setzeAn(true); }

void DunkelEinrichten(Fenster& f) {
    f.T.umgestellt.verbinde([&f] {
        if (!f.Dunkel || !f.T.an()) return;
        f.Dunkel = false;
        f.Statuszeile.setzeText(QStringLiteral("Anzeige wieder an"));
    });
}

} // namespace glanzzug
