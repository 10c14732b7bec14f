#include "Anfragen.h"
#include "AnfrageHilfen.h"
#include "BildAblegen.h"
#include "DarstellungLaden.h"
#include "DarstellungsText.h"
#include "DateiZugriff.h"
#include "Abspielen.h"
#include "Dunkel.h"
#include "Fenster.h"
#include "LaufListe.h"
#include "Textdatei.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

namespace glanzzug {

namespace anfrage {

Antwort fehler(int status, const char* code, const QString& meldung) {
    const QJsonObject o{{QStringLiteral("code"), QString::fromLatin1(code)}, {QStringLiteral("meldung"), meldung}};
    return {status, QJsonDocument(o).toJson(QJsonDocument::Compact)};
}

Antwort json(const QJsonValue& wert) {
    if (wert.isArray()) return {200, QJsonDocument(wert.toArray()).toJson(QJsonDocument::Compact)};
    return {200, QJsonDocument(wert.toObject()).toJson(QJsonDocument::Compact)};
}

Antwort stand(const Anfragen& a) { return {200, a.status()}; }

bool nameZulässig(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\') &&
           !name.contains(QChar(0));
}

std::variant<int, Antwort> finden(const KombiFeld& liste, const QString& name, const QString& was) {
    if (!nameZulässig(name))
        return fehler(400, "ungueltigerName", QStringLiteral("„%1“ ist kein gültiger Name.").arg(name));
    const int i = int(liste.liste().indexOf(name));
    if (i < 0) return fehler(404, "unbekannt", QStringLiteral("Die %1 „%2“ gibt es nicht.").arg(was, name));
    return i;
}

std::optional<int> ganzzahl(const QJsonObject& o, const char* schlüssel) {
    const QJsonValue v = o.value(QLatin1StringView(schlüssel));
    if (!v.isDouble() || v.toDouble() != std::floor(v.toDouble()) || std::abs(v.toDouble()) > 1e9) return std::nullopt;
    return int(v.toDouble());
}

void dunkelBleiben(Fenster& f, const std::function<void()>& tun) {
    const bool dunkel = f.Dunkel;
    tun();
    if (dunkel && !f.Dunkel) AnzeigeDunkel(f);
}

} // namespace anfrage

namespace {
using namespace anfrage;
using Methode = Anfragen::Methode;

// The first character a text box of the window must not hold: one that Windows-1252
// cannot store, or a control character (the box is single-line and the presentation
// file keeps one setting per line). Empty when there is none.
QString verbotenesZeichen(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool paar = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t c = paar ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        const QString zeichen = QString::fromUcs4(&c, 1);
        // A lone surrogate is no character: only its code can be named.
        const bool ohneZeichen = c < 0x20 || c == 0x7f || QChar::isSurrogate(c);
        if (ohneZeichen || !inWindows1252(zeichen)) {
            const QString code = QStringLiteral("U+%1").arg(quint32(c), 4, 16, QChar(u'0')).toUpper();
            if (c < 0x20 || c == 0x7f) return QStringLiteral("das Steuerzeichen ") + code;
            return ohneZeichen ? QStringLiteral("das Zeichen ") + code : QStringLiteral("„%1“ (%2)").arg(zeichen, code);
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
    bool roh;     // the body is taken as it is; otherwise it must be a JSON object (400)
    Antwort (*beantworten)(Anfragen& a, const Eingabe& e);
};

Antwort statusAntwort(Anfragen& a, const Eingabe&) { return stand(a); }

Antwort darstellungen(Anfragen& a, const Eingabe&) { return json(namen(a.f.AlleLS)); }

Antwort laufListen(Anfragen& a, const Eingabe&) { return json(namen(a.f.AlleLL)); }

Antwort laufListe(Anfragen& a, const Eingabe& e) {
    const auto i = finden(a.f.AlleLL, e.name, QStringLiteral("Lauf-Liste"));
    if (auto* r = std::get_if<Antwort>(&i)) return *r;
    const auto zeilen = dateiZeilen(dateiFinden(e.name, a.f.LaufListenEndung), kMeisteLaufListenEinträge);
    if (!zeilen)
        return fehler(404, "nichtLesbar", QStringLiteral("Die Lauf-Liste „%1“ lässt sich nicht lesen.").arg(e.name));
    return json(QJsonArray::fromStringList(*zeilen));
}

Antwort anordnung(Anfragen& a, const Eingabe&) {
    QJsonArray module;
    for (int m = 0; m < 6; ++m)
        module.append(QJsonObject{{QStringLiteral("present"), a.f.ModulSichtbar[m].toolTip() == u"Sichtbar"},
                                  {QStringLiteral("x"), std::floor(a.f.ModulX[m])},
                                  {QStringLiteral("y"), std::floor(a.f.ModulY[m])}});
    return json(QJsonObject{{QStringLiteral("modules"), module}});
}

// A presentation plays by itself as it would inside a run list, which pauses; a run list
// is picked in its combo box (which raises the same Click) and "Lauf-Liste laufen
// lassen" is ticked afterwards.
Antwort spielen(Anfragen& a, const Eingabe& e) {
    const QJsonValue darstellung = e.json.value(QStringLiteral("presentation"));
    const QJsonValue liste = e.json.value(QStringLiteral("runList"));
    if (darstellung.isString() == liste.isString() || (!darstellung.isString() && !darstellung.isUndefined()) ||
        (!liste.isString() && !liste.isUndefined()))
        return fehler(400, "ungueltigeAnfrage", QStringLiteral("Bitte genau eine Darstellung oder Lauf-Liste wählen."));
    const bool einzeln = darstellung.isString();
    KombiFeld& feld = einzeln ? a.f.AlleLS : a.f.AlleLL;
    const auto i = finden(feld, einzeln ? darstellung.toString() : liste.toString(),
                          einzeln ? QStringLiteral("Darstellung") : QStringLiteral("Lauf-Liste"));
    if (auto* r = std::get_if<Antwort>(&i)) return *r;
    if (einzeln) {
        DarstellungAbspielen(a.f, std::get<int>(i));
    } else {
        feld.wähle(std::get<int>(i));
        a.f.Start.setzeWert(1);
    }
    return stand(a);
}

Antwort speicherFehler(TextSpeichern ergebnis, const QString& name) {
    switch (ergebnis) {
    case TextSpeichern::Gespeichert: break;
    case TextSpeichern::KeinTextModus:
        return fehler(409, "keinTextModus",
                      QStringLiteral("Die Darstellung „%1“ zeigt keinen Lauf-Text; ein Text ändert dort nichts.").arg(name));
    case TextSpeichern::DateiNeuer:
        return fehler(409, "dateiGeaendert",
                      QStringLiteral("Die Datei von „%1“ wurde geändert, seit Glanzzug sie gelesen hat. Bitte die "
                                     "Darstellung neu laden, damit nichts verloren geht.").arg(name));
    case TextSpeichern::NichtLesbar:
        return fehler(409, "nichtLesbar",
                      QStringLiteral("Die Datei von „%1“ lässt sich nicht ganz lesen; sie bleibt, wie sie ist.").arg(name));
    case TextSpeichern::NichtGeschrieben:
        return fehler(500, "nichtGespeichert",
                      QStringLiteral("„%1“ konnte nicht gespeichert werden (ist der Datenträger voll?); die Datei "
                                     "bleibt, wie sie war.").arg(name));
    }
    return {};
}

// {"text", "save": bool, "presentation": name, "confirmEmpty": bool}. Without "save" the
// text box of the presentation on show takes the text ("Nur jetzt"); with it, the text is
// saved into the named presentation (default: the one on show).
Antwort text(Anfragen& a, const Eingabe& e) {
    const QJsonValue t = e.json.value(QStringLiteral("text"));
    if (!t.isString()) return fehler(400, "ungueltigeAnfrage", QStringLiteral("Der Text fehlt."));
    const QString neu = t.toString();
    if (neu.size() > kLängsterText)
        return fehler(422, "textZuLang", QStringLiteral("Der Text ist länger als %1 Zeichen.").arg(kLängsterText));
    const QString zeichen = verbotenesZeichen(neu);
    if (!zeichen.isEmpty())
        return fehler(422, "zeichenNichtMoeglich",
                      QStringLiteral("Der Text kann %1 nicht enthalten; die Anzeige kennt dieses Zeichen nicht.").arg(zeichen));
    if (neu.isEmpty() && !e.json.value(QStringLiteral("confirmEmpty")).toBool())
        return fehler(409, "leererText", QStringLiteral("Der Text ist leer. Soll die Anzeige wirklich ohne Text laufen?"));
    const bool speichern = e.json.value(QStringLiteral("save")).toBool();
    const QJsonValue genannt = e.json.value(QStringLiteral("presentation"));
    const QString name = genannt.isString() ? genannt.toString() : a.f.AlleLS.text();
    if (!speichern) {
        if (name != a.f.AlleLS.text())
            return fehler(400, "nichtAufAnzeige",
                          QStringLiteral("„Nur jetzt“ gilt nur für die Darstellung, die gerade läuft."));
        if (a.f.AusWal.auswahl() != 0) return speicherFehler(TextSpeichern::KeinTextModus, name);
        a.f.Txt.setzeText(neu);
        return stand(a);
    }
    const auto i = finden(a.f.AlleLS, name, QStringLiteral("Darstellung"));
    if (auto* r = std::get_if<Antwort>(&i)) return *r;
    TextSpeichern ergebnis{};
    dunkelBleiben(a.f, [&] { ergebnis = TextInDarstellungSpeichern(a.f, name, neu); });
    if (ergebnis != TextSpeichern::Gespeichert) return speicherFehler(ergebnis, name);
    return stand(a);
}

Antwort timer(Anfragen& a, const Eingabe& e) {
    const QJsonValue an = e.json.value(QStringLiteral("on"));
    if (!an.isBool()) return fehler(400, "ungueltigeAnfrage", QStringLiteral("Bitte „an“ oder „aus“ wählen."));
    (an.toBool() ? a.f.TimerAn : a.f.TimerAus).klick();
    return stand(a);
}

// {"on": true} darkens the sign, {"on": false} goes on with what played.
Antwort dunkel(Anfragen& a, const Eingabe& e) {
    const QJsonValue an = e.json.value(QStringLiteral("on"));
    if (!an.isBool()) return fehler(400, "ungueltigeAnfrage", QStringLiteral("Bitte „Dunkel“ oder „Weiter“ wählen."));
    if (an.toBool()) AnzeigeDunkel(a.f);
    else AnzeigeWeiter(a.f);
    return stand(a);
}

constexpr Route kRouten[] = {
    {Methode::Get, u"/api/status", false, false, statusAntwort},
    {Methode::Get, u"/api/presentations", false, false, darstellungen},
    {Methode::Get, u"/api/runlists", false, false, laufListen},
    {Methode::Get, u"/api/runlists", true, false, laufListe},
    {Methode::Get, u"/api/layout", false, false, anordnung},
    {Methode::Post, u"/api/play", false, false, spielen},
    {Methode::Put, u"/api/text", false, false, text},
    {Methode::Post, u"/api/timer", false, false, timer},
    {Methode::Post, u"/api/dark", false, false, dunkel},
    {Methode::Get, u"/api/runlist", false, false, laufListeJetzt},
    {Methode::Post, u"/api/runlist/play", false, false, laufListeAbHier},
    {Methode::Post, u"/api/runlist/continue", false, false, laufListeFortsetzen},
    {Methode::Post, u"/api/runlist/insert", false, false, laufListeEinfügen},
    {Methode::Post, u"/api/runlist/remove", false, false, laufListeEntfernen},
    {Methode::Post, u"/api/runlist/move", false, false, laufListeVerschieben},
    {Methode::Post, u"/api/runlist/save", false, false, laufListeSpeichern},
    {Methode::Get, u"/api/pictures", false, false, bilder},
    {Methode::Put, u"/api/pictures", true, true, bildHochladen},
    {Methode::Post, u"/api/picturelist", false, false, bildEinfügen},
};

// The route a path names (with its name), or null.
const Route* routeFinden(Methode methode, const QString& pfad, QString* name, bool* pfadBekannt) {
    for (const Route& r : kRouten) {
        if (r.mitName) {
            if (!pfad.startsWith(r.pfad) || pfad.size() <= r.pfad.size() + 1 || pfad[r.pfad.size()] != u'/') continue;
            *name = pfad.mid(r.pfad.size() + 1);
        } else if (pfad != r.pfad) {
            continue;
        }
        *pfadBekannt = true;
        if (r.methode == methode) return &r;
    }
    return nullptr;
}
} // namespace

qint64 Anfragen::größterKörper(Methode methode, const QString& pfad) {
    QString name;
    bool bekannt = false;
    const Route* r = routeFinden(methode, pfad, &name, &bekannt);
    return r && r->roh ? kGrößtesBildHochladen : 64 * 1024;
}

Anfragen::Antwort Anfragen::beantworten(Methode methode, const QString& pfad, const QByteArray& körper) {
    Eingabe e;
    bool pfadBekannt = false;
    const Route* r = routeFinden(methode, pfad, &e.name, &pfadBekannt);
    if (!r)
        return pfadBekannt ? fehler(405, "methodeNichtErlaubt", QStringLiteral("Diese Anfrage ist so nicht erlaubt."))
                           : fehler(404, "unbekannteAnfrage", QStringLiteral("Diese Anfrage kennt Glanzzug nicht."));
    if (körper.size() > größterKörper(methode, pfad))
        return fehler(413, "zuGross", r->roh ? QStringLiteral("Das Bild ist größer als 8 MB.")
                                             : QStringLiteral("Die Anfrage ist zu groß."));
    if (r->roh) {
        e.roh = körper;
    } else if (methode != Methode::Get) {
        QJsonParseError fehlerBeimLesen{};
        const QJsonDocument d = QJsonDocument::fromJson(körper, &fehlerBeimLesen);
        if (fehlerBeimLesen.error != QJsonParseError::NoError || !d.isObject())
            return fehler(400, "ungueltigesJson", QStringLiteral("Die Anfrage ist kein gültiges JSON-Objekt."));
        e.json = d.object();
    }
    return r->beantworten(*this, e);
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
        {QStringLiteral("text"), f.Txt.text()},
        {QStringLiteral("textMode"), modus == 0},
        {QStringLiteral("entry"), f.LaufListe.listIndex()},
        {QStringLiteral("paused"), f.EinzelnAbspielen && f.LaufListePause.sichtbar()},
        {QStringLiteral("pauseText"), f.LaufListePause.text()},
        {QStringLiteral("dark"), f.Dunkel},
    };
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

} // namespace glanzzug
