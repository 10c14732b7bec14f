#pragma once
#include <QString>

namespace glanzzug {

// Colour codes in a text: the whole colour symbol (text of FaZe) followed by one code
// character d, drawn as nothing; from there on the text is drawn in Farbtabelle[d].
// A digit 0..9 is its value, any other character counts as 0. A code is recognised only
// where at least one more character follows d, and only for a symbol of exactly one
// character (a longer or empty symbol never forms a code).

// The colour index (0..9) of the code starting at index i (0-based), or -1 when none
// starts there.
inline int farbcodeBei(QStringView text, qsizetype i, QStringView symbol) {
    if (symbol.size() != 1 || i < 0 || i + 2 >= text.size() || text[i] != symbol[0]) return -1;
    const char16_t d = text[i + 1].unicode();
    return d >= u'0' && d <= u'9' ? int(d - u'0') : 0;
}

} // namespace glanzzug
