#pragma once

namespace glanzzug {

struct Fenster;

// Puts the flying letters of "Zufall" back where their flight starts, keeping their
// directions: at their places, or with "zurück" the larger display dimension away against
// their velocity (where the random directions put them). Entries without a direction stay
// at offset 0. Draws no random numbers.
void BuchstabenAnDenStart(Fenster& f);

} // namespace glanzzug
