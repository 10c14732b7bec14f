#pragma once
#include <QImage>
#include <QString>
#include <optional>

namespace glanzzug {

// The longest side of a picture kept in memory, in pixels (the largest display image).
// A larger picture is decoded scaled down to fit, keeping its proportions.
inline constexpr int kGrößteBildSeite = 4096;
// The most memory one decoding may take, in megabytes; a file that would need more is
// treated as unreadable.
inline constexpr int kGrößteDekodierung = 256;
// A picture file larger than this is not read at all (a camera's photo is well below it).
inline constexpr qint64 kGrößteBildDatei = 64LL * 1024 * 1024;

// Reads a picture file (JPEG, GIF: its first frame, BMP, ICO) by a name relative to the
// current folder. Nothing for an empty name, a missing or unreadable file, or a file that
// is not a picture (AVI files included). Only regular files are read (a FIFO or a device
// under the name counts as unreadable), and none larger than kGrößteBildDatei.
std::optional<QImage> BildDateiLesen(const QString& name);

} // namespace glanzzug
