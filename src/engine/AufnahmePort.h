#pragma once
#include "Port.h"
#include <cstdio>
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

// Appends every byte written to a file, one byte per write (`--port record:FILE`).
// Bytes are buffered and flushed at every latch pulse and when the port is closed.
class DateiAufnahmePort final : public Port {
public:
    explicit DateiAufnahmePort(const std::string& pfad);
    ~DateiAufnahmePort() override;
    void ausgeben(std::uint16_t adresse, std::uint8_t wert) override;

private:
    std::FILE* datei_ = nullptr;
};

} // namespace glanzzug
