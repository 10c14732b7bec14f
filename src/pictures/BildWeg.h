#pragma once
#include <QString>

namespace glanzzug {

struct Fenster;

// Deletes the picture file selected in AniFiles after asking, then refreshes AniFiles.
// The file deleted is the one named in the question, whatever playback did meanwhile.
// Entries of AniLi naming the file stay. A file that cannot be deleted is reported with
// a notice; the program goes on.
void BildWeg_Click(Fenster& f);

// Whether a name may be deleted from the current folder: a bare name of an entry of that
// folder (no path separator, not "." or ".."), and no folder itself. A symbolic link
// counts as the link, never as what it points to.
bool LöschbarImOrdner(const QString& name);

// Removes the entry of that name from the current folder (a symbolic link itself, not
// its target); false when it is not deletable there or removing failed.
bool ImOrdnerLöschen(const QString& name);

} // namespace glanzzug
