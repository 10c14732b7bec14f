#pragma once

namespace glanzzug {

struct Fenster;

// One step of the mode "Lauf-Text": chooses and prepares the frame's text, then draws it.
void TextVorbereiten(Fenster& f);

// Connects the text subsystem's handlers and routines.
void TextEinrichten(Fenster& f);

} // namespace glanzzug
