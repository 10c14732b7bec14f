#include "AufnahmePort.h"
#include <cerrno>
#include <cstring>

namespace glanzzug {

DateiAufnahmePort::DateiAufnahmePort(const std::string& pfad) {
    datei_ = std::fopen(pfad.c_str(), "ab");
    if (!datei_)
        throw PortFehler("record:" + pfad + ": cannot open for appending: " + std::strerror(errno) +
                         ". Choose a file in a writable folder.");
}

DateiAufnahmePort::~DateiAufnahmePort() {
    if (datei_) std::fclose(datei_);
}

void DateiAufnahmePort::ausgeben(std::uint16_t, std::uint8_t wert) {
    std::fputc(wert, datei_);
    if (wert == 128) std::fflush(datei_);
}

} // namespace glanzzug
