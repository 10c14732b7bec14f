#include "PortWahl.h"
#include "AufnahmePort.h"
#include "PpdevPort.h"
#include "SimulierterPort.h"

namespace glanzzug {

PortWahl portWählen(const QString& angabe) {
    const QString art = angabe.section(u':', 0, 0);
    const QString rest = angabe.section(u':', 1);
    PortWahl w;
    if (art == u"sim" && rest.isEmpty()) {
        auto sim = std::make_unique<SimulierterPort>();
        w.simulation = sim.get();
        w.port = std::move(sim);
        w.beschreibung = QStringLiteral("simulated");
    } else if (art == u"none" && rest.isEmpty()) {
        w.port = std::make_unique<VerwerfenderPort>();
        w.beschreibung = QStringLiteral("none");
    } else if (art == u"record" && !rest.isEmpty()) {
        w.port = std::make_unique<DateiAufnahmePort>(rest.toStdString());
        w.beschreibung = QStringLiteral("record ") + rest;
    } else if (art == u"ppdev") {
        const QString gerät = rest.isEmpty() ? QStringLiteral("/dev/parport0") : rest;
        w.port = std::make_unique<PpdevPort>(gerät.toStdString());
        w.beschreibung = QStringLiteral("ppdev ") + gerät;
    } else if (art == u"direct") {
        bool ok = true;
        const unsigned adresse = rest.isEmpty() ? 0x378u : rest.toUInt(&ok, 0);
        if (!ok || adresse > 0xffff) throw PortFehler("direct: not an I/O address: " + rest.toStdString());
        w.port = std::make_unique<DirektPort>(adresse);
        w.beschreibung = QStringLiteral("direct 0x") + QString::number(adresse, 16);
    } else {
        throw PortFehler("unknown port backend '" + angabe.toStdString() +
                         "'; use sim, ppdev[:DEVICE], direct[:ADDRESS], record:FILE or none");
    }
    return w;
}

} // namespace glanzzug
