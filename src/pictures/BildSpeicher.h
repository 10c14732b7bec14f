#pragma once
#include "BildDatei.h"
#include <QString>
#include <cstddef>
#include <optional>

namespace glanzzug {

// The most pictures and the most bytes of decoded pixels the picture store keeps. Each
// picture keeps only what can be shown of it (Bildauszug): a phone's photo about 4 MB at
// most, an animation of 17 pictures at the largest display size (120 x 120) about 1 MB.
inline constexpr std::size_t kBildSpeicherEinträge = 64;
inline constexpr qint64 kBildSpeicherBytes = 96LL * 1024 * 1024;

// What can be shown of a file by a name relative to the current folder, as BildDateiLesen
// gives it, but decoded at most once while the file stays unchanged: every call looks at
// the file's status (one stat, no open) and hands back what was kept while the file is
// the same file with the same size, modification and change time. A changed file is read
// and decoded again; a file that vanished or is no longer a regular file gives nothing,
// also when its picture was kept. Files that are not pictures are remembered too, so a
// broken file is not read again on every step. A large picture asked for stretched to
// another size than the one kept (the display changed its size) is decoded again.
// A file changed just before it was read may change again without its times moving on
// (file systems keep times as coarse as a few milliseconds, or two seconds on FAT); for
// that long every call also reads its bytes and compares them with what was decoded,
// still without decoding again.
// Oldest first, pictures are dropped beyond kBildSpeicherEinträge or kBildSpeicherBytes.
std::optional<Bildauszug> BildHolen(const QString& name, QSize gestreckt = {});

// Forgets every kept picture.
void BildSpeicherLeeren();

} // namespace glanzzug
