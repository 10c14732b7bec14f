#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

namespace glanzzug {

// The most memory one decoding may take, in megabytes. A picture whose header claims more
// (4 bytes per pixel at the size it states) is refused from its header, before any pixel
// is decoded, so a small crafted file cannot stall playing or fill the memory.
inline constexpr int kGrößteDekodierung = 256;
// A picture file larger than this is not read at all (a camera's photo is well below it).
inline constexpr qint64 kGrößteBildDatei = 64LL * 1024 * 1024;
// The longest side of the picture Bild shows while BilderAnpassen is set: the room the
// window gives its preview. A larger picture is shown there scaled down to fit.
inline constexpr int kBildVorschauSeite = 240;

// What of a picture can ever be shown, rather than all its pixels (a phone's photo holds
// 46 MB of them): the display shows a picture either unscaled from its top-left corner,
// and no display is larger than kGrößteDisplaySeite square, or stretched to the display's
// size; Bild shows it small. Pictures come upright, as their camera meant them.
struct Bildauszug {
    QSize größe;       // the whole picture's size in its own pixels
    QImage ecke;       // its top-left part, unscaled, at most kGrößteDisplaySeite square
    QImage vorschau;   // the whole picture, scaled down to fit kBildVorschauSeite square
    // The whole picture stretched to the size asked for, made only for a picture larger
    // than `ecke` (else stretching `ecke` gives it); null when none was asked for.
    QImage gestreckt;
    bool ganz() const { return ecke.size() == größe; }
    qint64 bytes() const { return ecke.sizeInBytes() + vorschau.sizeInBytes() + gestreckt.sizeInBytes(); }
};

// Reads a picture file (JPEG, GIF: its first frame, BMP, ICO, PNG) by a name relative to
// the current folder, through the safe reader: only regular files (a FIFO or a device
// under the name counts as unreadable), opened without blocking, none larger than
// kGrößteBildDatei. Nothing for an empty name, a missing or unreadable file, a file that
// is not a picture (AVI files included), or a picture whose header claims more than
// kGrößteDekodierung. `gestreckt`, when valid, is the size to stretch a large picture to.
// Decodes every time; BildHolen keeps the result.
std::optional<Bildauszug> BildDateiLesen(const QString& name, QSize gestreckt = {});

// The same for the bytes of a picture file already read. A decoder that can clip and
// scale while decoding (JPEG) decodes only the rows of the corner and the picture at the
// small sizes; the others decode the picture once and cut and scale it.
std::optional<Bildauszug> BildDekodieren(const QByteArray& inhalt, QSize gestreckt = {});

// How many pictures were decoded so far (pictures refused from their header not counted).
std::uint64_t BildDekodierungen();

} // namespace glanzzug
