#pragma once
#include "AnfrageHilfen.h"
#include <QJsonObject>

namespace glanzzug {

// The weekly schedule from the phone. GET /api/schedule: the file's lines, its rules,
// the skipped lines, the week's bands and what holds now. PUT /api/schedule with
// {"lines": [...], "version": "..."}: checked as the file is read (400 with the line's
// number and a German sentence), written only over the version given (409 otherwise),
// then applied at once.
Anfragen::Antwort zeitplanAbfragen(Anfragen& a, const anfrage::Eingabe&);
Anfragen::Antwort zeitplanSetzen(Anfragen& a, const anfrage::Eingabe& e);

// For /api/status: the rule in force and the next change; empty without a schedule.
QJsonObject zeitplanStatus(const Fenster& f);

} // namespace glanzzug
