#include "Anfragen.h"
#include "AnfragenZeitplan.h"
#include "DateiZugriff.h"
#include "DarstellungLaden.h"
#include "Fenster.h"
#include "LaufListe.h"
#include "Textdatei.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <variant>

namespace glanzzug {

namespace {
using Antwort = Anfragen::Antwort;
using Methode = Anfragen::Methode;

Antwort fehler(int status, const QString& meldung) {
    return {status, QJsonDocument(QJsonObject{{QStringLiteral("error"), meldung}}).toJson(QJsonDocument::Compact)};
}
Antwort json(const QJsonValue& wert) {
    if (wert.isArray()) return {200, QJsonDocument(wert.toArray()).toJson(QJsonDocument::Compact)};
    return {200, QJsonDocument(wert.toObject()).toJson(QJsonDocument::Compact)};
}

// A name as it may stand in a request: no folder part, no NUL, not "." or "..".
bool nameZulässig(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\') &&
           !name.contains(QChar(0));
}

// Looks a name up in a combo box's list: its index, or an error answer.
std::variant<int, Antwort> finden(const KombiFeld& liste, const QString& name) {
    if (!nameZulässig(name)) return fehler(400, QStringLiteral("not a valid name: ") + name);
    const int i = int(liste.liste().indexOf(name));
    if (i < 0) return fehler(404, QStringLiteral("no such name: ") + name);
    return i;
}

// The body as a JSON object, or an error answer.
std::variant<QJsonObject, Antwort> objekt(const QByteArray& körper) {
    QJsonParseError e{};
    const QJsonDocument d = QJsonDocument::fromJson(körper, &e);
    if (e.error != QJsonParseError::NoError || !d.isObject()) return fehler(400, QStringLiteral("malformed JSON"));
    return d.object();
}

// The first character a text box of the window must not hold: one that Windows-1252
// cannot store, or a control character (the box is single-line and the presentation
// file keeps one setting per line). Empty when there is none.
QString verbotenesZeichen(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t c = QChar::isSurrogate(text[i].unicode()) && i + 1 < text.size()
                               ? QChar::surrogateToUcs4(text[i], text[i + 1])
                               : text[i].unicode();
        const QString zeichen = QString::fromUcs4(&c, 1);
        if (c < 0x20 || c == 0x7f || !inWindows1252(zeichen)) {
            const QString code = QStringLiteral("U+%1").arg(quint32(c), 4, 16, QChar(u'0')).toUpper();
            return c < 0x20 || c == 0x7f ? code : QStringLiteral("'%1' (%2)").arg(zeichen, code);
        }
        if (c > 0xffff) ++i;
    }
    return {};
}

QJsonArray namen(const KombiFeld& k) { return QJsonArray::fromStringList(k.liste()); }

struct Route {
    Methode methode;
    QStringView pfad;
    bool mitName; // the path continues with "/" and a name
    // Requests other than GET take a JSON object as their body (400 otherwise).
    Antwort (*beantworten)(Anfragen& a, const QString& name, const QJsonObject& körper);
};

Antwort statusAntwort(Anfragen& a, const QString&, const QJsonObject&) { return {200, a.status()}; }

Antwort darstellungen(Anfragen& a, const QString&, const QJsonObject&) { return json(namen(a.f.AlleLS)); }

Antwort laufListen(Anfragen& a, const QString&, const QJsonObject&) { return json(namen(a.f.AlleLL)); }

Antwort laufListe(Anfragen& a, const QString& name, const QJsonObject&) {
    const auto i = finden(a.f.AlleLL, name);
    if (auto* e = std::get_if<Antwort>(&i)) return *e;
    const auto zeilen = dateiZeilen(dateiFinden(name, a.f.LaufListenEndung), kMeisteLaufListenEinträge);
    if (!zeilen) return fehler(404, QStringLiteral("cannot read the run list ") + name);
    return json(QJsonArray::fromStringList(*zeilen));
}

Antwort anordnung(Anfragen& a, const QString&, const QJsonObject&) {
    QJsonArray module;
    for (int m = 0; m < 6; ++m)
        module.append(QJsonObject{{QStringLiteral("present"), a.f.ModulSichtbar[m].toolTip() == u"Sichtbar"},
                                  {QStringLiteral("x"), std::floor(a.f.ModulX[m])},
                                  {QStringLiteral("y"), std::floor(a.f.ModulY[m])}});
    return json(QJsonObject{{QStringLiteral("modules"), module}});
}

// Choosing a presentation or a run list as a person does in the window: pick it in its
// combo box (which raises the same Click), and for a run list tick "Lauf-Liste laufen
// lassen" afterwards.
Antwort spielen(Anfragen& a, const QString&, const QJsonObject& anfrage) {
    const QJsonValue darstellung = anfrage.value(QStringLiteral("presentation"));
    const QJsonValue liste = anfrage.value(QStringLiteral("runList"));
    if (darstellung.isString() == liste.isString() || (!darstellung.isString() && !darstellung.isUndefined()) ||
        (!liste.isString() && !liste.isUndefined()))
        return fehler(400, QStringLiteral("give either \"presentation\" or \"runList\" as a name"));
    KombiFeld& feld = darstellung.isString() ? a.f.AlleLS : a.f.AlleLL;
    const auto i = finden(feld, darstellung.isString() ? darstellung.toString() : liste.toString());
    if (auto* e = std::get_if<Antwort>(&i)) return *e;
    feld.wähle(std::get<int>(i));
    if (liste.isString()) a.f.Start.setzeWert(1);
    return {200, a.status()};
}

Antwort text(Anfragen& a, const QString&, const QJsonObject& anfrage) {
    const QJsonValue t = anfrage.value(QStringLiteral("text"));
    if (!t.isString()) return fehler(400, QStringLiteral("\"text\" must be a string"));
    if (t.toString().size() > kLängsterText)
        return fehler(422, QStringLiteral("the text is longer than %1 characters").arg(kLängsterText));
    const QString zeichen = verbotenesZeichen(t.toString());
    if (!zeichen.isEmpty()) return fehler(422, QStringLiteral("the text cannot hold the character ") + zeichen);
    a.f.Txt.setzeText(t.toString());
    return {200, a.status()};
}

Antwort timer(Anfragen& a, const QString&, const QJsonObject& anfrage) {
    const QJsonValue an = anfrage.value(QStringLiteral("on"));
    if (!an.isBool()) return fehler(400, QStringLiteral("\"on\" must be true or false"));
    (an.toBool() ? a.f.TimerAn : a.f.TimerAus).klick();
    return {200, a.status()};
}

constexpr Route kRouten[] = {
    {Methode::Get, u"/api/status", false, statusAntwort},
    {Methode::Get, u"/api/presentations", false, darstellungen},
    {Methode::Get, u"/api/runlists", false, laufListen},
    {Methode::Get, u"/api/runlists", true, laufListe},
    {Methode::Get, u"/api/layout", false, anordnung},
    {Methode::Post, u"/api/play", false, spielen},
    {Methode::Put, u"/api/text", false, text},
    {Methode::Post, u"/api/timer", false, timer},
    {Methode::Get, u"/api/schedule", false, zeitplanAbfragen},
    {Methode::Put, u"/api/schedule", false, zeitplanSetzen},
};
} // namespace

