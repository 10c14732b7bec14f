#include "Sichern.h"
#include "Fenster.h"
#include "SichereDatei.h"
#include "Textdatei.h"

namespace glanzzug {

bool zeilenSichern(const Ablauf& ablauf, const QString& pfad, const QStringList& zeilen, QString* grund) {
    SchreibFehler warum;
    const bool ok = schreibeZeilenAtomar(pfad, zeilen, &warum);
    if (!ok) ablauf.melde(QStringLiteral("could not save \"%1\": %2").arg(pfad, warum.worte));
    if (!ok && grund) *grund = warum.deutsch;
    return ok;
}

void SpeichernMelden(Fenster& f, const QString& meldung) {
    f.Statuszeile.setzeText(f.StatusGrund.isEmpty() ? meldung : meldung + QStringLiteral("  –  ") + f.StatusGrund);
}

} // namespace glanzzug
