#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

namespace glanzzug {

// The longest side of a picture kept in memory, in pixels (the largest display image).
// A larger picture is decoded scaled down to fit, keeping its proportions.
inline constexpr int kGrößteBildSeite = 4096;
// The most memory one decoding may take, in megabytes. A picture whose header claims more
// (4 bytes per pixel at the size it states) is refused from its header, before any pixel
// is decoded, so a small crafted file cannot stall playing or fill the memory.
inline constexpr int kGrößteDekodierung = 256;
// A picture file larger than this is not read at all (a camera's photo is well below it).
inline constexpr qint64 kGrößteBildDatei = 64LL * 1024 * 1024;

// Reads a picture file (JPEG, GIF: its first frame, BMP, ICO) by a name relative to the
// current folder, through the safe reader: only regular files (a FIFO or a device under
// the name counts as unreadable), opened without blocking, none larger than
// kGrößteBildDatei. Nothing for an empty name, a missing or unreadable
// file, a file that is not a picture (AVI files included), or a picture whose header
// claims more than kGrößteDekodierung. Decodes every time; BildHolen keeps the result.
std::optional<QImage> BildDateiLesen(const QString& name);

// The same for the bytes of a picture file already read.
std::optional<QImage> BildDekodieren(const QByteArray& inhalt);

// How many pictures were decoded so far (pictures refused from their header not counted).
std::uint64_t BildDekodierungen();

} // namespace glanzzug
