#pragma once

namespace glanzzug {

struct Fenster;

// The boxes of the Richtung array, by index.
enum RichtungsBox : int {
    kNachOben = 0,    // "/\"
    kNachUnten = 1,   // "\/"
    kNachLinks = 2,   // "<"
    kNachRechts = 3,  // ">"
    kHeranZoomen = 4, // ".oO"
    kZufall = 5,      // "Zufall": every letter moves by its own offset
    kZurück = 6,      // "zurück": only changes how the letter offsets start
    kSenkrecht = 7,   // "I": every letter ends its line
};
bool richtung(const Fenster& f, RichtungsBox box);

// The first part of a frame of the scrolling text: clears Pic, moves the text along the
// checked directions (Zeilenlage for up/down, Zoomgröße and the font size of Pic for
// ".oO", Laufposition for left/right), adds the preview offsets VonX/VonY and leaves the
// text's start in the cursor of Pic (display pixels, may be fractional). Sets TextBewegt
// and, at the end of a cycle, DurchlaufStatus.
// Returns false when the frame ends blank here: a vertical wrap-round, or "<" / ">" at
// Laufposition 0 (also every frame of a step width of 0).
bool TextLageSetzen(Fenster& f);

// The smallest font size ".oO" draws at, however far a negative step width has shrunk
// the zoom.
inline constexpr double kKleinsteZoomGröße = 1.0;

} // namespace glanzzug
