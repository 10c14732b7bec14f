#pragma once

namespace glanzzug {

struct Fenster;

// Keep the timing boxes within 1..9999: a text whose leading number is below 1 becomes
// "1", above 9999 becomes "9999"; other texts stay as typed (12ab counts as 12). Only the
// delay box sets the timer interval (rounded, halves to even).
void VerzögerungTxt_Change(Fenster& f);
void DurchläufeTxt_Change(Fenster& f);
void WartezeitTxt_Change(Fenster& f);
// At most one of the end-time and end-date boxes is checked after a click.
void BisUhr_Click(Fenster& f);
void BisDatum_Click(Fenster& f);
// Switch the timer without touching its interval or the pass state.
void TimerAn_Click(Fenster& f);
void TimerAus_Click(Fenster& f);

} // namespace glanzzug
