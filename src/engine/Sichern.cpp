#include "Sichern.h"
#include "SichereDatei.h"
#include "Textdatei.h"

namespace glanzzug {

namespace {
bool gesichert(const Ablauf& ablauf, const QString& pfad, bool ok, const QString& grund) {
    if (!ok) ablauf.melde(QStringLiteral("could not save \"%1\": %2").arg(pfad, grund));
    return ok;
}
} // namespace

bool zeilenSichern(const Ablauf& ablauf, const QString& pfad, const QStringList& zeilen) {
    QString grund;
    return gesichert(ablauf, pfad, schreibeZeilenAtomar(pfad, zeilen, &grund), grund);
}

bool bytesSichern(const Ablauf& ablauf, const QString& pfad, QByteArrayView bytes) {
    QString grund;
    return gesichert(ablauf, pfad, schreibeDatei(pfad, bytes, &grund), grund);
}

} // namespace glanzzug
