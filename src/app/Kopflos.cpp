#include "Kopflos.h"
#include "Fenster.h"
#include "Kommandozeile.h"
#include "Signale.h"
#include "Start.h"
#include "Zeiteingaben.h"
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
} // namespace

int kopflosSpielen(Fenster& f, const Kommandozeile& k) {
    KeineDialoge dialoge;
    f.dialoge = &dialoge;
    ZeitgeberTreiber treiber(f.T, k.schnell);
    if (k.ticks >= 0)
        treiber.nachTick = [&treiber, &k] {
            if (std::int64_t(treiber.ticks()) >= k.ticks) QCoreApplication::quit();
        };
    Signale::beiBeendenAufrufen([] { QCoreApplication::quit(); });
    if (!k.leise)
        f.ablauf.protokoll = [](const QString& zeile) {
            std::fprintf(stderr, "glanzzug: %s\n", qPrintable(zeile));
            std::fflush(stderr);
        };

    Form_Load(f);
    TimerAn_Click(f);
    if (k.ticks != 0) QCoreApplication::exec();
    f.T.setzeAn(false);
    Form_Unload(f);
    return 0;
}

} // namespace glanzzug
