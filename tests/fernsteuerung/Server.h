#pragma once
// A started window with a remote control on a free loopback port, and a small HTTP client
// that sends raw requests (any path, header or body) from a thread of its own while the
// test's event loop serves them.
#include "Fernsteuerung.h"
#include "TestHilfen.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QThread>
#include <gtest/gtest.h>
#include <future>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace glanzzug::test {

inline const QByteArray kSchlüssel = "0123456789abcdef0123456789abcdef-test";

// Runs the event loop until `fertig` holds, at most `ms` milliseconds; returns `fertig()`.
template <class F> bool warten(F fertig, int ms = 5000) {
    QElapsedTimer uhr;
    uhr.start();
    while (!fertig() && uhr.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return fertig();
}

struct HttpAntwort {
    int status = 0; // 0: no answer
    QByteArray kopf, körper;
    QJsonObject json() const { return QJsonDocument::fromJson(körper).object(); }
};

// Sends `anfrage` as it is and reads one answer (by its Content-Length) or until the
// server closes the connection.
inline HttpAntwort roh(quint16 port, QByteArray anfrage) {
    auto ergebnis = std::async(std::launch::async, [port, anfrage] {
        QTcpSocket s;
        s.connectToHost(QStringLiteral("127.0.0.1"), port);
        HttpAntwort a;
        if (!s.waitForConnected(3000)) return a;
        s.write(anfrage);
        QByteArray alles;
        qsizetype ende = -1, länge = -1;
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < 5000) {
            if (s.bytesAvailable() == 0 && !s.waitForReadyRead(200) && s.state() != QAbstractSocket::ConnectedState)
                break;
            alles += s.readAll();
            if (ende < 0 && (ende = alles.indexOf("\r\n\r\n")) >= 0) {
                for (const QByteArray& z : alles.left(ende).split('\n'))
                    if (z.toLower().startsWith("content-length:")) länge = z.mid(15).trimmed().toLongLong();
            }
            if (ende >= 0 && länge >= 0 && alles.size() >= ende + 4 + länge) break;
        }
        alles += s.readAll();
        if (ende < 0) return a;
        a.kopf = alles.left(ende);
        a.körper = alles.mid(ende + 4);
        a.status = a.kopf.mid(9, 3).toInt();
        return a;
    });
    warten([&] { return ergebnis.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 8000);
    return ergebnis.get();
}

// A request with the right token unless another Authorization line is given.
inline HttpAntwort anfrage(quint16 port, const QByteArray& methode, const QByteArray& pfad,
                           const QByteArray& körper = {}, const QByteArray& autorisierung = "Bearer " + kSchlüssel) {
    QByteArray a = methode + ' ' + pfad + " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    if (!autorisierung.isNull()) a += "Authorization: " + autorisierung + "\r\n";
    if (!körper.isNull()) a += "Content-Type: application/json\r\nContent-Length: " + QByteArray::number(körper.size()) + "\r\n";
    return roh(port, a + "\r\n" + körper);
}

// A folder with three presentations (mode 3, mode 2, an empty file) and a run list of two
// of them, a started window and its remote control on a free port.
struct Server {
    TestOrdner ordner;
    TestFenster fenster;
    Fenster& f = fenster.f;
    Fernsteuerung fern{f, kSchlüssel, QStringLiteral("test")};
    quint16 port = 0;

    Server() {
        schreib(QStringLiteral("Punkt.LSL"), "AuWa=3\r\n");
        schreib(QStringLiteral("Linie.LSL"), "AuWa=2\r\n");
        schreib(QStringLiteral("Grüße.LSL"), "");
        schreib(QStringLiteral("Abend.LAL"), "Linie\r\nPunkt\r\n");
        Form_Load(f);
        f.T.setzeAn(true);
        port = fern.lauschen(QHostAddress::LocalHost, 0);
    }
    HttpAntwort roh(const QByteArray& a) { return test::roh(port, a); }
    HttpAntwort get(const QByteArray& pfad) { return anfrage(port, "GET", pfad); }
    HttpAntwort post(const QByteArray& pfad, const QByteArray& körper) { return anfrage(port, "POST", pfad, körper); }
    HttpAntwort put(const QByteArray& pfad, const QByteArray& körper) { return anfrage(port, "PUT", pfad, körper); }
};

} // namespace glanzzug::test
