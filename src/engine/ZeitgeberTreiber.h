#pragma once
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

namespace glanzzug {

class Zeitgeber;

// Drives the timer model with a precise Qt timer (1 ms capable). Every assignment of the
// model's interval or on-state restarts the countdown. Ticks that come late are not made
// up. With `sofort`, ticks follow each other at once (the interval is still kept in the
// model). `nachTick` runs after every tick (used to stop after N ticks).
class ZeitgeberTreiber : public QObject {
public:
    ZeitgeberTreiber(Zeitgeber& zeitgeber, bool sofort = false);
    std::uint64_t ticks() const { return ticks_; }
    std::function<void()> nachTick;

private:
    void neuStarten();
    void tick();

    Zeitgeber& z_;
    QTimer timer_;
    bool sofort_;
    std::uint64_t ticks_ = 0;
};

} // namespace glanzzug
