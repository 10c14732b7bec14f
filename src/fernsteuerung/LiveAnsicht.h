#pragma once
#include "SimulierterPort.h"
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <vector>

class QWebSocket;

namespace glanzzug {

// The live view: sends the LEDs of the latest frame on the wire to every connected
// WebSocket client, as one binary message of 294 bytes (module 0..5, row 0..6, column
// 0..6; bit 0 red, bit 1 green, bit 2 blue). Frames are decoded from the port bytes as
// the modules' shift registers and latch take them, so a client sees exactly what the
// wire lights.
//
// Playing never waits for a client: a frame only replaces the stored bytes. A timer sends
// at most kProSekunde messages a second, only to clients whose last message differs from
// the latest frame and whose previous message has left the socket; a slow client thus
// skips frames instead of piling them up.
class LiveAnsicht : public QObject {
public:
    static constexpr int kMeisteZuschauer = 32;
    static constexpr int kProSekunde = 25;
    static constexpr int kBytes = 6 * 7 * 7;

    LiveAnsicht();
    ~LiveAnsicht() override;

    // The port bytes of a frame that was sent (a whole frame ending with its latch).
    void frameGesendet(const std::uint8_t* bytes, int anzahl);
    // Takes a client; false (and the client is closed) when kMeisteZuschauer are connected.
    bool aufnehmen(std::unique_ptr<QWebSocket> client);
    int anzahl() const { return int(zuschauer_.size()); }
    bool voll() const { return anzahl() >= kMeisteZuschauer; }

    // The LEDs of the latest frame in message layout.
    QByteArray leds();

private:
    struct Zuschauer {
        QWebSocket* client; // owned; deleted later when it goes
        QByteArray gesendet;
    };
    void senden();
    void sendenAn(Zuschauer& z, const QByteArray& jetzt);
    void entfernen(QWebSocket* client);

    std::vector<Zuschauer> zuschauer_;
    QTimer takt_;
    std::vector<std::uint8_t> letzterFrame_;
    bool neu_ = false;
    SimulierterPort dekoder_;
    QByteArray leds_ = QByteArray(kBytes, '\0');
};

} // namespace glanzzug
