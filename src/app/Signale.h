#pragma once
#include <functional>

namespace glanzzug {

// SIGINT and SIGTERM, turned into a call on the event thread (through a self-pipe), so
// that shut-down runs as it does when the window is closed.
struct Signale {
    static void beiBeendenAufrufen(std::function<void()> aufruf);
};

} // namespace glanzzug
