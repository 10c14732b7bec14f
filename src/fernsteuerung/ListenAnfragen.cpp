// The remote control's run-list and picture requests: the run list as it plays, its
// editing through the window's run-list edits, and pictures from a phone.
#include "AnfrageHilfen.h"
#include "Abspielen.h"
#include "BildAblegen.h"
#include "DarstellungsText.h"
#include "Fenster.h"
#include "LaufListe.h"
#include <QJsonArray>

namespace glanzzug::anfrage {

namespace {
// Entries sent with the run list; a longer list is cut (the page shows that many).
constexpr int kMeisteGezeigteEinträge = 500;

Antwort ohneEintrag() {
    return fehler(404, "keinEintrag", QStringLiteral("Diesen Eintrag gibt es in der Lauf-Liste nicht (mehr)."));
}

std::variant<int, Antwort> eintrag(const Anfragen& a, const Eingabe& e, int zusätzlich = 0) {
    const auto i = ganzzahl(e.json, "index");
    if (!i) return fehler(400, "ungueltigeAnfrage", QStringLiteral("Der Eintrag fehlt."));
    if (*i < 0 || *i >= a.f.LaufListe.anzahl() + zusätzlich) return ohneEintrag();
    return *i;
}
} // namespace

// {"name", "entries": [...], "total", "selected", "playing", "paused", "pauseText"}
Antwort laufListeJetzt(Anfragen& a, const Eingabe&) {
    const QStringList& alle = a.f.LaufListe.einträge();
    return json(QJsonObject{
        {QStringLiteral("name"), a.f.AlleLL.text()},
        {QStringLiteral("entries"), QJsonArray::fromStringList(alle.mid(0, kMeisteGezeigteEinträge))},
        {QStringLiteral("total"), a.f.LaufListe.anzahl()},
        {QStringLiteral("selected"), a.f.LaufListe.listIndex()},
        {QStringLiteral("playing"), a.f.Start.gesetzt()},
        {QStringLiteral("paused"), a.f.LaufListePause.sichtbar()},
        {QStringLiteral("pauseText"), a.f.LaufListePause.text()},
    });
}

Antwort laufListeAbHier(Anfragen& a, const Eingabe& e) {
    const auto i = eintrag(a, e);
    if (auto* r = std::get_if<Antwort>(&i)) return *r;
    LaufListeAbHier(a.f, std::get<int>(i));
    return laufListeJetzt(a, e);
}

Antwort laufListeFortsetzen(Anfragen& a, const Eingabe& e) {
    if (a.f.LaufListe.anzahl() == 0)
        return fehler(409, "leereListe", QStringLiteral("Die Lauf-Liste ist leer; es gibt nichts fortzusetzen."));
    a.f.LaufListeFortsetzen.klick();
    return laufListeJetzt(a, e);
}

// {"index", "presentation"}: the presentation goes in before entry index (at the end for
// index = number of entries).
Antwort laufListeEinfügen(Anfragen& a, const Eingabe& e) {
    const auto i = eintrag(a, e, 1);
    if (auto* r = std::get_if<Antwort>(&i)) return *r;
    const auto d = finden(a.f.AlleLS, e.json.value(QStringLiteral("presentation")).toString(),
                          QStringLiteral("Darstellung"));
    if (auto* r = std::get_if<Antwort>(&d)) return *r;
    LaufListeEinfügen(a.f, a.f.AlleLS.liste()[std::get<int>(d)], std::get<int>(i));
    return laufListeJetzt(a, e);
}

Antwort laufListeEntfernen(Anfragen& a, const Eingabe& e) {
    const auto i = eintrag(a, e);
    if (auto* r = std::get_if<Antwort>(&i)) return *r;
    LaufListeEntfernen(a.f, std::get<int>(i));
    return laufListeJetzt(a, e);
}

// {"index", "to"}
Antwort laufListeVerschieben(Anfragen& a, const Eingabe& e) {
    const auto i = eintrag(a, e);
    if (auto* r = std::get_if<Antwort>(&i)) return *r;
    const auto nach = ganzzahl(e.json, "to");
    if (!nach || !LaufListeVerschieben(a.f, std::get<int>(i), *nach)) return ohneEintrag();
    return laufListeJetzt(a, e);
}

Antwort laufListeSpeichern(Anfragen& a, const Eingabe& e) {
    if (a.f.AlleLL.text().isEmpty())
        return fehler(409, "ohneName", QStringLiteral("Die Lauf-Liste hat keinen Namen; bitte im Fenster benennen."));
    bool gesichert = false;
    dunkelBleiben(a.f, [&] { gesichert = LaufListeSchreiben(a.f); });
    if (!gesichert)
        return fehler(500, "nichtGespeichert",
                      QStringLiteral("Die Lauf-Liste „%1“ konnte nicht gespeichert werden; die Datei bleibt, wie sie war.")
                          .arg(a.f.AlleLL.text()));
    return laufListeJetzt(a, e);
}

Antwort bilder(Anfragen& a, const Eingabe&) { return json(QJsonArray::fromStringList(a.f.AniFiles.dateien())); }

Antwort bildHochladen(Anfragen& a, const Eingabe& e) {
    switch (BildAblegen(a.f, e.name, e.roh)) {
    case BildAblage::Gespeichert: return bilder(a, e);
    case BildAblage::NameUngültig:
        return fehler(400, "ungueltigerName",
                      QStringLiteral("„%1“ taugt nicht als Bildname: bitte ohne / und Sonderzeichen, mit der Endung des "
                                     "Bildes (.jpg, .png, .bmp oder .gif).").arg(e.name));
    case BildAblage::KeinBild:
        return fehler(415, "keinBild", QStringLiteral("Das ist kein Bild im Format JPEG, PNG, BMP oder GIF."));
    case BildAblage::NichtLesbar:
        return fehler(415, "bildNichtLesbar", QStringLiteral("Das Bild lässt sich nicht lesen oder ist zu groß zum Anzeigen."));
    case BildAblage::ZuGroß: return fehler(413, "zuGross", QStringLiteral("Das Bild ist größer als 8 MB."));
    case BildAblage::NameVergeben:
        return fehler(409, "nameVergeben", QStringLiteral("Ein Bild „%1“ gibt es schon; bitte einen anderen Namen wählen.").arg(e.name));
    case BildAblage::NichtGeschrieben:
        return fehler(500, "nichtGespeichert", QStringLiteral("Das Bild konnte nicht gespeichert werden (ist der Datenträger voll?)."));
    }
    return {};
}

// {"presentation", "picture"}: the picture (one of the folder's) is appended to the
// presentation's picture list, which is saved.
Antwort bildEinfügen(Anfragen& a, const Eingabe& e) {
    const auto d = finden(a.f.AlleLS, e.json.value(QStringLiteral("presentation")).toString(), QStringLiteral("Darstellung"));
    if (auto* r = std::get_if<Antwort>(&d)) return *r;
    const QString bild = e.json.value(QStringLiteral("picture")).toString();
    if (!a.f.AniFiles.dateien().contains(bild))
        return fehler(404, "unbekannt", QStringLiteral("Das Bild „%1“ gibt es im Ordner nicht.").arg(bild));
    const QString name = a.f.AlleLS.liste()[std::get<int>(d)];
    TextSpeichern ergebnis{};
    dunkelBleiben(a.f, [&] { ergebnis = BildInDarstellungEinfügen(a.f, name, bild); });
    switch (ergebnis) {
    case TextSpeichern::Gespeichert: return stand(a);
    case TextSpeichern::DateiNeuer:
        return fehler(409, "dateiGeaendert",
                      QStringLiteral("Die Datei von „%1“ wurde geändert, seit Glanzzug sie gelesen hat. Bitte die "
                                     "Darstellung neu laden.").arg(name));
    case TextSpeichern::NichtLesbar:
    case TextSpeichern::KeinTextModus:
        return fehler(409, "nichtLesbar", QStringLiteral("Die Datei von „%1“ lässt sich nicht ganz lesen; sie bleibt, wie sie ist.").arg(name));
    case TextSpeichern::NichtGeschrieben: break;
    }
    return fehler(500, "nichtGespeichert", QStringLiteral("„%1“ konnte nicht gespeichert werden.").arg(name));
}

} // namespace glanzzug::anfrage
