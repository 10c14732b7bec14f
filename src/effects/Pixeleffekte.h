#pragma once

namespace glanzzug {

struct Fenster;

// The pixel effects. Each makes one step on the display image Pic over the display size
// (DisplayBreite x DisplayHöhe), ends the pass (DurchlaufStatus 1) and sends nothing.

// A row shown in negative (XOR with TextFarbe) that runs down and up again; LinieY is
// its row and LinieRichtung its step (+1 or -1). The mode selection draws it on row 0.
void LinieSchritt(Fenster& f);
// A point in TextFarbe at (PunktX, PunktY) moving by (PunktDX, PunktDY); it bounces off
// the edges and off every pixel not in HintergrundFarbe, which it clears as it bounces.
void PingPongSchritt(Fenster& f);
// Turns every channel c of the image into 255 - c.
void NegativSchritt(Fenster& f);
// Clears Pic to its back colour and removes its background picture.
void DisplayLöschen(Fenster& f);
// Gives Pic one of the first eight colours of Farbtabelle as its back colour (one draw
// of the random generator); a background picture stays visible over it.
void ZufallsfarbeSchritt(Fenster& f);

} // namespace glanzzug
