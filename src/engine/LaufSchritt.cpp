#include "LaufSchritt.h"
#include "Fenster.h"
#include "ModuleAusgeben.h"
#include "Zahl.h"

namespace glanzzug {

void IntervallAus(Fenster& f, const QString& text) {
    const double v = runden(führendeZahl(text));
    f.T.setzeIntervall(v < 1 ? 1 : v > 1e9 ? 1000000000 : int(v));
}

bool EndzeitErreicht(const Fenster& f) {
    const QString jetzt = f.jetzt().time().toString(QStringLiteral("HH:mm"));
    return jetzt.compare(f.BisUhrText.text()) >= 0;
}

QString DatumsSchlüssel(const QString& datum) { return datum.right(2) + datum.mid(3, 2) + datum.left(2); }

bool EnddatumErreicht(const Fenster& f) {
    const QString heute = f.jetzt().date().toString(QStringLiteral("yyMMdd"));
    return heute.compare(DatumsSchlüssel(f.BisDatumText.text())) >= 0;
}

void T_Timer(Fenster& f) { LaufSchritt(f); }

void LaufSchritt(Fenster& f) {
    if (f.DurchlaufStatus == kAnzahlErreicht) {
        f.DurchlaufStatus = kFertig;
        f.EndeGrund = QStringLiteral("passes");
        IntervallAus(f, f.WartezeitTxt.text());
        return;
    }
    if (f.DurchlaufStatus == kFertig) {
        f.DurchlaufStatus = kSchreiten;
        if (f.Start.gesetzt()) {
            f.ablauf.melde(QStringLiteral("hand-over after ") +
                           (f.EndeGrund.isEmpty() ? QStringLiteral("the pass") : f.EndeGrund));
            f.EndeGrund.clear();
            Ablauf::rufe(f.ablauf.laufListeWeiter, f);
            return;
        }
        f.DurchlaufStatus = kWarten;
    }
    if (f.DurchlaufStatus == kWarten) {
        f.DurchlaufStatus = kSchreiten;
        IntervallAus(f, f.VerzögerungTxt.text());
    } else if (f.DurchlaufStatus == kPassEnde) {
        f.DurchlaufStatus = kWarten;
        IntervallAus(f, f.WartezeitTxt.text());
        return;
    }

    f.Laufposition += f.Schrittweite;
    for (int i = 0; i < 8; ++i) {
        if (!f.AusWal.gewählt(i)) continue;
        if (i != 0) f.Laufposition = 0;
        Ablauf::rufe(f.ablauf.schritt[std::size_t(i)], f);
        break;
    }

    if (f.DurchlaufStatus != kSchreiten) {
        if (f.BisUhr.gesetzt()) {
            if (EndzeitErreicht(f)) {
                f.DurchlaufStatus = kFertig;
                f.EndeGrund = QStringLiteral("end time");
                return;
            }
        } else if (f.BisDatum.gesetzt()) {
            if (EnddatumErreicht(f)) {
                f.DurchlaufStatus = kFertig;
                f.EndeGrund = QStringLiteral("end date");
                return;
            }
        } else {
            f.DurchlaufNummer += 1;
            f.OftLabel.setzeText(zahlText(f.DurchlaufNummer));
            if (f.DurchlaufNummer >= führendeZahl(f.DurchläufeTxt.text())) {
                f.DurchlaufNummer = 0;
                f.DurchlaufStatus = kAnzahlErreicht;
            }
        }
    }
    ModuleAusgeben(f);
}

} // namespace glanzzug
