#pragma once
#include <QByteArray>
#include <QString>

namespace glanzzug {

struct Fenster;

// A picture sent from outside (a phone's camera or gallery) into the program's folder.

// The largest picture file taken, in bytes.
inline constexpr qint64 kGrößtesBildHochladen = 8LL * 1024 * 1024;

enum class BildAblage {
    Gespeichert,
    NameUngültig,     // not a bare file name, or its extension does not fit the content
    KeinBild,         // not JPEG, PNG, BMP or GIF by its first bytes
    NichtLesbar,      // of such a type, but it does not decode within the picture limits
    ZuGroß,           // larger than kGrößtesBildHochladen
    NameVergeben,     // a file of that name exists; it is never replaced
    NichtGeschrieben, // the write failed; nothing is left behind
};

// The extension a picture's content asks for (".jpg", ".png", ".bmp", ".gif"), judged by
// its first bytes only; empty for anything else.
QString bildEndung(const QByteArray& inhalt);

// Writes `inhalt` as the file `name` in the current folder through the safe writer and
// re-reads the folder's picture list (AniFiles), where it then appears. The name must be
// a bare file name that a presentation file can hold (Windows-1252, no "/", no control
// character, not starting with "."), at most 200 characters, ending in the extension of
// its content in any letter case. The content must decode as pictures in the folder do
// (same size and memory limits).
BildAblage BildAblegen(Fenster& f, const QString& name, const QByteArray& inhalt);

} // namespace glanzzug
