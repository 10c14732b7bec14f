#pragma once
#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace glanzzug {

struct Fenster;
class Fernsteuerung;

// "[ADDRESS:]PORT" of --http: an IPv4 address, or an IPv6 address in brackets
// ("[::1]:8080"); without one, 127.0.0.1. PORT 0..65535, 0 for a free one. Nothing for
// anything else.
struct HttpAdresse {
    QHostAddress adresse;
    quint16 port = 0;
};
std::optional<HttpAdresse> httpAdresseLesen(const QString& angabe);

// The addresses a browser opens, with the token: for 0.0.0.0 one per non-loopback IPv4
// address of the machine's interfaces, for :: one per IPv6 address (link-local ones
// need a zone and are left out); for any other address that address alone.
QStringList fernAdressen(const QHostAddress& adresse, quint16 port, const QByteArray& schlüssel);

// Starts the remote control for --http: reads or creates the token (`tokenDatei`, empty
// for the default file), listens, puts the addresses into f.FernAdressen (for the
// window's "Fernsteuerung") and writes one line per address
//   glanzzug: remote control at http://ADDRESS:PORT/#token=TOKEN
// to standard error (which a service's journal keeps). Returns null after a message on
// standard error when the address, the token file (also one that others may read, or a
// link) or the port cannot be used; the message names the reason.
std::unique_ptr<Fernsteuerung> fernsteuerungStarten(Fenster& f, const QString& angabe, const QString& tokenDatei,
                                                    const QString& portBeschreibung);

} // namespace glanzzug
