#pragma once
#include "Port.h"
#include <string>
#include <vector>

namespace glanzzug {

// Keeps every write in memory, for checking the wire protocol without hardware.
class AufnahmePort final : public Port {
public:
    struct Schreiben {
        std::uint16_t adresse;
        std::uint8_t wert;
    };
    void ausgeben(std::uint16_t adresse, std::uint8_t wert) override { schreiben.push_back({adresse, wert}); }
    std::vector<std::uint8_t> werte() const {
        std::vector<std::uint8_t> w;
        w.reserve(schreiben.size());
        for (const auto& s : schreiben) w.push_back(s.wert);
        return w;
    }
    std::vector<Schreiben> schreiben;
};

// Appends every byte written to a file (`--port record:FILE`). Bytes are collected and
// written with one system call per frame: at the end of every ausgebenFolge(), at every
// latch pulse written with ausgeben(), and when the port is closed. A failed write (a full
// disk, a device that takes nothing) is reported once through störung(), naming the file
// and the reason; the bytes of that write are dropped and later writes are tried again.
class DateiAufnahmePort final : public Port {
public:
    explicit DateiAufnahmePort(const std::string& pfad);
    ~DateiAufnahmePort() override;
    void ausgeben(std::uint16_t adresse, std::uint8_t wert) override;
    void ausgebenFolge(std::uint16_t adresse, const std::uint8_t* werte, std::size_t anzahl) override;

private:
    void leeren();

    std::string pfad_;
    int fd_ = -1;
    std::vector<std::uint8_t> puffer_;
};

} // namespace glanzzug