Anfragen::Antwort Anfragen::beantworten(Methode methode, const QString& pfad, const QByteArray& körper) {
    bool pfadBekannt = false;
    for (const Route& r : kRouten) {
        QString name;
        if (r.mitName) {
            if (!pfad.startsWith(r.pfad) || pfad.size() <= r.pfad.size() + 1 || pfad[r.pfad.size()] != u'/') continue;
            name = pfad.mid(r.pfad.size() + 1);
        } else if (pfad != r.pfad) {
            continue;
        }
        pfadBekannt = true;
        if (r.methode != methode) continue;
        if (methode == Methode::Get) return r.beantworten(*this, name, {});
        const auto o = objekt(körper);
        if (auto* e = std::get_if<Antwort>(&o)) return *e;
        return r.beantworten(*this, name, std::get<QJsonObject>(o));
    }
    return pfadBekannt ? fehler(405, QStringLiteral("method not allowed")) : fehler(404, QStringLiteral("not found"));
}

QByteArray Anfragen::status() const {
    const int modus = f.AusWal.auswahl();
    const QJsonObject o{
        {QStringLiteral("presentation"), f.AlleLS.text()},
        {QStringLiteral("runList"), f.AlleLL.text()},
        {QStringLiteral("playing"), f.Start.gesetzt()},
        {QStringLiteral("timer"), f.T.an()},
        {QStringLiteral("mode"), modus},
        {QStringLiteral("modeName"), modus >= 0 && modus < f.AusWal.anzahl() ? f.AusWal.eintrag(modus).beschriftung : QString()},
        {QStringLiteral("pass"), f.DurchlaufNummer},
        {QStringLiteral("display"), QJsonObject{{QStringLiteral("width"), f.DisplayBreite},
                                                {QStringLiteral("height"), f.DisplayHöhe}}},
        {QStringLiteral("port"), portBeschreibung},
        {QStringLiteral("schedule"), zeitplanStatus(f)},
    };
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

} // namespace glanzzug
