#pragma once
#include <QString>

namespace glanzzug {

struct Fenster;

// The layout file: 20 lines, for each module its presence text ("Sichtbar" or
// "Unsichtbar"), ModulX and ModulY, then DisplayBreite and DisplayHöhe.
inline const QString kAnordnungsDatei = QStringLiteral("LED-Modul-Anordnung.txt");

// Module positions in a layout file beyond this many pixels from the origin make the file
// count as damaged (they would ask for a display of absurd size).
constexpr double kGrößtePosition = 1000;

// Sets presence (tool tip, button colour, icon shown) of module i.
void ModulPräsenzSetzen(Fenster& f, int i, const QString& text);
// Puts module i's window at (x, y) display pixels and its icon at (4x, 4y).
void ModulPositionSetzen(Fenster& f, int i, double x, double y);

// Reads the layout file, stops the timer while reading and starts it when the file was
// read, then fits the display size to the present modules. A missing or damaged file
// gives the standard arrangement and leaves the timer stopped.
void MatrixAnordnungLaden(Fenster& f);
// All modules present, side by side as one strip: x = 0, 7, ..., 35, y = 0.
void MatrixStandart_Click(Fenster& f);
// Writes the layout file (atomically); false when it could not be written (the old file
// stays as it was, and the failure is logged). The arrangement in memory is kept either way.
bool MatrixAnordnungSchreiben(Fenster& f);
// Fits the size, writes the layout file, hides the editor and starts the timer.
void MatrixSchließen_Click(Fenster& f);

// Draws the layout editor's dot grid and labels the module icons 1..6.
void EditorVorbereiten(Fenster& f);

// Connects the module arrangement's handlers and routines.
void ModulesEinrichten(Fenster& f);

} // namespace glanzzug
