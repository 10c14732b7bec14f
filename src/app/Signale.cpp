#include "Signale.h"
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace glanzzug {

namespace {
constexpr int kSignale[] = {SIGINT, SIGTERM, SIGHUP};

// Written by the signal handler, read on the event thread.
int rohr[2] = {-1, -1};
std::atomic<bool> verlangt{false};
Signale* aktiv = nullptr;
struct sigaction vorher[std::size(kSignale)];

void signalHandler(int) {
    const int gesichert = errno;
    verlangt.store(true);
    const char c = 1;
    [[maybe_unused]] auto n = ::write(rohr[1], &c, 1);
    errno = gesichert;
}
} // namespace

Signale::Signale() {
    if (::pipe2(rohr, O_CLOEXEC | O_NONBLOCK) != 0) {
        rohr[0] = rohr[1] = -1;
        return; // no pipe, no handlers: the signals keep ending the program at once
    }
    aktiv = this;
    verlangt.store(false);
    melder_ = std::make_unique<QSocketNotifier>(rohr[0], QSocketNotifier::Read);
    QObject::connect(melder_.get(), &QSocketNotifier::activated, melder_.get(), [this] { lesen(); });

    struct sigaction sa {};
    sa.sa_handler = signalHandler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigset_t maske;
    sigemptyset(&maske);
    for (std::size_t i = 0; i < std::size(kSignale); ++i) {
        ::sigaction(kSignale[i], &sa, &vorher[i]);
        sigaddset(&maske, kSignale[i]);
    }
    ::sigprocmask(SIG_UNBLOCK, &maske, nullptr);
}

Signale::~Signale() {
    if (aktiv != this) return;
    for (std::size_t i = 0; i < std::size(kSignale); ++i) ::sigaction(kSignale[i], &vorher[i], nullptr);
    melder_.reset();
    ::close(rohr[0]);
    ::close(rohr[1]);
    rohr[0] = rohr[1] = -1;
    aktiv = nullptr;
}

void Signale::lesen() {
    char puffer[16];
    while (::read(rohr[0], puffer, sizeof puffer) > 0) {}
    if (aufruf_) aufruf_();
}

void Signale::beiBeendenAufrufen(std::function<void()> aufruf) {
    if (!aktiv) return;
    aktiv->aufruf_ = std::move(aufruf);
    // A signal whose wake-up was already taken before there was a call to run: wake again.
    if (verlangt.load()) signalHandler(0);
}

bool Signale::beendenVerlangt() { return verlangt.load(); }

} // namespace glanzzug
