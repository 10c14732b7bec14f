#pragma once
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <sys/types.h>

namespace glanzzug {

// The one way the program reads and writes its files. A sign plays unattended for
// months, so neither may hang on a strange file, fill the memory, or lose what was there.

// The whole content of a regular file, at most `höchstens` bytes. The file is opened
// without blocking, so a FIFO, a device or a socket under a file's name never stalls the
// program: anything but a regular file (after following symbolic links), a missing or
// unreadable file, a read error, and a file larger than `höchstens` all give nothing.
std::optional<QByteArray> leseDatei(const QString& pfad, qint64 höchstens);

// Replaces the file `pfad` by `inhalt`, whole or not at all. The bytes go into a new
// temporary file beside the target; every write is checked, the file is synced to the
// disk, renamed over the target and the folder is synced, so that a full disk or a power
// cut leaves either the old or the new content, never an empty or a half file.
// A symbolic link to a regular file updates that file; a link to anything else (a device,
// a FIFO, a folder, nothing) and a name that is itself no regular file are not written:
// false, and the old thing stays. The new file keeps the mode and owner of the old one;
// a new file gets 0666 less the umask. False on any failure, with nothing changed; then
// `fehler`, when given, receives why.
struct SchreibFehler {
    int nummer = 0;  // errno of the failed call; 0 when the target was refused before any
    QString worte;   // for the journal: "No space left on device"
    QString deutsch; // for the window and the page: "der Datenträger ist voll"
};
bool schreibeDatei(const QString& pfad, QByteArrayView inhalt, SchreibFehler* fehler = nullptr);

// Reads a regular file from its start, block by block (opened as leseDatei does), and
// hands each block to `nimm` until it returns false or the file ends. For readers that
// need only the beginning of a file. False when the file cannot be opened or read.
bool leseBlockweise(const QString& pfad, const std::function<bool(QByteArrayView)>& nimm);

// Test seam: the system calls the writer uses for the data and the sync. Tests replace
// them to inject failures (a write that stops short, a sync that fails); null restores
// the system's own.
struct SchreibSeam {
    ssize_t (*schreiben)(int fd, const void* daten, std::size_t anzahl) = nullptr;
    int (*synchronisieren)(int fd) = nullptr;
};
void setzeSchreibSeam(const SchreibSeam& seam);

} // namespace glanzzug
