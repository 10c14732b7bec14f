#include "ZeitgeberTreiber.h"
#include "Zeitgeber.h"

namespace glanzzug {

ZeitgeberTreiber::ZeitgeberTreiber(Zeitgeber& zeitgeber, bool sofort) : z_(zeitgeber), sofort_(sofort) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    z_.umgestellt.verbinde([this] { neuStarten(); });
    neuStarten();
}

void ZeitgeberTreiber::neuStarten() {
    if (!z_.an()) {
        timer_.stop();
        return;
    }
    timer_.start(sofort_ ? 0 : z_.intervall());
}

void ZeitgeberTreiber::tick() {
    ++ticks_;
    z_.ablaufen();
    if (nachTick) nachTick();
}

} // namespace glanzzug
