#pragma once
#include <QStringList>

namespace glanzzug {

struct Fenster;

// Limits that keep a damaged or hostile presentation file from flooding the window.
// Texts longer than a text box holds are cut to that length; a picture list may hold
// this many names at most (an "AniB=" line that would pass it is refused).
inline constexpr int kLängsterText = 32767;
inline constexpr int kMeisteBilder = 100'000;
// Lines read from one presentation file; the rest is ignored.
inline constexpr int kMeisteDarstellungsZeilen = 100'000;

// Applies the lines of a presentation file to the window in file order, each as a user's
// change of that control would (its handlers run). A key the file does not mention
// leaves its control as it was. Stops at the first value its control refuses (a check
// state outside 0..2, a mode outside 0..7, an offset outside -200..200, a number too
// large for its target, a colour outside 0..0xFFFFFF); what was applied stays. Returns
// true when every line was applied. Does not empty the picture list first. The picture
// names of all "AniB=" lines are appended once at the end, and the linked text file is
// read once at the end, with the result that applying each line in turn would give; so
// the time is linear in the size of the file.
bool DarstellungAnwenden(Fenster& f, const QStringList& zeilen);

// Loads the presentation named by the text of AlleLS: timer off, picture list emptied
// and the file applied (a file that cannot be read applies nothing and keeps the
// picture list), interval from the delay box, end-time and end-date test, mode set up,
// timer on, one playback step. A presentation whose end has already passed is finished
// at once (pass state 3, interval 1 ms). While the run list plays, such a presentation
// hands over on the next tick instead of inside this call, so loads never nest; once a
// whole round of the run list has passed its end, the sign rests dark (Pic black and
// every LED off, whatever the entries' back colours) and each further hand-over waits
// kRuhePause instead of 1 ms, until an entry is due again.
void DarstellungLaden(Fenster& f);
inline constexpr int kRuhePause = 1000; // ms

// A name was picked in AlleLS: the run list stops advancing, then that presentation loads.
void AlleLS_Click(Fenster& f);

} // namespace glanzzug
