#include "Sichern.h"
#include "Fenster.h"
#include "Textdatei.h"

namespace glanzzug {

bool zeilenSichern(const Ablauf& ablauf, const QString& pfad, const QStringList& zeilen, QString* grund) {
    QString warum;
    const bool ok = schreibeZeilenAtomar(pfad, zeilen, &warum);
    if (!ok) ablauf.melde(QStringLiteral("could not save \"%1\": %2").arg(pfad, warum));
    if (!ok && grund) *grund = warum;
    return ok;
}

void SpeichernMelden(Fenster& f, const QString& meldung) {
    f.Statuszeile.setzeText(f.StatusGrund.isEmpty() ? meldung : meldung + QStringLiteral("  –  ") + f.StatusGrund);
}

} // namespace glanzzug
