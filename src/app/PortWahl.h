#pragma once
#include "Port.h"
#include <QString>
#include <memory>

namespace glanzzug {

class SimulierterPort;

// The port backends, by the text of --port:
//   sim               the simulated modules, shown as an LED panel in the window (default)
//   ppdev[:DEVICE]    Linux ppdev, default /dev/parport0
//   direct[:ADDRESS]  ioperm/outb on x86, default 0x378
//   record:FILE       appends every byte to FILE
//   none              discards every byte
// Throws PortFehler for an unknown name or a port that cannot be opened.
struct PortWahl {
    std::unique_ptr<Port> port;
    SimulierterPort* simulation = nullptr; // set for sim: the panel shows it
    QString beschreibung;                  // e.g. "ppdev /dev/parport0": journal and remote status
    QString anzeige;                       // the same in German for the window, e.g. "simuliert"

    // The status line's text for the port in use ("Anschluss: simuliert"), or for its first
    // write failure, in German, when there was one.
    QString statusText() const;
};
PortWahl portWählen(const QString& angabe);

} // namespace glanzzug
