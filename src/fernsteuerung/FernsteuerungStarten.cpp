#include "FernsteuerungStarten.h"
#include "Fernsteuerung.h"
#include "Schluessel.h"
#include <cstdio>

namespace glanzzug {

std::optional<HttpAdresse> httpAdresseLesen(const QString& angabe) {
    QString adresse = QStringLiteral("127.0.0.1"), port = angabe;
    if (angabe.startsWith(u'[')) {
        const qsizetype ende = angabe.indexOf(QStringLiteral("]:"));
        if (ende < 0) return std::nullopt;
        adresse = angabe.mid(1, ende - 1);
        port = angabe.mid(ende + 2);
    } else if (angabe.contains(u':')) {
        adresse = angabe.section(u':', 0, 0);
        port = angabe.section(u':', 1);
    }
    HttpAdresse a;
    bool ok = false;
    const uint nummer = port.toUInt(&ok, 10);
    if (!ok || nummer > 65535 || port.startsWith(u'+') || !a.adresse.setAddress(adresse)) return std::nullopt;
    if (angabe.startsWith(u'[') != (a.adresse.protocol() == QAbstractSocket::IPv6Protocol)) return std::nullopt;
    a.port = quint16(nummer);
    return a;
}

std::unique_ptr<Fernsteuerung> fernsteuerungStarten(Fenster& f, const QString& angabe, const QString& tokenDatei,
                                                    const QString& portBeschreibung) {
    const auto adresse = httpAdresseLesen(angabe);
    if (!adresse) {
        std::fprintf(stderr, "glanzzug: --http takes [ADDRESS:]PORT, e.g. 8080 or 0.0.0.0:8080, not %s\n",
                     qPrintable(angabe));
        return nullptr;
    }
    QByteArray schlüssel;
    try {
        schlüssel = Schlüssel::ladenOderErzeugen(tokenDatei.isEmpty() ? Schlüssel::standardPfad() : tokenDatei);
    } catch (const Schlüssel::Fehler& e) {
        std::fprintf(stderr, "glanzzug: %s\n", e.what());
        return nullptr;
    }
    auto server = std::make_unique<Fernsteuerung>(f, schlüssel, portBeschreibung);
    QString grund;
    const quint16 port = server->lauschen(adresse->adresse, adresse->port, &grund);
    if (port == 0) {
        std::fprintf(stderr, "glanzzug: --http: cannot listen on %s: %s\n", qPrintable(angabe), qPrintable(grund));
        return nullptr;
    }
    const QString host = adresse->adresse.protocol() == QAbstractSocket::IPv6Protocol
                             ? u'[' + adresse->adresse.toString() + u']'
                             : adresse->adresse.toString();
    std::fprintf(stderr, "glanzzug: remote control at http://%s:%u/#token=%s\n", qPrintable(host), unsigned(port),
                 schlüssel.constData());
    std::fflush(stderr);
    return server;
}

} // namespace glanzzug
