#include "SimulierterPort.h"

namespace glanzzug {

inline void SimulierterPort::nimm(std::uint8_t wert) {
    const bool takt = (wert & 1) && !(letzter_ & 1);
    const bool latch = (wert & 128) && !(letzter_ & 128);
    letzter_ = wert;
    if (takt)
        for (int m = 0; m < kModule; ++m) {
            // Bit 0 of the register is the newest; after 147 shifts the first bit of a
            // frame stands at position 146.
            schiebe_[m] <<= 1;
            schiebe_[m][0] = (wert >> (m + 1)) & 1;
        }
    if (latch) {
        anzeige_ = schiebe_;
        ++latches_;
        gelatcht.auslösen();
    }
}

void SimulierterPort::ausgeben(std::uint16_t adresse, std::uint8_t wert) {
    if (adresse == kAdresse) nimm(wert);
}

void SimulierterPort::ausgebenFolge(std::uint16_t adresse, const std::uint8_t* werte, std::size_t anzahl) {
    if (adresse != kAdresse) return;
    for (std::size_t i = 0; i < anzahl; ++i) nimm(werte[i]);
}

int SimulierterPort::led(int modul, int spalte, int zeile) const {
    if (modul < 0 || modul >= kModule || spalte < 0 || spalte > 6 || zeile < 0 || zeile > 6) return 0;
    // Arrival index k of the red bit of this LED; it sits at register position 146 - k.
    const int k = ((6 - spalte) * 7 + zeile) * 3;
    const auto& r = anzeige_[modul];
    return (r[146 - k] ? Rot : 0) | (r[146 - (k + 1)] ? Blau : 0) | (r[146 - (k + 2)] ? Grün : 0);
}

} // namespace glanzzug
