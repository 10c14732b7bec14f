#pragma once
// Shared by the request handlers of the remote control (Anfragen.cpp, ListenAnfragen.cpp).
#include "Anfragen.h"
#include <QJsonObject>
#include <QJsonValue>
#include <functional>
#include <optional>
#include <variant>

namespace glanzzug {

class KombiFeld;

namespace anfrage {

using Antwort = Anfragen::Antwort;

// What a handler gets: the name after the route's path (if it takes one), the body as a
// JSON object (empty for GET and for raw routes) and the raw body.
struct Eingabe {
    QString name;
    QJsonObject json;
    QByteArray roh;
};

// A refusal: {"code": code, "meldung": meldung}.
Antwort fehler(int status, const char* code, const QString& meldung);
Antwort json(const QJsonValue& wert);
// The status answer, after a change.
Antwort stand(const Anfragen& a);

// A name as it may stand in a request: no folder part, no NUL, not "." or "..".
bool nameZulässig(const QString& name);
// Looks a name up in a combo box's list: its index, or a refusal (400, 404) naming it as
// `was` ("Darstellung", "Lauf-Liste").
std::variant<int, Antwort> finden(const KombiFeld& liste, const QString& name, const QString& was);
// A whole number from the body, or nothing.
std::optional<int> ganzzahl(const QJsonObject& o, const char* schlüssel);

// Runs `tun` and keeps a dark sign dark (saving switches the timer on).
void dunkelBleiben(Fenster& f, const std::function<void()>& tun);

Antwort laufListeJetzt(Anfragen& a, const Eingabe& e);
Antwort laufListeAbHier(Anfragen& a, const Eingabe& e);
Antwort laufListeFortsetzen(Anfragen& a, const Eingabe& e);
Antwort laufListeEinfügen(Anfragen& a, const Eingabe& e);
Antwort laufListeEntfernen(Anfragen& a, const Eingabe& e);
Antwort laufListeVerschieben(Anfragen& a, const Eingabe& e);
Antwort laufListeSpeichern(Anfragen& a, const Eingabe& e);
Antwort bilder(Anfragen& a, const Eingabe& e);
Antwort bildHochladen(Anfragen& a, const Eingabe& e);
Antwort bildEinfügen(Anfragen& a, const Eingabe& e);

} // namespace anfrage
} // namespace glanzzug
