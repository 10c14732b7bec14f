#pragma once
#include "Netz.h"
#include "Pforte.h"
#include <QByteArray>
#include <memory>

namespace glanzzug {

struct Umgebung;

// One live-view client on its WebSocket, on the network thread. It is sent the latest
// frame whenever its previous message has left (LiveAnsicht decides when); what it sends
// is read and dropped, one message of at most kGrößteLiveNachricht bytes at a time. A
// ping of the client is answered with one pong; while that pong has not left, nothing
// more is read, so pongs never pile up. A client silent for Fristen::liveStille gets a
// ping and is closed when nothing comes back within Fristen::livePong.
class LiveSitzung : public std::enable_shared_from_this<LiveSitzung> {
public:
    LiveSitzung(netz::beast::tcp_stream stream, Umgebung& u, std::unique_ptr<Pforte::Platz> platz);
    ~LiveSitzung();
    // Answers the upgrade request and starts.
    void starten(netz::http::request<netz::http::empty_body> anfrage);
    // Sends `leds` unless a message is still on its way or the client has them already.
    void zeigen(const QByteArray& leds);
    // Closes the connection; the session goes when its operations have ended.
    void abbrechen();

private:
    void lesen();
    void wachen();

    netz::websocket::stream<netz::beast::tcp_stream> ws_;
    Umgebung& u_;
    std::unique_ptr<Pforte::Platz> platz_;
    netz::beast::flat_buffer eingang_;
    QByteArray gesendet_, unterwegs_;
    bool schreibt_ = false, angemeldet_ = false, pingt_ = false, offen_ = true;
    netz::asio::steady_timer wächter_;
    netz::Uhr::time_point gehört_ = netz::Uhr::now(), gepingt_{};
};

} // namespace glanzzug
