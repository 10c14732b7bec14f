#include "AnfragenZeitplan.h"
#include "Fenster.h"
#include "ZeitplanSteuerung.h"
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

namespace glanzzug {

namespace {
using Antwort = Anfragen::Antwort;

Antwort fehler(int status, const QString& code, const QString& meldung, int zeile = 0) {
    QJsonObject o{{QStringLiteral("code"), code}, {QStringLiteral("meldung"), meldung}};
    if (zeile > 0) o.insert(QStringLiteral("zeile"), zeile);
    return {status, QJsonDocument(o).toJson(QJsonDocument::Compact)};
}

QString version(const QByteArray& inhalt) {
    return QString::fromLatin1(QCryptographicHash::hash(inhalt, QCryptographicHash::Sha1).toHex());
}

QJsonObject regelJson(const Regel& r) {
    QJsonArray tage;
    for (int t = 1; t <= 7; ++t)
        if (r.tage & (1u << (t - 1))) tage.append(t);
    const QString z = r.zeile();
    return {{QStringLiteral("days"), tage},
            {QStringLiteral("daysText"), r.zeitText().section(u' ', 0, 0)},
            {QStringLiteral("from"), uhrText(r.von)},
            {QStringLiteral("to"), uhrText(r.bis)},
            {QStringLiteral("dates"), r.daten == Regel::Daten::Immer ? QString() : z.section(u' ', 0, 0)},
            {QStringLiteral("target"), r.ziel}};
}

// The seven days of this week (Monday first) as bands of the rule in force: each band
// from a minute to a minute with its rule's index (-1: the owner's own run list).
QJsonArray woche(const std::vector<Regel>& regeln, const QDate& heute) {
    QJsonArray tage;
    const QDate montag = heute.addDays(1 - heute.dayOfWeek());
    for (int i = 0; i < 7; ++i) {
        const QDate tag = montag.addDays(i);
        std::vector<int> kanten{0, 1440};
        for (const Regel& r : regeln) kanten.insert(kanten.end(), {r.von, r.bis % 1440});
        std::sort(kanten.begin(), kanten.end());
        kanten.erase(std::unique(kanten.begin(), kanten.end()), kanten.end());
        QJsonArray bänder;
        for (std::size_t k = 0; k + 1 < kanten.size(); ++k) {
            const int regel = gültigeRegel(regeln, wandzeit(tag, kanten[k]));
            if (!bänder.isEmpty() && bänder.last().toObject().value(QStringLiteral("rule")).toInt() == regel) {
                QJsonObject letztes = bänder.last().toObject();
                letztes[QStringLiteral("to")] = kanten[k + 1];
                bänder[bänder.size() - 1] = letztes;
                continue;
            }
            bänder.append(QJsonObject{{QStringLiteral("from"), kanten[k]}, {QStringLiteral("to"), kanten[k + 1]},
                                      {QStringLiteral("rule"), regel},
                                      {QStringLiteral("target"), regel >= 0 ? regeln[regel].ziel : QString()}});
        }
        tage.append(QJsonObject{{QStringLiteral("date"), tag.toString(Qt::ISODate)},
                                {QStringLiteral("day"), tagKürzel(tag.dayOfWeek())},
                                {QStringLiteral("bands"), bänder}});
    }
    return tage;
}
} // namespace

QJsonObject zeitplanStatus(const Fenster& f) {
    const ZeitplanSteuerung* z = ZeitplanSteuerung::von(f);
    if (!z) return {};
    const auto& regeln = z->stand().plan.regeln;
    const auto n = z->nächster();
    const Wandzeit jetzt = wandzeit(f.jetzt().toMSecsSinceEpoch());
    QJsonObject o{{QStringLiteral("rule"), z->regel()},
                  {QStringLiteral("now"), z->regel() >= 0 ? regeln[z->regel()].ziel + QStringLiteral(" (") +
                                                                 regeln[z->regel()].zeitText() + u')'
                                                           : QString()},
                  {QStringLiteral("byHand"), z->vonHand()},
                  {QStringLiteral("ownRunList"), z->eigeneLaufListe()},
                  {QStringLiteral("text"), z->Zustand.text()}};
    if (n)
        o.insert(QStringLiteral("next"),
                 QJsonObject{{QStringLiteral("at"), wechselText(n->wann, jetzt)},
                             {QStringLiteral("rule"), n->regel},
                             {QStringLiteral("target"), n->regel >= 0 ? regeln[n->regel].ziel : QString()}});
    return o;
}

Antwort zeitplanAbfragen(Anfragen& a, const anfrage::Eingabe&) {
    const ZeitplanSteuerung* z = ZeitplanSteuerung::von(a.f);
    if (!z) return fehler(503, QStringLiteral("kein_zeitplan"), QStringLiteral("Der Zeitplan läuft nicht."));
    const ZeitplanStand& s = z->stand();
    QJsonArray regeln, fehlerListe;
    for (const Regel& r : s.plan.regeln) regeln.append(regelJson(r));
    for (const Zeilenfehler& e : s.plan.fehler)
        fehlerListe.append(QJsonObject{{QStringLiteral("zeile"), e.zeile}, {QStringLiteral("meldung"), e.grund}});
    const QDateTime jetzt = a.f.jetzt();
    const QJsonObject o{{QStringLiteral("lines"), QJsonArray::fromStringList(s.zeilen)},
                        {QStringLiteral("rules"), regeln},
                        {QStringLiteral("errors"), fehlerListe},
                        {QStringLiteral("fileError"), s.fehler},
                        {QStringLiteral("version"), version(s.inhalt)},
                        {QStringLiteral("runLists"), QJsonArray::fromStringList(a.f.AlleLL.liste())},
                        {QStringLiteral("week"), woche(s.plan.regeln, jetzt.date())},
                        {QStringLiteral("today"), jetzt.date().dayOfWeek()},
                        {QStringLiteral("minute"), jetzt.time().hour() * 60 + jetzt.time().minute()},
                        {QStringLiteral("status"), zeitplanStatus(a.f)}};
    return {200, QJsonDocument(o).toJson(QJsonDocument::Compact)};
}

Antwort zeitplanSetzen(Anfragen& a, const anfrage::Eingabe& e) {
    const QJsonObject& körper = e.json;
    ZeitplanSteuerung* z = ZeitplanSteuerung::von(a.f);
    if (!z) return fehler(503, QStringLiteral("kein_zeitplan"), QStringLiteral("Der Zeitplan läuft nicht."));
    const QJsonValue zeilen = körper.value(QStringLiteral("lines"));
    if (!zeilen.isArray())
        return fehler(400, QStringLiteral("ungueltig"), QStringLiteral("„lines“ muss eine Liste von Zeilen sein."));
    QStringList liste;
    for (const QJsonValue& v : zeilen.toArray()) {
        if (!v.isString())
            return fehler(400, QStringLiteral("ungueltig"), QStringLiteral("Jede Zeile muss ein Text sein."));
        liste << v.toString();
    }
    const QJsonValue v = körper.value(QStringLiteral("version"));
    if (v.isString() && v.toString() != version(z->stand().inhalt))
        return fehler(409, QStringLiteral("geaendert"),
                      QStringLiteral("Der Zeitplan wurde inzwischen geändert; bitte neu laden."));
    QString grund;
    int zeile = 0;
    if (!z->speichern(liste, z->stand().inhalt, &grund, &zeile))
        return fehler(zeile > 0 ? 400 : 409, zeile > 0 ? QStringLiteral("zeile") : QStringLiteral("nicht_gespeichert"),
                      grund, zeile);
    return zeitplanAbfragen(a, e);
}

} // namespace glanzzug
