#include "Zugang.h"
#include "Schluessel.h"
#include <QUrl>
#include <QUrlQuery>

namespace glanzzug::zugang {

namespace {
QByteArray bytes(std::string_view s) { return QByteArray(s.data(), qsizetype(s.size())); }

// Host and port of "HOST[:PORT]" or "[V6]:PORT", the port `standard` when missing;
// nothing when the text is not of that form.
bool hostUndPort(QByteArray text, int standard, QByteArray& host, int& port) {
    port = standard;
    const qsizetype doppelpunkt = text.lastIndexOf(':');
    if (doppelpunkt >= 0 && doppelpunkt > text.lastIndexOf(']')) {
        bool ok = false;
        port = text.mid(doppelpunkt + 1).toInt(&ok);
        if (!ok || port <= 0 || port > 65535) return false;
        text.truncate(doppelpunkt);
    }
    host = text.toLower();
    return !host.isEmpty();
}
} // namespace

bool trägerGültig(std::string_view authorization, const QByteArray& schlüssel) {
    const QByteArray kopf = bytes(authorization).trimmed();
    const qsizetype leer = kopf.indexOf(' ');
    if (leer < 0 || kopf.left(leer).toLower() != "bearer") return false;
    return Schlüssel::gleich(kopf.mid(leer + 1).trimmed(), schlüssel);
}

bool abfrageGültig(std::string_view ziel, const QByteArray& schlüssel) {
    const QUrlQuery abfrage(QUrl::fromEncoded(bytes(ziel)));
    return abfrage.hasQueryItem(QStringLiteral("token")) &&
           Schlüssel::gleich(abfrage.queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded).toUtf8(), schlüssel);
}

bool herkunftPasst(std::string_view origin, std::string_view host) {
    const QByteArray o = bytes(origin).trimmed();
    int standard = 0;
    QByteArray rest;
    if (o.startsWith("http://")) standard = 80, rest = o.mid(7);
    else if (o.startsWith("https://")) standard = 443, rest = o.mid(8);
    else return false;
    QByteArray h1, h2;
    int p1 = 0, p2 = 0;
    return hostUndPort(rest, standard, h1, p1) && hostUndPort(bytes(host).trimmed(), standard, h2, p2) && h1 == h2 &&
           p1 == p2;
}

} // namespace glanzzug::zugang
