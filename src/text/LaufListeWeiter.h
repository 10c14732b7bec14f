#pragma once

namespace glanzzug {

struct Fenster;

// Moves a playing run list on: text position to the start, then the entry after the
// selected one is selected (the first after the last, or when none is selected), which
// loads that presentation. An empty run list is left alone.
void LaufListeWeiter(Fenster& f);

} // namespace glanzzug
