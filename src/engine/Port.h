#pragma once
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace glanzzug {

// The data register of the parallel port, address 888 (0x378), as the program sees it:
// it writes bytes and reads nothing back. Bits: 0 shift clock, 1..6 the serial data of
// modules 0..5, 7 the latch. Every write reaches the wire in call order.
//
// A backend whose device stops taking bytes (a full disk, an unplugged adapter) keeps
// accepting calls, so that playing goes on, and reports the first failure once through
// störung() and beiStörung; later failures are not reported again.
class Port {
public:
    static constexpr std::uint16_t kAdresse = 888;
    virtual ~Port() = default;
    // Writes the low byte of a value to the I/O address.
    virtual void ausgeben(std::uint16_t adresse, std::uint8_t wert) = 0;
    // Several writes in a row; the same as calling ausgeben() for each byte. Backends that
    // can take a whole frame at once override it.
    virtual void ausgebenFolge(std::uint16_t adresse, const std::uint8_t* werte, std::size_t anzahl) {
        for (std::size_t i = 0; i < anzahl; ++i) ausgeben(adresse, werte[i]);
    }

    // The first write failure, naming the device and the reason (English, for the journal);
    // empty while every write went through.
    const std::string& störung() const { return störung_; }
    // The system's error number of that failure (errno), 0 when none or unknown; the window
    // words the failure in German from it.
    int störungNummer() const { return störungNummer_; }
    // Called once, on the event thread, with the text of the first write failure.
    std::function<void(const std::string&)> beiStörung;

protected:
    // Backends call this for every failed write; only the first is kept and reported.
    void störungMelden(std::string text, int fehlerNummer = 0) {
        if (!störung_.empty()) return;
        störung_ = std::move(text);
        störungNummer_ = fehlerNummer;
        if (störung_.empty()) störung_ = "port write failed";
        if (beiStörung) beiStörung(störung_);
    }

private:
    std::string störung_;
    int störungNummer_ = 0;
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
