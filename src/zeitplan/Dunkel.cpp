#include "Dunkel.h"
#include "Fenster.h"
#include "ModuleAusgeben.h"
#include "Zeiteingaben.h"

namespace glanzzug {

void anzeigeDunkel(Fenster& f) {
    TimerAus_Click(f);
    ModuleDunkel(f);
}

} // namespace glanzzug
