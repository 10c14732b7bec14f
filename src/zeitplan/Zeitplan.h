#pragma once
#include "Regel.h"
#include <QStringList>
#include <optional>
#include <vector>

namespace glanzzug {

// A line of the schedule that could not be read: its number (from 1) and why, in German.
struct Zeilenfehler {
    int zeile = 0;
    QString grund;
};

// The weekly schedule as read: its rules in file order (the first that matches wins) and
// the lines that were skipped.
struct Zeitplan {
    std::vector<Regel> regeln;
    std::vector<Zeilenfehler> fehler;
};

// Reads one line. Empty lines and lines starting with ";" are comments (nothing, no
// error). A line holds, separated by blanks, days ("Mo".."So", ranges "Mo-Fr" and
// "Fr-Mo", lists "Mo,Mi,Fr", or "täglich"), a window "HH:MM-HH:MM", optionally before
// them a date range "TT.MM.-TT.MM." or a date "TT.MM.JJJJ", and then the rest of the
// line: a run list's name or "dunkel". Nothing and the reason in `grund` when it cannot
// be read; nothing with an empty `grund` for a comment.
std::optional<Regel> regelLesen(const QString& zeile, QString* grund);

// Reads every line; bad lines are skipped and listed with their number.
Zeitplan zeitplanLesen(const QStringList& zeilen);

} // namespace glanzzug
