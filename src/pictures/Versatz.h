#pragma once

namespace glanzzug {

struct Fenster;

// The labels of the two offset scroll bars: "X=" and "Y=" followed by the value
// ("X=-200"). The display is not redrawn; the next step uses the new offset.
void VonX_Change(Fenster& f);
void VonY_Change(Fenster& f);

} // namespace glanzzug
