#pragma once
#include <QImage>
#include <QString>

namespace glanzzug {

struct Fenster;

// Asks "Wie soll das Bild heißen ?" and saves what Pic showed when the button was clicked
// (playback goes on while the name is asked for) as a 24-bit BMP of that name in the
// current folder, then refreshes AniFiles. An empty answer, a name with a path
// separator or a failed write ends it silently, without refreshing.
void FormSpeichern_Click(Fenster& f);

// The file name for an answer: unchanged when it ends in ".bmp" (exactly, case-sensitive),
// else with ".bmp" appended ("abc" -> "abc.bmp", "abc.BMP" -> "abc.BMP.bmp").
QString BmpDateiname(const QString& antwort);

// Writes the picture as a 24-bit BMP by a bare name in the current folder: first into a
// temporary file beside it, then renamed over the name, so that a failed write never
// leaves a broken file. False on any failure.
bool AlsBmpSpeichern(const QImage& bild, const QString& name);

} // namespace glanzzug
