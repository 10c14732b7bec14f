#pragma once
#include "Anfragen.h"
#include "Grenzen.h"
#include "Netz.h"
#include <functional>

namespace glanzzug {

class LiveAnsicht;
class Pforte;
class Seite;

// What every connection of the network thread shares; owned by Fernsteuerung, which
// outlives every connection.
struct Umgebung {
    netz::asio::io_context& ioc;
    Pforte& pforte;
    LiveAnsicht& live;
    const Seite& seite;
    QByteArray schlüssel;
    grenzen::Fristen fristen;
    // Hands an authorised request to the element models' thread; `fertig` is later called
    // on the network thread with the answer (never when the server has gone).
    std::function<void(Anfragen::Methode, QString pfad, QByteArray körper, std::function<void(Anfragen::Antwort)> fertig)>
        fragen;
};

} // namespace glanzzug
