#include "FernsteuerungStarten.h"
#include "Fernsteuerung.h"
#include "Schluessel.h"
#include "Fenster.h"
#include <QNetworkInterface>
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

QStringList fernAdressen(const QHostAddress& adresse, quint16 port, const QByteArray& schlüssel) {
    const bool v6 = adresse.protocol() == QAbstractSocket::IPv6Protocol;
    QList<QHostAddress> ziele{adresse};
    if (adresse == QHostAddress::AnyIPv4 || adresse == QHostAddress::AnyIPv6) {
        ziele.clear();
        for (const QHostAddress& a : QNetworkInterface::allAddresses())
            if (!a.isLoopback() && !a.isLinkLocal() && (a.protocol() == QAbstractSocket::IPv6Protocol) == v6) ziele << a;
        if (ziele.isEmpty()) ziele << adresse; // no network yet: at least the address given
    }
    QStringList urls;
    for (const QHostAddress& a : ziele) {
        const QString host = v6 ? u'[' + a.toString() + u']' : a.toString();
        urls << QStringLiteral("http://%1:%2/#token=%3").arg(host).arg(port).arg(QString::fromLatin1(schlüssel));
    }
    return urls;
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
    f.FernAdressen = fernAdressen(adresse->adresse, port, schlüssel);
    for (const QString& url : f.FernAdressen) std::fprintf(stderr, "glanzzug: remote control at %s\n", qPrintable(url));
    std::fflush(stderr);
    return server;
}

} // namespace glanzzug
