// glanzzug: composes presentations for an LED sign of six 7 x 7 modules and plays them
// through the parallel port. This is the one place that chooses the port backend and
// whether a window is shown.
#include "Fenster.h"
#include "Fernsteuerung.h"
#include "FernsteuerungStarten.h"
#include "Kommandozeile.h"
#include "Kopflos.h"
#include "PortWahl.h"
#include "Programm.h"
#include "Hauptfenster.h"
#include <QApplication>
#include <QDir>
#include <cstdio>

using namespace glanzzug;

int main(int argc, char** argv) {
    const bool kopflos = Kommandozeile::kopflosVerlangt(argc, argv);
    std::unique_ptr<QCoreApplication> app;
    if (kopflos) app = std::make_unique<QCoreApplication>(argc, argv);
    else app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("glanzzug"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GLANZZUG_VERSION));

    const Kommandozeile k = Kommandozeile::lesen(*app);
    if (!k.ordner.isEmpty() && !QDir::setCurrent(k.ordner)) {
        std::fprintf(stderr, "glanzzug: cannot use the folder %s\n", qPrintable(k.ordner));
        return 2;
    }
    PortWahl port;
    try {
        port = portWählen(k.port);
    } catch (const PortFehler& e) {
        std::fprintf(stderr, "glanzzug: %s\n", e.what());
        return 3;
    }

    Fenster fenster;
    fenster.port = port.port.get();
    Verdrahten(fenster);
    std::unique_ptr<Fernsteuerung> fernsteuerung;
    if (!k.http.isEmpty() &&
        !(fernsteuerung = fernsteuerungStarten(fenster, k.http, k.httpTokenDatei, port.beschreibung)))
        return 2;
    if (kopflos) return kopflosSpielen(fenster, k);
    return fensterSpielen(fenster, port, static_cast<QApplication&>(*app));
}
