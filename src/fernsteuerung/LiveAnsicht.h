#pragma once
#include "Netz.h"
#include "SimulierterPort.h"
#include <QByteArray>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

namespace glanzzug {

class LiveSitzung;

// The live view: sends the LEDs of the latest frame on the wire to every connected
// client, as one binary message of 294 bytes (module 0..5, row 0..6, column 0..6; bit 0
// red, bit 1 green, bit 2 blue). Frames are decoded from the port bytes as the modules'
// shift registers and latch take them, so a client sees exactly what the wire lights.
//
// Playing never waits for a client: frameGesendet (on the tick's thread) only replaces
// the stored bytes under a short lock. On the network thread a timer sends at most
// kProSekunde messages a second, only to clients whose last message differs from the
// latest frame and whose previous message has left; a client that does not read thus
// gets only the latest frame when it reads again, and nothing piles up.
class LiveAnsicht {
public:
    static constexpr int kMeisteZuschauer = 32;
    static constexpr int kProSekunde = 25;
    static constexpr int kBytes = 6 * 7 * 7;

    explicit LiveAnsicht(netz::asio::io_context& ioc) : takt_(ioc) {}

    // Any thread: the port bytes of a frame that was sent (a whole frame ending with its latch).
    void frameGesendet(const std::uint8_t* bytes, int anzahl);
    // Any thread: clients connected now.
    int anzahl() const { return anzahl_; }

    // Network thread from here on.
    bool voll() const { return anzahl_ >= kMeisteZuschauer; }
    void anmelden(LiveSitzung* z);
    void abmelden(LiveSitzung* z);
    // Stops sending (when the server goes).
    void anhalten() { takt_.cancel(); }
    // The LEDs of the latest frame in message layout.
    QByteArray leds();

private:
    void takten();

    std::mutex frameSperre_; // guards letzterFrame_ and neu_
    std::vector<std::uint8_t> letzterFrame_;
    bool neu_ = false;

    std::vector<LiveSitzung*> zuschauer_;
    std::atomic<int> anzahl_ = 0;
    netz::asio::steady_timer takt_;
    bool taktLäuft_ = false;
    std::vector<std::uint8_t> frame_;
    SimulierterPort dekoder_;
    QByteArray leds_ = QByteArray(kBytes, '\0');
};

} // namespace glanzzug
