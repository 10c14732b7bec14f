#include "Signale.h"
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace glanzzug {

namespace {
int rohr[2] = {-1, -1};

void signalHandler(int) {
    const char c = 1;
    [[maybe_unused]] auto n = ::write(rohr[1], &c, 1);
}
} // namespace

void Signale::beiBeendenAufrufen(std::function<void()> aufruf) {
    if (rohr[0] < 0 && ::pipe2(rohr, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* melder = new QSocketNotifier(rohr[0], QSocketNotifier::Read);
    QObject::connect(melder, &QSocketNotifier::activated, [aufruf = std::move(aufruf)] {
        char puffer[16];
        while (::read(rohr[0], puffer, sizeof puffer) > 0) {}
        aufruf();
    });
    struct sigaction sa {};
    sa.sa_handler = signalHandler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
}

} // namespace glanzzug
