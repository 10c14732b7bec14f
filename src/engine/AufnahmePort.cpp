#include "AufnahmePort.h"
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace glanzzug {

DateiAufnahmePort::DateiAufnahmePort(const std::string& pfad) : pfad_(pfad) {
    // Opened without blocking, so that a FIFO without a reader cannot hold up start-up
    // (where signals no longer end the program); writes then block as usual.
    fd_ = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd_ < 0)
        throw PortFehler("record:" + pfad + ": cannot open for appending: " + std::strerror(errno) +
                         ". Choose a file in a writable folder.");
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    puffer_.reserve(4096);
}

DateiAufnahmePort::~DateiAufnahmePort() {
    leeren();
    ::close(fd_);
}

void DateiAufnahmePort::ausgeben(std::uint16_t, std::uint8_t wert) {
    puffer_.push_back(wert);
    if (wert == 128) leeren();
}

void DateiAufnahmePort::ausgebenFolge(std::uint16_t, const std::uint8_t* werte, std::size_t anzahl) {
    puffer_.insert(puffer_.end(), werte, werte + anzahl);
    leeren();
}

void DateiAufnahmePort::leeren() {
    std::size_t geschrieben = 0;
    while (geschrieben < puffer_.size()) {
        const ssize_t n = ::write(fd_, puffer_.data() + geschrieben, puffer_.size() - geschrieben);
        if (n > 0) {
            geschrieben += std::size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        // n == 0 cannot happen for a non-empty write to a file; treat it like a full device.
        const int e = n < 0 ? errno : ENOSPC;
        störungMelden("record:" + pfad_ + ": write failed: " + std::strerror(e), e);
        break;
    }
    puffer_.clear();
}

} // namespace glanzzug
