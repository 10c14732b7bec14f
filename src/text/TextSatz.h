#pragma once
#include "text/schrift/Schriftsatz.h"
#include <QString>
#include <memory>
#include <vector>

namespace glanzzug {

// A frame's text set in one font, with what drawing it needs that depends only on the
// text, the colour symbol and the font: the pieces between colour codes with their
// widths, the visible characters (colour codes left out), and, for a font that sets
// letter by letter, where every character starts. Kept while these stay the same, so a
// frame of a long text costs what is visible, not what the text holds.
struct TextSatz {
    // The text between two colour codes (or the text's ends).
    struct Stück {
        qsizetype anfang = 0, länge = 0; // UTF-16 units in the text
        int farbe = -1;                  // index into Farbtabelle set just before it; -1: none
        long long x = 0;                 // pixels from the text's start to the piece's start
        int breite = 0;                  // its advance width in pixels, as the font measures it
    };
    QString text;
    QString gezeichnet; // the text without its colour codes
    std::vector<Stück> stücke;
    // Only when the font sets letter by letter: for every UTF-16 unit of the text, and one
    // past its end, the pixels from the text's start to where that unit's character starts
    // (the second unit of a surrogate pair: where the pair starts; a colour code: where the
    // next piece starts). Empty otherwise.
    std::vector<long long> stift;
    long long breite = 0; // all pieces together

    // `stellen`: also where every character starts (for a font that sets letter by letter).
    TextSatz(const QString& text, const QString& symbol, const Schriftsatz& satz, bool stellen = true);
};

// The set text for this text, colour symbol (the text of FaZe) and font. The last few
// are kept; a font no longer in use is never kept alive by them.
std::shared_ptr<const TextSatz> textSatzFür(const QString& text, const QString& symbol,
                                            const std::shared_ptr<const Schriftsatz>& satz);

} // namespace glanzzug
