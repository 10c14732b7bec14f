#pragma once
#include "Ereignis.h"
#include "Port.h"
#include <array>

namespace glanzzug {

// Decodes the bytes exactly as the modules' shift registers and latch do: on every rising
// edge of bit 0 each module shifts in its data bit (bit m + 1); on a rising edge of bit 7
// the last 147 bits shifted into each module are latched onto its LEDs. The first of
// those bits lights the red LED of the top-right position; the order is columns right to
// left, rows top to bottom, planes red, blue, green.
class SimulierterPort final : public Port {
public:
    static constexpr int kModule = 6;
    static constexpr int kBits = 147;
    enum Ebene { Rot = 1, Grün = 2, Blau = 4 };

    void ausgeben(std::uint16_t adresse, std::uint8_t wert) override;
    // A whole frame in one call: the same as ausgeben() per byte, without a call per byte.
    void ausgebenFolge(std::uint16_t adresse, const std::uint8_t* werte, std::size_t anzahl) override;

    // The latched colour bits (Rot | Grün | Blau) of LED (spalte, zeile), 0..6 each.
    int led(int modul, int spalte, int zeile) const;
    // Counts latch pulses; views repaint when it moved on.
    std::uint64_t latchZähler() const { return latches_; }

    Ereignis<> gelatcht;

private:
    void nimm(std::uint8_t wert);

    // The shift registers of all six modules at once: the port byte of each of the last
    // kBits rising clock edges (bit m + 1 is module m's data bit), as a ring whose oldest
    // entry is at kopf_. Entries never written are 0, as a register starts empty.
    std::array<std::uint8_t, kBits> schiebe_{};
    std::size_t kopf_ = 0;
    // The latched bytes, oldest (first shifted) first.
    std::array<std::uint8_t, kBits> anzeige_{};
    std::uint8_t letzter_ = 0;
    std::uint64_t latches_ = 0;
};

} // namespace glanzzug
