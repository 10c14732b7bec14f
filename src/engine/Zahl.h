#pragma once
#include <QString>
#include <optional>

namespace glanzzug {

// The program's one way of turning text into a number: the number at the start of the
// text. Leading blanks and tabs are skipped and blanks between digits are ignored
// (" 3" and "1 2" give 3 and 12); then an optional sign, digits with at most one "."
// as decimal point, and an optional exponent ("1e5"). The first character that does not
// fit ends the number; a text without a leading number gives 0 ("12ab" 12, "8,25" 8,
// "abc" 0). Numbers beyond the range of double come out as +/-infinity.
double führendeZahl(QStringView text);

// Rounds to the nearest whole number, an exact half to the even neighbour (2.5 -> 2).
double runden(double v);

// Rounds down, also for negative values (Int(-0.5) = -1).
double ganzTeil(double v);

// Rounds half to even and checks the range of a whole-number target; nothing when the
// value does not fit (also for infinity and NaN).
std::optional<int> alsGanzzahl(double v, int min, int max);

// A number as the program writes it into files: whole values as integers ("12", "-3"),
// others with "." as decimal point ("8.25"), up to 15 significant digits.
QString zahlText(double v);

// The free print format of numbers: a leading blank in the sign position of a number
// that is not negative (" 7", "-3", " 8.25").
QString freieZahl(double v);

} // namespace glanzzug
