#include "LiveAnsicht.h"
#include "LiveSitzung.h"

namespace glanzzug {

void LiveAnsicht::frameGesendet(const std::uint8_t* bytes, int anzahl) {
    // Only kept; decoding waits for the next message on the network thread.
    const std::lock_guard sperre(frameSperre_);
    letzterFrame_.assign(bytes, bytes + anzahl);
    neu_ = true;
}

QByteArray LiveAnsicht::leds() {
    {
        const std::lock_guard sperre(frameSperre_);
        if (!neu_) return leds_;
        frame_.swap(letzterFrame_);
        neu_ = false;
    }
    dekoder_.ausgebenFolge(Port::kAdresse, frame_.data(), frame_.size());
    for (int m = 0; m < 6; ++m)
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 7; ++c) {
                const int led = dekoder_.led(m, c, r);
                leds_[m * 49 + r * 7 + c] = char((led & SimulierterPort::Rot ? 1 : 0) | (led & SimulierterPort::Grün ? 2 : 0) |
                                                 (led & SimulierterPort::Blau ? 4 : 0));
            }
    return leds_;
}

void LiveAnsicht::anmelden(LiveSitzung* z) {
    zuschauer_.push_back(z);
    anzahl_ = int(zuschauer_.size());
    z->zeigen(leds()); // the current picture at once
    if (!taktLäuft_) {
        taktLäuft_ = true;
        takten();
    }
}

void LiveAnsicht::abmelden(LiveSitzung* z) {
    std::erase(zuschauer_, z);
    anzahl_ = int(zuschauer_.size());
}

void LiveAnsicht::takten() {
    if (zuschauer_.empty()) {
        taktLäuft_ = false;
        return;
    }
    const QByteArray jetzt = leds();
    for (LiveSitzung* z : zuschauer_) z->zeigen(jetzt);
    takt_.expires_after(std::chrono::milliseconds(1000 / kProSekunde));
    takt_.async_wait([this](netz::Fehlercode e) {
        if (!e) takten();
        else taktLäuft_ = false;
    });
}

} // namespace glanzzug
