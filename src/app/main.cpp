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
#include "Signale.h"
#include "StandardOrdner.h"
#include <QApplication>
#include <QDir>
#include <cstdio>

using namespace glanzzug;

namespace {
QtMessageHandler vorherigeAusgabe = nullptr;

// While the headless application is set up: a service has no runtime folder, and Qt's
// notice about it would be the first line on standard error (where the remote control's
// address line belongs, and in the journal at every start). Only that notice is dropped.
void ohneLaufzeitOrdnerHinweis(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (art == QtWarningMsg && text.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set")) return;
    if (vorherigeAusgabe) vorherigeAusgabe(art, ort, text);
}

std::unique_ptr<QCoreApplication> anwendung(Kommandozeile::Art art, int& argc, char** argv) {
    switch (art) {
    case Kommandozeile::Art::Auskunft:
        return std::make_unique<QCoreApplication>(argc, argv);
    case Kommandozeile::Art::Kopflos: {
        // Fonts come from the same font database as in the window; the offscreen platform
        // provides it without a display server, whatever QT_QPA_PLATFORM says.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        vorherigeAusgabe = qInstallMessageHandler(ohneLaufzeitOrdnerHinweis);
        auto app = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(vorherigeAusgabe);
        return app;
    }
    case Kommandozeile::Art::Fenster:
        break;
    }
    return std::make_unique<QApplication>(argc, argv);
}
} // namespace

int main(int argc, char** argv) {
    const Kommandozeile::Art art = Kommandozeile::artVerlangt(argc, argv);
    std::unique_ptr<QCoreApplication> app = anwendung(art, argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("glanzzug"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GLANZZUG_VERSION));
    // Before anything is read: from here on SIGINT, SIGTERM and SIGHUP lead to a clean
    // shut-down, also when they arrive during start-up.
    Signale signale;

    Kommandozeile k = Kommandozeile::lesen(*app);
    if (k.standardOrdner) {
        k.ordner = standardOrdner();
        if (!standardOrdnerEinrichten(k.ordner)) return 2;
    }
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
    if (art == Kommandozeile::Art::Kopflos) return kopflosSpielen(fenster, k);
    return fensterSpielen(fenster, port, static_cast<QApplication&>(*app));
}
