#pragma once
#include <QObject>
#include <functional>

namespace glanzzug {

// The window's repaint clock: one timer at the screen's refresh rate (60 Hz where the screen
// does not tell), shared by every view of something the program may change on every step
// (previews, LED panel, labels). At each beat every view looks at its model and asks for a
// repaint of what changed since; all of them do so in the same turn of the event loop, so
// the window is painted and flushed at most once per beat, always with the latest frame,
// however often the play timer ticks. The port is not involved: it gets every frame.
namespace Bildtakt {
// Calls `nachsehen` at every beat while `empfänger` lives. The clock starts on first use.
void anmelden(QObject* empfänger, std::function<void()> nachsehen);
// The time between two beats in milliseconds: the refresh period rounded up, so the beats
// never come faster than the screen shows them.
int intervallMs();
} // namespace Bildtakt

} // namespace glanzzug
