#include "Bildtakt.h"
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace glanzzug::Bildtakt {

namespace {
int periode() {
    const QScreen* schirm = QGuiApplication::primaryScreen();
    const qreal hz = schirm && schirm->refreshRate() >= 1 ? schirm->refreshRate() : 60.0;
    return std::max(1, int(std::ceil(1000.0 / hz)));
}

// The one clock of the application, made on first use; it goes with the application.
QTimer& uhr() {
    static QPointer<QTimer> zeit;
    if (!zeit) {
        zeit = new QTimer(QCoreApplication::instance());
        // Precise: a coarse timer may come up to 5 % early, more beats than the screen shows.
        zeit->setTimerType(Qt::PreciseTimer);
        zeit->setInterval(periode());
        if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            QObject::connect(app, &QGuiApplication::primaryScreenChanged, zeit, [] { uhr().setInterval(periode()); });
        zeit->start();
    }
    return *zeit;
}
} // namespace

void anmelden(QObject* empfänger, std::function<void()> nachsehen) {
    QObject::connect(&uhr(), &QTimer::timeout, empfänger, std::move(nachsehen));
}

int intervallMs() { return uhr().interval(); }

} // namespace glanzzug::Bildtakt
