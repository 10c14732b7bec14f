#pragma once
#include "Zeitplan.h"
#include <QDateTime>
#include <optional>

namespace glanzzug {

// Local wall-clock time in whole seconds: Julian day × 86400 + seconds of the day.
// Rules are compared with it, so a window starting at 02:30 on the day the clocks go
// forward (02:00 → 03:00) begins at 03:00, the first wall time at or after its start.
// In the hour that happens twice when the clocks go back, the second pass counts as
// the last second before the change (02:59:59): it never runs backwards, so a window
// ending at 02:30 ends at the first 02:30 and does not start again an hour later.
using Wandzeit = qint64;
Wandzeit wandzeit(qint64 msSeitEpoche);
Wandzeit wandzeit(const QDate& tag, int minuten);
QDate tagVon(Wandzeit w);

// The index of the first rule in force at `w`, or -1 outside every rule.
int gültigeRegel(const std::vector<Regel>& regeln, Wandzeit w);

// When the rule in force changes next (within a year and a bit), and the rule that then
// holds (-1: none).
struct Wechsel {
    Wandzeit wann = 0;
    int regel = -1;
};
std::optional<Wechsel> nächsterWechsel(const std::vector<Regel>& regeln, Wandzeit w);

// "Fr 18:30", or with the date when it is a week or more after `jetzt`: "Di 01.12. 07:00".
QString wechselText(Wandzeit wann, Wandzeit jetzt);

} // namespace glanzzug
