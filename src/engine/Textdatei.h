#pragma once
#include <QStringList>
#include <optional>

namespace glanzzug {

struct SchreibFehler; // SichereDatei.h

// The program's text files: single-byte Windows-1252 on disk. Reading accepts CR LF,
// CR alone and LF alone as line ends, so files edited by hand on any system read line
// by line; a last line without a line end is read as well. Writing always ends every
// line with CR LF.

// All lines of the file, or nothing when it cannot be read: not a regular file, larger
// than `höchstensBytes`, or unreadable (see leseDatei). `höchstens` bounds how many lines
// are kept (the rest is ignored), so a hostile file cannot make the program keep
// millions of lines. The default byte cap suits the small files of one or a few lines
// ("Letzte Lauf-Liste", the layout file).
inline constexpr qint64 kGrößteKleineDatei = 1024 * 1024;
std::optional<QStringList> leseZeilen(const QString& pfad, qsizetype höchstens = 1'000'000,
                                      qint64 höchstensBytes = kGrößteKleineDatei);

// Splits bytes into lines: CR LF, CR alone and LF alone each end a line; a last line
// without a line end counts as well; no bytes give no lines. At most `höchstens` lines.
QStringList zeilenAus(QByteArrayView bytes, qsizetype höchstens);

// The first line of the file; nothing when it cannot be read, is empty (0 bytes), or the
// line holds a NUL character: no text a person wrote holds one, and as a file name it
// would name another file (the part before the NUL).
std::optional<QString> leseErsteZeile(const QString& pfad);

// Writes the lines, each followed by CR LF, whole or not at all (see schreibeDatei): a
// failure (no rights, full disk, a name that cannot be created, a link to something that
// is no regular file) leaves any old file untouched and returns false, with the reason
// in `fehler` when given.
bool schreibeZeilenAtomar(const QString& pfad, const QStringList& zeilen, SchreibFehler* fehler = nullptr);

// Text <-> Windows-1252 bytes. Characters the code page lacks cannot be encoded.
QByteArray alsWindows1252(const QString& text);
QString ausWindows1252(const QByteArray& bytes);
bool inWindows1252(QStringView text);
// The text without the characters Windows-1252 cannot store.
QString nurWindows1252(const QString& text);

} // namespace glanzzug
