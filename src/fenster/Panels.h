#pragma once

class QWidget;

namespace glanzzug {

struct Fenster;
class SimulierterPort;

// The parts of the main window, each built from the window elements it shows.
// The display preview with its offsets, beside the simulated LED panel (if any).
QWidget* baueAnzeige(Fenster& f, const SimulierterPort* sim, QWidget* eltern);
// Display mode, directions, timing inputs and timer switches.
QWidget* baueAblauf(Fenster& f, QWidget* eltern);
// Scrolling text, alternating text, colours, font and step width.
QWidget* baueText(Fenster& f, QWidget* eltern);
// Random shapes.
QWidget* baueFormen(Fenster& f, QWidget* eltern);
// Presentation names and run lists.
QWidget* baueListen(Fenster& f, QWidget* eltern);
// Picture files, picture list and picture preview.
QWidget* baueBilder(Fenster& f, QWidget* eltern);
// The layout editor frame, laid over the main window while it is open.
QWidget* baueEditor(Fenster& f, QWidget* eltern);

} // namespace glanzzug
