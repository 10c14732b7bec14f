#include "SimulierterPort.h"
#include <algorithm>

namespace glanzzug {

inline void SimulierterPort::nimm(std::uint8_t wert) {
    const bool takt = (wert & 1) && !(letzter_ & 1);
    const bool latch = (wert & 128) && !(letzter_ & 128);
    letzter_ = wert;
    if (takt) {
        schiebe_[kopf_] = wert;
        kopf_ = kopf_ + 1 == kBits ? 0 : kopf_ + 1;
    }
    if (latch) {
        // The last kBits bits in order of arrival: from the oldest at kopf_ round the ring.
        const auto mitte = schiebe_.begin() + std::ptrdiff_t(kopf_);
        std::rotate_copy(schiebe_.begin(), mitte, schiebe_.end(), anzeige_.begin());
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
    // Arrival index k of the red bit of this LED within the latched bits; blue and green follow.
    const std::size_t k = std::size_t(((6 - spalte) * 7 + zeile) * 3);
    const int bit = 2 << modul;
    return (anzeige_[k] & bit ? Rot : 0) | (anzeige_[k + 1] & bit ? Blau : 0) | (anzeige_[k + 2] & bit ? Grün : 0);
}

} // namespace glanzzug
