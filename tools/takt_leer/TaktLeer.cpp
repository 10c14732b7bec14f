// The bare reference for the window's CPU cost: a QApplication (connected to the display
// like the window) whose only work is a 1 ms precise timer with an empty slot. Runs until
// it is killed, or for the seconds given as its only argument.
#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTimer takt;
    takt.setTimerType(Qt::PreciseTimer);
    QObject::connect(&takt, &QTimer::timeout, [] {});
    takt.start(1);
    if (argc > 1) QTimer::singleShot(int(QString::fromLocal8Bit(argv[1]).toDouble() * 1000), &app, &QApplication::quit);
    return app.exec();
}
