#pragma once

namespace glanzzug {

struct Fenster;

// The sign rests dark: the timer is switched off as "Timer aus" does and the modules get
// the blanking. Whatever was loaded stays loaded; "Timer an" or loading plays it again.
void anzeigeDunkel(Fenster& f);

} // namespace glanzzug
