#pragma once
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace glanzzug {

// SIGINT, SIGTERM and SIGHUP (a closed terminal), turned into a call on the event thread
// through a self-pipe, so that shut-down runs as it does when the window is closed: the
// run list is saved, "Letzte Lauf-Liste" is written and the modules are blanked.
//
// One object per program, made right after the application object and before any file is
// read, and kept until the end of main(). From its construction on these signals no
// longer end the program at once; they are also unblocked, in case the parent started the
// program with them blocked. A signal that arrives during start-up is remembered:
// beendenVerlangt() tells so, and the call set later runs as soon as the event loop runs.
// The destructor restores the previous signal handling and frees the notifier and pipe.
class Signale {
public:
    Signale();
    ~Signale();
    Signale(const Signale&) = delete;
    Signale& operator=(const Signale&) = delete;

    // Sets what runs on the event thread when one of the signals arrives (replacing an
    // earlier call). Without a live Signale object nothing happens.
    static void beiBeendenAufrufen(std::function<void()> aufruf);
    // Whether one of the signals has arrived since the object was made.
    static bool beendenVerlangt();

private:
    void lesen();

    std::unique_ptr<QSocketNotifier> melder_;
    std::function<void()> aufruf_;
};

} // namespace glanzzug
