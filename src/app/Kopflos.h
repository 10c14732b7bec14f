#pragma once

namespace glanzzug {

struct Fenster;
struct Kommandozeile;

// Exit status after the port stopped taking bytes while playing.
constexpr int kPortGestört = 4;

// Plays without a window: start-up as with a window (nothing shown), then the timer is
// switched on as "Timer an" does. Runs until SIGINT, SIGTERM or SIGHUP, until --ticks
// ticks, or until a port write fails; then shuts down (run list saved, "Letzte Lauf-Liste"
// written, modules blanked). Reports ready, the watchdog keep-alive and stopping to the
// service manager when it runs as a service. Logs one line per presentation change and
// run-list hand-over and every change of the weekly schedule (Zeitplan.txt) to
// standard error unless --quiet; a port failure is always reported.
// Returns the exit status: 0 after a normal shut-down, kPortGestört after a port failure.
int kopflosSpielen(Fenster& f, const Kommandozeile& k);

} // namespace glanzzug
