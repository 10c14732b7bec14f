#pragma once
#include <QTimer>
#include <chrono>

namespace glanzzug {

// Tells the service manager how the headless player is doing (a unit of Type=notify):
// "ready" once start-up is done, "stopping" when shut-down begins, and, when the unit asks
// for a watchdog (WatchdogSec, seen as WATCHDOG_USEC), a keep-alive at half that interval.
// The keep-alive is sent by a timer on the event thread, the thread every tick runs on:
// while a tick or anything else blocks that thread, it stops, and the service manager
// restarts the player. A timer switched off by the presentation does not stop it.
// Outside a service (no NOTIFY_SOCKET) every call does nothing.
class Dienst {
public:
    Dienst();
    Dienst(const Dienst&) = delete;
    Dienst& operator=(const Dienst&) = delete;

    // Start-up is done: reports ready and starts the keep-alive.
    void bereit();
    // Shut-down begins: stops the keep-alive and reports stopping.
    void beenden();
    // The watchdog interval the service manager asked for; 0 without a watchdog.
    std::chrono::microseconds wachhundIntervall() const { return intervall_; }

private:
    std::chrono::microseconds intervall_{0};
    QTimer wachhund_;
};

} // namespace glanzzug
