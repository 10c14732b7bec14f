#pragma once
#include <QString>
#include <optional>

namespace glanzzug {

struct Fenster;

// The text-file link lives in the tool tip of DateiBenutzen: its default text (beginning
// with "Hier ") means no file is linked, anything else is the name of the file.
inline const QString kDateiBenutzenTipp =
    QStringLiteral("Hier können Sie den Inhalt einer Datei anzeigen lassen.");
bool TextDateiVerknüpft(const Fenster& f);

// Reads the first line of the linked file (Windows-1252; CR, LF or CR LF end it) into
// Arbeitstext and into Txt. Fails silently: a missing, unreadable or empty (0-byte) file
// leaves Txt as it is. At most kLängsteZeile bytes of the line are taken.
void TextDateiLesen(Fenster& f);

// The first line of a file without its line end; nothing when the file cannot be opened
// or read or has no bytes. Reads only as far as the first line end.
inline constexpr qsizetype kLängsteZeile = 1 << 20;
std::optional<QString> ersteZeileLesen(const QString& pfad);

} // namespace glanzzug
