#pragma once
#include <QImage>

namespace glanzzug {

struct Fenster;

// The layout editor: the frame MatrixFeld with the editor area MatrixBild, in which one
// display pixel (x, y) is the editor pixel (4x, 4y), and the six module icons Modul(i),
// 27 x 27 editor pixels with their top-left corner at (4 * ModulX(i), 4 * ModulY(i)).

// Furthest a module can be dragged from the origin, in display pixels: the same bound
// beyond which a layout file counts as damaged, so that a saved arrangement always loads.
constexpr int kGrößteZiehPosition = 1000;

// Stops the timer, copies the display (DisplayBreite x DisplayHöhe of Pic) into MatrixBild
// as filled 3 x 3 boxes at (4x, 4y) and shows the editor. Editor pixels outside the
// display keep what they showed.
void MatrixÖffnen_Click(Fenster& f);

// Mouse on icon Index. X, Y: the pointer inside the icon in icon pixels; knopf: the
// button set (1 left, 2 right, 4 middle).
// Down: remembers the grab point in ZiehX/ZiehY, whatever the button.
void Modul_MouseDown(Fenster& f, int index, int knopf, int umschalt, double x, double y);
// Move with the left button alone: the icon follows the pointer, snapped down to the
// 4-pixel grid. It may leave the area and overlap other icons; the module's window in
// ModulX/ModulY does not change yet.
void Modul_MouseMove(Fenster& f, int index, int knopf, int umschalt, double x, double y);
// Up (any button): the module's window goes where the icon now lies.
void Modul_MouseUp(Fenster& f, int index, int knopf, int umschalt, double x, double y);

// Toggles presence of module Index; the icon's visibility decides the current state.
// The display size is not recomputed here.
void ModulSichtbar_Click(Fenster& f, int index);

// The picture of a module for its icon: the board with its 7 x 7 LEDs, each LED a 3 x 3
// spot at the place of the display pixel it shows (4c, 4r). 31 x 31 pixels; the icon
// shows its top-left 27 x 27.
QImage ModulBild();

// Puts the module picture under the six icons (before their numbers are printed), keeps
// the dot grid on editor area that grows, and connects the editor's handlers.
void EditorEinrichten(Fenster& f);

} // namespace glanzzug
