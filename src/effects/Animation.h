#pragma once

namespace glanzzug {

struct Fenster;

// One step of "Animation": shows the entry BildNr of the picture list AniLi through
// BildAnzeigen, which advances BildNr while a run list plays and ends the pass when the
// list wraps. An empty list draws nothing and ends no pass.
void AnimationSchritt(Fenster& f);

} // namespace glanzzug
