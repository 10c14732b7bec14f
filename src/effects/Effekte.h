#pragma once
#include "Animation.h"
#include "Pixeleffekte.h"
#include "Zufallsformen.h"

namespace glanzzug {

struct Fenster;

// Connects the shape buttons and ZufallsFormAnzahl, registers the step routines of the
// animation and the effect modes, and gives Pic its fill style: circles and boxes are
// filled with the fill colour and outlined in their own colour.
void EffekteEinrichten(Fenster& f);

} // namespace glanzzug
