#include "Sichern.h"
#include "Textdatei.h"

namespace glanzzug {

bool zeilenSichern(const Ablauf& ablauf, const QString& pfad, const QStringList& zeilen) {
    QString grund;
    const bool ok = schreibeZeilenAtomar(pfad, zeilen, &grund);
    if (!ok) ablauf.melde(QStringLiteral("could not save \"%1\": %2").arg(pfad, grund));
    return ok;
}

} // namespace glanzzug
