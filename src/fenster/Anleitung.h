#pragma once

class QStatusBar;

namespace glanzzug {

// The "?" button at the right of the status bar: opens the user's guide (built into the
// program from docs/anleitung.md with its pictures) in a window of its own beside the main
// window. The guide window is not modal, so playing and working go on while it is open.
void bauAnleitungsKnopf(QStatusBar* leiste);

} // namespace glanzzug
