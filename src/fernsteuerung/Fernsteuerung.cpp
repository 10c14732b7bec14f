#include "Fernsteuerung.h"
#include "Fenster.h"
#include "Schluessel.h"
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>
#include <QTimer>
#include <QWebSocket>
#include <sys/socket.h>
#include <unistd.h>

namespace glanzzug {

namespace {
using Status = QHttpServerResponder::StatusCode;

// Bytes a request may take before its body: request line and headers.
constexpr qint64 kGrößterKopf = 16 * 1024;
constexpr char kGelesen[] = "glanzzugGelesen";

constexpr char kVerworfen[] = "glanzzugVerworfen";
constexpr char kRuhe[] = "glanzzugRuhe";

// Answers 413 and closes the connection gently: what the client still sends is read and
// dropped until the answer is out and our side is shut, so the client sees the answer
// instead of a reset; after two seconds the connection is dropped for good.
void abweisen(QTcpSocket* s) {
    s->setProperty(kVerworfen, true);
    // The HTTP server keeps an unfinished request in a read transaction; end it so that
    // the bytes can go.
    if (s->isTransactionStarted()) s->commitTransaction();
    s->readAll();
    s->write("HTTP/1.1 413 Payload Too Large\r\nContent-Type: application/json; charset=utf-8\r\n"
             "Content-Length: 34\r\nConnection: close\r\n\r\n{\"error\":\"request body too large\"}");
    QObject::connect(s, &QTcpSocket::bytesWritten, s, [s] {
        if (s->bytesToWrite() == 0) ::shutdown(int(s->socketDescriptor()), SHUT_WR);
    });
    QTimer::singleShot(2000, s, [s] { s->abort(); });
}

// Accepts connections and counts what each has sent since its last complete request. The
// HTTP server keeps a whole request in memory before it answers; a client that sends
// more than a request may hold gets 413 and is cut off before it can fill the memory.
// A connection that neither sends nor receives for `ruhezeit` is closed, so that idle
// clients do not hold connections for ever.
class WachsamerServer : public QTcpServer {
public:
    WachsamerServer(QObject* eltern, std::chrono::milliseconds ruhezeit) : QTcpServer(eltern), ruhezeit_(ruhezeit) {}

protected:
    void incomingConnection(qintptr deskriptor) override {
        if (offen_ >= Fernsteuerung::kMeisteVerbindungen) {
            ::close(int(deskriptor));
            return;
        }
        auto* s = new QTcpSocket(this);
        if (!s->setSocketDescriptor(deskriptor)) {
            delete s;
            return;
        }
        ++offen_;
        // Also when the socket went on to the live view: it is deleted with its WebSocket.
        connect(s, &QObject::destroyed, this, [this] { --offen_; });
        // A whole request stays in the socket's buffer until it is complete; a little room
        // beyond the largest one lets us see that a client sends more.
        s->setReadBufferSize(kGrößterKopf + Fernsteuerung::kGrößterKörper + 4096);
        auto* ruhe = new QTimer(s);
        ruhe->setObjectName(QLatin1StringView(kRuhe));
        ruhe->setSingleShot(true);
        ruhe->start(ruhezeit_);
        connect(ruhe, &QTimer::timeout, s, [s] { s->abort(); });
        connect(s, &QTcpSocket::bytesWritten, ruhe, [ruhe] { ruhe->start(); });
        // Connected before the HTTP server's own handler, so it runs first.
        connect(s, &QTcpSocket::readyRead, s, [s, ruhe] {
            ruhe->start();
            if (s->property(kVerworfen).toBool()) {
                if (s->isTransactionStarted()) s->commitTransaction();
                s->readAll();
                return;
            }
            const qint64 gelesen = s->property(kGelesen).toLongLong() + s->bytesAvailable();
            s->setProperty(kGelesen, gelesen);
            if (gelesen > kGrößterKopf + Fernsteuerung::kGrößterKörper) abweisen(s);
        });
        addPendingConnection(s);
    }

private:
    std::chrono::milliseconds ruhezeit_;
    int offen_ = 0;
};

struct Datei {
    QStringView pfad;
    QString resource;
    QByteArray typ;
};
const Datei kSeite[] = {
    {u"/", QStringLiteral(":/fernsteuerung/index.html"), "text/html; charset=utf-8"},
    {u"/seite.css", QStringLiteral(":/fernsteuerung/seite.css"), "text/css; charset=utf-8"},
    {u"/seite.js", QStringLiteral(":/fernsteuerung/seite.js"), "text/javascript; charset=utf-8"},
    {u"/zeitplan.js", QStringLiteral(":/fernsteuerung/zeitplan.js"), "text/javascript; charset=utf-8"},
};

// The page may load only its own files and talk only to this server.
constexpr char kSicherheit[] =
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; connect-src 'self'; "
    "frame-ancestors 'none'; base-uri 'none'; form-action 'none'";

void antworten(QHttpServerResponder&& r, const QByteArray& körper, const QByteArray& typ, int status) {
    r.write(körper,
            {{"Content-Type", typ},
             {"Cache-Control", "no-store"},
             {"X-Content-Type-Options", "nosniff"},
             {"Referrer-Policy", "no-referrer"},
             {"Content-Security-Policy", kSicherheit}},
            Status(status));
}

void jsonAntworten(QHttpServerResponder&& r, int status, const QByteArray& json) {
    antworten(std::move(r), json, "application/json; charset=utf-8", status);
}

void fehlerAntworten(QHttpServerResponder&& r, int status, const char* meldung) {
    jsonAntworten(std::move(r), status, QByteArray("{\"error\":\"") + meldung + "\"}");
}

Anfragen::Methode methode(const QHttpServerRequest& a) {
    switch (a.method()) {
    case QHttpServerRequest::Method::Get: return Anfragen::Methode::Get;
    case QHttpServerRequest::Method::Post: return Anfragen::Methode::Post;
    case QHttpServerRequest::Method::Put: return Anfragen::Methode::Put;
    default: return Anfragen::Methode::Andere;
    }
}

bool istUpgrade(const QHttpServerRequest& a) {
    return a.value("upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
}

bool istApi(const QString& pfad) { return pfad == u"/api" || pfad.startsWith(u"/api/"); }
} // namespace

Fernsteuerung::Fernsteuerung(Fenster& f, QByteArray schlüssel, QString portBeschreibung)
    : f_(f), schlüssel_(std::move(schlüssel)), anfragen_{f, std::move(portBeschreibung)} {
    f_.ablauf.frameGesendet = [this](const std::uint8_t* bytes, int anzahl) { live_.frameGesendet(bytes, anzahl); };
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this, [this] { neueLiveVerbindungen(); });
}

Fernsteuerung::~Fernsteuerung() { f_.ablauf.frameGesendet = nullptr; }

quint16 Fernsteuerung::lauschen(const QHostAddress& adresse, quint16 port, std::chrono::milliseconds ruhezeit) {
    auto* server = new WachsamerServer(this, ruhezeit);
    if (!server->listen(adresse, port)) {
        delete server;
        return 0;
    }
    bind(server);
    return server->serverPort();
}

bool Fernsteuerung::berechtigt(const QHttpServerRequest& a, bool abfrageErlaubt) const {
    const QByteArray kopf = a.value("authorization");
    if (kopf.startsWith("Bearer ")) return Schlüssel::gleich(kopf.mid(7).trimmed(), schlüssel_);
    if (!abfrageErlaubt) return false;
    const QUrlQuery abfrage(a.url());
    return abfrage.hasQueryItem(QStringLiteral("token")) &&
           Schlüssel::gleich(abfrage.queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded).toUtf8(), schlüssel_);
}

