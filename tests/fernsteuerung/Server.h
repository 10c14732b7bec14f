#pragma once
// A started window with a remote control on a free loopback port, a small HTTP client
// that sends raw requests (any path, header or body) from a thread of its own while the
// test's event loop serves them, and a live-view client.
#include "Fernsteuerung.h"
#include "Netz.h"
#include "TestHilfen.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <atomic>
#include <gtest/gtest.h>
#include <future>
#include <mutex>
#include <thread>

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
// server closes the connection, at most 5 seconds.
inline HttpAntwort roh(quint16 port, QByteArray anfrage) {
    auto ergebnis = std::async(std::launch::async, [port, anfrage] {
        netz::asio::io_context ioc;
        netz::beast::tcp_stream s(ioc);
        netz::beast::flat_buffer b;
        netz::http::response_parser<netz::http::string_body> p;
        s.expires_after(std::chrono::seconds(5));
        s.async_connect({netz::asio::ip::make_address("127.0.0.1"), port}, [&](netz::Fehlercode e) {
            if (e) return;
            netz::asio::async_write(s, netz::asio::buffer(anfrage.constData(), std::size_t(anfrage.size())),
                                    [](netz::Fehlercode, std::size_t) {});
            netz::http::async_read(s, b, p, [&](netz::Fehlercode, std::size_t) { s.close(); });
        });
        ioc.run();
        HttpAntwort a;
        if (!p.is_header_done()) return a;
        a.status = p.get().result_int();
        for (const auto& feld : p.get()) a.kopf += QByteArray::fromStdString(std::string(feld.name_string()) + ": " + std::string(feld.value()) + "\r\n");
        a.körper = QByteArray::fromStdString(p.get().body());
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

// A live-view client (Beast's WebSocket) that keeps every message it gets, read on a
// thread of its own; it answers pings as a browser does.
struct Zuschauer {
    netz::asio::io_context ioc;
    netz::websocket::stream<netz::beast::tcp_stream> ws{ioc};
    netz::beast::flat_buffer puffer;
    int status = 0; // of the upgrade: 101 when accepted
    std::mutex sperre;
    std::vector<QByteArray> nachrichten;
    std::atomic<bool> getrennt = false;
    std::thread leser;

    Zuschauer(quint16 port, const std::string& abfrage = "?token=" + kSchlüssel.toStdString(), const std::string& herkunft = {}) {
        netz::Fehlercode e;
        netz::beast::get_lowest_layer(ws).connect({netz::asio::ip::make_address("127.0.0.1"), port}, e);
        ws.set_option(netz::websocket::stream_base::decorator([herkunft](netz::websocket::request_type& r) {
            if (!herkunft.empty()) r.set(netz::http::field::origin, herkunft);
        }));
        netz::websocket::response_type antwort;
        if (!e) ws.handshake(antwort, "127.0.0.1:" + std::to_string(port), "/api/live" + abfrage, e);
        status = antwort.result_int();
        if (e) return;
        lesen();
        leser = std::thread([this] { ioc.run(); });
    }
    ~Zuschauer() {
        ioc.stop();
        if (leser.joinable()) leser.join();
    }
    void lesen() {
        ws.async_read(puffer, [this](netz::Fehlercode e, std::size_t) {
            if (e) return void(getrennt = true);
            const std::lock_guard l(sperre);
            nachrichten.emplace_back(static_cast<const char*>(puffer.data().data()), qsizetype(puffer.size()));
            puffer.consume(puffer.size());
            lesen();
        });
    }
    std::vector<QByteArray> bisher() {
        const std::lock_guard l(sperre);
        return nachrichten;
    }
    // Connected and given the first picture.
    bool verbunden() {
        return status == 101 && warten([this] { return !bisher().empty() || getrennt; }) && !getrennt;
    }
};

// A folder with three presentations (mode 3, mode 2, an empty file) and a run list of two
// of them, a started window and its remote control on a free port.
struct Server {
    TestOrdner ordner;
    TestFenster fenster;
    Fenster& f = fenster.f;
    Fernsteuerung fern;
    quint16 port = 0;

    explicit Server(grenzen::Fristen fristen = {}) : fern{f, kSchlüssel, QStringLiteral("test"), fristen} {
        schreib(QStringLiteral("Punkt.LSL"), "AuWa=3\r\n");
        schreib(QStringLiteral("Linie.LSL"), "AuWa=2\r\n");
        schreib(QStringLiteral("Grüße.LSL"), "");
        schreib(QStringLiteral("Abend.LAL"), "Linie\r\nPunkt\r\n");
        Form_Load(f);
        f.T.setzeAn(true);
        port = fern.lauschen(QHostAddress::LocalHost, 0);
    }
    HttpAntwort get(const QByteArray& pfad) { return anfrage(port, "GET", pfad); }
    HttpAntwort post(const QByteArray& pfad, const QByteArray& körper) { return anfrage(port, "POST", pfad, körper); }
    HttpAntwort put(const QByteArray& pfad, const QByteArray& körper) { return anfrage(port, "PUT", pfad, körper); }
};

} // namespace glanzzug::test
