#pragma once
#include <QString>
#include <QtGlobal>
#include <optional>
#include <sys/stat.h>
#include <sys/types.h>

namespace glanzzug {

// One state of a file on disk: which file it is (device and inode) and its size,
// modification and change time (in nanoseconds). A file replaced by rename is another
// inode; one rewritten in place has another modification time; one whose modification
// time was set back has another change time, which nothing outside the kernel can set.
struct DateiStand {
    dev_t gerät = 0;
    ino_t knoten = 0;
    qint64 größe = 0, geändert = 0, umgestellt = 0;
    bool operator==(const DateiStand&) const = default;
};

// The state of whatever `pfad` names now (links followed); nothing when nothing does or
// it cannot be looked at.
std::optional<DateiStand> dateiStand(const QString& pfad);
// The same from a status already taken.
DateiStand dateiStand(const struct stat& st);

// What a reader noted about a file it read, so that a later save can tell whether
// someone else changed the file meanwhile and never writes an older copy over it.
struct GeleseneDatei {
    QString pfad;                     // the name it was read under (empty: nothing noted)
    std::optional<DateiStand> stand;  // its state then; nothing: no file was there

    // Notes the state of `name` now: right before reading it, and right after writing it.
    void merken(const QString& name) {
        pfad = name;
        stand = dateiStand(name);
    }
    // Whether a file lies under `name` now that is not the one noted: replaced, rewritten,
    // or created since. False for a name not noted (it was not read, so nothing read can
    // be older), and when the file is gone (nothing newer to keep).
    bool seitherGeändert(const QString& name) const {
        if (name != pfad) return false;
        const auto jetzt = dateiStand(name);
        return jetzt && jetzt != stand;
    }
};

} // namespace glanzzug
