#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace glanzzug {

// The data register of the parallel port, address 888 (0x378), as the program sees it:
// it writes bytes and reads nothing back. Bits: 0 shift clock, 1..6 the serial data of
// modules 0..5, 7 the latch. Every write reaches the wire in call order.
class Port {
public:
    static constexpr std::uint16_t kAdresse = 888;
    virtual ~Port() = default;
    // Writes the low byte of a value to the I/O address. Reports nothing.
    virtual void ausgeben(std::uint16_t adresse, std::uint8_t wert) = 0;
    // Several writes in a row; the same as calling ausgeben() for each byte.
    virtual void ausgebenFolge(std::uint16_t adresse, const std::uint8_t* werte, std::size_t anzahl) {
        for (std::size_t i = 0; i < anzahl; ++i) ausgeben(adresse, werte[i]);
    }
};

// A port that cannot be used: the message names the device, the reason and the remedy.
class PortFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Discards every byte (`--port none`).
class VerwerfenderPort final : public Port {
public:
    void ausgeben(std::uint16_t, std::uint8_t) override {}
    void ausgebenFolge(std::uint16_t, const std::uint8_t*, std::size_t) override {}
};

} // namespace glanzzug
