#pragma once
#include <QDate>
#include <QString>
#include <cstdint>

namespace glanzzug {

// One line of the weekly schedule: on which days, from when to when (a window that ends
// at or before its start runs into the next day and belongs to the day it starts on),
// optionally only on some dates of the year, and what the sign then plays: a run list's
// name, or "dunkel" (blank modules, timer off).
struct Regel {
    std::uint8_t tage = 0;   // bit 0 Monday ... bit 6 Sunday (the start day of the window)
    int von = 0, bis = 0;    // minutes after midnight; bis up to 1440; bis <= von: into the next day
    enum class Daten { Immer, Bereich, Einzeln };
    Daten daten = Daten::Immer;
    int vonTag = 0, vonMonat = 0, bisTag = 0, bisMonat = 0; // Bereich: also across the year's end
    QDate datum;                                            // Einzeln
    QString ziel;                                           // run list's name, or "dunkel"
    QString text;                                           // the line as written, trimmed

    bool dunkel() const { return ziel == u"dunkel"; }
    // Whether a window starting on `tag` belongs to this rule (day of the week and dates).
    bool giltAm(const QDate& tag) const;
    // Days and window as written in the file: "Mo-Fr 08:00-18:30".
    QString zeitText() const;
    // The line in the file's form: "01.12.-24.12. täglich 07:00-22:00 Weihnachten".
    QString zeile() const;
};

// "Mo".."So" for 1 (Monday) .. 7 (Sunday).
QString tagKürzel(int wochentag);
// "08:00" for 480; "24:00" for 1440.
QString uhrText(int minuten);

} // namespace glanzzug
