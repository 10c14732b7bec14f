#pragma once
#include <QString>

namespace glanzzug {

struct Fenster;

// Run lists: LaufListe holds presentation names in playing order; the selected entry is
// the one playing. A run list named L is the file L + ".LAL": one name per line in list
// order, Windows-1252, every line ended by CR LF, nothing else (an empty list is an
// empty file).

// Most entries read from one run-list file; the rest is ignored.
inline constexpr int kMeisteLaufListenEinträge = 100'000;

// Replaces LaufListe by the run list named by the text of AlleLL and selects entry 0,
// which loads that presentation. An empty name changes nothing; a file that cannot be
// read leaves the list empty. Every line is an entry, empty lines included; an entry is
// cut to kLängsterText characters. Sets LaufListeStand: Teilweise when the file could not
// be read whole (unreadable but present, over its size cap, more than
// kMeisteLaufListenEinträge lines, or an entry that had to be cut), else Ganz.
void LaufListeLaden(Fenster& f);
// "Speichern": writes LaufListe under the text of AlleLL, atomically: a failed write
// leaves the old file and is logged. A list that was read only in part and not changed
// since is not written, so its file is never cut short; nor is a list never read nor
// changed written over an existing file (LaufListeStand). A file changed on disk since it
// was read is written over only when the user agrees (überschreibenErlaubt). The status
// line says whether it was saved, or why not. Then refreshes the name lists. True when
// the file was written.
bool LaufListeSchreiben(Fenster& f);
// Shut-down: writes LaufListe under the text of AlleLL only when it was changed in the
// program since it was read or saved (LaufListeGeändert), or was read whole and given
// another name since. When its file was also changed on disk meanwhile (or a file of the
// new name exists), that file stays as it is and the list goes beside it, as
// "NAME (gesichert JJJJ-MM-TT HHMMSS).LAL" (by the clock f.jetzt), with a log line.
void LaufListeBeendenSichern(Fenster& f);

void AlleLL_Click(Fenster& f);
void LaufListeSpeichern_Click(Fenster& f);
// An entry was selected: its name goes into AlleLS and that presentation loads. Start
// is not touched, so a playing run list goes on from there.
void LaufListe_Click(Fenster& f);
// Inserts the text of AlleLS before the selected entry, or at the end when none is.
void Einfügen_Click(Fenster& f);
// Removes the selected entry, or the last one when none is; an empty list stays empty.
void Entfernen_Click(Fenster& f);

// The edits behind those buttons, at a given position; what plays goes on playing. Each
// counts as a change by the user (LaufListeStand Ganz), so the list is saved again.
// `name` goes in before entry `i` (at the end for i = anzahl). False (nothing changes) for
// a position outside the list.
bool LaufListeEinfügen(Fenster& f, const QString& name, int i);
bool LaufListeEntfernen(Fenster& f, int i);
// Moves entry i to position j; the selection stays with the entry that plays.
bool LaufListeVerschieben(Fenster& f, int i, int j);

} // namespace glanzzug
