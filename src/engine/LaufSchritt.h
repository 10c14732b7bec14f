#pragma once
#include <QString>

namespace glanzzug {

struct Fenster;

// Pass states of DurchlaufStatus.
enum Durchlauf : int {
    kSchreiten = 0,      // each tick makes one step
    kPassEnde = 1,       // the pass has just ended: wait, then repeat
    kWarten = 2,         // waiting after a pass: the next tick steps again
    kFertig = 3,         // the presentation is over: hand over or restart
    kAnzahlErreicht = 4, // the number of passes is reached: wait, then finish
};

// The tick of the timer T: one playback step or the pause and hand-over between passes.
void T_Timer(Fenster& f);
void LaufSchritt(Fenster& f);

// Sets the interval of T to the rounded leading number of a timing text (ms).
void IntervallAus(Fenster& f, const QString& text);

// The end-time test: the current time as HH:MM compared as text with the end time.
bool EndzeitErreicht(const Fenster& f);
// The end-date test: today's key YYMMDD compared as text with the key of the end date
// (its last two characters, its characters 4 and 5, its first two characters).
bool EnddatumErreicht(const Fenster& f);
QString DatumsSchlüssel(const QString& datum);

} // namespace glanzzug
