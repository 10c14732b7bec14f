#include "Kopflos.h"
#include "Dienst.h"
#include "Fenster.h"
#include "Kommandozeile.h"
#include "Signale.h"
#include "Start.h"
#include "Zeiteingaben.h"
#include "ZeitplanSteuerung.h"
#include "ZeitgeberTreiber.h"
#include <QCoreApplication>
#include <cstdio>

namespace glanzzug {

namespace {
// No one answers dialogs on a sign without a screen: questions are answered No, inputs
// are empty, notices are dropped.
class KeineDialoge final : public Dialoge {
public:
    bool frageJaNein(const QString&, const QString&, Symbol) override { return false; }
    void hinweis(const QString&) override {}
    QString eingabe(const QString&) override { return {}; }
    std::optional<SchriftWahl> schriftWählen(const SchriftWahl&) override { return std::nullopt; }
};

bool portGestört(const Fenster& f) { return f.port && !f.port->störung().empty(); }
} // namespace

int kopflosSpielen(Fenster& f, const Kommandozeile& k) {
    KeineDialoge dialoge;
    f.dialoge = &dialoge;
    Dienst dienst;
    ZeitgeberTreiber treiber(f.T, k.schnell);
    if (k.ticks >= 0)
        treiber.nachTick = [&treiber, &k] {
            if (std::int64_t(treiber.ticks()) >= k.ticks) QCoreApplication::quit();
        };
    Signale::beiBeendenAufrufen([] { QCoreApplication::quit(); });
    // A port that stops taking bytes ends playing: reported once (also with --quiet), then
    // shut down with status kPortGestört so that the service manager restarts the player.
    if (f.port)
        f.port->beiStörung = [](const std::string& text) {
            std::fprintf(stderr, "glanzzug: %s\n", text.c_str());
            std::fflush(stderr);
            QCoreApplication::quit();
        };
    if (!k.leise)
        f.ablauf.protokoll = [](const QString& zeile) {
            std::fprintf(stderr, "glanzzug: %s\n", qPrintable(zeile));
            std::fflush(stderr);
        };

    Form_Load(f);
    TimerAn_Click(f);
    // The weekly schedule may pick another run list at once, or let the sign rest dark.
    ZeitplanSteuerung zeitplan(f);
    zeitplan.starten();
    dienst.bereit();
    // quit() does nothing before the loop runs: a signal or a port failure during start-up
    // is seen here.
    if (k.ticks != 0 && !Signale::beendenVerlangt() && !portGestört(f)) QCoreApplication::exec();
    dienst.beenden();
    f.T.setzeAn(false);
    Form_Unload(f);
    const bool gestört = portGestört(f);
    if (f.port) f.port->beiStörung = nullptr;
    return gestört ? kPortGestört : 0;
}

} // namespace glanzzug
