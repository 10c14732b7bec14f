#include "LiveAnsicht.h"
#include <QWebSocket>

namespace glanzzug {

LiveAnsicht::LiveAnsicht() {
    takt_.setTimerType(Qt::PreciseTimer);
    takt_.setInterval(1000 / kProSekunde);
    connect(&takt_, &QTimer::timeout, this, [this] { senden(); });
}

LiveAnsicht::~LiveAnsicht() {
    for (Zuschauer& z : zuschauer_) {
        z.client->disconnect(this);
        z.client->abort();
        delete z.client;
    }
}

void LiveAnsicht::frameGesendet(const std::uint8_t* bytes, int anzahl) {
    // Only kept; decoding waits for the next message, so fast playing pays one copy.
    letzterFrame_.assign(bytes, bytes + anzahl);
    neu_ = true;
}

QByteArray LiveAnsicht::leds() {
    if (neu_) {
        dekoder_.ausgebenFolge(Port::kAdresse, letzterFrame_.data(), letzterFrame_.size());
        neu_ = false;
        for (int m = 0; m < 6; ++m)
            for (int r = 0; r < 7; ++r)
                for (int c = 0; c < 7; ++c) {
                    const int led = dekoder_.led(m, c, r);
                    leds_[m * 49 + r * 7 + c] = char((led & SimulierterPort::Rot ? 1 : 0) |
                                                     (led & SimulierterPort::Grün ? 2 : 0) |
                                                     (led & SimulierterPort::Blau ? 4 : 0));
                }
    }
    return leds_;
}

bool LiveAnsicht::aufnehmen(std::unique_ptr<QWebSocket> client) {
    if (voll()) {
        client->close(QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("too many live-view clients"));
        client.release()->deleteLater();
        return false;
    }
    QWebSocket* c = client.release();
    c->setParent(this);
    connect(c, &QWebSocket::disconnected, this, [this, c] { entfernen(c); });
    // Clients only listen; anything they send is dropped unread.
    c->setReadBufferSize(4096);
    zuschauer_.push_back({c, {}});
    if (!takt_.isActive()) takt_.start();
    sendenAn(zuschauer_.back(), leds()); // the current picture at once
    return true;
}

void LiveAnsicht::entfernen(QWebSocket* client) {
    std::erase_if(zuschauer_, [client](const Zuschauer& z) { return z.client == client; });
    client->disconnect(this);
    client->deleteLater();
    if (zuschauer_.empty()) takt_.stop();
}

void LiveAnsicht::senden() {
    const QByteArray jetzt = leds();
    for (Zuschauer& z : zuschauer_) sendenAn(z, jetzt);
}

void LiveAnsicht::sendenAn(Zuschauer& z, const QByteArray& jetzt) {
    if (z.gesendet == jetzt || z.client->bytesToWrite() > 0) return;
    z.client->sendBinaryMessage(jetzt);
    z.gesendet = jetzt;
}

} // namespace glanzzug
