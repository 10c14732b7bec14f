#pragma once
#include "Zeitplan.h"
#include <QByteArray>

namespace glanzzug {

// The schedule's file in the program's folder: Windows-1252, one rule a line, CR LF
// (LF alone read too).
inline const QString kZeitplanDatei = QStringLiteral("Zeitplan.txt");
// A schedule is a few dozen lines; a larger file is refused as a whole.
inline constexpr qint64 kGrößterZeitplan = 256 * 1024;
inline constexpr int kMeisteRegeln = 1000;

struct ZeitplanStand {
    Zeitplan plan;
    QStringList zeilen;  // the lines as read
    QByteArray inhalt;   // the bytes as read (empty for a missing file)
    // Empty when the file was read or is missing; otherwise why it was refused (a FIFO,
    // a device, a folder, unreadable, too large). Then the schedule holds no rules.
    QString fehler;
};

ZeitplanStand zeitplanDateiLesen(const QString& pfad = kZeitplanDatei);

// Checks `zeilen` as the reader does; with a bad line, writes nothing and gives its
// number and reason. Otherwise writes them (CR LF, safely: whole or not at all), but only
// when the file on disk still holds `gelesen` (what was read before the editing began),
// so that a newer file is never overwritten by an older copy. False with `grund` set.
// `zeile` receives the number of the bad line (0 when the fault is not one line's).
bool zeitplanDateiSchreiben(const QStringList& zeilen, const QByteArray& gelesen, QString* grund, int* zeile = nullptr,
                            const QString& pfad = kZeitplanDatei);

} // namespace glanzzug
