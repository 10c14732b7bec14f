#pragma once
#include "Farbe.h"
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace glanzzug {

// The presentation file (".LSL"): one setting per line, a five-character key ending in
// "=" followed by the value. This header knows only the lines, not the window: the writer
// turns a set of values into lines, the parser turns lines into (key, value) pairs that
// the loader applies. Bytes on disk are Windows-1252 with CR LF (Textdatei.h).

// The keys in the order in which they are written.
enum class Schlüssel : int {
    PlusLöschen,
    GrAn,
    AuWa,
    ZuFZ,
    Text,
    TeDa,
    TeFa,
    HiFa,
    Tex2,
    WTFa,
    WHFa,
    WeTe,
    FoNa,
    FoSi,
    FoBo,
    FoIt,
    Pixl,
    LaRi,
    Temp,
    WaZe,
    AniZ,
    VonX,
    VonY,
    AniB,
    Uhr1,
    UhrT,
    Dat1,
    DatT,
};
inline constexpr int kSchlüsselAnzahl = 28;

// The key text, e.g. "+Lös=" (in Windows-1252 the bytes 2B 4C F6 73 3D).
QString schlüsselText(Schlüssel s);
// The key whose text is exactly `fünf` (letter case counts); nothing for any other text.
std::optional<Schlüssel> schlüsselAus(QStringView fünf);

// Everything a presentation stores, as the writer needs it.
struct DarstellungsWerte {
    int plusLöschen = 0;    // check state 0..2
    int bilderAnpassen = 0; // check state 0..2
    int modus = 0;          // index of the selected display mode
    double formAnzahl = 1;  // random shapes per step
    QString text;           // the scrolling text
    QString textDatei;      // the linked text file (or the button's design tool tip)
    Farbe textFarbe = 0, hintergrundFarbe = 0;
    QString text2; // the alternating text
    Farbe wechselTextFarbe = 0, wechselHintergrundFarbe = 0;
    bool wechseltext = false;
    QString schriftName;
    double schriftGröße = 0; // points
    bool fett = false, kursiv = false;
    double schrittweite = 0;                    // pixels per step
    int richtungen = 0;                         // bit i set: direction i checked
    QString verzögerung, wartezeit, durchläufe; // the timing boxes as typed
    int vonX = 0, vonY = 0;                     // display offsets
    QStringList bilder;                         // the picture list
    int bisUhr = 0;                             // check state
    QString bisUhrText;
    int bisDatum = 0; // check state
    QString bisDatumText;
};

// The file's lines in key order: 27, or 28 when the picture list is not empty. Numbers are
// written with "." as decimal point, whole values as integers. Values never contain a line
// break: a CR or LF in a text (possible only in a file name) is written as a blank, so no
// value can split into lines of its own.
QStringList darstellungsZeilen(const DarstellungsWerte& w);

// The picture list as stored after "AniB=": every name followed by "/".
QString bilderListenText(const QStringList& bilder);
// The names of an "AniB=" value: each "/" ends one name (also an empty one); characters
// after the last "/" are dropped.
QStringList bilderAusText(QStringView wert);

// One line that names a known key.
struct DarstellungsZeile {
    Schlüssel schlüssel;
    QString wert; // everything after the key, unchanged (blanks included)
    // The leading number of the value (Zahl.h); may be infinite for a hostile value.
    double zahl() const;
};

// Walks the lines in file order: lines of fewer than six characters and lines whose first
// five characters are not a key are skipped; every other line is handed to `anwenden`.
// Stops at the first line that `anwenden` refuses (returns false). Returns true when every
// line was read, false when a line was refused.
bool darstellungZerlegen(const QStringList& zeilen,
                         const std::function<bool(const DarstellungsZeile&)>& anwenden);

} // namespace glanzzug
