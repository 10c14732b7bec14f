#pragma once

namespace glanzzug {

struct Fenster;
struct Kommandozeile;

// Plays without a window: start-up as with a window (nothing shown), then the timer is
// switched on as "Timer an" does. Runs until SIGINT or SIGTERM, or until --ticks ticks,
// then shuts down (run list saved, "Letzte Lauf-Liste" written, modules blanked).
// Logs one line per presentation change and run-list hand-over to standard error unless
// --quiet.
// Returns the exit status, 0 after a normal shut-down.
int kopflosSpielen(Fenster& f, const Kommandozeile& k);

} // namespace glanzzug
