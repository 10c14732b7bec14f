#pragma once
#include "Ablauf.h"
#include <QStringList>

namespace glanzzug {

// Saving a text file that holds the user's work (a presentation, a run list, "Letzte
// Lauf-Liste", the layout file): whole or not at all (SichereDatei.h).
// A save that fails leaves the old file exactly as it was and is told to the log (the
// headless player writes it to standard error), naming the file and the reason. The
// window shows no message for it, as for every other file routine. True when saved.
// `grund`, when given, receives the reason of a failure in German, for the status line
// ("der Datenträger ist voll"); the log names it in English.
bool zeilenSichern(const Ablauf& ablauf, const QString& pfad, const QStringList& zeilen, QString* grund = nullptr);

// Shows in the status line what became of a save the user asked for (German: "„Willkommen“
// gespeichert", or why not), followed by what the line names otherwise (StatusGrund).
void SpeichernMelden(Fenster& f, const QString& meldung);

} // namespace glanzzug
