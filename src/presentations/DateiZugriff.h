#pragma once
#include "DateiStand.h"
#include "Textdatei.h"
#include <QStringList>
#include <optional>

namespace glanzzug {

struct Fenster;

// Finding, reading and deleting the presentation and run-list files of the current
// folder. Names are used as the user gave them (name + extension, relative to the
// current folder); file contents are Windows-1252.

// A presentation or run-list file larger than this is not read at all: no file the
// program writes comes near it, and a hostile one must not fill the memory.
inline constexpr qint64 kGrößteDatei = 16LL * 1024 * 1024;

// The file for `name` + `endung`: the exact name when it exists; otherwise an existing
// file whose name part is exactly `name` and whose extension matches `endung` in another
// letter case (the name lists ignore letter case, so "abend.lsl" is listed as "abend"
// and must be found); otherwise the exact name, for creating it. The folder is listed
// for this only when it changed since it was last listed.
QString dateiFinden(const QString& name, const QString& endung);

// Whether anything has this name: a file, a folder, a device, a link (also one that
// leads nowhere). False only when nothing has it, so that a reader can tell a missing
// file from one it could not read.
bool dateiVorhanden(const QString& pfad);

// A value for a line of its own: CR and LF (possible only in a file name) become blanks.
QString einzeilig(QString text);

// The lines of a file (Windows-1252); nothing when it is no regular file, cannot be
// opened or read, or is larger than kGrößteDatei.
std::optional<QStringList> dateiZeilen(const QString& pfad, qsizetype höchstens);

// Deletes a file that lies directly in the current folder. A name with a folder part
// ("../x", "a/b"), "." or ".." is refused. True when the file is gone afterwards (also
// when it was already gone); false when it still exists.
bool dateiLöschen(const QString& pfad);

// Before a save the user asked for: true when the file under `pfad` is not another than
// the one `gelesen` noted (DateiStand.h), or when the user answers Yes to "Die Datei wurde
// inzwischen geändert. Überschreiben?" (headless nobody does: No). `gelesen` is looked at
// before the question only: the timer ticks on while it is open and may load another file.
bool überschreibenErlaubt(Fenster& f, const GeleseneDatei& gelesen, const QString& pfad);

} // namespace glanzzug
