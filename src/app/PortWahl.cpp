#include "PortWahl.h"
#include "AufnahmePort.h"
#include "PpdevPort.h"
#include "SimulierterPort.h"
#include <cerrno>

namespace glanzzug {

namespace {
// The reasons a port write fails, in German; the system's own texts follow the locale,
// which on a sign or a fresh machine is often English.
QString fehlerAufDeutsch(int nummer) {
    switch (nummer) {
    case ENOSPC: return QStringLiteral("kein Platz mehr auf dem Gerät");
    case EDQUOT: return QStringLiteral("Speicherkontingent erschöpft");
    case EFBIG: return QStringLiteral("Datei zu groß");
    case EROFS: return QStringLiteral("Dateisystem nur lesbar");
    case EIO: return QStringLiteral("Ein-/Ausgabefehler");
    case ENODEV: return QStringLiteral("Gerät nicht vorhanden");
    case ENXIO: return QStringLiteral("Gerät oder Adresse nicht vorhanden");
    case ENOENT: return QStringLiteral("Datei oder Gerät nicht gefunden");
    case EBUSY: return QStringLiteral("Gerät belegt");
    case EACCES:
    case EPERM: return QStringLiteral("keine Berechtigung");
    case 0: return QStringLiteral("Ursache unbekannt");
    default: return QStringLiteral("Fehlernummer %1").arg(nummer);
    }
}
} // namespace

QString PortWahl::statusText() const {
    if (!port || port->störung().empty()) return QStringLiteral("Anschluss: ") + anzeige;
    return QStringLiteral("Anschluss gestört: %1, Schreiben fehlgeschlagen (%2). Die Darstellung läuft weiter.")
        .arg(anzeige, fehlerAufDeutsch(port->störungNummer()));
}

PortWahl portWählen(const QString& angabe) {
    const QString art = angabe.section(u':', 0, 0);
    const QString rest = angabe.section(u':', 1);
    PortWahl w;
    if (art == u"sim" && rest.isEmpty()) {
        auto sim = std::make_unique<SimulierterPort>();
        w.simulation = sim.get();
        w.port = std::move(sim);
        w.beschreibung = QStringLiteral("simulated");
        w.anzeige = QStringLiteral("simuliert");
    } else if (art == u"none" && rest.isEmpty()) {
        w.port = std::make_unique<VerwerfenderPort>();
        w.beschreibung = QStringLiteral("none");
        w.anzeige = QStringLiteral("keiner (die Daten werden verworfen)");
    } else if (art == u"record" && !rest.isEmpty()) {
        w.port = std::make_unique<DateiAufnahmePort>(rest.toStdString());
        w.beschreibung = QStringLiteral("record ") + rest;
        w.anzeige = QStringLiteral("Aufzeichnung in „%1“").arg(rest);
    } else if (art == u"ppdev") {
        const QString gerät = rest.isEmpty() ? QStringLiteral("/dev/parport0") : rest;
        w.port = std::make_unique<PpdevPort>(gerät.toStdString());
        w.beschreibung = QStringLiteral("ppdev ") + gerät;
        w.anzeige = QStringLiteral("Parallelport %1 (ppdev)").arg(gerät);
    } else if (art == u"direct") {
        bool ok = true;
        const unsigned adresse = rest.isEmpty() ? 0x378u : rest.toUInt(&ok, 0);
        if (!ok || adresse > 0xffff) throw PortFehler("direct: not an I/O address: " + rest.toStdString());
        w.port = std::make_unique<DirektPort>(adresse);
        w.beschreibung = QStringLiteral("direct 0x") + QString::number(adresse, 16);
        w.anzeige = QStringLiteral("Parallelport 0x%1 (direkt)").arg(adresse, 0, 16);
    } else {
        throw PortFehler("unknown port backend '" + angabe.toStdString() +
                         "'; use sim, ppdev[:DEVICE], direct[:ADDRESS], record:FILE or none");
    }
    return w;
}

} // namespace glanzzug
