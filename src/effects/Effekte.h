#pragma once

namespace glanzzug {

struct Fenster;

// The step routines of the effect modes and of the animation. Each draws one frame into
// Pic and ends a pass (DurchlaufStatus 1) as its mode does; none sends to the port.
void AnimationSchritt(Fenster& f);
void LinieSchritt(Fenster& f);
void PingPongSchritt(Fenster& f);
void NegativSchritt(Fenster& f);
void DisplayLöschen(Fenster& f);
void ZufallsfarbeSchritt(Fenster& f);
void ZufallsformenSchritt(Fenster& f);

// Connects the effects' handlers and registers their step routines.
void EffekteEinrichten(Fenster& f);

} // namespace glanzzug
