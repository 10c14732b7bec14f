#pragma once
#include <QString>

namespace glanzzug {

// The program's own folder for a person who starts it from the desktop menu, where no
// folder can be named: ~/Glanzzug.
QString standardOrdner();

// Where the demonstration's files lie: share/glanzzug/demo under the prefix the program
// was installed to (found from the running program's own place), else the source tree's
// demo folder (a program run from its build folder); empty when neither exists.
QString demoOrdner();

// Creates `ordner` when it does not exist yet and copies the demonstration's files into
// it (presentations, pictures, run list, layout, "Letzte Lauf-Liste"), so that the first
// start plays something. An existing folder is used as it is. Failures are reported on
// standard error; false when the folder could not be created.
bool standardOrdnerEinrichten(const QString& ordner);

} // namespace glanzzug
