#include "Dienst.h"
#include <algorithm>
#include <cstdint>
#include <systemd/sd-daemon.h>

namespace glanzzug {

Dienst::Dienst() {
    std::uint64_t usec = 0;
    if (sd_watchdog_enabled(0, &usec) > 0) intervall_ = std::chrono::microseconds(usec);
    QObject::connect(&wachhund_, &QTimer::timeout, [] { sd_notify(0, "WATCHDOG=1"); });
}

void Dienst::bereit() {
    sd_notify(0, "READY=1");
    if (intervall_.count() <= 0) return;
    const auto halb = std::chrono::duration_cast<std::chrono::milliseconds>(intervall_ / 2);
    wachhund_.start(std::max(halb, std::chrono::milliseconds(1)));
}

void Dienst::beenden() {
    wachhund_.stop();
    sd_notify(0, "STOPPING=1");
}

} // namespace glanzzug