int Fernsteuerung::liveAbweisung(const QHttpServerRequest& a) const {
    if (a.url().path() != u"/api/live") return 404;
    if (!berechtigt(a, true)) return 401;
    // A browser always names the page's origin; it must be this server itself. Clients
    // without an Origin are no browsers and hold the token.
    const QByteArray herkunft = a.value("origin");
    if (!herkunft.isEmpty() && herkunft != "http://" + a.value("host")) return 403;
    if (live_.voll()) return 503;
    return 0;
}

bool Fernsteuerung::handleRequest(const QHttpServerRequest& a, QTcpSocket* socket) {
    socket->setProperty(kGelesen, 0); // the request is complete: the count starts again
    if (istUpgrade(a)) {
        // True hands the connection to the WebSocket server; false makes the caller answer
        // through missingHandler and close it.
        abweisung_ = liveAbweisung(a);
        // A live view is quiet while the picture stands still; it stays open.
        if (abweisung_ == 0) delete socket->findChild<QTimer*>(QLatin1StringView(kRuhe), Qt::FindDirectChildrenOnly);
        return abweisung_ == 0;
    }
    const QString pfad = a.url().path(QUrl::FullyDecoded);
    QHttpServerResponder r = makeResponder(a, socket);
    if (istApi(pfad)) {
        if (!berechtigt(a, false)) {
            fehlerAntworten(std::move(r), 401, "missing or wrong token");
        } else if (a.body().size() > kGrößterKörper) {
            fehlerAntworten(std::move(r), 413, "request body too large");
        } else if (pfad == u"/api/live") {
            fehlerAntworten(std::move(r), 400, "the live view is a WebSocket");
        } else {
            const Anfragen::Antwort antwort = anfragen_.beantworten(methode(a), pfad, a.body());
            jsonAntworten(std::move(r), antwort.status, antwort.json);
        }
        return true;
    }
    for (const Datei& d : kSeite) {
        if (pfad != d.pfad) continue;
        if (a.method() != QHttpServerRequest::Method::Get) {
            fehlerAntworten(std::move(r), 405, "method not allowed");
            return true;
        }
        QFile datei(d.resource);
        antworten(std::move(r), datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray(), d.typ, 200);
        return true;
    }
    fehlerAntworten(std::move(r), 404, "not found");
    return true;
}

void Fernsteuerung::missingHandler(const QHttpServerRequest& a, QTcpSocket* socket) {
    const int status = abweisung_ != 0 ? abweisung_ : 404;
    abweisung_ = 0;
    const char* meldung = status == 401   ? "missing or wrong token"
                          : status == 403 ? "foreign origin"
                          : status == 503 ? "too many live-view clients"
                                          : "not found";
    fehlerAntworten(makeResponder(a, socket), status, meldung);
}

void Fernsteuerung::neueLiveVerbindungen() {
    while (hasPendingWebSocketConnections()) live_.aufnehmen(nextPendingWebSocketConnection());
}

} // namespace glanzzug
