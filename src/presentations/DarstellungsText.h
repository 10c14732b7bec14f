#pragma once
#include <QString>

namespace glanzzug {

struct Fenster;

// Saving a new scrolling text or one more picture into a presentation's file, from
// outside the window.
enum class TextSpeichern {
    Gespeichert,
    KeinTextModus,    // the presentation's mode draws no text
    DateiNeuer,       // the file changed on disk since the program read it
    NichtLesbar,      // the file could not be read whole
    NichtGeschrieben, // writing failed; the old file stays
};

// The presentation on show (the text of AlleLS): its text box takes the text, so it shows
// at once, and it is saved as the window's "Speichern" saves it (a playing run list plays
// on). Any other presentation: only the "Text=" lines of its file change; the window is
// untouched. `text` must fit a text box (length, Windows-1252, one line).
TextSpeichern TextInDarstellungSpeichern(Fenster& f, const QString& name, const QString& text);

// Appends the picture `bild` to the picture list of the presentation `name` and saves it.
// The presentation on show: its list (AniLi) takes it and it is saved as the window's
// "Speichern" saves. Any other: only its "AniB=" line changes. The mode does not matter.
TextSpeichern BildInDarstellungEinfügen(Fenster& f, const QString& name, const QString& bild);

} // namespace glanzzug
